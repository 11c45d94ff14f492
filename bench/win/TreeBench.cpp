// A full repaint of a 400 × 300 virtual string tree scrolled to its middle, with 100 000
// rows against 100 rows (the same rows in view, so the cost should be the same), against a
// GDI BitBlt of the same size; and the cost of creating the 100 000 rows.
#include <windows.h>

#include <memory>

#include "WinBench.h"
#include "controls/QvSkinVirtualTree.h"
#include "host/Application.h"
#include "host/Form.h"

namespace {

using namespace qv;

struct TTreeBench {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TQvSkinVirtualStringTree* Tree;
  explicit TTreeBench(int Rows) {
    Form->SetBorderStyle(bsNone);
    Form->SetBounds(100, 100, 420, 320);
    Tree = new TQvSkinVirtualStringTree(Form.get());
    Tree->SetBounds(10, 10, 400, 300);
    Tree->SetParent(Form.get());
    Tree->SetDefaultNodeHeight(25);
    Tree->SetTreeOptions({toFullRowSelect, toShowHorzGridLines, toCheckSupport});
    Tree->OnGetText = [](TBaseVirtualTree_qv*, TVirtualNode* N, int, TVSTTextType, String& S) {
      S = L"Row " + std::to_wstring(N->Index());
    };
    Tree->OnInitNode = [](TBaseVirtualTree_qv* T, TVirtualNode* N) {
      T->SetCheckType(N, ctCheckBox);
    };
    Tree->SetRootNodeCount(Rows);
    Tree->SetOffsetY(-(Rows * 25 - 300) / 2);
    Form->Show();
    Application->ProcessMessages();
  }
  void Repaint() {
    Tree->Invalidate();
    RedrawWindow(Tree->Handle(), nullptr, nullptr, RDW_UPDATENOW);
  }
};

const winbench::TRegistration gTreePaint("TreePaint", [](winbench::TReport& R) {
  for (int Rows : {100, 100000}) {
    TTreeBench B(Rows);
    R.Result("repaint, " + std::to_string(Rows) + " rows", R.TimeMs([&] { B.Repaint(); }, 40),
             "ms");
  }
  {
    TTreeBench B(0);
    HDC Screen = GetDC(B.Tree->Handle());
    HDC Mem = CreateCompatibleDC(Screen);
    HBITMAP Bmp = CreateCompatibleBitmap(Screen, 400, 300);
    HGDIOBJ Old = SelectObject(Mem, Bmp);
    R.Result("reference: GDI BitBlt 400x300",
             R.TimeMs([&] { BitBlt(Screen, 0, 0, 400, 300, Mem, 0, 0, SRCCOPY); }, 40), "ms");
    SelectObject(Mem, Old);
    DeleteObject(Bmp);
    DeleteDC(Mem);
    ReleaseDC(B.Tree->Handle(), Screen);
  }
  {
    TTreeBench B(0);
    R.Result("create 100000 rows and clear",
             R.TimeMs(
                 [&] {
                   B.Tree->SetRootNodeCount(100000);
                   B.Tree->Clear();
                 },
                 5),
             "ms");
  }
});

}  // namespace

// List views, trees and memos: a skinned virtual tree with check boxes and tri-state
// parents inside a border panel, its skinned bars mirroring the rows; a draw tree; a
// virtual list of 100 000 rows that paints only what is in view.
#include <cwchar>
#include <memory>

#include "ControlsHost.h"
#include "GalleryPage.h"
#include "controls/QvSkinBorderPanel.h"
#include "controls/QvSkinListView.h"
#include "controls/QvSkinMemo.h"
#include "controls/QvSkinScrollBar.h"
#include "controls/QvSkinScrollBox.h"
#include "controls/QvSkinVirtualTree.h"
#include "host/Font.h"

namespace gallery {

namespace {

using namespace qv;

class TTreesPage : public TGalleryPage {
 public:
  String Title() const override { return L"List views, trees and memos"; }

  void Show(HWND Parent, const RECT& R) override {
    FHost = std::make_unique<TControlsHost>(nullptr);
    FHost->SetVisible(false);
    FHost->SetBounds(R.left, R.top, R.right - R.left, R.bottom - R.top);
    CheckTree(kPad, 16);
    BigList(kPad + 300, 16);
    ListView(kPad + 600, 16);
    Memo(kPad, 360);
    ScrollBox(kPad + 400, 360);
    DrawTree(kPad + 760, 360);
    FHost->SetParentWindow(Parent);
    FHost->SetVisible(true);
  }

  void Hide() override { FHost.reset(); }

 private:
  template <typename T>
  T* Add(TWinControl* Parent, int X, int Y, int W, int H) {
    return AddControl<T>(FHost.get(), Parent, X, Y, W, H);
  }

  // A control filling a border panel, with a vertical bar beside it and a horizontal one
  // below; the caller binds the bars.
  template <typename T>
  struct TFramed {
    TQvSkinBorderPanel* Panel;
    TQvSkinScrollBar* VBar;
    TQvSkinScrollBar* HBar;
    T* Control;
  };
  template <typename T>
  TFramed<T> Framed(int X, int Y, int W, int H) {
    auto* Panel = Add<TQvSkinBorderPanel>(FHost.get(), X, Y, W, H);
    auto* VBar = Add<TQvSkinScrollBar>(Panel, 0, 0, 10, 10);
    VBar->SetKind(sbVertical);
    VBar->SetAlign(alRight);
    auto* HBar = Add<TQvSkinScrollBar>(Panel, 0, 0, 10, 10);
    HBar->SetAlign(alBottom);
    auto* Control = Add<T>(Panel, 0, 0, 10, 10);
    Control->SetAlign(alClient);
    return {Panel, VBar, HBar, Control};
  }

  template <typename TTree>
  TTree* FramedTree(int X, int Y, int W, int H) {
    const TFramed<TTree> F = Framed<TTree>(X, Y, W, H);
    F.Control->SetQvSkinBorderPanel(F.Panel);
    F.Control->SetVScrollBar(F.VBar);
    F.Control->SetHScrollBar(F.HBar);
    return F.Control;
  }

  void CheckTree(int X, int Y) {
    FHost->Heading(X, Y, L"TQvSkinVirtualStringTree");
    FHost->Label(X, Y + 26, L"Check boxes, tri-state parents, skinned bars");
    auto* Tree = FramedTree<TQvSkinVirtualStringTree>(X, Y + 46, 260, 260);
    Tree->SetDefaultNodeHeight(22);
    Tree->SetTreeOptions(Tree->TreeOptions() + TVTOptions{toCheckSupport, toFullRowSelect});
    static const wchar_t* const Groups[] = {L"Fruit", L"Vegetables", L"Grains", L"Nuts"};
    static const wchar_t* const Items[] = {L"Apple",  L"Banana",     L"Cherry",
                                           L"Damson", L"Elderberry", L"Fig"};
    Tree->BeginUpdate();
    for (const wchar_t* G : Groups) {
      TVirtualNode* P = Tree->AddChild(nullptr, G);
      Tree->SetCheckType(P, ctTriStateCheckBox);
      for (const wchar_t* I : Items) Tree->SetCheckType(Tree->AddChild(P, I), ctTriStateCheckBox);
    }
    TVirtualNode* Fruit = Tree->Items(0);
    Tree->SetExpanded(Fruit, true);
    Tree->SetExpanded(Tree->Items(2), true);
    Tree->SetCheckState(Fruit->Child(1), csCheckedNormal);
    Tree->SetCheckState(Fruit->Child(3), csCheckedNormal);
    Tree->SetCheckState(Tree->Items(3), csCheckedNormal);
    Tree->SetFocusedNode(Fruit->Child(3));
    Tree->SetSelected(Fruit->Child(3), true);
    Tree->EndUpdate();
  }

  void BigList(int X, int Y) {
    FHost->Heading(X, Y, L"A virtual list of 100 000 rows");
    FHost->Label(X, Y + 26, L"Captions asked for as rows come into view");
    auto* List = FramedTree<TQvSkinVirtualStringTree>(X, Y + 46, 260, 260);
    List->SetDefaultNodeHeight(25);
    List->SetTreeOptions({toFullRowSelect, toShowHorzGridLines, toHideFocusRect});
    List->Colors()->SetColor(TVTColors::FocusedSelectionColor, TColor(0xEAC291));
    List->Colors()->SetColor(TVTColors::FocusedSelectionBorderColor, TColor(0xEAC291));
    List->Colors()->SetColor(TVTColors::UnfocusedSelectionColor, TColor(0xEAC291));
    List->Colors()->SetColor(TVTColors::UnfocusedSelectionBorderColor, TColor(0xEAC291));
    List->Colors()->SetColor(TVTColors::SelectionTextColor, clBlack);
    List->Colors()->SetColor(TVTColors::GridLineColor, TColor(0xF3F3F3));
    List->SetColor(clWhite);
    List->SetShowHint(true);
    List->OnGetText = [](TBaseVirtualTree_qv*, TVirtualNode* N, int, TVSTTextType, String& S) {
      S = L"Row " + std::to_wstring(N->Index() + 1);
    };
    List->SetRootNodeCount(100000);
    List->SetOffsetY(-25 * 40000);
    List->SetSelected(List->Items(40002), true);
  }

  void ListView(int X, int Y) {
    FHost->Heading(X, Y, L"TQvSkinListView");
    FHost->Label(X, Y + 26, L"Report view, our header, skinned bars both ways");
    const TFramed<TQvSkinListView> F = Framed<TQvSkinListView>(X, Y + 46, 420, 260);
    TQvSkinListView* View = F.Control;
    View->SetViewStyle(vsReport);
    View->SetRowSelect(true);
    View->AddColumn(L"File", 170);
    View->AddColumn(L"Size", 80, taRightJustify);
    View->AddColumn(L"A caption too long for its column", 90, taCenter);
    View->AddColumn(L"Kind", 120);
    static const wchar_t* const Kinds[] = {L"Picture", L"Document", L"Archive"};
    for (int I = 0; I < 40; ++I)
      View->AddItem(L"File " + std::to_wstring(I + 1) + L".dat",
                    {std::to_wstring((I * 37) % 500 + 1) + L" KB", L"-", Kinds[I % 3]});
    View->SetVScrollBar(F.VBar);
    View->SetHScrollBar(F.HBar);
  }

  void Memo(int X, int Y) {
    FHost->Heading(X, Y, L"TQvSkinMemoEx");
    FHost->Label(X, Y + 26, L"The platform edit with skinned bars in a lit frame");
    auto* Ex = Add<TQvSkinMemoEx>(FHost.get(), X, Y + 46, 360, 180);
    Ex->Memo()->SetWordWrap(false);
    String Text;
    for (int I = 1; I <= 30; ++I)
      Text += L"Line " + std::to_wstring(I) + L": the quick brown fox jumps over the lazy dog" +
              (I % 5 == 0 ? L" and keeps running far beyond the right edge of the memo" : L"") +
              L"\r\n";
    Ex->Memo()->SetText(Text);
  }

  void ScrollBox(int X, int Y) {
    FHost->Heading(X, Y, L"TQvSkinScrollBox");
    FHost->Label(X, Y + 26, L"Children beyond the box, scrolled by skinned bars");
    const TFramed<TQvSkinScrollBox> F = Framed<TQvSkinScrollBox>(X, Y + 46, 300, 180);
    TQvSkinScrollBox* Box = F.Control;
    static const TColor Colors[] = {TColor(0xF9B937), TColor(0x61D786), TColor(0x9A6BE0),
                                    TColor(0x3C8CF0)};
    for (int I = 0; I < 8; ++I) {
      auto* P = Add<TQvSkinPanel>(Box, 10 + (I % 2) * 190, 10 + (I / 2) * 70, 170, 56);
      P->SetColor(Colors[I % 4]);
      P->SetAlpha(255);
      P->SetTransparent(false);
    }
    Box->SetVScrollBar(F.VBar);
    Box->SetHScrollBar(F.HBar);
  }

  void DrawTree(int X, int Y) {
    FHost->Heading(X, Y, L"TQvSkinVirtualDrawTree");
    FHost->Label(X, Y + 26, L"The owner draws each row: a swatch and its colour");
    auto* Tree = FramedTree<TQvSkinVirtualDrawTree>(X, Y + 46, 300, 180);
    Tree->SetDefaultNodeHeight(26);
    Tree->SetTreeOptions({toFullRowSelect, toHideFocusRect});
    Tree->SetColor(clWhite);
    Tree->OnDrawNode = [](TBaseVirtualTree_qv*, const TVTPaintInfo& P) {
      const int I = int(P.Node->Index());
      const TColor32 Swatch =
          Color32(Byte(40 + I * 53 % 200), Byte(90 + I * 29 % 150), Byte(220 - I * 41 % 160));
      const TRect& R = P.ContentRect;
      const int Mid = (R.Top + R.Bottom) / 2;
      P.Canvas->FillRectS(R.Left + 6, Mid - 7, R.Left + 34, Mid + 7, Swatch);
      P.Canvas->FrameRectS(R.Left + 6, Mid - 7, R.Left + 34, Mid + 7, Color32(0, 0, 0, 60));
      wchar_t Hex[16];
      swprintf(Hex, 16, L"#%02X%02X%02X", RedComponent(Swatch), GreenComponent(Swatch),
               BlueComponent(Swatch));
      P.Canvas->RenderText(TRect(R.Left + 44, R.Top, R.Right, R.Bottom),
                           DT_LEFT | DT_VCENTER | DT_SINGLELINE,
                           L"Colour " + std::to_wstring(I + 1) + L"  " + Hex, Color32(40, 40, 40));
    };
    Tree->SetRootNodeCount(40);
    Tree->SetSelected(Tree->Items(2), true);
  }

  static constexpr int kPad = 16;
  std::unique_ptr<TControlsHost> FHost;
};

const TPageRegistration gRegistration(124, [] {
  return std::unique_ptr<TGalleryPage>(new TTreesPage());
});

}  // namespace

}  // namespace gallery

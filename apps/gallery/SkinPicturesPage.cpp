// The default skin: every picture with its resource ID and size, over a checkerboard so
// that transparency shows.
#include <algorithm>

#include "GalleryPage.h"
#include "raster/Bitmap32.h"
#include "resources/DefaultSkinTable.h"
#include "resources/QvSkinResManager.h"

namespace gallery {

namespace {

constexpr int kPad = 10;
constexpr int kLabelHeight = 26;
constexpr int kMinCellWidth = 172;
const wchar_t* const kClassName = L"QvSkinGalleryPictures";

void FillChecker(qv::TBitmap32& B, const qv::TRect& R) {
  constexpr int kSquare = 6;
  for (int Y = R.Top; Y < R.Bottom; Y += kSquare)
    for (int X = R.Left; X < R.Right; X += kSquare) {
      bool Dark = ((X - R.Left) / kSquare + (Y - R.Top) / kSquare) % 2 != 0;
      B.FillRectS(X, Y, std::min(X + kSquare, R.Right), std::min(Y + kSquare, R.Bottom),
                  Dark ? qv::Color32(226, 229, 233) : qv::Color32(246, 247, 249));
    }
}

// Shows the pictures First..Last (1-based, table order).
class TSkinPicturesPage : public TGalleryPage {
 public:
  TSkinPicturesPage(int First, int Last) : FFirst(First), FLast(Last) {}
  qv::String Title() const override {
    return L"Default skin " + std::to_wstring(FFirst) + L"-" + std::to_wstring(FLast);
  }

  void Show(HWND Parent, const RECT& R) override {
    static bool Registered = false;
    if (!Registered) {
      WNDCLASSEXW WC{};
      WC.cbSize = sizeof(WC);
      WC.lpfnWndProc = &TSkinPicturesPage::WndProc;
      WC.hInstance = GetModuleHandleW(nullptr);
      WC.hCursor = LoadCursorW(nullptr, IDC_ARROW);
      WC.lpszClassName = kClassName;
      RegisterClassExW(&WC);
      Registered = true;
    }
    FWindow = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE, R.left, R.top,
                              R.right - R.left, R.bottom - R.top, Parent, nullptr,
                              GetModuleHandleW(nullptr), this);
  }

  void Hide() override {
    if (FWindow) DestroyWindow(FWindow);
    FWindow = nullptr;
  }

 private:
  static LRESULT CALLBACK WndProc(HWND Wnd, UINT Msg, WPARAM W, LPARAM L) {
    if (Msg == WM_NCCREATE)
      SetWindowLongPtrW(Wnd, GWLP_USERDATA,
                        LONG_PTR(reinterpret_cast<CREATESTRUCTW*>(L)->lpCreateParams));
    auto* Self = reinterpret_cast<TSkinPicturesPage*>(GetWindowLongPtrW(Wnd, GWLP_USERDATA));
    if (Self && Msg == WM_PAINT) {
      PAINTSTRUCT PS;
      HDC DC = BeginPaint(Wnd, &PS);
      RECT R;
      GetClientRect(Wnd, &R);
      Self->Compose(R.right, R.bottom);
      Self->FBuffer.DrawTo(DC, 0, 0);
      EndPaint(Wnd, &PS);
      return 0;
    }
    if (Msg == WM_ERASEBKGND) return 1;
    return DefWindowProcW(Wnd, Msg, W, L);
  }

  void Compose(int Width, int Height) {
    FBuffer.SetSize(Width, Height);
    FBuffer.Clear(qv::Color32(255, 255, 255));
    HDC DC = HDC(FBuffer.Handle());
    HFONT Font = CreateFontW(-10, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                             ANTIALIASED_QUALITY, 0, L"Tahoma");
    HGDIOBJ Old = SelectObject(DC, Font);
    SetBkMode(DC, TRANSPARENT);
    SetTextColor(DC, RGB(60, 66, 74));

    auto* Manager = qv::TQvSkinResManagerObj();
    int X = kPad, Y = kPad, RowHeight = 0;
    for (int Index = FFirst; Index <= FLast; ++Index) {
      const qv::TDefaultSkinEntry& Entry = qv::gDefaultSkinTable[Index - 1];
      qv::TQvSkinImage* Image = Manager->GetImageByName(Entry.ResID, false);
      int W = Image ? Image->Width() : Entry.Width;
      int H = Image ? Image->Height() : Entry.Height;
      int CellW = std::max(W, kMinCellWidth);
      if (X + CellW > Width - kPad && X > kPad) {
        X = kPad;
        Y += RowHeight + kPad;
        RowHeight = 0;
      }
      FillChecker(FBuffer, qv::Bounds(X, Y, W, H));
      if (Image) FBuffer.Draw(X, Y, Image);
      GdiFlush();
      std::wstring Label = std::wstring(Entry.ResID) + L"\n" + std::to_wstring(W) + L" x " +
                           std::to_wstring(H) + (Entry.Opaque ? L"  opaque" : L"");
      RECT LR{X, Y + H + 2, X + CellW, Y + H + 2 + kLabelHeight};
      DrawTextW(DC, Label.c_str(), -1, &LR, DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
      GdiFlush();
      X += CellW + kPad;
      RowHeight = std::max(RowHeight, H + 2 + kLabelHeight);
    }
    SelectObject(DC, Old);
    DeleteObject(Font);
  }

  int FFirst, FLast;
  HWND FWindow = nullptr;
  qv::TBitmap32 FBuffer;
};

const TPageRegistration gFirstHalf(10, [] {
  return std::unique_ptr<TGalleryPage>(new TSkinPicturesPage(1, 42));
});
const TPageRegistration gSecondHalf(11, [] {
  return std::unique_ptr<TGalleryPage>(new TSkinPicturesPage(43, qv::kDefaultSkinCount));
});

}  // namespace

}  // namespace gallery

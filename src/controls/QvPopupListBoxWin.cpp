#include <windows.h>

#include "controls/QvSkinComboBox.h"
#include "controls/QvSkinListBox.h"
#include "controls/QvSkinListBoxGeometry.h"

namespace qv {

TQvPopupListBox::TQvPopupListBox(TComponent* AOwner) : TQvSkinListBox(AOwner) {
  FControlStyle.Include(csAcceptsControls);
  FControlStyle.Include(csNoDesignVisible);
  FControlStyle.Include(csReplicatable);
  SetVisible(false);
  SetActiveHotFrame(false);
  SetNCSize(1);
  ListBox->SetPopupListBox(true);
  ListBox->SetTabStop(false);
  // A top-level window: the desktop stands in as the parent window so that the framework
  // shows and hides it with Visible.
  if (!Designing()) SetParentWindow(GetDesktopWindow());
}

void TQvPopupListBox::CreateParams(TCreateParams& Params) {
  TQvSkinListBox::CreateParams(Params);
  Params.Style = WS_POPUP | WS_CLIPCHILDREN;
  Params.ExStyle |= WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
  Params.ExStyle &= ~DWORD(WS_EX_CONTROLPARENT);
  Params.WndParent = nullptr;
  Params.WindowClass.Style = (Params.WindowClass.Style | CS_SAVEBITS) & ~UINT(CS_DROPSHADOW);
}

void TQvPopupListBox::Show(TPoint Origin) {
  if (Left() != Origin.X || Top() != Origin.Y) SetBounds(Origin.X, Origin.Y, Width(), Height());
  // What the screen shows there now, before the popup covers it.
  FUnder.SetSize(Width(), Height());
  FUnder.Clear(Color32(clWhite));
  if (HDC Screen = GetDC(nullptr)) {
    if (HDC Dest = FUnder.Handle())
      BitBlt(Dest, 0, 0, Width(), Height(), Screen, Origin.X, Origin.Y, SRCCOPY);
    ReleaseDC(nullptr, Screen);
  }
  FUnder.ResetAlpha();
  SetWindowPos(Handle(), HWND_TOPMOST, Origin.X, Origin.Y, 0, 0,
               SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
  SetVisible(true);
}

void TQvPopupListBox::Hide() {
  if (HandleAllocated())
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetVisible(false);
}

void TQvPopupListBox::Paint() {
  DoPaintBuffer();
  Buffer()->DrawTo(Canvas()->Handle(), 0, 0);
}

void TQvPopupListBox::WndProc(TMessage& Message) {
  if (Message.Msg == WM_MOUSEACTIVATE) {
    Message.Result = MA_NOACTIVATE;
    return;
  }
  TQvSkinListBox::WndProc(Message);
}

void TQvPopupListBox::ListBoxWProc(TMessage& Message, bool& Continue) {
  Continue = true;
  switch (Message.Msg) {
    case WM_MOUSEACTIVATE:
      Message.Result = MA_NOACTIVATE;
      Continue = false;
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const int I = ListBox->ItemAtPos(
          TPoint{short(LOWORD(Message.LParam)), short(HIWORD(Message.LParam))}, true);
      if (I >= 0 && I != ListBox->ItemIndex()) {
        ListBox->SetItemIndex(I);
        ListBoxClick();
      }
      Continue = false;
      break;
    }
  }
}

void TQvPopupListBox::DrawBody(TBitmap32* Bitmap) {
  TColor Frame = TQvSkinCustomComboBox::DefaultMenuFrameColor;
  if (TQvSkinCustomComboBox* C = FCustomComboBox) {
    ListBox->SetItemSelectedColor(C->MenuItemSeletedColor());
    ListBox->SetItemSelectedFontColor(C->MenuItemSeletedFontColor());
    ListBox->SetItemBackgroundColor(C->MenuItemBackgroudColor());
    ListBox->SetItemNormalFontColor(C->MenuItemNormalFontColor());
    Frame = C->MenuFrameColor();
  }
  const int W = Width(), H = Height();
  // What the screen showed under the popup: only the outermost column and row keep it.
  Bitmap->Clear(Color32(clWhite));
  if (FUnder.Width() == W && FUnder.Height() == H) Bitmap->Draw(0, 0, &FUnder);
  const TQvPopupFrame F =
      QvPopupFrame(W, H, ScrollBar && ScrollBar->Visible(), HScrollBar && HScrollBar->Visible());
  const TColor32 White = Color32(clWhite), Line = Color32(Frame);
  for (const TQvLine& L : F.White) Bitmap->LineS(L.X1, L.Y1, L.X2, L.Y2, White, true);
  for (const TQvLine& L : F.Frame) Bitmap->LineS(L.X1, L.Y1, L.X2, L.Y2, Line, true);
}

}  // namespace qv

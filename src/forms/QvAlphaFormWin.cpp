#include <windows.h>

#include <algorithm>

#include "forms/QvAlphaForm.h"
#include "forms/QvAlphaFormGeometry.h"
#include "forms/QvLayeredPicture.h"
#include "forms/QvMessages.h"
#include "graphics/QvGR32LibSlicing.h"
#include "host/Form.h"
#include "host/Properties.h"
#include "resources/QvSkinResManager.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinAlphaForm>(), true);

constexpr WPARAM kMoveCommand = 0xF011;  // SC_MOVE from the mouse

}  // namespace

TQvSkinAlphaForm::TQvSkinAlphaForm(TComponent* AOwner) : TQvHookWindowProc(AOwner) {
  if (!FDestForm) return;
  FDestForm->SetScaled(false);
  FDestForm->SetBorderStyle(bsNone);
  ApplyWindowStyle();
}

TQvSkinAlphaForm::~TQvSkinAlphaForm() {
  // The controls belong to their owner; they only forget who hosted them.
  for (TQvSkinNCCtrlBase* C : FNCCtrlList) C->SetParentObject(nullptr);
}

void TQvSkinAlphaForm::Notification(TComponent* AComponent, TOperation Operation) {
  TQvHookWindowProc::Notification(AComponent, Operation);
  // By address: a control being destroyed is only a TComponent by now.
  if (Operation == opRemove)
    std::erase_if(FNCCtrlList,
                  [&](TQvSkinNCCtrlBase* C) { return static_cast<TComponent*>(C) == AComponent; });
}

void TQvSkinAlphaForm::ApplyWindowStyle() {
  if (!FDestForm || !FDestForm->HandleAllocated()) return;
  HWND H = FDestForm->Handle();
  LONG_PTR Ex = GetWindowLongPtrW(H, GWL_EXSTYLE);
  if (!(Ex & WS_EX_LAYERED)) SetWindowLongPtrW(H, GWL_EXSTYLE, Ex | WS_EX_LAYERED);
}

void TQvSkinAlphaForm::SetBackground(const String& Value) {
  if (FBackground == Value) return;
  FBackground = Value;
  DrawSelf();
}

bool TQvSkinAlphaForm::RenderFrame(TBitmap32& Frame, int W, int H) const {
  TQvSkinResManager* Manager = TQvSkinResManagerObj();
  TQvSkinImage* Picture = Manager ? Manager->GetImageByName(FBackground, true) : nullptr;
  if (!Picture || W <= 0 || H <= 0) return false;
  Frame.SetSize(W, H);
  Frame.Clear(0);
  StretchBitmap(Picture, &Frame, false);
  return true;
}

void TQvSkinAlphaForm::DrawSelf() {
  if (!FDestForm || FComponentState.Contains(csDesigning) || !FDestForm->HandleAllocated()) return;
  TBitmap32 Frame;
  if (!RenderFrame(Frame, FDestForm->Width(), FDestForm->Height())) return;
  for (size_t I = 0; I < FNCCtrlList.size(); ++I)
    if (TQvSkinNCCtrlBase* C = FNCCtrlList[I]; C->Visible() && C->Form() == FDestForm)
      C->Paint(&Frame);
  if (SaveBitmap) SaveBitmap->Assign(&Frame);
  ApplyWindowStyle();
  UpdateLayeredPicture(FDestForm->Handle(), Frame);
}

bool TQvSkinAlphaForm::DoNCLButton(bool Down) {
  const bool Taken = OfferNCMouse(FNCCtrlList, FDestForm, Down);
  DrawSelf();
  return Taken;
}

void TQvSkinAlphaForm::TrackMouse(const TPoint& CursorPos) {
  for (size_t I = 0; I < FNCCtrlList.size(); ++I) FNCCtrlList[I]->NCMouseMove(CursorPos);
}

void TQvSkinAlphaForm::NewWndProc(TMessage& Message) {
  TQvHookWindowProc::NewWndProc(Message);
  if (!FDestForm) return;
  switch (Message.Msg) {
    case WM_CREATE:
      ApplyWindowStyle();
      break;
    case WM_SHOWWINDOW:
    case WM_SIZE:
    case MM_INVALIDATE:
      DrawSelf();
      break;
    case WM_TIMER:
      if (Message.WParam == kRedrawTimer) {
        DrawSelf();
        KillTimer(FDestForm->Handle(), kRedrawTimer);
      }
      break;
    case MM_ADDNCCTRL:
      if (TakeOnNCCtrl(FNCCtrlList, FDestForm, reinterpret_cast<TQvSkinNCCtrlBase*>(Message.WParam),
                       this))
        DrawSelf();
      break;
    case MM_REMOVENCCTRL:
      if (auto* C = reinterpret_cast<TQvSkinNCCtrlBase*>(Message.WParam);
          std::find(FNCCtrlList.begin(), FNCCtrlList.end(), C) != FNCCtrlList.end()) {
        delete C;  // its free notification takes it out of the list
        DrawSelf();
      }
      break;
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE: {
      POINT P;
      if (GetCursorPos(&P)) TrackMouse(TPoint{int(P.x), int(P.y)});
      break;
    }
    case WM_NCHITTEST: {
      if (FDestForm->WindowState() == wsMaximized) break;
      TPoint P{int(int16_t(Message.LParamLo())) - FDestForm->Left(),
               int(int16_t(Message.LParamHi())) - FDestForm->Top()};
      if (int Zone = QvAlphaFormHitTest(P, FDestForm->Width(), FDestForm->Height(), FHitTestWidth))
        Message.Result = Zone;
      break;
    }
    case WM_LBUTTONDOWN:
      if (!DoNCLButton(true) && FEnabledMove) {
        ReleaseCapture();
        SendMessageW(FDestForm->Handle(), WM_SYSCOMMAND, kMoveCommand, 0);
      }
      break;
    case WM_LBUTTONUP:
      DoNCLButton(false);
      break;
  }
}

const TPropTable& TQvSkinAlphaForm::Properties() const {
  using C = TQvSkinAlphaForm;
  static const TPropTable Table = TComponent::Properties().With({
      ResIDProp(L"Background", &C::Background, &C::SetBackground, DefaultBackground),
      Prop(L"EnabledMove", &C::EnabledMove, &C::SetEnabledMove, DefaultEnabledMove),
      Prop(L"HitTestWidth", &C::HitTestWidth, &C::SetHitTestWidth, DefaultHitTestWidth),
  });
  return Table;
}

}  // namespace qv

#pragma once
// TCustomForm/TForm: a top-level window with a border style, border icons, window
// state, layered-window alpha, modal showing and closing with a close action; it keeps
// the active control and drives dialog navigation (Tab and arrow keys).
#include "host/CustomControl.h"

namespace qv {

class TMonitor;
class TMainMenu;

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle;  // controls use bsNone and bsSingle
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TPosition {
  poDesigned,
  poDefault,
  poDefaultPosOnly,
  poDefaultSizeOnly,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter
};
enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TFormStateItem { fsCreating, fsVisible, fsShowing, fsModal, fsCreatedMDIChild, fsActivated };
using TFormState = TSet<TFormStateItem>;

using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5,
                       mrYes = 6, mrNo = 7, mrClose = 8, mrHelp = 9, mrTryAgain = 10,
                       mrContinue = 11, mrAll = 12, mrNoToAll = 13, mrYesToAll = 14;

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

class TCustomForm : public TCustomControl {
  QV_CLASS(TCustomForm)
 public:
  explicit TCustomForm(TComponent* AOwner);
  ~TCustomForm() override;

  static constexpr TFormBorderStyle DefaultBorderStyle = bsSizeable;
  static constexpr TBorderIcons DefaultBorderIcons = {biSystemMenu, biMinimize, biMaximize};
  static constexpr Byte DefaultAlphaBlendValue = 255;
  static constexpr bool DefaultAutoScroll = true, DefaultScaled = true;
  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle Value);
  TBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons Value);
  TWindowState WindowState() const { return FWindowState; }
  void SetWindowState(TWindowState Value);
  TFormStyle FormStyle() const { return FFormStyle; }
  void SetFormStyle(TFormStyle Value);
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition Value) { FPosition = Value; }
  bool AlphaBlend() const { return FAlphaBlend; }
  void SetAlphaBlend(bool Value);
  Byte AlphaBlendValue() const { return FAlphaBlendValue; }
  void SetAlphaBlendValue(Byte Value);
  // Scroll bars while unaligned children reach past the client area.
  bool AutoScroll() const { return FAutoScroll; }
  void SetAutoScroll(bool Value);
  bool Scaled() const { return FScaled; }
  void SetScaled(bool Value) { FScaled = Value; }
  bool KeyPreview() const { return FKeyPreview; }
  void SetKeyPreview(bool Value) { FKeyPreview = Value; }
  TFormState FormState() const { return FFormState; }
  TMainMenu* Menu() const { return FMenu; }
  void SetMenu(TMainMenu* Value);
  TMonitor* Monitor();
  // True while the form's window is the active window.
  bool Active() const { return FActive; }

  // The control that has (or gets, when the form is activated) the keyboard focus.
  TWinControl* ActiveControl() const { return FActiveControl; }
  void SetActiveControl(TWinControl* Control);
  void FocusControl(TWinControl* Control);
  // The focus moved to Control (from the control's WM_SETFOCUS): exit/enter and
  // CM_FOCUSCHANGED to every control of the form.
  bool SetFocusedControl(TWinControl* Control);
  // A control leaves the form (removed or destroyed): forget it as the active control.
  void ControlRemoving(TControl* Control);
  void DefocusControl(TControl* Control, bool Removing);

  void Show();
  void Hide() { SetVisible(false); }
  // Shows the form modally and runs a message loop until ModalResult is set or the form
  // is closed; answers ModalResult.
  virtual TModalResult ShowModal();
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }
  // Asks OnCloseQuery, then runs OnClose with the default action (caHide, caFree for
  // non-main forms that ask for it); the main form's close ends the application.
  void Close();
  virtual bool CloseQuery();
  // Frees the form after the messages now in the queue are handled.
  void Release();
  void BringToFront();

  bool CanFocus() const override;
  void SetFocus() override;
  TRect ClientRect() const override;
  TPoint ClientOrigin() const override;
  void WndProc(TMessage& Message) override;
  // Runs OnCreate: a form read from its object text is complete here.
  void Loaded() override;
  const TPropTable& Properties() const override;
  void GetChildren(std::vector<TComponent*>& Children, const TComponent* Root) const override;

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnPaint;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Paint() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void AlignControls(TControl* AControl, TRect& Rect) override;
  virtual void DoShow();
  virtual void DoHide();
  virtual void DoClose(TCloseAction& Action);
  virtual void Activate();
  virtual void Deactivate();
  void UpdateShowingState();

 private:
  void ShowingChanged();
  void FrameChanged();
  void HandleActivate(TMessage& Message);
  void HandleDialogKeyMessage(TMessage& Message);
  void HandleSize(TMessage& Message);
  void HandleMinMaxInfo(TMessage& Message);
  void ApplyAlphaBlend();
  void PlaceOnFirstShow();
  void CloseModal();
  void UpdateScrollRange();
  void HandleScroll(TMessage& Message);
  TFormBorderStyle FBorderStyle = DefaultBorderStyle;
  TBorderIcons FBorderIcons = DefaultBorderIcons;
  TWindowState FWindowState = wsNormal;
  TFormStyle FFormStyle = fsNormal;
  TPosition FPosition = poDesigned;
  bool FAlphaBlend = false;
  Byte FAlphaBlendValue = DefaultAlphaBlendValue;
  bool FAutoScroll = DefaultAutoScroll;
  bool FScaled = DefaultScaled;
  bool FKeyPreview = false;
  bool FActive = false;
  bool FPlaced = false;
  bool FLayeredByAlpha = false;
  bool FUpdatingScroll = false;
  TPoint FScrollPos;
  TFormState FFormState;
  TMainMenu* FMenu = nullptr;
  String FPendingMenu;
  TWinControl* FActiveControl = nullptr;
  TWinControl* FFocusedControl = nullptr;
  TModalResult FModalResult = mrNone;
};

class TForm : public TCustomForm {
  QV_CLASS(TForm)
 public:
  explicit TForm(TComponent* AOwner) : TCustomForm(AOwner) {}
};

}  // namespace qv

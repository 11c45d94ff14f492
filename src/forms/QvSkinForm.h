#pragma once
// TQvSkinForm: dropped on a form, it hooks the form's window procedure and owns the whole
// non-client area: frame and title metrics (WM_NCCALCSIZE), sizing and caption zones
// (WM_NCHITTEST), the painting of frame, title and client background in colour or picture
// style, a rounded region, the title-bar controls, the layered shadow border, the
// maximised geometry on the form's own monitor, and a minimise/restore without an
// unskinned flash. The native behaviour of a window stays: system menu, snapping, the
// minimise animation (unless BlockUIFlash), and Windows 11 snap layouts over the skinned
// maximise button.
#include <memory>
#include <vector>

#include "forms/QvSkinNCCtrlBase.h"
#include "forms/QvStdCtrl.h"
#include "graphics/QvCommParentImage.h"
#include "raster/Bitmap32.h"
#include "resources/QvSkinIntfTypes.h"

namespace qv {

class TQvSkinRes;
class TQvFormLayerBorder;
class TQvFormSkinRes;
class TQvSkinMainMenu;

enum TDragFullWindowsKind { wkSystem, wkActive, wkDisable };
inline constexpr const wchar_t* TDragFullWindowsKindNames[] = {L"wkSystem", L"wkActive",
                                                               L"wkDisable"};

class TQvSkinFormOptions : public TPersistent {
 public:
  static constexpr const wchar_t* StaticClassName = L"TQvSkinFormOptions";
  String ClassName() const override { return StaticClassName; }
  static constexpr bool DefaultSnapLayouts = true;
  // A form that is not the main form gets its own taskbar button when shown.
  bool MinimizeToTaskbar() const { return FMinimizeToTaskbar; }
  void SetMinimizeToTaskbar(bool Value) { FMinimizeToTaskbar = Value; }
  // The form shows no taskbar button (a tool window) when shown.
  bool HideInTaskbar() const { return FHideInTaskbar; }
  void SetHideInTaskbar(bool Value) { FHideInTaskbar = Value; }
  // Full-window dragging while the user moves or sizes the form.
  TDragFullWindowsKind DragFullWindows() const { return FDragFullWindows; }
  void SetDragFullWindows(TDragFullWindowsKind Value) { FDragFullWindows = Value; }
  // Over the skinned maximise button the hit test answers HTMAXBUTTON, so Windows 11 shows
  // its snap layouts; the skin still draws and clicks the button.
  bool SnapLayouts() const { return FSnapLayouts; }
  void SetSnapLayouts(bool Value) { FSnapLayouts = Value; }
  void Assign(TPersistent* Source) override;
  const TPropTable& Properties() const override;

 private:
  bool FMinimizeToTaskbar = false;
  bool FHideInTaskbar = false;
  TDragFullWindowsKind FDragFullWindows = wkSystem;
  bool FSnapLayouts = DefaultSnapLayouts;
};

class TQvSkinForm : public TQvHookWindowProc, public IQvFormBackgroundSource, public IQvNCCtrlHost {
  QV_CLASS(TQvSkinForm)
 public:
  // Timers on the form window.
  static constexpr uintptr_t kNCPaintTimer = 3332, kShowTimer = 3333, kMenuTimer = 3334,
                             kMinimizedTimer = 3335;
  // FormState bits.
  static constexpr Cardinal fsMinimizing = 0x100, fsRestoring = 0x200;
  // A component with this Tag never writes its style into the shared style.
  static constexpr intptr_t kPrivateStyleTag = 99999;

  static constexpr Integer DefaultTitleHeight = 27, DefaultFramWidth = 2, DefaultHitTestWidth = 5,
                           DefaultGradientHeight = 168;
  static constexpr bool DefaultRoundWindow = true, DefaultDoubleFrame = true,
                        DefaultActiveGradient = true;
  static constexpr TColor DefaultColor = 15920353, DefaultTitlerColor = 16761926;

  explicit TQvSkinForm(TComponent* AOwner);
  ~TQvSkinForm() override;

  // ---- published ----
  Integer TitleHeight() const override { return FTitleHeight; }
  void SetTitleHeight(Integer Value) { FTitleHeight = Value; }
  Integer FramWidth() const override { return FFramWidth; }
  // Negative or unchanged values are ignored; 0 also sets FlatFrame.
  void SetFramWidth(Integer Value);
  Integer HitTestWidth() const { return FHitTestWidth; }
  void SetHitTestWidth(Integer Value) { FHitTestWidth = Value; }
  bool FlatFrame() const { return FFlatFrame; }
  void SetFlatFrame(bool Value) { FFlatFrame = Value; }
  bool RoundWindow() const { return FRoundWindow; }
  void SetRoundWindow(bool Value) { FRoundWindow = Value; }
  bool DoubleFrame() const { return FDoubleFrame; }
  void SetDoubleFrame(bool Value) { FDoubleFrame = Value; }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { FColor = Value; }
  TColor TitlerColor() const { return FTitlerColor; }
  // Also the title colour painted next.
  void SetTitlerColor(TColor Value);
  TColor FrameColor() const { return FFrameColor; }
  void SetFrameColor(TColor Value) { FFrameColor = Value; }
  bool KeepFrameColor() const { return FKeepFrameColor; }
  void SetKeepFrameColor(bool Value) { FKeepFrameColor = Value; }
  bool KeepTitlerColor() const { return FKeepTitlerColor; }
  void SetKeepTitlerColor(bool Value) { FKeepTitlerColor = Value; }
  bool ActiveGradient() const { return FActiveGradient; }
  void SetActiveGradient(bool Value) { FActiveGradient = Value; }
  Integer GradientHeight() const { return FGradientHeight; }
  void SetGradientHeight(Integer Value) { FGradientHeight = Value; }
  TQvSkinStyle Style() const override { return FStyle; }
  void SetStyle(TQvSkinStyle Value) { FStyle = Value; }
  const String& CustomPicture() const { return FCustomPicture; }
  void SetCustomPicture(const String& Value);
  TQvFillStyle FillStyle() const { return FFillStyle; }
  void SetFillStyle(TQvFillStyle Value) { FFillStyle = Value; }
  bool EraseBackGround() const { return FEraseBackGround; }
  void SetEraseBackGround(bool Value) { FEraseBackGround = Value; }
  TQvSkinFormOptions* Options() const { return FOptions.get(); }
  void SetOptions(TQvSkinFormOptions* Value) { FOptions->Assign(Value); }
  TQvSkinRes* SkinRes() const { return FSkinRes; }
  // Takes the shared style over at once.
  void SetSkinRes(TQvSkinRes* Value);
  TQvFormLayerBorder* ImageBorder() const { return FImageBorder; }
  void SetImageBorder(TQvFormLayerBorder* Value);
  // The form's main menu shown as title-bar items; assignment copies.
  TQvSkinMainMenu* MainMenu() const { return FMainMenu.get(); }
  void SetMainMenu(TQvSkinMainMenu* Value);
  TNotifyEvent Changed;

  // ---- public ----
  bool Active() const { return FActive; }
  // Hides the form through its alpha value while it minimises and restores (the system's
  // animation then shows nothing); off, the animation shows the skinned form.
  bool BlockUIFlash = false;
  TColor ClientBkColor() const { return FClientBkColor; }
  TColor NCBkColor() const { return FNCBkColor; }
  TColor PictureBgColor() const { return FPictureBgColor; }
  TBitmap32* BackgroundPicture() {
    return FStyle == ssColor ? &FColorBkGraphic : &FPictureBkGraphic;
  }
  TBitmap32* GetBackgroundPicture() override { return BackgroundPicture(); }
  const std::vector<TQvSkinNCCtrlBase*>& NCCtrlList() const override { return FNCCtrlList; }
  int RealFrameWidth() const override { return FRealFrameWidth; }
  Cardinal FormState() const { return FFormState; }
  int ChangeCount() const { return FChangeCount; }
  // The title height after DPI scaling.
  int ScaledTitleHeight() const;

  void BeginChange() { ++FChangeCount; }
  void EndChange();
  void DoChanged();
  void Repaint() { DoChanged(); }
  void Invalidate() { DoChanged(); }
  void InvalidateNC();
  void RefreshSkin();
  void UseMainSkin();
  virtual void ResetGQvFormStyle();
  virtual void PictureChanged();
  void ResetBkColor();
  void ResetBkGraphic();
  void CreateNewRegion();
  void RemoveNCCtrl(TQvSkinNCCtrlBase* Ctrl);
  void StartMinimizing();
  void StartRestoring();
  void Restoring() { StartRestoring(); }
  void DoDPICHANGED();
  void BroadcastMsg(uint32_t Msg);
  int GetMaxWidth() const;
  int GetMaxHeight() const;
  // Paints title, title-bar controls, frame and lines into the window.
  void DrawNCRect();
  // Builds the main menu's title-bar items when they are due (before a non-client paint).
  void CreateMainMenu();

  void NewWndProc(TMessage& Message) override;
  const TPropTable& Properties() const override;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void PassOn(TMessage& Message) { TQvHookWindowProc::NewWndProc(Message); }
  bool Designing() const { return ComponentState().Contains(csDesigning); }
  void PaintClient(HDC DC);
  void EraseClient(HDC DC);
  void HitTest(TMessage& Message);
  void MinMaxInfo(TMessage& Message);
  void NCButtonDown(TMessage& Message);
  void NCButtonUp(TMessage& Message);
  void NCDoubleClick(TMessage& Message);
  void ShowingChanged(TMessage& Message);
  void WindowPosChanging(TMessage& Message);
  void Timer(TMessage& Message);
  void DialogKey(TMessage& Message);
  // Offers a press or release to the title-bar controls; true when one took it.
  bool OfferMouse(bool Down);
  // The visible control under the mouse, or nil.
  TQvSkinNCCtrlBase* ControlUnderMouse() const;
  // The skinned maximise button, when the snap-layout answer applies.
  TRect MaxButtonRect() const;
  void ApplyFrameWidth(Integer Value);
  void AddNCCtrl(TQvSkinNCCtrlBase* Ctrl);
  void BorderRestoreFollow();
  void ForgetControls();
  bool IsMainForm() const;
  int MainWindowHook(TMessage& Message);

  // published
  Integer FTitleHeight = DefaultTitleHeight;
  Integer FFramWidth = DefaultFramWidth;
  Integer FHitTestWidth = DefaultHitTestWidth;
  bool FFlatFrame = false;
  bool FRoundWindow = DefaultRoundWindow;
  bool FDoubleFrame = DefaultDoubleFrame;
  TColor FColor = DefaultColor;
  TColor FTitlerColor = DefaultTitlerColor;
  TColor FFrameColor = 0;
  bool FKeepFrameColor = false;
  bool FKeepTitlerColor = false;
  bool FActiveGradient = DefaultActiveGradient;
  Integer FGradientHeight = DefaultGradientHeight;
  TQvSkinStyle FStyle = ssColor;
  String FCustomPicture;
  TQvFillStyle FFillStyle = mfsBlur;
  bool FEraseBackGround = false;
  std::unique_ptr<TQvSkinFormOptions> FOptions;
  TQvSkinRes* FSkinRes = nullptr;
  TQvFormLayerBorder* FImageBorder = nullptr;
  std::unique_ptr<TQvSkinMainMenu> FMainMenu;

  // state
  bool FActive = false;
  TColor FClientBkColor = DefaultColor;
  TColor FNCBkColor = DefaultTitlerColor;
  TColor FPictureBgColor = 16777215;
  std::vector<TQvSkinNCCtrlBase*> FNCCtrlList;
  Integer FRealFrameWidth = DefaultFramWidth;
  Cardinal FFormState = 0;
  int FChangeCount = 0;
  bool FDoChanging = false;
  bool FRgnChanged = true;
  bool FRgnChanging = false;
  bool FIgnoreNCHit = false;
  bool FFixedStartFlash = false;
  bool FOldAlphaEnabled = false;
  Byte FOldAlphaValue = 255;
  bool FStartAlphaEnabled = false;
  Byte FStartAlphaValue = 255;
  bool FStartAlphaArmed = false;
  bool FCreatedMaximized = false;
  bool FCanMaximize = true;
  int FMainWindowHookId = -1;
  TBitmap32 FColorBgBitmap;
  TBitmap32 FColorBkGraphic;
  TBitmap32 FPictureBgBitmap;
  TBitmap32 FPictureBkGraphic;
};

// Installs the lookup through which parent-background capture finds a form's skin
// component in the form registry (again by every skinned form made).
void InstallFormSkinLookup();

}  // namespace qv

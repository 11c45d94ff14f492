#pragma once
// TQvSkinDragFile: makes a windowed control (BindingControl) a drop target for files
// dragged from the shell, and highlights it while a drag goes on: as soon as the shell
// creates its drag-image window anywhere, a click-through overlay (TDragFilesLayerForm)
// covers the control's client area with the hint text and a dashed frame, in the hot colour
// while the drag is over the control. Dropped names arrive in OnDragFiles as one text, each
// full name followed by CR LF, in drop order.
#include <functional>
#include <memory>

#include "host/Control.h"

struct IDropTarget;

namespace qv {

class TFont;
class TWinControl;
class TDragFilesLayerForm;
class TQvDropTarget;

using TDragFilesEvent = std::function<void(TObject* Sender, const String& FileName)>;

class TQvSkinDragFile : public TComponent {
  QV_CLASS(TQvSkinDragFile)
 public:
  explicit TQvSkinDragFile(TComponent* AOwner);
  ~TQvSkinDragFile() override;

  static constexpr const wchar_t* DefaultTipText = L"Drag and drop files here";
  static constexpr TColor DefaultHighLightDotLineNormalColor = 0x0FC4F1;
  static constexpr TColor DefaultHighLightDotLineHotColor = 0x71CC2F;

  // The drop target; setting it moves the registration to the new control.
  TWinControl* BindingControl() const { return FBindingControl; }
  void SetBindingControl(TWinControl* Value);
  const String& TipText() const { return FTipText; }
  void SetTipText(const String& Value) { FTipText = Value; }
  TFont* TipFont() const { return FTipFont.get(); }
  void SetTipFont(TFont* Value);
  // Frame colour while the drag is elsewhere / over the control.
  TColor HighLightDotLineNormalColor() const { return FHighLightDotLineNormalColor; }
  void SetHighLightDotLineNormalColor(TColor Value) { FHighLightDotLineNormalColor = Value; }
  TColor HighLightDotLineHotColor() const { return FHighLightDotLineHotColor; }
  void SetHighLightDotLineHotColor(TColor Value) { FHighLightDotLineHotColor = Value; }
  // The frame colour in use.
  TColor HighLightDotLineColor() const { return FHighLightDotLineColor; }

  // The drop-target object the control's window is registered with (alive as long as the
  // component), and whether the registration succeeded.
  IDropTarget* DropTarget() const;
  bool Registered() const { return FRegisteredWnd != nullptr; }
  // The overlay shown last by any drop target, until it closes.
  static TDragFilesLayerForm* CurrentDragFilesLayer();

  // Shows a new overlay over the control (closing its previous one) for the drag-image
  // window DragImage (0 when shown for the drag entering or leaving); nothing while the
  // control's form is minimised.
  void DoShowDragFilesLayer(HWND DragImage);
  void DoHideDragFilesLayer();

  void Loaded() override;
  const TPropTable& Properties() const override;

  TNotifyEvent OnDragEnter;
  TNotifyEvent OnDragLeave;
  TDragFilesEvent OnDragFiles;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  virtual void DoDragFiles(const String& Text);

 private:
  friend class TQvDropTarget;
  friend class TDragFilesLayerForm;
  // An overlay closes or goes: it is no longer the current one.
  static void LayerClosed(TDragFilesLayerForm* Layer);
  void DestroyingOverlays();
  void DoBinding();
  void DoUnBinding();
  void RegisterTarget();
  void RevokeTarget();
  void HookedWndProc(TMessage& Message);
  void ClosePrevlDragFilesLayerForm();
  void DoWinEventProc(uint32_t Event, HWND Window, long ObjectId);
  friend void DragFileWinEvent(TQvSkinDragFile* Self, uint32_t Event, HWND Window, long ObjectId);
  // What the drop target's calls do.
  void DragEntered();
  void DragLeft();
  long Dropped(void* DataObject);

  TWinControl* FBindingControl = nullptr;
  String FTipText = DefaultTipText;
  std::unique_ptr<TFont> FTipFont;
  TColor FHighLightDotLineNormalColor = DefaultHighLightDotLineNormalColor;
  TColor FHighLightDotLineHotColor = DefaultHighLightDotLineHotColor;
  TColor FHighLightDotLineColor = DefaultHighLightDotLineNormalColor;
  void* FEVENT_OBJECT_CREATE = nullptr;  // the window-event hook
  TQvDropTarget* FDropTarget = nullptr;  // one reference held
  HWND FRegisteredWnd = nullptr;
  bool FOleInitialized = false;
  TWndMethod FOldWindowProc;
  String FPendingBinding;
};

}  // namespace qv

#pragma once
// TQvSkinCustomMemo: the platform's multi-line edit without its border and scroll bars. It
// paints through an off-screen copy (optionally over the parent's picture), keeps external
// skinned bars in step with its text, and tells a border panel about hover and focus.
// TQvSkinMemo publishes it; TQvSkinMemoEx packs a memo and two auto-hiding bars into a
// border panel. Assistive technology sees editable text told from our own model, which
// knows the read-only refusal the window does not.
#include "controls/QvAccessible.h"
#include "controls/QvNativeScrollMirror.h"
#include "controls/QvSkinBorderPanel.h"
#include "controls/QvSkinScrollBar.h"
#include "host/WinControl.h"

namespace qv {

class TQvSkinCustomMemo : public TWinControl, public IQvAccessibleSource {
  QV_CLASS(TQvSkinCustomMemo)
 public:
  explicit TQvSkinCustomMemo(TComponent* AOwner);
  ~TQvSkinCustomMemo() override;

  static constexpr bool DefaultWordWrap = true;

  TQvSkinBorderPanel* QvSkinBorderPanel() const { return FQvSkinBorderPanel; }
  void SetQvSkinBorderPanel(TQvSkinBorderPanel* Value);
  // The parent's picture shows behind the text.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  // External bars: attaching one empties it and turns the platform's scroll state of that
  // direction on (never shown).
  TQvSkinScrollBar* VScrollBar() const { return FVScrollBar; }
  void SetVScrollBar(TQvSkinScrollBar* Value) { SetBar(FVScrollBar, Value); }
  TQvSkinScrollBar* HScrollBar() const { return FHScrollBar; }
  void SetHScrollBar(TQvSkinScrollBar* Value) { SetBar(FHScrollBar, Value); }
  // Typing, Delete, cut, paste, clear and undo are refused; Ctrl+C still copies.
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  // Long lines wrap (no horizontal scrolling then).
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);

  // The text as the window holds it.
  String Text() const override;
  int LineCount();
  // Mirrors the platform's scroll state into the bars now.
  void UpDateScrollRange();
  // A full repaint through an off-screen copy.
  void DoPaint();

  TQvAccessibleInfo AccessibleInfo() const override;

  void WndProc(TMessage& Message) override;
  void Loaded() override;
  const TPropTable& Properties() const override;

  TNotifyEvent OnChange;
  TNotifyEvent OnScrollBarChange;  // Sender: the bar the user moved

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void SetBar(TQvSkinScrollBar*& Field, TQvSkinScrollBar* Value);
  void MirrorBar(TQvSkinScrollBar* Bar, TQvNativeScrollMirror& Mirror, bool Vertical);
  void BarChanged(TObject* Sender);
  void PaintTo(HDC DC);
  void DrawMemoBackGround(HDC DC);
  bool RefusedWhileReadOnly(const TMessage& Message) const;

  TQvSkinBorderPanel* FQvSkinBorderPanel = nullptr;
  TQvSkinScrollBar* FVScrollBar = nullptr;
  TQvSkinScrollBar* FHScrollBar = nullptr;
  TQvNativeScrollMirror FVMirror{sbVertical}, FHMirror{sbHorizontal};
  bool FTransparent = false;
  bool FReadOnly = false;
  bool FWordWrap = DefaultWordWrap;
  bool FStopDraw = false;  // an off-screen paint is running
  String FPendingPanel, FPendingVBar, FPendingHBar;
};

class TQvSkinMemo : public TQvSkinCustomMemo {
  QV_CLASS(TQvSkinMemo)
 public:
  using TQvSkinCustomMemo::TQvSkinCustomMemo;
};

// A memo with a vertical bar at the right and a horizontal one at the bottom, both hiding
// while there is nothing to scroll, framed by the panel.
class TQvSkinMemoEx : public TQvSkinBorderPanel {
  QV_CLASS(TQvSkinMemoEx)
 public:
  explicit TQvSkinMemoEx(TComponent* AOwner);
  TQvSkinMemo* Memo() const { return FMemo; }
  TQvSkinScrollBar* VScrollBar() const { return FVScrollBar; }
  TQvSkinScrollBar* HScrollBar() const { return FHScrollBar; }

 private:
  TQvSkinScrollBar* FVScrollBar;
  TQvSkinScrollBar* FHScrollBar;
  TQvSkinMemo* FMemo;
};

}  // namespace qv

#pragma once
// TQvSkinVirtualStringTree and TQvSkinVirtualDrawTree: the virtual trees without their own
// border and native bars. The tree's scroll state goes to two external skinned bars
// (VScrollBar, HScrollBar) that scroll the tree back when the user moves them, and a
// surrounding TQvSkinBorderPanel is told about focus and hover so that it lights its frame.
// Assistive technology sees an outline whose shown rows, in display order, are its outline
// items. The two classes add the same members (TQvSkinVirtualTreeT).
#include "controls/QvAccessible.h"
#include "controls/QvSkinBorderPanel.h"
#include "controls/QvSkinScrollBar.h"
#include "vtree/VirtualTrees.h"

namespace qv {

template <class TTreeBase>
class TQvSkinVirtualTreeT : public TTreeBase,
                            public IQvAccessibleSource,
                            public IQvAccessibleChildren {
 public:
  explicit TQvSkinVirtualTreeT(TComponent* AOwner);
  ~TQvSkinVirtualTreeT() override;

  // The panel framing the tree; its own mouse tracking is turned off (CMMouse).
  TQvSkinBorderPanel* QvSkinBorderPanel() const { return FQvSkinBorderPanel; }
  void SetQvSkinBorderPanel(TQvSkinBorderPanel* Value);
  // External bars: emptied, auto-hiding, bound to the tree and driven by it.
  TQvSkinScrollBar* VScrollBar() const { return FVScrollBar; }
  void SetVScrollBar(TQvSkinScrollBar* Value) { SetBar(FVScrollBar, Value, true); }
  TQvSkinScrollBar* HScrollBar() const { return FHScrollBar; }
  void SetHScrollBar(TQvSkinScrollBar* Value) { SetBar(FHScrollBar, Value, false); }
  // Mirrors the tree's scroll state into both bars now.
  void UpDateScrollRanges();

  void UpdateVerticalScrollBar(bool DoRepaint) override;
  void UpdateHorizontalScrollBar(bool DoRepaint) override;
  void WndProc(TMessage& Message) override;
  void Loaded() override;

  TNotifyEvent OnScrollBarChange;  // Sender: the bar the user moved

  TQvAccessibleInfo AccessibleInfo() const override;
  int AccessibleChildCount() const override;
  TQvAccessibleChild AccessibleChild(int Index) const override;
  // Expands or collapses a parent row; toggles a leaf row's check.
  bool DoAccessibleChildAction(int Index) override;
  int AccessibleChildAt(TPoint P) const override;

 protected:
  void FocusChanged(TVirtualNode* Node) override;
  void NodeChecked(TVirtualNode* Node) override;
  void CreateParams(TCreateParams& Params) override;
  void DoScroll(int DeltaX, int DeltaY) override;
  void AlignControls(TControl* AControl, TRect& Rect) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void SetBar(TQvSkinScrollBar*& Field, TQvSkinScrollBar* Value, bool Vertical);
  void MirrorBar(TQvSkinScrollBar* Bar, bool Vertical);
  void BarChanged(TObject* Sender);
  void TellPanel(bool ViaMouse, bool InFocus);
  // The shown row at a position in display order (nil past the end), and back (-1).
  TVirtualNode* RowAt(int Index) const;
  int RowIndex(const TVirtualNode* Node) const;

  TQvSkinBorderPanel* FQvSkinBorderPanel = nullptr;
  TQvSkinScrollBar* FVScrollBar = nullptr;
  TQvSkinScrollBar* FHScrollBar = nullptr;
  bool FLockUpdate = false;  // a bar is scrolling the tree

 protected:
  // The base's table of the final class C with the references added.
  template <class C>
  static const TPropTable& SkinTreeProperties(const TPropTable& Base);

 private:
  // Names read from the object text, looked up once everything is read.
  String FPendingPanel, FPendingVBar, FPendingHBar;
};

class TQvSkinVirtualStringTree : public TQvSkinVirtualTreeT<TVirtualStringTree_qv> {
  QV_CLASS(TQvSkinVirtualStringTree)
 public:
  using TQvSkinVirtualTreeT::TQvSkinVirtualTreeT;
  const TPropTable& Properties() const override;
};

class TQvSkinVirtualDrawTree : public TQvSkinVirtualTreeT<TVirtualDrawTree_qv> {
  QV_CLASS(TQvSkinVirtualDrawTree)
 public:
  using TQvSkinVirtualTreeT::TQvSkinVirtualTreeT;
  const TPropTable& Properties() const override;
};

}  // namespace qv

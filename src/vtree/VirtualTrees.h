#pragma once
// The virtual tree controls: TBaseVirtualTree_qv paints only the rows in view from the row
// model (TVirtualTreeModel) into a 32-bit buffer, publishes its scroll state to the
// window's standard scroll bars, and answers the mouse and the keyboard.
// TVirtualStringTree_qv asks for each row's caption (OnGetText, or the node's Text);
// TVirtualDrawTree_qv leaves the cell to OnDrawNode.
#include <algorithm>
#include <functional>
#include <iterator>
#include <memory>

#include "host/Classes.h"
#include "host/Form.h"
#include "raster/PaintBox32.h"
#include "vtree/VirtualTreeModel.h"

namespace qv {

class TBaseVirtualTree_qv;

enum TVTOption {
  toCheckSupport,   // rows with a check type show their box
  toFullRowSelect,  // the selection fills the whole row
  toMultiSelect,
  toShowButtons,        // expand buttons before parents
  toShowRoot,           // the root's children are indented for their buttons too
  toShowHorzGridLines,  // a line under every row
  toShowVertGridLines,  // a line at the right of the cell
  toHideFocusRect,      // no dotted rectangle around the focused row
  toHideSelection,      // no selection while the tree has no focus
  toHotTrack,           // the row under the mouse is drawn in HotColor text
};
using TVTOptions = TSet<TVTOption>;
inline constexpr const wchar_t* TVTOptionNames[] = {
    L"toCheckSupport",  L"toFullRowSelect",     L"toMultiSelect",       L"toShowButtons",
    L"toShowRoot",      L"toShowHorzGridLines", L"toShowVertGridLines", L"toHideFocusRect",
    L"toHideSelection", L"toHotTrack"};

// The colour slots of the tree.
class TVTColors : public TPersistent {
 public:
  String ClassName() const override { return L"TVTColors"; }
  enum TSlot {
    BorderColor,
    DisabledColor,
    DropTargetColor,
    DropTargetBorderColor,
    FocusedSelectionColor,
    FocusedSelectionBorderColor,
    GridLineColor,
    HotColor,
    SelectionRectangleBlendColor,
    SelectionRectangleBorderColor,
    SelectionTextColor,
    TreeLineColor,
    UnfocusedSelectionColor,
    UnfocusedSelectionBorderColor,
    SlotCount
  };
  static constexpr TColor Defaults[SlotCount] = {
      clBtnFace,    clBtnShadow, clHighlight, clHighlight,     clHighlight, clHighlight, clBtnFace,
      clWindowText, clHighlight, clHighlight, clHighlightText, clBtnShadow, clBtnFace,   clBtnFace};

  TVTColors() { std::copy(std::begin(Defaults), std::end(Defaults), FColors); }
  TColor Color(TSlot Slot) const { return FColors[Slot]; }
  void SetColor(TSlot Slot, TColor Value);
  void Assign(TPersistent* Source) override;
  const TPropTable& Properties() const override;
  TNotifyEvent OnChange;

 private:
  TColor FColors[SlotCount];
};

enum TVSTTextType { ttNormal, ttStatic };
enum TVTCellPaintMode { cpmPaint, cpmGetContentMargin };

// What a draw tree's OnDrawNode gets: the row's cell in buffer coordinates.
struct TVTPaintInfo {
  TBitmap32* Canvas = nullptr;
  TVirtualNode* Node = nullptr;
  int Column = 0;
  TRect CellRect;     // the whole row
  TRect ContentRect;  // after indent, button and check box
  bool Selected = false;
};

using TVTNodeEvent = std::function<void(TBaseVirtualTree_qv* Sender, TVirtualNode* Node)>;
using TVTFocusChangeEvent =
    std::function<void(TBaseVirtualTree_qv* Sender, TVirtualNode* Node, int Column)>;
using TVTInitChildrenEvent =
    std::function<void(TBaseVirtualTree_qv* Sender, TVirtualNode* Node, int& ChildCount)>;
using TVTGetTextEvent = std::function<void(TBaseVirtualTree_qv* Sender, TVirtualNode* Node,
                                           int Column, TVSTTextType TextType, String& CellText)>;
using TVTPaintTextEvent =
    std::function<void(TBaseVirtualTree_qv* Sender, TBitmap32* TargetCanvas, TVirtualNode* Node,
                       int Column, TVSTTextType TextType)>;
using TVTBeforeCellPaintEvent = std::function<void(
    TBaseVirtualTree_qv* Sender, TBitmap32* TargetCanvas, TVirtualNode* Node, int Column,
    TVTCellPaintMode CellPaintMode, TRect CellRect, TRect& ContentRect)>;
using TVTGetHintEvent = std::function<void(TBaseVirtualTree_qv* Sender, TVirtualNode* Node,
                                           int Column, String& HintText)>;
using TVTDrawNodeEvent =
    std::function<void(TBaseVirtualTree_qv* Sender, const TVTPaintInfo& PaintInfo)>;
using TVTScrollEvent = std::function<void(TBaseVirtualTree_qv* Sender, int DeltaX, int DeltaY)>;

class TBaseVirtualTree_qv : public TCustomPaintBox32_qv, protected IVirtualTreeHost {
  QV_CLASS(TBaseVirtualTree_qv)
 public:
  explicit TBaseVirtualTree_qv(TComponent* AOwner);
  ~TBaseVirtualTree_qv() override;

  static constexpr int DefaultIndent = 18;
  static constexpr int DefaultTextMargin = 4;
  static constexpr int DefaultMargin = 4;
  static constexpr int kCheckSize = 13;
  static constexpr TBorderStyle DefaultBorderStyle = bsSingle;
  static constexpr TColor DefaultColor = clWindow;
  static constexpr TVTOptions DefaultTreeOptions = {toShowButtons, toShowRoot, toHotTrack};

  // The rows. Most row operations are the model's; the tree repaints and updates its
  // scroll state when they change something.
  TVirtualTreeModel& Model() { return FModel; }
  TVirtualNode* RootNode() const { return FModel.RootNode(); }
  int RootNodeCount() const { return FModel.RootNodeCount(); }
  void SetRootNodeCount(int Value) { FModel.SetRootNodeCount(Value); }
  TVirtualNode* AddChild(TVirtualNode* Parent, const String& Text = String());
  void DeleteNode(TVirtualNode* Node) { FModel.DeleteNode(Node); }
  void Clear();
  TVirtualNode* GetFirst() const { return FModel.GetFirst(); }
  TVirtualNode* GetNext(const TVirtualNode* Node) const { return FModel.GetNext(Node); }
  TVirtualNode* GetFirstVisible() { return FModel.GetFirstVisible(); }
  TVirtualNode* GetLastVisible() { return FModel.GetLastVisible(); }
  TVirtualNode* GetNextVisible(const TVirtualNode* Node) { return FModel.GetNextVisible(Node); }
  TVirtualNode* GetPreviousVisible(const TVirtualNode* N) { return FModel.GetPreviousVisible(N); }
  TVirtualNode* GetNextVisibleSibling(const TVirtualNode* N) {
    return FModel.GetNextVisibleSibling(N);
  }
  TVirtualNode* GetPreviousVisibleSibling(const TVirtualNode* N) {
    return FModel.GetPreviousVisibleSibling(N);
  }
  int VisibleCount() { return FModel.VisibleCount(); }
  bool IsVisible(const TVirtualNode* Node) const { return FModel.IsVisible(Node); }
  void SetIsVisible(TVirtualNode* Node, bool Value) { FModel.SetVisible(Node, Value); }
  bool Expanded(const TVirtualNode* Node) const { return FModel.Expanded(Node); }
  void SetExpanded(TVirtualNode* Node, bool Value) { FModel.SetExpanded(Node, Value); }
  void SetCheckType(TVirtualNode* Node, TCheckType Value) { FModel.SetCheckType(Node, Value); }
  void SetCheckState(TVirtualNode* Node, TCheckState V) { FModel.SetCheckState(Node, V); }
  int CheckedCount() const { return FModel.CheckedCount(); }
  TVirtualNode* GetFirstChecked() const { return FModel.GetFirstChecked(); }
  TVirtualNode* GetNextChecked(const TVirtualNode* Node) const {
    return FModel.GetNextChecked(Node);
  }
  bool Selected(const TVirtualNode* Node) const { return FModel.Selected(Node); }
  void SetSelected(TVirtualNode* Node, bool Value) { FModel.SetSelected(Node, Value); }
  void ClearSelection() { FModel.ClearSelection(); }
  int SelectedCount() const { return FModel.SelectedCount(); }
  TVirtualNode* FocusedNode() const { return FModel.FocusedNode(); }
  void SetFocusedNode(TVirtualNode* Node) { FModel.SetFocusedNode(Node); }
  // The root's child at Index; raises EListError out of range.
  TVirtualNode* Items(int Index) const { return FModel.GetChild(nullptr, Index); }
  bool ScrollIntoView(const TVirtualNode* Node) { return FModel.ScrollIntoView(Node); }

  int DefaultNodeHeight() const { return FModel.DefaultNodeHeight(); }
  void SetDefaultNodeHeight(int Value) { FModel.SetDefaultNodeHeight(Value); }
  int NodeHeight(const TVirtualNode* Node) const { return FModel.NodeHeight(Node); }
  void SetNodeHeight(TVirtualNode* Node, int Value) { FModel.SetNodeHeight(Node, Value); }
  int Indent() const { return FIndent; }
  void SetIndent(int Value);
  int TextMargin() const { return FTextMargin; }
  void SetTextMargin(int Value);
  int Margin() const { return FMargin; }
  void SetMargin(int Value);
  TVTOptions TreeOptions() const { return FTreeOptions; }
  void SetTreeOptions(TVTOptions Value);
  TVTColors* Colors() const { return FColors.get(); }
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);

  // The content's offset (zero or negative); setting scrolls.
  int OffsetX() const { return FModel.OffsetX(); }
  int OffsetY() const { return FModel.OffsetY(); }
  void SetOffsetX(int Value) { FModel.SetOffsetX(Value); }
  void SetOffsetY(int Value) { FModel.SetOffsetY(Value); }
  // Content size in pixels.
  int RangeX() const { return FModel.RangeX(); }
  int RangeY() { return FModel.TotalHeight(); }

  // The row at a client point (nil in the empty part); the row's client rectangle.
  TVirtualNode* GetNodeAt(int X, int Y);
  TRect GetDisplayRect(const TVirtualNode* Node);
  // Client rectangle of a row's check box (empty without one).
  TRect CheckBoxRect(const TVirtualNode* Node);

  // Repaint and scroll-state updates wait until the last EndUpdate.
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  bool Updating() const { return FUpdateCount > 0; }
  // Repaints one row.
  void InvalidateNode(const TVirtualNode* Node);

  // Publishes the scroll state (range 0..content-1, page = view, position = -offset) to
  // the window's standard bars.
  virtual void UpdateVerticalScrollBar(bool DoRepaint);
  virtual void UpdateHorizontalScrollBar(bool DoRepaint);
  void UpdateScrollBars(bool DoRepaint);

  void WndProc(TMessage& Message) override;
  const TPropTable& Properties() const override;

  TVTNodeEvent OnInitNode;
  TVTInitChildrenEvent OnInitChildren;
  TVTNodeEvent OnFreeNode;
  TVTNodeEvent OnChecked;
  TVTFocusChangeEvent OnFocusChanged;
  TVTNodeEvent OnChange;  // the selection changed; Node: the one that changed (or nil)
  TVTNodeEvent OnNodeClick;
  TVTNodeEvent OnNodeDblClick;
  TVTBeforeCellPaintEvent OnBeforeCellPaint;
  TVTGetHintEvent OnGetHint;
  TVTScrollEvent OnScroll;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DoPaintBuffer() override;
  void Resize() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseLeave() override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  // Runs after every scroll of the content.
  virtual void DoScroll(int DeltaX, int DeltaY);
  // Paints one row's cell content (text or the owner's drawing) into PaintInfo.ContentRect.
  virtual void DoPaintNode(const TVTPaintInfo& PaintInfo) {}
  // Width the row's content needs (for the horizontal range); 0 when unknown.
  virtual int DoMeasureNode(TBitmap32* Canvas, TVirtualNode* Node) { return 0; }
  // The hint of a row: OnGetHint's answer, empty when none.
  virtual String DoGetHint(TVirtualNode* Node);

  // IVirtualTreeHost
  void NodeInit(TVirtualNode* Node) override;
  void NodeInitChildren(TVirtualNode* Node, int& ChildCount) override;
  void NodeFreeing(TVirtualNode* Node) override;
  void NodeChecked(TVirtualNode* Node) override;
  void FocusChanged(TVirtualNode* Node) override;
  void SelectionChanged() override;
  void Scrolled(int DX, int DY) override;
  void StructureChanged() override;
  void NodeChanged(TVirtualNode* Node) override;

  // Left edge (content coordinates) of a row's content after indent, button and box.
  int ContentLeft(const TVirtualNode* Node) const;
  TVirtualNode* HotNode() const { return FHotNode; }

 private:
  void PaintRow(TBitmap32& B, TVirtualNode* Node, int Top);
  void DrawCheckBox(TBitmap32& B, const TRect& R, TCheckState State, bool Enabled);
  void DrawButton(TBitmap32& B, const TRect& R, bool Expanded);
  void SyncClientSize();
  void HandleScrollMessage(TMessage& Message, bool Vertical);

  TVirtualTreeModel FModel;
  std::unique_ptr<TVTColors> FColors;
  TVTOptions FTreeOptions = DefaultTreeOptions;
  TBorderStyle FBorderStyle = DefaultBorderStyle;
  int FIndent = DefaultIndent;
  int FTextMargin = DefaultTextMargin;
  int FMargin = DefaultMargin;
  int FUpdateCount = 0;
  bool FPendingStructure = false;
  TVirtualNode* FHotNode = nullptr;
  TVirtualNode* FPressedNode = nullptr;  // a left press landed on this row (for the click)
};

// Asks every row's caption through OnGetText; without a handler the node's Text shows.
class TCustomVirtualStringTree_qv : public TBaseVirtualTree_qv {
  QV_CLASS(TCustomVirtualStringTree_qv)
 public:
  explicit TCustomVirtualStringTree_qv(TComponent* AOwner);
  // The caption of a row.
  String Text(TVirtualNode* Node, int Column = 0);
  using TControl::Text;

  TVTGetTextEvent OnGetText;
  TVTPaintTextEvent OnPaintText;

 protected:
  void DoPaintNode(const TVTPaintInfo& PaintInfo) override;
  int DoMeasureNode(TBitmap32* Canvas, TVirtualNode* Node) override;
  String DoGetHint(TVirtualNode* Node) override;
};

class TVirtualStringTree_qv : public TCustomVirtualStringTree_qv {
  QV_CLASS(TVirtualStringTree_qv)
 public:
  using TCustomVirtualStringTree_qv::TCustomVirtualStringTree_qv;
};

// The owner draws each cell (OnDrawNode) and tells its width (OnGetNodeWidth).
class TVirtualDrawTree_qv : public TBaseVirtualTree_qv {
  QV_CLASS(TVirtualDrawTree_qv)
 public:
  using TBaseVirtualTree_qv::TBaseVirtualTree_qv;
  TVTDrawNodeEvent OnDrawNode;
  std::function<void(TBaseVirtualTree_qv* Sender, TVirtualNode* Node, int& NodeWidth)>
      OnGetNodeWidth;

 protected:
  void DoPaintNode(const TVTPaintInfo& PaintInfo) override;
  int DoMeasureNode(TBitmap32* Canvas, TVirtualNode* Node) override;
};

}  // namespace qv

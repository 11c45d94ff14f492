#pragma once
// TQvSkinCustomListView: the platform list view (SysListView32) without its border and
// native bars. In report view its column header is painted by us (HeaderHeight,
// HeaderBgColor, HeaderPenColor), and its scroll state is mirrored into two external
// skinned bars that scroll the list back when the user moves them. TQvSkinListView
// publishes it. Assistive technology sees a list whose items are list items, told from
// our own model since the platform's proxy does not tell them everywhere.
#include <vector>

#include "controls/QvAccessible.h"
#include "controls/QvSkinListViewGeometry.h"
#include "controls/QvSkinScrollBar.h"
#include "host/WinControl.h"

namespace qv {

class TCustomImageList;

// One column of the report view.
struct TQvListColumn {
  String Caption;
  int Width = 50;
  TAlignment Alignment = taLeftJustify;
  int ImageIndex = -1;
};

class TQvSkinCustomListView : public TWinControl,
                              public IQvAccessibleSource,
                              public IQvAccessibleChildren {
  QV_CLASS(TQvSkinCustomListView)
 public:
  explicit TQvSkinCustomListView(TComponent* AOwner);
  ~TQvSkinCustomListView() override;

  static constexpr int DefaultHeaderHeight = 25;
  static constexpr TColor DefaultHeaderBgColor = TColor(0xFCFCFC);
  static constexpr TColor DefaultHeaderPenColor = TColor(0xFBF1E8);
  static constexpr TViewStyle DefaultViewStyle = vsIcon;
  static constexpr bool DefaultShowColumnHeaders = true;

  // Header looks; the setters only store.
  int HeaderHeight() const { return FHeaderHeight; }
  void SetHeaderHeight(int Value) { FHeaderHeight = Value; }
  TColor HeaderBgColor() const { return FHeaderBgColor; }
  void SetHeaderBgColor(TColor Value) { FHeaderBgColor = Value; }
  TColor HeaderPenColor() const { return FHeaderPenColor; }
  void SetHeaderPenColor(TColor Value) { FHeaderPenColor = Value; }

  // External bars: enabled, hidden until needed, driven by the list.
  TQvSkinScrollBar* VScrollBar() const { return FVScrollBar; }
  void SetVScrollBar(TQvSkinScrollBar* Value) { SetBar(FVScrollBar, Value, true); }
  TQvSkinScrollBar* HScrollBar() const { return FHScrollBar; }
  void SetHScrollBar(TQvSkinScrollBar* Value) { SetBar(FHScrollBar, Value, false); }

  // The framework list view's parts that the skin needs.
  TViewStyle ViewStyle() const { return FViewStyle; }
  void SetViewStyle(TViewStyle Value);
  bool ShowColumnHeaders() const { return FShowColumnHeaders; }
  void SetShowColumnHeaders(bool Value);
  // Columns can be dragged into another order.
  bool FullDrag() const { return FFullDrag; }
  void SetFullDrag(bool Value);
  bool RowSelect() const { return FRowSelect; }
  void SetRowSelect(bool Value);
  bool GridLines() const { return FGridLines; }
  void SetGridLines(bool Value);
  TCustomImageList* SmallImages() const { return FSmallImages; }
  void SetSmallImages(TCustomImageList* Value);

  int ColumnCount() const { return int(FColumns.size()); }
  // Raises EListError out of range.
  const TQvListColumn& Columns(int Index) const;
  void AddColumn(const String& Caption, int Width, TAlignment Alignment = taLeftJustify,
                 int ImageIndex = -1);
  // Items: a caption and the texts of the further columns.
  int ItemCount() const { return int(FItems.size()); }
  int AddItem(const String& Caption, const std::vector<String>& SubItems = {});
  // Raises EListError out of range and changes nothing.
  String ItemCaption(int Index) const;
  void DeleteItem(int Index);
  void Clear();

  // Mirrors the list's scroll state into the bars.
  void UpDateScrollBars();
  // The header window while it is painted by us (null otherwise).
  HWND HeaderHandle() const { return FHeaderHandle; }
  // Rectangle of the header section shown at position Index (in display order).
  TRect GetHeaderSectionRect(int Index);

  void WndProc(TMessage& Message) override;
  const TPropTable& Properties() const override;

  TNotifyEvent OnScrollBarChange;  // Sender: the bar the user moved

  TQvAccessibleInfo AccessibleInfo() const override;
  int AccessibleChildCount() const override { return ItemCount(); }
  TQvAccessibleChild AccessibleChild(int Index) const override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // The header's window procedure while it is subclassed.
  void HeaderWndProc(TMessage& Message);
  void PaintHeader(HDC DC);
  void DrawHeaderSection(HDC DC, const TQvListColumn& Column, const TRect& R);

 private:
  friend struct TQvListViewHeaderHook;
  void SetBar(TQvSkinScrollBar*& Field, TQvSkinScrollBar* Value, bool Vertical);
  void BarChanged(TObject* Sender);
  void SubclassHeader(HWND Header);
  void ReleaseHeader();
  void ApplyExStyle();
  void InsertColumnWnd(int Index);
  void InsertItemWnd(int Index);
  TQvListScrollState ScrollState(bool Vertical);
  void ApplyPlan(TQvSkinScrollBar* Bar, const TQvListBarPlan& Plan, int& OldPos, bool& Changed);

  int FHeaderHeight = DefaultHeaderHeight;
  TColor FHeaderBgColor = DefaultHeaderBgColor;
  TColor FHeaderPenColor = DefaultHeaderPenColor;
  TQvSkinScrollBar* FVScrollBar = nullptr;
  TQvSkinScrollBar* FHScrollBar = nullptr;
  TViewStyle FViewStyle = DefaultViewStyle;
  bool FShowColumnHeaders = DefaultShowColumnHeaders;
  bool FFullDrag = false;
  bool FRowSelect = false;
  bool FGridLines = false;
  TCustomImageList* FSmallImages = nullptr;
  std::vector<TQvListColumn> FColumns;
  struct TItem {
    String Caption;
    std::vector<String> SubItems;
  };
  std::vector<TItem> FItems;

  HWND FHeaderHandle = nullptr;
  void* FDefHeaderProc = nullptr;
  bool FLockUpdate = false;         // a bar is scrolling the list
  bool FInCheckScrollBars = false;  // bar visibility or the parent's layout is changing
  int FOldVScrollBarPos = 0, FOldHScrollBarPos = 0;
};

class TQvSkinListView : public TQvSkinCustomListView {
  QV_CLASS(TQvSkinListView)
 public:
  using TQvSkinCustomListView::TQvSkinCustomListView;
};

}  // namespace qv

#pragma once
// TQvSkinPageControl: pages (TQvSkinTabSheet) under a strip of tabs painted from skin
// pictures over the picture behind the control. The strip lays out fixed-size tabs on any
// side (QvSkinPageControlGeometry), follows the tab under the mouse (FontHot and the hot
// picture), offers a veto before a page change by the mouse (OnQvTabChanging), can be
// hidden, and Ctrl+Tab / Ctrl+Shift+Tab cycle the pages. Each sheet washes its colour
// over the picture behind it and draws a thin frame.
#include <vector>

#include "controls/QvSkinButton.h"
#include "controls/QvSkinCustomControl.h"
#include "controls/QvSkinPageControlGeometry.h"
#include "resources/QvSkinIntfTypes.h"

namespace qv {

class TQvSkinPageControl;
class TQvSkinTabSheet;

class TQvSkinCustomTabSheet : public TQvSkinCustomControl {
  QV_CLASS(TQvSkinCustomTabSheet)
 public:
  explicit TQvSkinCustomTabSheet(TComponent* AOwner);
  ~TQvSkinCustomTabSheet() override;

  static constexpr Byte DefaultAlpha = 192;
  static constexpr TColor DefaultFrameColor = TColor(0xCBC5B6);

  // The page control this sheet is a page of (also its parent).
  TQvSkinPageControl* PageControl() const { return FPageControl; }
  void SetPageControl(TQvSkinPageControl* Value);
  int PageIndex() const;
  void SetPageIndex(int Value);
  // The sheet's tab shows in the strip.
  bool TabVisible() const { return FTabVisible; }
  void SetTabVisible(bool Value);
  // Opacity of the colour wash over the picture behind the page control.
  Byte Alpha() const { return FAlpha; }
  void SetAlpha(Byte Value) { Change(FAlpha, Value); }
  // Icons of this page's tab by state.
  const TQvResID& TabNormalImage() const { return FTabNormalImage; }
  void SetTabNormalImage(const TQvResID& Value);
  const TQvResID& TabHotImage() const { return FTabHotImage; }
  void SetTabHotImage(const TQvResID& Value);
  const TQvResID& TabDownImage() const { return FTabDownImage; }
  void SetTabDownImage(const TQvResID& Value);
  bool FrameVisible() const { return FFrameVisible; }
  void SetFrameVisible(bool Value) { FFrameVisible = Value; }
  TColor FrameColor() const { return FFrameColor; }
  void SetFrameColor(TColor Value) { FFrameColor = Value; }

  TQvAccessibleInfo AccessibleInfo() const override;
  void WndProc(TMessage& Message) override;
  const TPropTable& Properties() const override;

 protected:
  void DrawBody(TBitmap32* Bitmap) override;

 private:
  friend class TQvSkinPageControl;
  TQvSkinPageControl* FPageControl = nullptr;
  bool FTabVisible = true;
  Byte FAlpha = DefaultAlpha;
  TQvResID FTabNormalImage, FTabHotImage, FTabDownImage;
  bool FFrameVisible = true;
  TColor FFrameColor = DefaultFrameColor;
};

class TQvSkinTabSheet : public TQvSkinCustomTabSheet {
  QV_CLASS(TQvSkinTabSheet)
 public:
  using TQvSkinCustomTabSheet::TQvSkinCustomTabSheet;
};

using TQvTabChangingEvent =
    std::function<void(TObject* Sender, TQvSkinTabSheet* TabSheet, bool& AllowChange)>;
using TQvDrawTabEvent = std::function<void(int TabIndex, const TRect& ARect, bool Active,
                                           bool MouseIn, TBitmap32* Bmp32)>;
using TTabChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

class TQvSkinPageControl : public TQvSkinCustomControl, public IQvAccessibleChildren {
  QV_CLASS(TQvSkinPageControl)
 public:
  explicit TQvSkinPageControl(TComponent* AOwner);
  ~TQvSkinPageControl() override;

  static constexpr int DefaultDefaultItemHeight = 26;
  static constexpr int TabPadding = 12;  // around a caption while TabWidth is 0

  int PageCount() const { return int(FPages.size()); }
  TQvSkinCustomTabSheet* Pages(int Index) const { return FPages.at(size_t(Index)); }
  TQvSkinCustomTabSheet* ActivePage() const { return FActivePage; }
  void SetActivePage(TQvSkinCustomTabSheet* Value);
  int ActivePageIndex() const;
  void SetActivePageIndex(int Value);
  // Visible index of the active page's tab; -1 when none.
  int TabIndex() const;
  // The next (or previous) page with a visible tab, wrapping; nil without one.
  TQvSkinCustomTabSheet* FindNextPage(TQvSkinCustomTabSheet* CurPage, bool GoForward) const;
  void SelectNextPage(bool GoForward);

  const TQvResID& TabNormalPicture() const { return FTabNormalPicture; }
  void SetTabNormalPicture(const TQvResID& Value) { Change(FTabNormalPicture, Value); }
  const TQvResID& TabHotPicture() const { return FTabHotPicture; }
  void SetTabHotPicture(const TQvResID& Value) { Change(FTabHotPicture, Value); }
  const TQvResID& TabDownPicture() const { return FTabDownPicture; }
  void SetTabDownPicture(const TQvResID& Value) { Change(FTabDownPicture, Value); }
  // Caption position in a tab (scaled for DPI), icon position, shift of the whole strip.
  TQvBtnItemOffset* TabCaptionOffset() const { return FTabCaptionOffset.get(); }
  void SetTabCaptionOffset(TQvBtnItemOffset* Value) { FTabCaptionOffset->Assign(Value); }
  TQvBtnItemOffset* TabImageOffset() const { return FTabImageOffset.get(); }
  void SetTabImageOffset(TQvBtnItemOffset* Value) { FTabImageOffset->Assign(Value); }
  TQvBtnItemOffset* TabsOffset() const { return FTabsOffset.get(); }
  void SetTabsOffset(TQvBtnItemOffset* Value) { FTabsOffset->Assign(Value); }
  // All tabs share the control's width; icon and caption start from the tab's middle.
  bool TabWidthAutoSize() const { return FTabWidthAutoSize; }
  void SetTabWidthAutoSize(bool Value);
  // Tab height while TabHeight is 0.
  int DefaultItemHeight() const { return FDefaultItemHeight; }
  void SetDefaultItemHeight(int Value);
  int TabHeight() const { return FTabHeight; }
  void SetTabHeight(int Value);
  int TabWidth() const { return FTabWidth; }
  void SetTabWidth(int Value);
  TTabPosition TabPosition() const { return FTabPosition; }
  void SetTabPosition(TTabPosition Value);
  bool TextInHorizontal() const { return FTextInHorizontal; }
  void SetTextInHorizontal(bool Value) { Change(FTextInHorizontal, Value); }
  TFont* FontActive() const { return FFontActive.get(); }
  void SetFontActive(TFont* Value) { FFontActive->Assign(Value); }
  TFont* FontHot() const { return FFontHot.get(); }
  void SetFontHot(TFont* Value) { FFontHot->Assign(Value); }
  // Glow behind tab captions.
  TQvLightClass* CaptionLight() const { return FCaptionLight.get(); }
  void SetCaptionLight(TQvLightClass* Value) { FCaptionLight->Assign(Value); }

  void HideTabs();
  void ShowTabs();
  bool TabsHidden() const { return FHideTabs; }
  // Re-applies the tab size and re-aligns the pages.
  void UpDateTabs();
  // Every page captures the picture behind it again.
  void RefreshSheets();
  // The rectangle of the visible tab Index as drawn; empty for an invalid index.
  TRect GetItemRect(int Index) const;
  // The visible tab under P (client coordinates); -1 when none.
  int IndexOfTabAt(TPoint P) const;
  // Page index of the hot tab; -1 when none.
  int HotTab() const { return FActiveTab; }

  TQvAccessibleInfo AccessibleInfo() const override;
  int AccessibleChildCount() const override;
  TQvAccessibleChild AccessibleChild(int Index) const override;
  bool DoAccessibleChildAction(int Index) override;

  void AdjustClientRect(TRect& Rect) override;
  void WndProc(TMessage& Message) override;
  const TPropTable& Properties() const override;

  TQvTabChangingEvent OnQvTabChanging;
  TQvDrawTabEvent OnQvDrawTab;
  TTabChangingEvent OnChanging;
  TNotifyEvent OnChange;

 protected:
  friend class TQvSkinCustomTabSheet;
  virtual bool CanChange();
  // A page change happened: OnChange, then the new page repaints.
  virtual void Change();
  using TQvSkinCustomControl::Change;
  void DrawBody(TBitmap32* Bitmap) override;
  void DrawTab(TBitmap32* Bitmap, int PageIndex, const TRect& R, bool Active, bool Hot);
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Resize() override;
  void InsertControl(TControl* AControl) override;
  void RemoveControl(TControl* AControl) override;

 private:
  TTabStripLayout StripLayout() const;
  std::vector<TRect> TabRectsNow() const;
  // The page of visible tab Index; nil when none.
  TQvSkinCustomTabSheet* VisiblePage(int Index) const;
  void TestActive(int X, int Y, bool FromClick);
  void ShowPage(TQvSkinCustomTabSheet* Page);
  void AddPage(TQvSkinCustomTabSheet* Page);
  void RemovePage(TQvSkinCustomTabSheet* Page);
  void TabsChanged();

  std::vector<TQvSkinCustomTabSheet*> FPages;
  TQvSkinCustomTabSheet* FActivePage = nullptr;
  TQvSkinCustomTabSheet* FNewTabSheet = nullptr;
  TQvResID FTabNormalPicture = L"QvSkinTab_button_normal";
  TQvResID FTabHotPicture = L"QvSkinTab_button_hot";
  TQvResID FTabDownPicture = L"QvSkinTab_button_down";
  std::unique_ptr<TQvBtnItemOffset> FTabCaptionOffset, FTabImageOffset, FTabsOffset;
  bool FTabWidthAutoSize = false;
  int FDefaultItemHeight = DefaultDefaultItemHeight;
  int FTabHeight = 0, FTabWidth = 0;
  TTabPosition FTabPosition = tpTop;
  bool FTextInHorizontal = false;
  std::unique_ptr<TFont> FFontActive, FFontHot;
  std::unique_ptr<TQvLightClass> FCaptionLight;
  int FActiveTab = -1, FActiveTabIndex = -1;
  bool FHideTabs = false;
  int FOldTabHeight = -1;
  TTabPosition FOldTabPosition = tpTop;
};

}  // namespace qv

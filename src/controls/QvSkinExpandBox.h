#pragma once
// TQvSkinExpandBox: a container with a title bar. A click on the title collapses the box to
// its title or expands it again to the height it had when it collapsed.
#include <memory>

#include "controls/QvSkinCustomControl.h"
#include "host/Font.h"

namespace qv {

using TQvResID = String;

class TQvSkinExpandBox : public TQvSkinCustomControl {
  QV_CLASS(TQvSkinExpandBox)
 public:
  explicit TQvSkinExpandBox(TComponent* AOwner);
  ~TQvSkinExpandBox() override;

  static constexpr const wchar_t* DefaultTitle = L"Title";
  static constexpr int DefaultTitleHeight = 25;
  static constexpr TColor DefaultTitleColor = TColor(0xAACF58),
                          DefaultBorderColor = TColor(0x7F6223);
  static constexpr const wchar_t* DefaultExpandIcon = L"QvSkinExpand_2";
  static constexpr const wchar_t* DefaultCollapseIcon = L"QvSkinExpand_1";
  static constexpr bool DefaultAllowCollapse = true;

  const String& Title() const { return FTitle; }
  void SetTitle(const String& Value);
  // Title bar height at 96 DPI: at least 1 and at most the current height.
  int TitleHeight() const { return FTitleHeight; }
  void SetTitleHeight(int Value);
  // Owned; the setter copies.
  TFont* TitleFont() const { return FTitleFont.get(); }
  void SetTitleFont(TFont* Value);
  // Fill of the title bar when the box is not transparent.
  TColor TitleColor() const { return FTitleColor; }
  void SetTitleColor(TColor Value);
  const TQvResID& TitleIcon() const { return FTitleIcon; }
  void SetTitleIcon(const TQvResID& Value) { ChangeIcon(FTitleIcon, Value); }
  // Right icon while expanded, and while collapsed.
  const TQvResID& ExpandIcon() const { return FExpandIcon; }
  void SetExpandIcon(const TQvResID& Value) { ChangeIcon(FExpandIcon, Value); }
  const TQvResID& CollapseIcon() const { return FCollapseIcon; }
  void SetCollapseIcon(const TQvResID& Value) { ChangeIcon(FCollapseIcon, Value); }
  // Stored only: takes effect on the next repaint.
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value) { FBorderColor = Value; }
  bool Expand() const { return FExpand; }
  // Collapsing is refused without AllowCollapse and for a client-aligned box.
  void SetExpand(bool Value);
  // The box may collapse; also shows the right icon. Stored only.
  bool AllowCollapse() const { return FAllowCollapse; }
  void SetAllowCollapse(bool Value) { FAllowCollapse = Value; }
  // The height the box returns to when it expands.
  int ExpandedHeight() const { return FExpandedHeight; }
  // The title bar in client coordinates, DPI-scaled.
  TRect TitleRect() const;

  void AdjustClientRect(TRect& Rect) override;
  void WndProc(TMessage& Message) override;
  const TPropTable& Properties() const override;

  // After a title change or an expand/collapse.
  TNotifyEvent OnChanged;

 protected:
  bool CanResize(int& NewWidth, int& NewHeight) override;
  void DrawBody(TBitmap32* Bitmap) override;
  virtual void DoExpand();
  // Repaints, then OnChanged.
  virtual void DoChanged();

 private:
  void ChangeIcon(TQvResID& Field, const TQvResID& Value);
  int ScaledTitleHeight() const;

  String FTitle = DefaultTitle;
  int FTitleHeight = DefaultTitleHeight;
  std::unique_ptr<TFont> FTitleFont;
  TColor FTitleColor = DefaultTitleColor;
  TQvResID FTitleIcon;
  TQvResID FExpandIcon = DefaultExpandIcon;
  TQvResID FCollapseIcon = DefaultCollapseIcon;
  TColor FBorderColor = DefaultBorderColor;
  bool FExpand = true;
  bool FAllowCollapse = DefaultAllowCollapse;
  int FExpandedHeight = 0;
};

}  // namespace qv

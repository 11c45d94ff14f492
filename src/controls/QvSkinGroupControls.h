#pragma once
// TQvSkinGroupControls: a panel showing the lines of a string list as a grid of radio
// buttons (one selected line) or check boxes (independent marks). The items are not
// windows: the panel paints them from the single radio box's and check box's pictures,
// tracks the item under the mouse and reacts to the left button and the keyboard.
#include <memory>
#include <vector>

#include "controls/QvSkinGroupControlsLayout.h"
#include "controls/QvSkinPanel.h"

namespace qv {

using TQvGCItemDrawEnvent =
    std::function<void(TObject* Sender, TBitmap32* Bmp32, int AIndex, const TRect& ARect)>;

class TQvSkinCustomGroupControls : public TQvSkinCustomPanel {
  QV_CLASS(TQvSkinCustomGroupControls)
 public:
  explicit TQvSkinCustomGroupControls(TComponent* AOwner);
  ~TQvSkinCustomGroupControls() override;

  static constexpr int DefaultColumns = 1, DefaultItemHeight = 17, DefaultVerticalSpacing = 3,
                       DefaultOffset = 3;

  // Every change of the list clears the marks.
  TStringList* Items() const { return FItems.get(); }
  void SetItems(TStringList* Value) { FItems->Assign(Value); }
  TGroupControlKind Kind() const { return FKind; }
  void SetKind(TGroupControlKind Value);
  // The selected line of a radio group; the last clicked line in both kinds. Not checked
  // against the list; a change repaints and raises OnChanged.
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);
  int Columns() const { return FColumns; }
  // Values <= 0 become 1.
  void SetColumns(int Value);
  int ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int Value);
  int VerticalSpacing() const { return FVerticalSpacing; }
  void SetVerticalSpacing(int Value);
  TQvOffset* Offset() const { return FOffset.get(); }
  void SetOffset(TQvOffset* Value) { FOffset->Assign(Value); }
  // Empty: the default picture of the kind.
  const TQvResID& Pictures() const { return FPictures; }
  void SetPictures(const TQvResID& Value);
  // The mark of a line; false outside the list. Setting does not repaint.
  bool GetItemChecked(int Index) const;
  void SetItemChecked(int Index, bool Value);
  // The item whose painted rectangle holds the point, or -1.
  int PtInItem(TPoint P) const { return GroupGridHit(FItemsRect, P); }
  int HotItemIndex() const { return FHotItemIndex; }
  const std::vector<TRect>& ItemsRect() const { return FItemsRect; }

  void WndProc(TMessage& Message) override;
  TQvAccessibleInfo AccessibleInfo() const override;
  bool DoAccessibleDefaultAction() override;
  const TPropTable& Properties() const override;

  TNotifyEvent OnChanged;
  TQvGCItemDrawEnvent OnDrawItem;

 protected:
  virtual void DoDrawItem(TBitmap32* Bitmap, int Index, const TDynQvSkinImage& Pictures,
                          const TRect& Rect);
  virtual void DoChanged();
  void DrawBody(TBitmap32* Bitmap) override;
  void MouseEnter() override;
  void MouseLeave() override;

 private:
  void ItemsChange();
  // The line selected (radio) or marked (check box) by a click or a key.
  void Choose(int Index);
  TQvGroupGrid Grid() const;
  std::unique_ptr<TStringList> FItems;
  TGroupControlKind FKind = gckRadio;
  int FItemIndex = -1;
  int FColumns = DefaultColumns;
  int FItemHeight = DefaultItemHeight;
  int FVerticalSpacing = DefaultVerticalSpacing;
  std::unique_ptr<TQvOffset> FOffset;
  TQvResID FPictures;
  int FHotItemIndex = -1;
  std::vector<TRect> FItemsRect;
  std::vector<bool> FChecks;
  bool FMouseInControl = false;
  bool FPressed = false;
};

class TQvSkinGroupControls : public TQvSkinCustomGroupControls {
  QV_CLASS(TQvSkinGroupControls)
 public:
  using TQvSkinCustomGroupControls::TQvSkinCustomGroupControls;
};

}  // namespace qv

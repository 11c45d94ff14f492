#pragma once
// TQvSkinCustomCountBar: the icon button list used as a page-number bar. It fills itself
// with owner-drawn cells ("|<", "<", numbers, "...", the last page, ">", ">|"), keeps one
// number focused and moves its window of numbers when the user steps beyond it.
// TQvSkinCountBar publishes it.
#include <memory>

#include "controls/QvSkinIconButtonList.h"
#include "host/Font.h"

namespace qv {

class TQvSkinCustomCountBar : public TQvSkinCustomIconButtonList {
  QV_CLASS(TQvSkinCustomCountBar)
 public:
  explicit TQvSkinCustomCountBar(TComponent* AOwner);
  ~TQvSkinCustomCountBar() override;

  static constexpr TColor DefaultColorFocus = TColor(0x4966FE);
  static constexpr TColor DefaultColorNormal = TColor(0xEEEEEE);
  static constexpr TColor DefaultFontFocusColor = clWhite;
  static constexpr Integer DefaultFontSize = 10;
  static constexpr unsigned DefaultNumCount = 5;
  static constexpr TCountKinds DefaultKinds = {ckNum, ckPrevious, ckNext, ckSkip};
  static constexpr int DefaultCellSize = 28, DefaultCellSpace = 3, DefaultCellMargin = 3;
  static constexpr Byte DefaultCountAlpha = 255;
  static constexpr TSides DefaultCountBorderSides = {};

  // Font and fill of the focused cell, and the fill of the others.
  TFont* FontFocus() const { return FFontFocus.get(); }
  void SetFontFocus(TFont* Value) { FFontFocus->Assign(Value); }
  TColor ColorFocus() const { return FColorFocus; }
  void SetColorFocus(TColor Value) { FColorFocus = Value; }
  TColor ColorNormal() const { return FColorNormal; }
  void SetColorNormal(TColor Value) { FColorNormal = Value; }
  // Pages; a change rebuilds the bar at page 1.
  unsigned NumCount() const { return FNumCount; }
  void SetNumCount(unsigned Value);
  TCountKinds Kinds() const { return FKinds; }
  void SetKinds(TCountKinds Value);
  // Upper bound of the number slots; 0: no bound.
  int MaxItems() const { return FMaxItems; }
  void SetMaxItems(int Value);
  // The window of numbers shown and the current page.
  unsigned NumBegin() const { return FNumBegin; }
  unsigned NumEnd() const { return FNumEnd; }
  unsigned FocusNum() const { return FFocusNum; }

  // Rebuilds the cells with the window reaching StartNum; true when a number was focused.
  bool ResetBar(unsigned StartNum, bool Reverse = false);
  // Focuses page Value; false for 0 or past NumCount.
  bool SkipTo(unsigned Value);
  // The first number cell showing Value, -1 when none.
  int IndexOfValue(int Value) const;
  // The record behind a cell; nil for a cell the bar did not make.
  static const TCountDataRec* CellData(const TQvIconButtonItem* Item);
  void AddNumItem(int Value);
  void AddPreviousItem(const String& Caption = L"");
  void AddNextItem(const String& Caption = L"");
  void AddFirstItem(const String& Caption = L"");
  void AddLastItem(const String& Caption = L"");
  void AddSkipItem(const String& Caption = L"");
  void FirstClick() { DoFirstClick(); }
  void LastClick() { DoLastClick(); }
  void NextClick() { DoNextClick(); }
  void PreviousClick() { DoPreviousClick(); }

  void ScaleControlsForDpi(int NewPPI) override;
  TQvAccessibleInfo AccessibleInfo() const override;
  bool DoAccessibleDefaultAction() override;
  // Number cells are links (the current page selected), the others push buttons.
  TQvAccessibleChild AccessibleChild(int Index) const override;
  // Jumps to the page, or presses the arrow or skip cell.
  bool DoAccessibleChildAction(int Index) override;
  const TPropTable& Properties() const override;

  TNotifyEvent OnSkipClick, OnPreviousClick, OnNextClick, OnFirstClick, OnLastClick;
  TNotifyEvent OnNumChanged;

 protected:
  virtual void DoNextClick();
  virtual void DoPreviousClick();
  virtual void DoFirstClick();
  virtual void DoLastClick();
  void DoDrawItem(TBitmap32* Bmp32, TQvIconButtonItem* Item) override;
  void DoFocusChanging(int OldIndex, int NewIndex, bool& Allow) override;
  void DoGetCursor(TCursor& Cursor) override;
  TQvIconButtonItem* NewItem(TCollection* Collection) override;

 private:
  void AddCell(const TCountDataRec& Rec);
  void NumChanged();

  std::unique_ptr<TFont> FFontFocus;
  TColor FColorFocus = DefaultColorFocus;
  TColor FColorNormal = DefaultColorNormal;
  unsigned FNumCount = 0;
  unsigned FNumBegin = 1, FNumEnd = DefaultNumCount, FFocusNum = 1;
  TCountKinds FKinds = DefaultKinds;
  int FMaxItems = 0;
  bool FSkipNumChanged = false;
};

class TQvSkinCountBar : public TQvSkinCustomCountBar {
  QV_CLASS(TQvSkinCountBar)
 public:
  using TQvSkinCustomCountBar::TQvSkinCustomCountBar;
};

}  // namespace qv

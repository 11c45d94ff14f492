#pragma once
// TQvSkinColorComboBox: a list-style combo box whose items are the framework's named
// colours, drawn as swatches, with an optional "Custom..." item that opens the platform
// colour dialog.
#include <vector>

#include "controls/QvSkinComboBox.h"

namespace qv {

// Asks the user for a colour, starting from Color; false when cancelled.
using TQvPickColorFunc = std::function<bool(TWinControl* Owner, TColor& Color)>;

class TQvSkinColorComboBox : public TQvSkinCustomComboBox {
  QV_CLASS(TQvSkinColorComboBox)
 public:
  static constexpr const wchar_t* CustomCaption = L"Custom...";
  static constexpr TColor NoColor = TColor(0xFF000000);  // Selected when nothing is

  explicit TQvSkinColorComboBox(TComponent* AOwner);

  static constexpr TQvColorBoxStyles DefaultExStyle = {qvcbStandardColors};
  TQvColorBoxStyles ExStyle() const { return FExStyle; }
  // Rebuilds the list; the control is enabled only with some colours to offer.
  void SetExStyle(TQvColorBoxStyles Value);
  // The selected item's colour (NoColor when none). Setting a colour not in the list makes
  // it the custom item's colour when there is one.
  TColor Selected() const;
  void SetSelected(TColor Value);
  // The colour of item Index (0 outside the items).
  TColor Colors(int Index) const;

  // Opens the colour dialog for the custom item; true when the user chose a colour.
  virtual bool PickCustomColor();
  // The dialog call; the platform's colour dialog unless replaced (tests answer at once).
  TQvPickColorFunc PickColor;

  const TPropTable& Properties() const override;

 protected:
  void KeyDown(uint16_t& Key, TShiftState Shift) override;

 private:
  void PopulateList();
  bool IsCustom(int Index) const;
  void DrawColorItem(TObject* Sender, TCanvas* Cnvs, int Index, const TRect& T);

  TQvColorBoxStyles FExStyle = DefaultExStyle;
  TColor FSelectedColor = 0;
  std::vector<TColor> FColors;  // parallel to the items
};

// The platform colour dialog, full open, preset with Color.
bool PlatformPickColor(TWinControl* Owner, TColor& Color);

}  // namespace qv

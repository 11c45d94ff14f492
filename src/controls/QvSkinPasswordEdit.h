#pragma once
// TQvSkinPasswordEdit: the self-drawn edit showing a skin picture for every character. Its
// text never leaves it: the platform text messages answer nothing, copy and cut do nothing,
// and assistive technology is told no value.
#include "controls/QvSkinEdit.h"

namespace qv {

class TQvSkinPasswordEdit : public TQvSkinPngEdit {
  QV_CLASS(TQvSkinPasswordEdit)
 public:
  explicit TQvSkinPasswordEdit(TComponent* AOwner);

  static constexpr const wchar_t* DefaultPasswordChar = L"QvSkinPasswordchar";
  static constexpr int DefaultXSpace = 2, DefaultYSpace = 4;
  // The picture drawn for each character.
  const TQvResID& PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(const TQvResID& Value);
  // Gap after each picture, and the pictures' vertical offset.
  int XSpace() const { return FXSpace; }
  void SetXSpace(int Value) { FXSpace = Value; }
  int YSpace() const { return FYSpace; }
  void SetYSpace(int Value) { FYSpace = Value; }
  // Draws the real text, as a plain edit does.
  bool ShowPassword() const { return FShowPassword; }
  void SetShowPassword(bool Value);

  void WndProc(TMessage& Message) override;
  TQvAccessibleInfo AccessibleInfo() const override;
  const TPropTable& Properties() const override;

 protected:
  int GetTextHeight() override;
  int GlyphWidth(const wchar_t* Glyph, int Units) override;
  void DrawText(TBitmap32* Bitmap, int X, int Y, const String& Text, bool Selected) override;

 private:
  TQvResID FPasswordChar = DefaultPasswordChar;
  int FXSpace = DefaultXSpace;
  int FYSpace = DefaultYSpace;
  bool FShowPassword = false;
};

}  // namespace qv

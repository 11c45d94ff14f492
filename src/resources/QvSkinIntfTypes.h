#pragma once
// Value types shared by the skinned components: offsets, glow settings, text objects,
// the piece arrays of the slicing routines and the published enumerations, with the
// identifier tables the object text form uses for them.
#include <array>
#include <iterator>
#include <memory>
#include <vector>

#include "host/Font.h"
#include "host/ImageCodec.h"
#include "host/Properties.h"
#include "resources/QvSkinIntf.h"

namespace qv {

// ---- enumerations ----

enum TQvPngFillType { ftNormal, ftTile, ftAutoStretch, ftCenter, ftStretch, ftGradient };
enum TQvFillStyle { mfsBlur, mfsTile, mfsStretch, mfs9Block };
enum TQvSkinStyle { ssColor, ssPicture };
enum TGradientDirection { gdHorizontal, gdVertical };
enum TGradientAlign { gaCenter, gaLeft, gaRight };
enum TEllipsisPosition { epNone, epPathEllipsis, epEndEllipsis, epWordEllipsis };
enum TQvTextKind { tkAll, tkEN, tkNumInt, tkNumReal, tkENandNum };
enum TQvSwitchButtonCaptionAlign { sbcaLeft, sbcaRigth };
enum TQvCorner { TopLeft, TopRight, BottomLeft, BottomRight };
using TQvCorners = TSet<TQvCorner>;
enum TNCBoderSideKind { skTitle, skLeft, skRight, skBottom };
enum TSide { sdLeft, sdTop, sdRight, sdBottom };
using TSides = TSet<TSide>;
enum TQvSkinCustomComboBoxStyle { csDropDown, csDropDownList };
enum TQvColorBoxStylesRec {
  qvcbStandardColors,
  qvcbExtendedColors,
  qvcbSystemColors,
  qvcbIncludeNone,
  qvcbIncludeDefault,
  qvcbCustomColor,
  qvcbPrettyNames
};
using TQvColorBoxStyles = TSet<TQvColorBoxStylesRec>;
enum TQvAboutInfo { aiQvSkinComponent };

// Member identifiers in declaration order, as the object text form writes them.
inline constexpr const wchar_t* TQvPngFillTypeNames[] = {
    L"ftNormal", L"ftTile", L"ftAutoStretch", L"ftCenter", L"ftStretch", L"ftGradient"};
inline constexpr const wchar_t* TQvFillStyleNames[] = {L"mfsBlur", L"mfsTile", L"mfsStretch",
                                                       L"mfs9Block"};
inline constexpr const wchar_t* TQvSkinStyleNames[] = {L"ssColor", L"ssPicture"};
inline constexpr const wchar_t* TGradientDirectionNames[] = {L"gdHorizontal", L"gdVertical"};
inline constexpr const wchar_t* TGradientAlignNames[] = {L"gaCenter", L"gaLeft", L"gaRight"};
inline constexpr const wchar_t* TEllipsisPositionNames[] = {L"epNone", L"epPathEllipsis",
                                                            L"epEndEllipsis", L"epWordEllipsis"};
inline constexpr const wchar_t* TQvTextKindNames[] = {L"tkAll", L"tkEN", L"tkNumInt", L"tkNumReal",
                                                      L"tkENandNum"};
inline constexpr const wchar_t* TQvSwitchButtonCaptionAlignNames[] = {L"sbcaLeft", L"sbcaRigth"};
inline constexpr const wchar_t* TQvCornerNames[] = {L"TopLeft", L"TopRight", L"BottomLeft",
                                                    L"BottomRight"};
inline constexpr const wchar_t* TNCBoderSideKindNames[] = {L"skTitle", L"skLeft", L"skRight",
                                                           L"skBottom"};
inline constexpr const wchar_t* TSideNames[] = {L"sdLeft", L"sdTop", L"sdRight", L"sdBottom"};
inline constexpr const wchar_t* TQvSkinCustomComboBoxStyleNames[] = {L"csDropDown",
                                                                     L"csDropDownList"};
inline constexpr const wchar_t* TQvColorBoxStylesRecNames[] = {
    L"qvcbStandardColors", L"qvcbExtendedColors", L"qvcbSystemColors", L"qvcbIncludeNone",
    L"qvcbIncludeDefault", L"qvcbCustomColor",    L"qvcbPrettyNames"};
inline constexpr const wchar_t* TQvAboutInfoNames[] = {L"aiQvSkinComponent"};

// ---- piece arrays ----

// Pieces cut by the slicing routines belong to whoever holds the array.
using TDynQvSkinImage = std::vector<std::unique_ptr<TQvSkinImage>>;
// Indexed [column][row].
using TImgArray9Block = std::array<std::array<std::unique_ptr<TQvSkinImage>, 3>, 3>;

// PNG pieces are decoded PNG pictures: straight RGBA samples with the source's header
// (colour type, bit depth). Nine blocks are row-major (index row·3 + column).
using TPngArray = std::vector<std::unique_ptr<TDecodedImage>>;
using TPngArray9Block = std::array<std::unique_ptr<TDecodedImage>, 9>;
using TPngArray3Block = std::array<std::unique_ptr<TDecodedImage>, 3>;

// Frees every piece and empties the array.
void FreeDynImg(TDynQvSkinImage& Images);
void FreeDynPng(TPngArray& Pngs);
// Frees every piece; the slots become nil.
void FreeArray9BlockImg(TImgArray9Block& Blocks);
void FreeArray9BlockPng(TPngArray9Block& Pngs);
void FreeArray3BlockPng(TPngArray3Block& Pngs);

// Set by the application, never by the library: while true the toolbar rebuilds its
// cached button pictures at every paint.
extern bool gResImageChanged;

// ---- value objects ----

// A change notifier shared by the value objects: OnChanged fires from DoChanged.
class TQvNotifyPersistent : public TPersistent {
 public:
  TNotifyEvent OnChanged;

 protected:
  void DoChanged() {
    if (OnChanged) OnChanged(this);
  }
  // Stores a different value and notifies.
  template <typename T>
  void Update(T& Field, const T& Value) {
    if (Field == Value) return;
    Field = Value;
    DoChanged();
  }
};

class TQvOffset : public TQvNotifyPersistent {
 public:
  static constexpr const wchar_t* StaticClassName = L"TQvOffset";
  String ClassName() const override { return StaticClassName; }
  Integer X() const { return FX; }
  void SetX(Integer Value) { Update(FX, Value); }
  Integer Y() const { return FY; }
  void SetY(Integer Value) { Update(FY, Value); }
  void Assign(TPersistent* Source) override;
  const TPropTable& Properties() const override;

 private:
  Integer FX = 0;
  Integer FY = 0;
};

// The glow of a text: drawn in Color with BlurRadius while Active.
class TQvLightClass : public TQvNotifyPersistent {
 public:
  static constexpr const wchar_t* StaticClassName = L"TQvLightClass";
  String ClassName() const override { return StaticClassName; }
  static constexpr TColor DefaultColor = 0xFFFFFE;
  static constexpr Integer DefaultBlurRadius = 1;
  bool Active() const { return FActive; }
  void SetActive(bool Value) { Update(FActive, Value); }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { Update(FColor, Value); }
  Integer BlurRadius() const { return FBlurRadius; }
  void SetBlurRadius(Integer Value) { Update(FBlurRadius, Value); }
  // Copies Active and Color only.
  void Assign(TPersistent* Source) override;
  const TPropTable& Properties() const override;

 private:
  bool FActive = false;
  TColor FColor = DefaultColor;
  Integer FBlurRadius = DefaultBlurRadius;
};

// A text with visibility and an owned glow. A change of the glow alone does not notify
// the text object's listeners.
class TQvTextObj : public TQvNotifyPersistent {
 public:
  static constexpr const wchar_t* StaticClassName = L"TQvTextObj";
  String ClassName() const override { return StaticClassName; }
  TQvTextObj() = default;
  TQvTextObj(const TQvTextObj&) = delete;
  TQvTextObj& operator=(const TQvTextObj&) = delete;
  static constexpr bool DefaultVisible = true;
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value) { Update(FVisible, Value); }
  TQvLightClass* Light() const { return FLight.get(); }
  void SetLight(TQvLightClass* Value) { FLight->Assign(Value); }
  const String& Text() const { return FText; }
  void SetText(const String& Value) { Update(FText, Value); }
  // Copies Light, Text and Visible.
  void Assign(TPersistent* Source) override;
  const TPropTable& Properties() const override;

 private:
  bool FVisible = DefaultVisible;
  std::unique_ptr<TQvLightClass> FLight = std::make_unique<TQvLightClass>();
  String FText;
};

// A text object with an owned font and an offset. Any change of the font notifies.
class TQvCaption : public TQvTextObj {
 public:
  static constexpr const wchar_t* StaticClassName = L"TQvCaption";
  String ClassName() const override { return StaticClassName; }
  TQvCaption();
  TFont* Font() const { return FFont.get(); }
  // Copies Value into the owned font, then notifies.
  void SetFont(TFont* Value);
  Integer OffsetX() const { return FOffsetX; }
  void SetOffsetX(Integer Value) { Update(FOffsetX, Value); }
  Integer OffsetY() const { return FOffsetY; }
  void SetOffsetY(Integer Value) { Update(FOffsetY, Value); }
  // Copies the text object's members and, from another caption, the font.
  void Assign(TPersistent* Source) override;
  const TPropTable& Properties() const override;

 private:
  std::unique_ptr<TFont> FFont = std::make_unique<TFont>();
  Integer FOffsetX = 0;
  Integer FOffsetY = 0;
};

}  // namespace qv

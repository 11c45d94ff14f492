#pragma once
// Basic value types shared by every layer: text, geometry, colours, sets and the
// library's exception type. Portable: no platform headers.
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

namespace qv {

using String = std::wstring;  // UTF-16 on Windows
using Integer = int32_t;
using Cardinal = uint32_t;
using Byte = uint8_t;

// The host framework's colour: 0x00BBGGRR; negative values name system colours.
using TColor = int32_t;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clWindowText = int32_t(0xFF000008);
constexpr TColor clBtnFace = int32_t(0xFF00000F);
constexpr TColor clWindow = int32_t(0xFF000005);
constexpr TColor clHighlight = int32_t(0xFF00000D);
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clLtGray = 0xC0C0C0;
constexpr TColor clDkGray = 0x808080;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;
// System colours: 0xFF000000 | the platform's colour index.
constexpr TColor clSystemColor = int32_t(0xFF000000);
constexpr TColor clScrollBar = int32_t(0xFF000000);
constexpr TColor clBackground = int32_t(0xFF000001);
constexpr TColor clActiveCaption = int32_t(0xFF000002);
constexpr TColor clInactiveCaption = int32_t(0xFF000003);
constexpr TColor clMenu = int32_t(0xFF000004);
constexpr TColor clWindowFrame = int32_t(0xFF000006);
constexpr TColor clMenuText = int32_t(0xFF000007);
constexpr TColor clCaptionText = int32_t(0xFF000009);
constexpr TColor clActiveBorder = int32_t(0xFF00000A);
constexpr TColor clInactiveBorder = int32_t(0xFF00000B);
constexpr TColor clAppWorkSpace = int32_t(0xFF00000C);
constexpr TColor clHighlightText = int32_t(0xFF00000E);
constexpr TColor clBtnShadow = int32_t(0xFF000010);
constexpr TColor clGrayText = int32_t(0xFF000011);
constexpr TColor clBtnText = int32_t(0xFF000012);
constexpr TColor clInactiveCaptionText = int32_t(0xFF000013);
constexpr TColor clBtnHighlight = int32_t(0xFF000014);
constexpr TColor cl3DDkShadow = int32_t(0xFF000015);
constexpr TColor cl3DLight = int32_t(0xFF000016);
constexpr TColor clInfoText = int32_t(0xFF000017);
constexpr TColor clInfoBk = int32_t(0xFF000018);
constexpr TColor clHotLight = int32_t(0xFF00001A);
constexpr TColor clGradientActiveCaption = int32_t(0xFF00001B);
constexpr TColor clGradientInactiveCaption = int32_t(0xFF00001C);
constexpr TColor clMenuHighlight = int32_t(0xFF00001D);
constexpr TColor clMenuBar = int32_t(0xFF00001E);

struct TPoint {
  Integer X = 0, Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
  Integer cx = 0, cy = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};

// Integer rectangle, right and bottom exclusive.
struct TRect {
  Integer Left = 0, Top = 0, Right = 0, Bottom = 0;
  Integer Width() const { return Right - Left; }
  Integer Height() const { return Bottom - Top; }
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

inline TRect Rect(Integer L, Integer T, Integer R, Integer B) {
  return {L, T, R, B};
}
inline TRect Bounds(Integer L, Integer T, Integer W, Integer H) {
  return {L, T, L + W, T + H};
}
inline TPoint Point(Integer X, Integer Y) {
  return {X, Y};
}

// Number * Numerator / Denominator rounded half away from zero, as the platform's MulDiv;
// -1 when Denominator is 0 or the result does not fit.
Integer MulDiv(Integer Number, Integer Numerator, Integer Denominator);

// Intersection of two rectangles; false (and an empty Dst) when they do not overlap.
bool IntersectRect(TRect& Dst, const TRect& A, const TRect& B);
void OffsetRect(TRect& R, Integer DX, Integer DY);

struct TFloatPoint {
  double X = 0, Y = 0;
  friend bool operator==(const TFloatPoint&, const TFloatPoint&) = default;
};

struct TFloatRect {
  double Left = 0, Top = 0, Right = 0, Bottom = 0;
  friend bool operator==(const TFloatRect&, const TFloatRect&) = default;
};

// A small set of enumeration members (the enumeration's values must be < 32).
template <typename E>
class TSet {
 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> Items) {
    for (E I : Items) Bits_ |= Bit(I);
  }
  constexpr bool Contains(E I) const { return (Bits_ & Bit(I)) != 0; }
  constexpr TSet& Include(E I) {
    Bits_ |= Bit(I);
    return *this;
  }
  constexpr TSet& Exclude(E I) {
    Bits_ &= ~Bit(I);
    return *this;
  }
  constexpr bool Empty() const { return Bits_ == 0; }
  constexpr uint32_t Raw() const { return Bits_; }
  constexpr TSet operator+(TSet O) const {
    TSet R;
    R.Bits_ = Bits_ | O.Bits_;
    return R;
  }
  constexpr TSet operator-(TSet O) const {
    TSet R;
    R.Bits_ = Bits_ & ~O.Bits_;
    return R;
  }
  constexpr TSet operator*(TSet O) const {
    TSet R;
    R.Bits_ = Bits_ & O.Bits_;
    return R;
  }
  friend constexpr bool operator==(TSet, TSet) = default;

 private:
  static constexpr uint32_t Bit(E I) { return uint32_t(1) << unsigned(I); }
  uint32_t Bits_ = 0;
};

// Text conversion between UTF-16 (String) and UTF-8.
std::string ToUtf8(const String& S);
String FromUtf8(const std::string& S);

// The library's exception. Every error the library raises derives from it and
// carries its message text; what() answers the message in UTF-8.
class Exception : public std::runtime_error {
 public:
  explicit Exception(const String& Message);
  const String& Message() const { return Message_; }

 private:
  String Message_;
};

class EStreamError : public Exception {
  using Exception::Exception;
};
class EReadError : public EStreamError {
  using EStreamError::EStreamError;
};
class EWriteError : public EStreamError {
  using EStreamError::EStreamError;
};
class EFOpenError : public EStreamError {
  using EStreamError::EStreamError;
};
class EFCreateError : public EStreamError {
  using EStreamError::EStreamError;
};
class EParserError : public Exception {
  using Exception::Exception;
};
class EInvalidGraphic : public Exception {
  using Exception::Exception;
};
class EBitmapError : public Exception {
  using Exception::Exception;
};
class EListError : public Exception {
  using Exception::Exception;
};
class EConvertError : public Exception {
  using Exception::Exception;
};
class EInvalidOperation : public Exception {
  using Exception::Exception;
};
class EOutOfResources : public Exception {
  using Exception::Exception;
};

// Case and white-space helpers used by lookups (ASCII and Latin case folding).
String Trim(const String& S);
String UpperCase(const String& S);
bool SameText(const String& A, const String& B);

}  // namespace qv

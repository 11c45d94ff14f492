#include "host/Types.h"

#include <algorithm>
#include <cwctype>

namespace qv {

bool IntersectRect(TRect& Dst, const TRect& A, const TRect& B) {
  TRect R{std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right),
          std::min(A.Bottom, B.Bottom)};
  if (R.Right <= R.Left || R.Bottom <= R.Top) {
    Dst = TRect{};
    return false;
  }
  Dst = R;
  return true;
}

Integer MulDiv(Integer Number, Integer Numerator, Integer Denominator) {
  if (Denominator == 0) return -1;
  int64_t P = int64_t(Number) * Numerator;
  int64_t D = Denominator;
  bool Neg = (P < 0) != (D < 0);
  uint64_t A = uint64_t(P < 0 ? -P : P), B = uint64_t(D < 0 ? -D : D);
  uint64_t Q = (A + B / 2) / B;
  if (Q > uint64_t(INT32_MAX)) return -1;
  return Neg ? -Integer(Q) : Integer(Q);
}

void OffsetRect(TRect& R, Integer DX, Integer DY) {
  R.Left += DX;
  R.Right += DX;
  R.Top += DY;
  R.Bottom += DY;
}

std::string ToUtf8(const String& S) {
  std::string Out;
  Out.reserve(S.size());
  for (size_t i = 0; i < S.size(); ++i) {
    uint32_t C = uint32_t(S[i]);
    if constexpr (sizeof(wchar_t) == 2) {
      if (C >= 0xD800 && C < 0xDC00 && i + 1 < S.size()) {
        uint32_t Lo = uint32_t(S[i + 1]);
        if (Lo >= 0xDC00 && Lo < 0xE000) {
          C = 0x10000 + ((C - 0xD800) << 10) + (Lo - 0xDC00);
          ++i;
        }
      }
    }
    if (C < 0x80) {
      Out += char(C);
    } else if (C < 0x800) {
      Out += char(0xC0 | (C >> 6));
      Out += char(0x80 | (C & 0x3F));
    } else if (C < 0x10000) {
      Out += char(0xE0 | (C >> 12));
      Out += char(0x80 | ((C >> 6) & 0x3F));
      Out += char(0x80 | (C & 0x3F));
    } else {
      Out += char(0xF0 | (C >> 18));
      Out += char(0x80 | ((C >> 12) & 0x3F));
      Out += char(0x80 | ((C >> 6) & 0x3F));
      Out += char(0x80 | (C & 0x3F));
    }
  }
  return Out;
}

static void AppendCodePoint(String& Out, uint32_t C) {
  if (sizeof(wchar_t) == 2 && C >= 0x10000) {
    C -= 0x10000;
    Out += wchar_t(0xD800 + (C >> 10));
    Out += wchar_t(0xDC00 + (C & 0x3FF));
  } else {
    Out += wchar_t(C);
  }
}

String FromUtf8(const std::string& S) {
  String Out;
  Out.reserve(S.size());
  size_t i = 0, n = S.size();
  while (i < n) {
    unsigned char B = static_cast<unsigned char>(S[i]);
    int Extra = B < 0x80 ? 0 : (B >> 5) == 6 ? 1 : (B >> 4) == 14 ? 2 : (B >> 3) == 30 ? 3 : -1;
    if (Extra < 0 || i + Extra >= n + (Extra == 0 ? 1 : 0)) {
      AppendCodePoint(Out, 0xFFFD);  // malformed lead byte or truncated sequence
      ++i;
      continue;
    }
    uint32_t C = Extra == 0 ? B : Extra == 1 ? (B & 0x1F) : Extra == 2 ? (B & 0x0F) : (B & 0x07);
    bool Ok = true;
    for (int k = 1; k <= Extra; ++k) {
      unsigned char T = static_cast<unsigned char>(S[i + k]);
      if ((T & 0xC0) != 0x80) {
        Ok = false;
        break;
      }
      C = (C << 6) | (T & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not characters.
    static const uint32_t MinOf[] = {0, 0x80, 0x800, 0x10000};
    if (Ok && (C < MinOf[Extra] || C > 0x10FFFF || (C >= 0xD800 && C < 0xE000))) Ok = false;
    if (!Ok) {
      AppendCodePoint(Out, 0xFFFD);
      ++i;
      continue;
    }
    AppendCodePoint(Out, C);
    i += Extra + 1;
  }
  return Out;
}

Exception::Exception(const String& Message)
    : std::runtime_error(ToUtf8(Message)), Message_(Message) {}

String Trim(const String& S) {
  size_t B = 0, E = S.size();
  while (B < E && S[B] <= L' ') ++B;
  while (E > B && S[E - 1] <= L' ') --E;
  return S.substr(B, E - B);
}

String UpperCase(const String& S) {
  String R = S;
  for (auto& C : R) C = wchar_t(std::towupper(wint_t(C)));
  return R;
}

bool SameText(const String& A, const String& B) {
  return UpperCase(A) == UpperCase(B);
}

}  // namespace qv

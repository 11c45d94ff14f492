#include "controls/QvPinyin.h"

#include <array>
#include <cstdint>

#include "controls/QvPinyinTable.h"

namespace qv {

namespace {

constexpr int kTrails = 0xFF - 0x40;  // 191 trail bytes per lead byte
constexpr uint32_t kFirstCJK = 0x4E00, kLastCJK = 0x9FA5;

int Decode(const char* P, int Width) {
  static const auto Values = [] {
    std::array<uint8_t, 256> V{};
    for (int I = 0; I < 64; ++I) V[uint8_t(pinyin::kDigits[I])] = uint8_t(I);
    return V;
  }();
  int N = 0;
  for (int I = 0; I < Width; ++I) N = N * 64 + Values[uint8_t(P[I])];
  return N;
}

const std::array<uint16_t, 126 * kTrails>& Readings() {
  static const auto Table = [] {
    std::array<uint16_t, 126 * kTrails> T{};
    for (size_t I = 0; I < T.size(); ++I) T[I] = uint16_t(Decode(pinyin::kReadings + 2 * I, 2));
    return T;
  }();
  return Table;
}

// GBK code of every character U+4E00 … U+9FA5: GB2312's from the table, the others in
// code point order through GBK/3 (lead 81…A0) and GBK/4 (lead AA…FE, trail below A1).
const std::array<uint16_t, kLastCJK - kFirstCJK + 1>& IdeographCodes() {
  static const auto Table = [] {
    std::array<uint16_t, kLastCJK - kFirstCJK + 1> T{};
    const char* P = pinyin::kGB2312Ideographs;
    for (int Lead = 0xB0; Lead <= 0xF7; ++Lead)
      for (int Trail = 0xA1; Trail <= 0xFE; ++Trail, P += 3)
        if (int Offset = Decode(P, 3); Offset < int(T.size()))
          T[Offset] = uint16_t(Lead << 8 | Trail);
    int Lead = 0x81, Trail = 0x40;
    for (auto& Code : T) {
      if (Code) continue;
      Code = uint16_t(Lead << 8 | Trail);
      if (++Trail == 0x7F) ++Trail;
      const int Last = Lead <= 0xA0 ? 0xFE : 0xA0;
      if (Trail > Last) {
        ++Lead;
        if (Lead == 0xA1) Lead = 0xAA;
        Trail = 0x40;
      }
    }
    return T;
  }();
  return Table;
}

bool IsDigitOrLetter(unsigned char C) {
  return (C >= '0' && C <= '9') || (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z');
}

// Row A2's numbered symbols: first trail byte of each run and its length.
struct TNumberRun {
  unsigned char First, Count;
};
constexpr TNumberRun kNumberRuns[] = {{0xA1, 10}, {0xB1, 20}, {0xC5, 20},
                                      {0xD9, 10}, {0xE5, 10}, {0xF1, 12}};
// Row A6: the Greek letters in alphabet order (24 capitals from A1, 24 small from C1).
constexpr const char* kGreek[24] = {"a", "b", "g", "d", "e", "z", "e", "th", "i",  "k",  "l",  "m",
                                    "n", "x", "o", "p", "r", "s", "t", "u",  "ph", "kh", "ps", "o"};

}  // namespace

int PinyinReading(unsigned char Lead, unsigned char Trail) {
  if (Lead < 0x81 || Lead > 0xFE || Trail < 0x40 || Trail > 0xFE) return 0;
  return Readings()[(Lead - 0x81) * kTrails + (Trail - 0x40)];
}

const char* PinyinSyllable(int N) {
  return N >= 1 && N <= pinyin::kSyllableCount ? pinyin::kSyllables[N - 1] : "";
}

int PinyinSyllableCount() {
  return pinyin::kSyllableCount;
}
int PinyinCodesWithReading() {
  return pinyin::kCodesWithReading;
}

std::string GetPYCode(std::string_view S, int Flags) {
  std::string Out;
  if (Flags < 0) return Out;
  const bool Whole = Flags & pyWholeSyllable, Mark = Flags & pyUnknownMark,
             KeepAll = Flags & pyKeepAll;
  size_t I = 0;
  while (I < S.size()) {
    const unsigned char L = S[I];
    if (L < 0x81 || I + 1 >= S.size() || static_cast<unsigned char>(S[I + 1]) < 0x40) {
      if (KeepAll || IsDigitOrLetter(L)) Out += char(L);
      ++I;
      continue;
    }
    const unsigned char T = S[I + 1];
    I += 2;
    if (L == 0xA2) {
      if (T < 0xA1) {
        if (Mark) Out += '?';
        continue;
      }
      for (const TNumberRun& Run : kNumberRuns)
        if (T >= Run.First && T < Run.First + Run.Count) Out += std::to_string(T - Run.First + 1);
    } else if (L == 0xA3) {
      const unsigned char C = T - 0x80;
      if (KeepAll || IsDigitOrLetter(C)) Out += char(C);
    } else if (L == 0xA6) {
      if (T >= 0xA1 && T <= 0xB8)
        Out += kGreek[T - 0xA1];
      else if (T >= 0xC1 && T <= 0xD8)
        Out += kGreek[T - 0xC1];
    } else if (const int N = PinyinReading(L, T); N == 0) {
      if (Mark) Out += '?';
    } else {
      const char* Syllable = PinyinSyllable(N);
      if (Whole)
        Out += Syllable;
      else
        Out += Syllable[0];
    }
  }
  return Out;
}

namespace {

// GBK code of one code point, 0 when GBK has none (ASCII is handled by the caller).
unsigned GBKCode(uint32_t C) {
  if (C >= kFirstCJK && C <= kLastCJK) return IdeographCodes()[C - kFirstCJK];
  if (C == 0x3000) return 0xA1A1;                                // ideographic space
  if (C >= 0xFF01 && C <= 0xFF5E) return 0xA3A1 + (C - 0xFF01);  // full-width forms
  if (C >= 0x0391 && C <= 0x03A9 && C != 0x03A2)                 // Greek capitals
    return 0xA6A1 + (C - 0x0391) - (C > 0x03A2);
  if (C >= 0x03B1 && C <= 0x03C9 && C != 0x03C2)  // Greek small
    return 0xA6C1 + (C - 0x03B1) - (C > 0x03C2);
  struct TRun {
    uint32_t First;
    unsigned Code, Count;
  };
  static constexpr TRun kRuns[] = {{0x2170, 0xA2A1, 10}, {0x2488, 0xA2B1, 20},
                                   {0x2474, 0xA2C5, 20}, {0x2460, 0xA2D9, 10},
                                   {0x3220, 0xA2E5, 10}, {0x2160, 0xA2F1, 12}};
  for (const TRun& Run : kRuns)
    if (C >= Run.First && C < Run.First + Run.Count) return Run.Code + (C - Run.First);
  return 0;
}

}  // namespace

std::string EncodeGBK(const String& S) {
  std::string Out;
  Out.reserve(S.size() * 2);
  for (size_t I = 0; I < S.size(); ++I) {
    uint32_t C = uint32_t(S[I]);
    // A surrogate pair (UTF-16 text) is one character; GBK has none of them.
    if (C >= 0xD800 && C <= 0xDBFF && I + 1 < S.size() && uint32_t(S[I + 1]) >= 0xDC00 &&
        uint32_t(S[I + 1]) <= 0xDFFF)
      ++I;
    if (C < 0x80) {
      Out += char(C);
    } else if (const unsigned Code = GBKCode(C)) {
      Out += char(Code >> 8);
      Out += char(Code & 0xFF);
    } else {
      Out += '?';
    }
  }
  return Out;
}

String PinyinInitials(const String& Caption) {
  const std::string Code = GetPYCode(EncodeGBK(Caption), 0);
  return String(Code.begin(), Code.end());
}

}  // namespace qv

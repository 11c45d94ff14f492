#pragma once
// A surface for the mark-up engine that measures like a fixed-pitch font and records what
// is drawn. Used by the engine's tests and its fuzzer.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "controls/QvHtmlLayout.h"

namespace qvtest {

class THtmlTestCanvas : public qv::TQvHtmlCanvas {
 public:
  THtmlTestCanvas() {
    FFont.SetHeight(-12);
    FFont.SetColor(qv::clBlack);
  }
  // Characters are half the font's height wide, bold ones a pixel more; the cell is a
  // quarter taller than the characters, which sit on the ascent.
  static int CharWidth(const qv::TFont& F) {
    return std::max(1, std::abs(F.Height()) / 2) + (F.Style().Contains(qv::fsBold) ? 1 : 0);
  }
  static int CellHeight(const qv::TFont& F) {
    const int H = std::abs(F.Height());
    return H + (H + 3) / 4;
  }

  qv::TFont& Font() override { return FFont; }
  qv::TSize TextExtent(const qv::String& Text) override {
    return {int(Text.size()) * CharWidth(FFont), CellHeight(FFont)};
  }
  void TextMetrics(int& Height, int& Ascent) override {
    Height = CellHeight(FFont);
    Ascent = std::abs(FFont.Height());
  }
  void TextOut(int X, int Y, const qv::String& Text, bool ClearBrush) override {
    Drawn.push_back({X, Y, Text, FFont.Style(), FFont.Color(), FFont.Height(), ClearBrush});
  }
  void Rule(int X1, int X2, int Y, int Width, const qv::TColor* Color) override {
    Rules.push_back({X1, X2, Y, Width, Color ? *Color : PenColor});
  }
  bool BrushClear() override { return Clear; }

  struct TDrawn {
    int X, Y;
    qv::String Text;
    qv::TFontStyles Style;
    qv::TColor Color;
    qv::Integer Height;
    bool ClearBrush;
  };
  struct TRuleDrawn {
    int X1, X2, Y, Width;
    qv::TColor Color;
  };
  std::vector<TDrawn> Drawn;
  std::vector<TRuleDrawn> Rules;
  bool Clear = true;
  qv::TColor PenColor = qv::clBlack;

 private:
  qv::TFont FFont;
};

}  // namespace qvtest

// SVG path data: the grammar and its errors (recorded through a brush that keeps the
// flattened paths), and what the renderer puts on a surface.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

#include "graphics/QvSkinGraphics.h"
#include "host/ObjectText.h"

using namespace qv;

namespace {

// Keeps every path the canvas draws.
class TRecordingBrush : public TCustomBrush {
 public:
  std::vector<TPathData>* Out = nullptr;
  void PolyPolygonFS(TCustomBitmap32*, const TPathData& Path) override { Out->push_back(Path); }
};

// "x,y x,y [Z] / next subpath ; next drawn path"
std::string Describe(const std::vector<TPathData>& Drawn) {
  std::ostringstream S;
  for (size_t D = 0; D < Drawn.size(); ++D) {
    if (D) S << " ; ";
    for (size_t I = 0; I < Drawn[D].Points.size(); ++I) {
      if (I) S << " / ";
      const auto& P = Drawn[D].Points[I];
      for (size_t J = 0; J < P.size(); ++J) S << (J ? " " : "") << P[J].X << "," << P[J].Y;
      if (Drawn[D].Closed[I]) S << " Z";
    }
  }
  return S.str();
}

struct TRecorder {
  TBitmap32 Bitmap;
  TCanvas32 Canvas{&Bitmap};
  std::vector<TPathData> Drawn;
  TRecorder() {
    Bitmap.SetSize(4, 4);
    Canvas.Brushes().Add<TRecordingBrush>()->Out = &Drawn;
  }
  std::string Run(const std::string& Data) {
    RenderSVGPath(Canvas, Data);
    return Describe(Drawn);
  }
};

}  // namespace

TEST(SvgPath, Grammar) {
  struct TCase {
    const char* Data;
    const char* Drawn;
  } Cases[] = {
      // Points after the first get 1.5 on X; H and V values do not.
      {"M10 10 L20 20", "10,10 21.5,20"},
      {"M10 10 20 20", "10,10 21.5,20"},  // pairs after M are lines
      {"m10 10 20 20", "10,10 31.5,30"},  // ...relative after m
      {"M10 10 l5 5 l5 -5", "10,10 16.5,15 23,10"},
      {"M1 1 H5 v3 h-2 V0", "1,1 5,1 5,4 3,4 3,0"},
      {"M0 0 h10 v10 z", "0,0 10,0 10,10 Z"},
      // Move-to draws what came before it; z returns to the subpath's start.
      {"M0 0 L10 0 M20 20 L30 20", "0,0 11.5,0 ; 21.5,20 31.5,20"},
      {"M10 10 l10 0 l0 10 z m5 5 l1 1", "10,10 21.5,10 23,20 Z ; 16.5,15 19,16"},
      {"M0 0 L10 0 L10 10 Z L0 10", "0,0 11.5,0 11.5,10 Z / 0,0 1.5,10"},
      // The arc is read and not drawn; the current point stays.
      {"M0 0 A5 5 0 0 1 10 10 L20 0", "0,0 21.5,0"},
      {"M0 0 a5,5 30 1 0 10,10 L20 0", "0,0 21.5,0"},
      {"M0 0 A5 5 0 0110 10 L20 0", "0,0 21.5,0"},  // flags are single characters
      // Numbers: signs, fractions, exponents, separators.
      {"M1e1 -2.5E-1 L+3.5e+0-1", "10,-0.25 5,-1"},
      {"M.5.5L1-1", "0.5,0.5 2.5,-1"},
      {"M5. 2L1e-999 0", "5,2 1.5,0"},  // "5." is five; an underflow is zero
      {"\t M 1\n,\r 2  L 3 , 4 ", "1,2 4.5,4"},
      {"M0,0 L5,5", "0,0 6.5,5"},
      // Nothing to draw.
      {"", ""},
      {" \t\r\n", ""},
      {"\x01 \x02", ""},  // blank once trimmed
      {"M3 4", ""},       // a lone point
  };
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.Data);
    TRecorder R;
    EXPECT_EQ(R.Run(C.Data), C.Drawn);
  }
}

TEST(SvgPath, CurvesAndTheirSmoothForms) {
  struct TCase {
    const char* Data;
    TFloatPoint End;
    double MaxY, MinY;  // extent of the flattened curve
  } Cases[] = {
      // Cubic C1 (1.5, 10), C2 (11.5, 10) to (11.5, 0) peaks at y = 7.5; the smooth one
      // mirrors C2 about (11.5, 0) and dips to -7.5.
      {"M0 0 C0 10 10 10 10 0 S20 -10 20 0", {21.5, 0}, 7.5, -7.5},
      {"M0 0 Q5 10 10 0 T20 0", {21.5, 0}, 5, -5},
      // Every point of one relative command is relative to the same current point; a smooth
      // curve after a line starts with the current point as its first control point, so it
      // stays above y = 5.
      {"M5 5 c0 10 10 10 10 0 L30 5 s10 10 10 0", {43, 5}, 12.5, 5},
  };
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.Data);
    TRecorder R;
    R.Run(C.Data);
    ASSERT_EQ(R.Drawn.size(), 1u);
    const auto& P = R.Drawn[0].Points.at(0);
    EXPECT_GT(P.size(), 10u);
    EXPECT_EQ(P.back(), C.End);
    auto [Lo, Hi] =
        std::minmax_element(P.begin(), P.end(), [](auto& A, auto& B) { return A.Y < B.Y; });
    EXPECT_NEAR(Hi->Y, C.MaxY, 0.1);
    EXPECT_NEAR(Lo->Y, C.MinY, 0.1);
  }
}

TEST(SvgPath, MalformedDataRaisesAfterDrawingTheCompletedSubpaths) {
  struct TCase {
    const char* Data;
    const char* Message;
    const char* Drawn;
  } Cases[] = {
      {"X0 0", "Unknown first command (X)", ""},
      {"  L0 0", "Unknown first command (L)", ""},
      {"M0,0,L5,5", "Unknown command (,)", ""},
      {"M0 0 L5 5, 6 6", "Unknown command (,)", ""},
      {"M0 0 L5 5 B", "Unknown command (B)", ""},
      {"M0 0 \xE9", "Unknown command (\xC3\xA9)", ""},  // shown as U+00E9
      {"M0 0 Z 5 5", "Unknown command (5)", ""},        // nothing follows a close
      {"M0", "No Data", ""},
      {"M0 0 L", "No Data", ""},
      {"M0 0 L5", "No Data", ""},
      {"M0 0 A5 5 0 1", "No Data", ""},
      {"M0 0 L- 5", "'-' is not a valid floating point value", ""},
      {"M0 0 L1e+ 5", "'1e+' is not a valid floating point value", ""},
      {"M0 0 L5 5.", "'' is not a valid floating point value", ""},
      {"M0 0 L1e999 0", "'1e999' is not a valid floating point value", ""},
      {"M0 0 L.e5 0", "'.e5' is not a valid floating point value", ""},
      // What a move-to completed stays drawn.
      {"M0 0 L10 0 M20 20 L30 20 Q", "No Data", "0,0 11.5,0"},
      {"M0 0 L10 0 m1 1 l1 1 m1 1 L?", "'' is not a valid floating point value",
       "0,0 11.5,0 ; 14,1 16.5,2"},
  };
  for (const TCase& C : Cases) {
    SCOPED_TRACE(C.Data);
    TRecorder R;
    try {
      R.Run(C.Data);
      ADD_FAILURE() << "no exception";
    } catch (const Exception& E) {
      EXPECT_EQ(E.what(), std::string(C.Message));
      bool Grammar = dynamic_cast<const EParserError*>(&E) != nullptr;
      EXPECT_EQ(Grammar, std::string(C.Message).find("floating") == std::string::npos);
    }
    EXPECT_EQ(Describe(R.Drawn), C.Drawn);
    // The dropped subpath does not come back with the next path.
    R.Drawn.clear();
    R.Run("M1 1 L2 2");
    EXPECT_EQ(Describe(R.Drawn), "1,1 3.5,2");
  }
}

namespace {

struct TSurface {
  TBitmap32 B;
  explicit TSurface(int W = 40, int H = 40) { B.SetSize(W, H); }
  TColor32 At(int X, int Y) const { return B.Pixel(X, Y); }
};

// A square from (5, 5) to (31.5, 30) with the 1.5 offset of later points.
const char* const Square = "M5 5 L30 5 L30 30 L5 30 Z";

}  // namespace

TEST(SvgPathRenderer, FillsAndStrokesWithTheirColours) {
  TSurface S;
  TQvSVGPathRenderer R(&S.B);
  EXPECT_EQ(R.FillColor(), 0xFFFFFF);
  EXPECT_EQ(R.StrokeColor(), 0xFF0000);
  R.SetStrokeWidth(2);
  R.SetAlpha(128);
  R.SetPath(Square);
  // White at alpha 128 over transparent black; the blend rule weighs alpha like a colour.
  EXPECT_EQ(S.At(18, 18), 0x40808080u);
  EXPECT_EQ(S.At(18, 4), 0xFF0000FFu);  // the outline stays opaque: pure blue
  EXPECT_EQ(S.At(18, 5), 0xFF0000FFu);
  EXPECT_EQ(S.At(2, 2), 0u);
  EXPECT_EQ(S.At(35, 18), 0u);

  // The same text again draws nothing.
  S.B.Clear(0);
  R.SetPath(Square);
  EXPECT_EQ(S.At(18, 4), 0u);
}

TEST(SvgPathRenderer, ColorsChooseFillAndOutline) {
  TSurface S;
  TQvSVGPathRenderer R(&S.B);
  R.SetColors({pcStroke});
  R.SetPath(Square);
  EXPECT_EQ(S.At(18, 18), 0u);
  EXPECT_NE(S.At(18, 5), 0u);

  TSurface Empty;
  TQvSVGPathRenderer None(&Empty.B);
  None.SetColors({});
  None.SetPath(Square);
  for (int Y = 0; Y < 40; ++Y)
    for (int X = 0; X < 40; ++X) ASSERT_EQ(Empty.At(X, Y), 0u);
  EXPECT_THROW(None.SetPath("X"), EParserError);  // still parsed
}

TEST(SvgPathRenderer, RefreshReplacesItsBrushes) {
  TSurface S;
  TQvSVGPathRenderer R(&S.B);
  R.SetColors({pcFill});
  R.SetFillColor(clRed);
  R.SetAlpha(128);
  R.SetPath(Square);
  S.B.Clear(0);
  R.SetFillColor(clLime);
  R.Refresh();
  EXPECT_EQ(R.Canvas().Brushes().Count(), 1);
  EXPECT_EQ(S.At(18, 18), 0x40008000u);  // no red underneath
}

TEST(SvgPathRenderer, CoverageMatchesTheArea) {
  // 10.5 × 7.25 pixels at fractional edges: the alpha sum is the area.
  TSurface S(20, 20);
  TQvSVGPathRenderer R(&S.B);
  R.SetColors({pcFill});
  R.SetPath("M2 3 h10.5 v7.25 h-10.5 z");
  double Sum = 0;
  for (int Y = 0; Y < 20; ++Y)
    for (int X = 0; X < 20; ++X) Sum += AlphaComponent(S.At(X, Y)) / 255.0;
  EXPECT_NEAR(Sum, 10.5 * 7.25, 0.5);
  EXPECT_EQ(S.At(2, 5), 0xFFFFFFFFu);
  EXPECT_EQ(AlphaComponent(S.At(12, 5)), 128);  // the half-covered right column
}

TEST(Canvas32, StrokesOfOppositeDirectionsAddUp) {
  // One square traced both ways: the two rings must not cancel where they overlap.
  TSurface S;
  TCanvas32 C(&S.B);
  auto* Stroke = C.Brushes().Add<TStrokeBrush>();
  Stroke->SetFillColor(clBlue32);
  Stroke->SetStrokeWidth(4);
  Stroke->SetFillMode(pfNonZero);
  C.BeginPath();
  C.MoveTo({10, 10}), C.LineTo({30, 10}), C.LineTo({30, 30}), C.LineTo({10, 30}), C.ClosePath();
  C.MoveTo({10, 10}), C.LineTo({10, 30}), C.LineTo({30, 30}), C.LineTo({30, 10}), C.ClosePath();
  C.EndPath();
  EXPECT_EQ(S.At(20, 10), clBlue32);
  EXPECT_EQ(S.At(10, 20), clBlue32);
  EXPECT_EQ(S.At(20, 20), 0u);

  // The library's own stroke brush draws nothing.
  TSurface T;
  TCanvas32 D(&T.B);
  D.Brushes().Add<TQvStrokeBrush>()->SetFillColor(clBlue32);
  D.Polygon({{5, 5}, {30, 5}, {30, 30}});
  EXPECT_EQ(T.At(25, 10), 0u);
}

TEST(QvBrushPen, DefaultsChangesAndStreaming) {
  TQvPen Pen;
  EXPECT_EQ(Pen.Color(), 0x8B6366);
  EXPECT_TRUE(Pen.Visible());
  EXPECT_EQ(Pen.Width(), 1);
  int Changes = 0;
  Pen.SetOnChanged([&](TObject*) { ++Changes; });
  Pen.SetWidth(1);
  Pen.SetColor(0x8B6366);
  EXPECT_EQ(Changes, 0);  // same values: no notification
  Pen.SetWidth(3);
  Pen.SetStyle(TQvPenStyle::psDash);
  Pen.SetVisible(false);
  Pen.SetColor(clRed);
  EXPECT_EQ(Changes, 4);

  TPropList Props;
  TPropertyWriter W(Props);
  Pen.WriteProperties(W);
  TQvPen Copy;
  ReadProperties(Copy, Props, L"Pen");
  EXPECT_EQ(Copy.Width(), 3);
  EXPECT_EQ(Copy.Style(), TQvPenStyle::psDash);
  EXPECT_FALSE(Copy.Visible());
  EXPECT_EQ(Copy.Color(), clRed);

  TQvPen Other;
  int OtherChanges = 0;
  Other.SetOnChanged([&](TObject*) { ++OtherChanges; });
  Other.Assign(&Pen);
  EXPECT_EQ(OtherChanges, 1);
  EXPECT_EQ(Other.Width(), 3);
  TQvBrush Brush;
  Brush.Assign(&Pen);  // a pen's brush part
  EXPECT_EQ(Brush.Color(), clRed);
}

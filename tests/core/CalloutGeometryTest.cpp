#include <gtest/gtest.h>

#include "controls/QvSkinCalloutGeometry.h"
#include "raster/Bitmap32.h"

using namespace qv;

TEST(CalloutGeometry, PointerBaseBodyAndClientArea) {
  struct Base {
    int Side, Width, Offset, Expected;
  } Bases[] = {{120, 22, 0, 49}, {121, 22, 0, 49}, {120, 22, 10, 10}, {300, 22, 10, 10}};
  for (const Base& B : Bases)
    EXPECT_EQ(CalloutBaseStart(B.Side, B.Width, B.Offset), B.Expected) << B.Side << "/" << B.Offset;

  struct Side {
    TQvCalloutPosition Position;
    TRect Body, Client;
  } Sides[] = {
      {cpTop, {0, 11, 120, 120}, {1, 12, 119, 119}},
      {cpLeft, {11, 0, 120, 120}, {12, 1, 119, 119}},
      {cpBottom, {0, 0, 120, 109}, {1, 1, 119, 108}},
      {cpRight, {0, 0, 109, 120}, {1, 1, 108, 119}},
  };
  for (const Side& S : Sides) {
    EXPECT_EQ(CalloutBodyRect(S.Position, 11, 120, 120), S.Body) << S.Position;
    TRect Client = Rect(1, 1, 119, 119);  // inside the single border line
    CalloutClientRect(S.Position, 11, Client);
    EXPECT_EQ(Client, S.Client) << S.Position;
  }
}

TEST(CalloutGeometry, PointerTriangleOnEachSide) {
  struct Case {
    TQvCalloutPosition Position;
    int W, H, Offset;
    TArrayOfFloatPoint Triangle;
    TCalloutLine Before;  // the straight line up to the pointer's base
  } Cases[] = {
      {cpTop, 120, 120, 0, {{60, 0}, {49, 11}, {71, 11}}, {0, 11, 49, 11}},
      {cpLeft, 120, 120, 0, {{0, 60}, {11, 49}, {11, 71}}, {11, 0, 11, 49}},
      {cpLeft, 120, 300, 10, {{0, 21}, {11, 10}, {11, 32}}, {11, 0, 11, 10}},
      {cpRight, 120, 120, 0, {{119, 60}, {108, 49}, {108, 71}}, {108, 0, 108, 49}},
      {cpBottom, 120, 120, 0, {{60, 119}, {49, 108}, {71, 108}}, {0, 108, 49, 108}},
  };
  for (const Case& C : Cases) {
    const TCalloutOutline O = CalloutOutline(C.Position, C.W, C.H, 11, 22, C.Offset);
    EXPECT_EQ(O.Triangle, C.Triangle) << C.Position;
    EXPECT_NE(std::find(O.Lines.begin(), O.Lines.end(), C.Before), O.Lines.end()) << C.Position;
    EXPECT_EQ(O.Lines.size(), 5u);  // three plain sides and two pieces on the pointer's
    EXPECT_EQ(O.PointerLines.size(), 2u);
  }
}

TEST(CalloutGeometry, OutlinePaintsExactPixels) {
  const TColor32 White = Color32(255, 255, 255), Line = Color32(186, 203, 217),
                 Fill = Color32(30, 60, 200);
  struct Probe {
    int X, Y;
    TColor32 Expected;
  };
  struct Case {
    TQvCalloutPosition Position;
    uint8_t FillAlpha;
    std::vector<Probe> Probes;
  } Cases[] = {
      {cpTop,
       255,
       {{20, 11, Line},
        {100, 11, Line},
        {20, 5, White},
        {60, 7, Fill},
        {0, 60, Line},
        {119, 60, Line},
        {60, 119, Line},
        {0, 5, White}}},
      // A clear fill leaves only the outline.
      {cpTop, 0, {{60, 7, White}, {20, 11, Line}}},
      {cpLeft, 255, {{11, 20, Line}, {5, 20, White}, {7, 60, Fill}, {60, 0, Line}, {5, 0, White}}},
      {cpBottom, 255, {{20, 108, Line}, {20, 114, White}, {60, 112, Fill}, {60, 0, Line}}},
      {cpRight, 255, {{108, 20, Line}, {114, 20, White}, {112, 60, Fill}, {0, 60, Line}}},
  };
  for (const Case& C : Cases) {
    TBitmap32 B;
    B.SetSize(120, 120);
    B.Clear(White);
    PaintCalloutOutline(&B, CalloutOutline(C.Position, 120, 120, 11, 22, 0), Line,
                        SetAlpha(Fill, C.FillAlpha));
    for (const Probe& P : C.Probes)
      EXPECT_EQ(B.Pixel(P.X, P.Y), P.Expected)
          << C.Position << " alpha " << int(C.FillAlpha) << " at " << P.X << "," << P.Y;
  }
}

TEST(CalloutGeometry, MarkerIsANineteenPixelBadge) {
  const TColor32 White = Color32(255, 255, 255), Brush = Color32(0x1C, 0x7E, 0xFB);
  struct Case {
    int Round;
    bool Filled, Outlined;
    TColor32 Centre, Corner;
  } Cases[] = {
      {0, true, true, Brush, White},
      {0, false, true, White, White},
      {0, true, false, Brush, White},
      {12, true, false, Brush, White},
  };
  for (const Case& C : Cases) {
    TBitmap32 B;
    B.SetSize(21, 21);
    B.Clear(White);
    PaintMarkerShape(&B, 1, 1, 19, 19, C.Round, C.Filled, Brush, C.Outlined, Color32(0, 0, 0));
    EXPECT_EQ(B.Pixel(10, 10), C.Centre) << C.Round;
    EXPECT_EQ(B.Pixel(0, 0), C.Corner) << C.Round;
    if (C.Round == 0) {
      EXPECT_EQ(B.Pixel(1, 1), White);  // outside the circle
    }
    // The outline darkens the top of the ring and reaches half a pixel outside the box;
    // the fill stays inside it.
    if (C.Outlined) {
      EXPECT_NE(B.Pixel(10, 1), White);
    } else {
      for (int I = 0; I < 21; ++I) EXPECT_EQ(B.Pixel(I, 20), White) << I;
    }
  }
}

// The alpha form's resize zones and the edge-docking arithmetic.
#include <gtest/gtest.h>

#include "forms/QvAlphaFormGeometry.h"
#include "forms/QvEdgeDockGeometry.h"

using namespace qv;

namespace {

TEST(AlphaFormGeometry, HitTestZonesOfA300x200Form) {
  struct {
    TPoint P;
    int Code;
  } const Cases[] = {
      {{5, 5}, 13},     {{0, 0}, 13},    {{10, 0}, 12},    {{289, 9}, 12},   {{290, 0}, 14},
      {{295, 5}, 14},   {{299, 10}, 11}, {{295, 189}, 11}, {{290, 190}, 17}, {{299, 199}, 17},
      {{150, 195}, 15}, {{10, 190}, 15}, {{9, 190}, 16},   {{0, 199}, 16},   {{0, 10}, 10},
      {{9, 189}, 10},   {{150, 100}, 0}, {{10, 10}, 0},    {{289, 189}, 0},  {{300, 100}, 0},
      {{-1, 5}, 0},     {{150, 200}, 0},
  };
  for (const auto& C : Cases)
    EXPECT_EQ(QvAlphaFormHitTest(C.P, 300, 200, 10), C.Code) << C.P.X << "," << C.P.Y;
}

TEST(AlphaFormGeometry, ZeroWidthZonesTakeNothing) {
  EXPECT_EQ(QvAlphaFormHitTest({0, 0}, 300, 200, 0), 0);
  EXPECT_EQ(QvAlphaFormHitTest({299, 199}, 300, 200, 0), 0);
}

struct TDockCase {
  const char* Name;
  TAnchors Anchors;
  TRect Moving;
  int CurrentLeft;
  TRect Aligned;
  TAnchors Touched;
};

TEST(EdgeDockGeometry, KeepsTheDraggedFormInsideAndNotesTheEdges) {
  // A 200 x 100 form on a 1000 x 700 work area.
  const TDockCase Cases[] = {
      {"above the top", {akTop}, Rect(300, -40, 500, 60), 300, Rect(300, 0, 500, 100), {akTop}},
      {"below the top", {akTop}, Rect(300, 20, 500, 120), 300, Rect(300, 20, 500, 120), {}},
      {"below the bottom", {akTop}, Rect(300, 650, 500, 750), 300, Rect(300, 600, 500, 700), {}},
      {"left of the left",
       {akLeft, akTop},
       Rect(-50, 20, 150, 120),
       10,
       Rect(0, 20, 200, 120),
       {akLeft}},
      {"top-left corner",
       {akLeft, akTop},
       Rect(-50, -5, 150, 95),
       10,
       Rect(0, 0, 200, 100),
       {akLeft}},
      {"right of the right",
       {akRight, akTop},
       Rect(900, 20, 1100, 120),
       790,
       Rect(800, 20, 1000, 120),
       {akRight}},
      {"top edge past the right",
       {akTop},
       Rect(850, -10, 1050, 90),
       850,
       Rect(850, 0, 1050, 100),
       {akTop}},
      {"free in the middle",
       {akLeft, akTop, akRight},
       Rect(300, 20, 500, 120),
       300,
       Rect(300, 20, 500, 120),
       {}},
  };
  for (const TDockCase& C : Cases) {
    TRect R = C.Moving;
    TAnchors Touched = QvDockAlign(R, C.Anchors, 200, 100, 1000, 700, C.CurrentLeft);
    EXPECT_EQ(R, C.Aligned) << C.Name;
    EXPECT_TRUE(Touched == C.Touched) << C.Name;
  }
}

TEST(EdgeDockGeometry, SlidesOutLeavingAStripAndBackUnderTheCursor) {
  struct {
    TAnchors Cur, Anchors;
    bool Over;
    TPoint Expected;
  } const Cases[] = {
      {{akTop}, {akTop}, false, {300, 2 - 100}},
      {{akTop}, {akTop}, true, {300, 0}},
      {{akLeft}, {akLeft, akTop}, false, {2 - 200, 40}},
      {{akLeft}, {akLeft, akTop}, true, {0, 40}},
      {{akRight}, {akRight}, false, {998, 40}},
      {{akRight}, {akRight}, true, {800, 40}},
      // Touched but not allowed: nothing moves.
      {{akLeft}, {akTop}, false, {300, 40}},
  };
  for (const auto& C : Cases)
    EXPECT_EQ(QvDockSlide({300, 40}, C.Cur, C.Anchors, C.Over, 200, 100, 1000), C.Expected);
}

}  // namespace

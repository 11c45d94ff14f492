// Scaling placements between densities: always from the base, so round trips are exact and
// the result at a density does not depend on the path; anchors and alignment on top.
#include <gtest/gtest.h>

#include <vector>

#include "host/Align.h"
#include "host/ControlScale.h"

using namespace qv;

namespace {

struct TPathCase {
  TRect Bounds;
  int BasePPI;
  std::vector<int> Path;  // densities visited in turn; the last is the base's again
};

TEST(ControlScale, EveryPathEndsExactlyWhereItStartedAndEachStopMatchesTheDirectScale) {
  const std::vector<TPathCase> Cases = {
      {Bounds(7, 9, 75, 23), 96, {144, 96}},
      {Bounds(-13, -5, 31, 17), 96, {144, 96}},  // negative positions, odd sizes
      {Bounds(1, 1, 1, 1), 96, {120, 144, 168, 192, 96}},
      {Bounds(333, 77, 101, 3), 96, {192, 120, 96}},
      {Bounds(11, 31, 45, 21), 144, {96, 120, 144}},  // placed by hand at 150 %
      {Bounds(-1, 0, 5, 7), 120, {96, 288, 144, 120}},
  };
  for (const TPathCase& C : Cases) {
    const TScaleBase<TPlacementRule> Base{{C.Bounds, {401, 299}}, C.BasePPI};
    for (int PPI : C.Path) {
      const TPlacementRule R = ScaleRule(Base, PPI);
      EXPECT_EQ(R.Bounds, ScaleEdges(C.Bounds, PPI, C.BasePPI)) << PPI;
      EXPECT_EQ(R.ParentSize, ScaleSize({401, 299}, PPI, C.BasePPI)) << PPI;
    }
    EXPECT_EQ(ScaleRule(Base, C.Path.back()).Bounds, C.Bounds);
    EXPECT_EQ(ScaleRule(Base, C.Path.back()).ParentSize, (TSize{401, 299}));
  }
}

TEST(ControlScale, EdgesRoundHalfAwayFromZeroSoTouchingControlsKeepTouching) {
  struct {
    TRect In;
    int NewPPI;
    TRect Out;
  } Cases[] = {
      {Bounds(1, 3, 1, 3), 144, Rect(2, 5, 3, 9)},          // 1.5 -> 2, 4.5 -> 5, 9
      {Bounds(-1, -3, 1, 3), 144, Rect(-2, -5, 0, 0)},      // -1.5 -> -2, -4.5 -> -5
      {Bounds(10, 10, 21, 21), 120, Rect(13, 13, 39, 39)},  // 12.5 -> 13, 38.75 -> 39
      {Bounds(3, 3, 3, 3), 72, Rect(2, 2, 5, 5)},           // 2.25 -> 2, 4.5 -> 5
  };
  for (const auto& C : Cases) EXPECT_EQ(ScaleEdges(C.In, C.NewPPI, 96), C.Out);
  // Two neighbours share an edge before and after.
  const TRect A = ScaleEdges(Bounds(0, 0, 33, 10), 144, 96);
  const TRect B = ScaleEdges(Bounds(33, 0, 33, 10), 144, 96);
  EXPECT_EQ(A.Right, B.Left);
}

TEST(ControlScale, LimitsAndFontHeightsScaleFromTheirBaseAndZeroMeansNoLimit) {
  const TScaleBase<TSizeLimits> Limits{{0, 21, 301, 0}, 96};
  EXPECT_EQ(ScaleLimits(Limits, 144), (TSizeLimits{0, 32, 452, 0}));
  EXPECT_EQ(ScaleLimits({ScaleLimits(Limits, 144), 144}, 96), Limits.Value);
  EXPECT_EQ(ScaleLimits(Limits, 96), Limits.Value);
  struct {
    int Height, PPI, Out;
  } Fonts[] = {{-11, 144, -17}, {-11, 120, -14}, {-13, 120, -16}, {-11, 192, -22}, {16, 144, 24}};
  for (const auto& F : Fonts) {
    const TScaleBase<int> Base{F.Height, 96};
    EXPECT_EQ(ScaleFontHeight(Base, F.PPI), F.Out) << F.Height << "@" << F.PPI;
    EXPECT_EQ(ScaleFontHeight(Base, 96), F.Height);
  }
}

// What a parent does with the scaled rule: anchors against its real client size, which is
// not an exact multiple when its frame lines are not scaled.
TRect PlaceAnchored(const TScaleBase<TPlacementRule>& Base, int PPI, TSize Client,
                    TAnchors Anchors) {
  const TPlacementRule R = ScaleRule(Base, PPI);
  return AnchoredBounds(R.Bounds, R.ParentSize, Client, Anchors);
}

TEST(ControlScale, AnchoredChildrenFollowTheRealClientAndReturnExactly) {
  const TSize Client96{400, 300}, Client144{602, 451};  // two unscaled pixels more
  struct {
    TAnchors Anchors;
    TRect Bounds;
    TRect At144;
  } Cases[] = {
      {{akLeft, akTop}, Bounds(9, 7, 81, 23), Rect(14, 11, 135, 45)},
      {{akRight, akTop}, Bounds(301, 7, 81, 23), Rect(454, 11, 575, 45)},
      {{akLeft, akTop, akRight}, Bounds(9, 7, 381, 23), Rect(14, 11, 587, 45)},
      {{akLeft, akBottom}, Bounds(9, 263, 81, 23), Rect(14, 396, 135, 430)},
      {{akLeft, akTop, akRight, akBottom}, Bounds(-5, -3, 411, 307), Rect(-8, -5, 611, 457)},
      {{}, Bounds(101, 51, 199, 99), Rect(153, 77, 451, 225)},  // neither side: centre kept
  };
  for (const auto& C : Cases) {
    const TScaleBase<TPlacementRule> Base{{C.Bounds, Client96}, 96};
    EXPECT_EQ(PlaceAnchored(Base, 144, Client144, C.Anchors), C.At144);
    EXPECT_EQ(PlaceAnchored(Base, 96, Client96, C.Anchors), C.Bounds);
  }
}

TEST(ControlScale, AlignedChildrenTakeTheirScaledSideAndReturnExactly) {
  // A top bar 21 high, a left column 75 wide, a client filling the rest.
  const std::vector<TScaleBase<TPlacementRule>> Bases = {
      {{Bounds(0, 0, 10, 21), {400, 300}}, 96},
      {{Bounds(0, 0, 75, 10), {400, 300}}, 96},
      {{Bounds(0, 0, 10, 10), {400, 300}}, 96},
  };
  auto Arrange = [&](int PPI, TRect Space) {
    std::vector<TAlignEntry> Entries = {{alTop, ScaleRule(Bases[0], PPI).Bounds},
                                        {alLeft, ScaleRule(Bases[1], PPI).Bounds},
                                        {alClient, ScaleRule(Bases[2], PPI).Bounds}};
    std::vector<TRect> Out(Entries.size());
    ArrangeAligned(Entries, Space, [&](size_t I, const TRect& R) { return Out[I] = R; });
    return Out;
  };
  const std::vector<TRect> At96 = Arrange(96, Rect(0, 0, 400, 300));
  const std::vector<TRect> At144 = Arrange(144, Rect(0, 0, 602, 451));
  EXPECT_EQ(At144[0], Rect(0, 0, 602, 32));    // 21 -> 31.5 -> 32
  EXPECT_EQ(At144[1], Rect(0, 32, 113, 451));  // 75 -> 112.5 -> 113
  EXPECT_EQ(At144[2], Rect(113, 32, 602, 451));
  EXPECT_EQ(At96[0], Rect(0, 0, 400, 21));
  EXPECT_EQ(At96[1], Rect(0, 21, 75, 300));
}

}  // namespace

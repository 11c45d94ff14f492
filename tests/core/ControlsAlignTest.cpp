// Layout rules of aligned and anchored children, as plain rectangle functions.
#include <gtest/gtest.h>

#include "host/Align.h"

using namespace qv;

namespace {

std::vector<TRect> Arrange(std::vector<TAlignEntry> Entries, TRect& Space,
                           std::function<TRect(const TRect&)> Limit = nullptr) {
  std::vector<TRect> Result;
  for (auto& E : Entries) Result.push_back(E.Bounds);
  ArrangeAligned(Entries, Space, [&](size_t I, const TRect& R) {
    Result[I] = Limit ? Limit(R) : R;
    return Result[I];
  });
  return Result;
}

TEST(ControlsAlign, SidesFillInOrderTopBottomLeftRightClient) {
  // Given in an order that differs from the one they are placed in.
  TRect Space = Rect(0, 0, 400, 300);
  auto R = Arrange({{alClient, Bounds(0, 0, 10, 10)},
                    {alRight, Bounds(0, 0, 60, 10)},
                    {alLeft, Bounds(0, 0, 50, 10)},
                    {alBottom, Bounds(0, 0, 10, 20)},
                    {alTop, Bounds(0, 0, 10, 30)}},
                   Space);
  EXPECT_EQ(R[4], Bounds(0, 0, 400, 30));     // top: full width
  EXPECT_EQ(R[3], Bounds(0, 280, 400, 20));   // bottom: full width
  EXPECT_EQ(R[2], Bounds(0, 30, 50, 250));    // left: between top and bottom
  EXPECT_EQ(R[1], Bounds(340, 30, 60, 250));  // right
  EXPECT_EQ(R[0], Bounds(50, 30, 290, 250));  // client: the rest
  EXPECT_EQ(Space, Rect(50, 30, 340, 280));
}

TEST(ControlsAlign, SameSideStacksByPositionAndTheMovedControlWinsTies) {
  TRect Space = Rect(0, 0, 100, 100);
  auto R = Arrange({{alTop, Bounds(0, 50, 10, 10)}, {alTop, Bounds(0, 5, 10, 20)}}, Space);
  EXPECT_EQ(R[1], Bounds(0, 0, 100, 20));  // the upper one first
  EXPECT_EQ(R[0], Bounds(0, 20, 100, 10));
  Space = Rect(0, 0, 100, 100);
  R = Arrange({{alBottom, Bounds(0, 0, 10, 10)}, {alBottom, Bounds(0, 80, 10, 20)}}, Space);
  EXPECT_EQ(R[1], Bounds(0, 80, 100, 20));  // the lower one sits at the bottom
  EXPECT_EQ(R[0], Bounds(0, 70, 100, 10));
  Space = Rect(0, 0, 100, 100);
  R = Arrange({{alLeft, Bounds(0, 0, 10, 10)}, {alLeft, Bounds(0, 0, 20, 10), true}}, Space);
  EXPECT_EQ(R[1], Bounds(0, 0, 20, 100));
  EXPECT_EQ(R[0], Bounds(20, 0, 10, 100));
}

TEST(ControlsAlign, SpaceTakenFollowsTheSizeTheChildAccepted) {
  TRect Space = Rect(0, 0, 100, 100);
  // A child that will not be lower than 40 takes 40.
  auto R = Arrange(
      {{alTop, Bounds(0, 0, 10, 10)}, {alClient, Bounds(0, 0, 1, 1)}}, Space,
      [](const TRect& P) { return P.Height() < 40 ? Bounds(P.Left, P.Top, P.Width(), 40) : P; });
  EXPECT_EQ(R[0].Height(), 40);
  EXPECT_EQ(R[1], Bounds(0, 40, 100, 60));
}

TEST(ControlsAlign, OverfullSpaceNeverYieldsNegativeSizes) {
  TRect Space = Rect(0, 0, 50, 50);
  auto R = Arrange({{alLeft, Bounds(0, 0, 40, 10)},
                    {alRight, Bounds(0, 0, 40, 10)},
                    {alClient, Bounds(0, 0, 1, 1)}},
                   Space);
  EXPECT_GE(R[2].Width(), 0);
  EXPECT_GE(R[2].Height(), 0);
}

TEST(ControlsAlign, AnchorsFollowTheParentsChange) {
  const TRect Orig = Bounds(10, 20, 30, 40);
  const TSize Old{200, 100}, New{260, 150};  // +60 wide, +50 high
  struct {
    TAnchors Anchors;
    TRect Expected;
  } Cases[] = {
      {{akLeft, akTop}, Bounds(10, 20, 30, 40)},
      {{akRight, akBottom}, Bounds(70, 70, 30, 40)},
      {{akLeft, akTop, akRight, akBottom}, Bounds(10, 20, 90, 90)},
      {{akTop}, Bounds(17, 20, 30, 40)},            // centre 25 of 200 -> 32.5 of 260: left 17
      {{akLeft, akRight}, Bounds(10, 40, 90, 40)},  // vertically free: centre 40 -> 60
  };
  for (auto& C : Cases) EXPECT_EQ(AnchoredBounds(Orig, Old, New, C.Anchors), C.Expected);
  // Shrinking a stretched child below nothing keeps it at zero.
  EXPECT_EQ(AnchoredBounds(Orig, Old, {0, 0}, {akLeft, akTop, akRight, akBottom}).Width(), 0);
}

}  // namespace

// The time box on a real form: picking a number by mouse and by keys reports it once and
// hides the box; the cross, Escape and the empty hour cell pick nothing.
#include "SkinControlsTestSupport.h"
#include "controls/QvSkinTimeBox.h"

using namespace qv;
using qvtest::Click;
using qvtest::MoveMouse;
using qvtest::PressKey;
using qvtest::Rgb;

namespace {

class TimeBox : public qvtest::SkinFormTest {
 protected:
  TQvSkinTimeBox* NewBox(TQvBoxKind Kind, int W, int H) {
    auto* B = Add<TQvSkinTimeBox>(Form.get(), 5, 5, W, H);
    B->SetKind(Kind);
    B->OnCellClick = [this](TObject*, TQvNumCell& Cell) { Picked.push_back(Cell.Num); };
    return B;
  }
  static TPoint Centre(TQvSkinTimeBox* B, const TRect& R) {
    return B->ClientToScreen(TPoint(R.Left + R.Width() / 2, R.Top + R.Height() / 2));
  }
  std::vector<int> Picked;
};

TEST_F(TimeBox, ClicksPickANumberAndHideTheBox) {
  auto* B = NewBox(bkMinute, 232, 164);
  B->SetFocusNum(30);
  ShowForm();
  Redraw(B);
  const TQvTimeBoxGrid& G = B->Grid();
  const TRect Focus = G.CellOfNum(30)->Rect;
  EXPECT_EQ(Rgb(*B->Buffer(), Focus.Left + 1, Focus.Top + 1), 0xE3E3E3u);
  EXPECT_EQ(Rgb(*B->Buffer(), 50, 5), 0xF6F6F6u) << "title";
  EXPECT_EQ(Rgb(*B->Buffer(), 50, 23), 0xC6C6C6u) << "title separator";
  // Hover, then a click on 47.
  const TPoint P = Centre(B, G.CellOfNum(47)->Rect);
  MoveMouse(P.X, P.Y);
  ASSERT_NE(B->HotCell(), nullptr);
  EXPECT_EQ(B->HotCell()->Num, 47);
  Click(P.X, P.Y);
  EXPECT_EQ(Picked, (std::vector<int>{47}));
  EXPECT_EQ(B->FocusNum(), 47);
  EXPECT_FALSE(B->Visible());
  // The cross hides without a choice; a hot cross is drawn larger.
  B->SetVisible(true);
  qvtest::PumpIdle();
  const TPoint X = Centre(B, B->GetCloseBtnRect());
  MoveMouse(X.X, X.Y);
  EXPECT_TRUE(B->HotCloseBtn());
  Click(X.X, X.Y);
  EXPECT_FALSE(B->Visible());
  EXPECT_EQ(Picked.size(), 1u);
}

TEST_F(TimeBox, HourGridLeavesTheLastCellEmpty) {
  auto* B = NewBox(bkHour, 127, 125);
  B->SetFocusNum(30);  // beyond the hours: shown as 0
  ShowForm();
  Redraw(B);
  EXPECT_EQ(B->FocusNum(), 0);
  const TQvTimeBoxGrid& G = B->Grid();
  EXPECT_FALSE(G.Cell(4, 4).Enabled);
  // Where the 25th cell would be: nothing happens, the box stays.
  const TRect Last = G.CellOfNum(23)->Rect;
  const TPoint Empty = B->ClientToScreen(TPoint(Last.Right + 10, Last.Top + 5));
  Click(Empty.X, Empty.Y);
  EXPECT_TRUE(B->Visible());
  EXPECT_TRUE(Picked.empty());
  // White where the empty cell would be: nothing was drawn there.
  EXPECT_EQ(Rgb(*B->Buffer(), Last.Right + 10, Last.Top + 5), 0xFFFFFFu);
  const TPoint Nine = Centre(B, G.CellOfNum(9)->Rect);
  Click(Nine.X, Nine.Y);
  EXPECT_EQ(Picked, (std::vector<int>{9}));
}

TEST_F(TimeBox, KeysMoveAndPick) {
  auto* B = NewBox(bkSecond, 232, 164);
  ShowForm();
  B->SetFocus();
  ASSERT_TRUE(qvtest::PumpUntil([B] { return B->Focused(); }));
  const struct {
    WORD Key;
    int Expected;
  } Steps[] = {
      {VK_RIGHT, 1}, {VK_DOWN, 11}, {VK_LEFT, 10}, {VK_UP, 0},    {VK_UP, 0},
      {VK_END, 59},  {VK_DOWN, 59}, {VK_HOME, 0},  {VK_DOWN, 10},
  };
  for (const auto& S : Steps) {
    PressKey(S.Key);
    EXPECT_EQ(B->FocusNum(), S.Expected) << "key " << S.Key;
  }
  EXPECT_TRUE(Picked.empty());
  PressKey(VK_RETURN);
  EXPECT_EQ(Picked, (std::vector<int>{10}));
  EXPECT_FALSE(B->Visible());
  B->SetVisible(true);
  B->SetFocus();
  ASSERT_TRUE(qvtest::PumpUntil([B] { return B->Focused(); }));
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(B->Visible());
  EXPECT_EQ(Picked.size(), 1u);
}

}  // namespace

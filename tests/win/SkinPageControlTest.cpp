// The skinned page control under real input: clicking tabs with and without a veto,
// Ctrl+Tab, the hot tab, the shifted strip, hiding the strip, the sheets' wash, and bad
// input.
#include <algorithm>

#include "LeakProbe.h"
#include "SkinControlsTestSupport.h"
#include "controls/QvSkinPageControl.h"
#include "forms/QvSkinHelper.h"

using namespace qv;
using namespace qvtest;

namespace {

class SkinPageControlTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    Pages = Add<TQvSkinPageControl>(Form.get(), 10, 10, 301, 200);
    for (const wchar_t* C : {L"One", L"Two", L"Three"}) {
      auto* S = new TQvSkinTabSheet(Form.get());
      S->SetCaption(C);
      S->SetPageControl(Pages);
      Sheets.push_back(S);
    }
    Pages->OnChange = [this](TObject*) { ++Changes; };
  }
  TPoint TabCentre(int Index) const {
    const TRect R = Pages->GetItemRect(Index);
    return Pages->ClientToScreen({(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2});
  }
  void ClickTab(int Index) {
    const TPoint P = TabCentre(Index);
    Click(P.X, P.Y);
  }
  TQvSkinPageControl* Pages = nullptr;
  std::vector<TQvSkinTabSheet*> Sheets;
  int Changes = 0;
};

}  // namespace

TEST_F(SkinPageControlTest, ClickingTabsAndAVeto) {
  ShowForm();
  ASSERT_EQ(Pages->ActivePage(), Sheets[0]);
  EXPECT_TRUE(Sheets[0]->Visible());
  ClickTab(2);
  EXPECT_EQ(Pages->ActivePage(), Sheets[2]);
  EXPECT_TRUE(Sheets[2]->Visible());
  EXPECT_FALSE(Sheets[0]->Visible());
  EXPECT_EQ(Changes, 1);

  TQvSkinTabSheet* Asked = nullptr;
  Pages->OnQvTabChanging = [&](TObject*, TQvSkinTabSheet* Sheet, bool& Allow) {
    Asked = Sheet;
    Allow = false;
  };
  ClickTab(1);
  EXPECT_EQ(Asked, Sheets[1]);
  EXPECT_EQ(Pages->ActivePage(), Sheets[2]) << "the veto keeps the page";
  EXPECT_EQ(Changes, 1);

  // Ctrl+Tab still cycles, forwards with wrapping and backwards with Shift.
  Pages->SetFocus();
  PumpIdle();
  PressKey(VK_TAB, {VK_CONTROL});
  EXPECT_EQ(Pages->ActivePage(), Sheets[0]);
  PressKey(VK_TAB, {VK_CONTROL, VK_SHIFT});
  EXPECT_EQ(Pages->ActivePage(), Sheets[2]);
  Sheets[0]->SetTabVisible(false);
  PressKey(VK_TAB, {VK_CONTROL});
  EXPECT_EQ(Pages->ActivePage(), Sheets[1]) << "a hidden tab is skipped";
}

TEST_F(SkinPageControlTest, AutoSizedShiftedAndHotTabs) {
  Pages->SetTabWidthAutoSize(true);
  ShowForm();
  const struct {
    int Index;
    TRect Expected;
  } Auto[] = {{0, Rect(0, 0, 99, 26)}, {1, Rect(99, 0, 198, 26)}, {2, Rect(198, 0, 301, 26)}};
  for (auto C : Auto) EXPECT_EQ(Pages->GetItemRect(C.Index), C.Expected) << C.Index;

  // The shifted strip is drawn and hit where it shows.
  Pages->TabsOffset()->SetX(10);
  Pages->TabsOffset()->SetY(5);
  EXPECT_EQ(Pages->GetItemRect(0), Rect(10, 5, 109, 31));
  const TPoint P = Pages->ClientToScreen({105, 28});
  Click(P.X, P.Y);
  EXPECT_EQ(Pages->ActivePage(), Sheets[0]);
  const TPoint Q = Pages->ClientToScreen({200, 20});  // far enough for no double click
  Click(Q.X, Q.Y);
  EXPECT_EQ(Pages->ActivePage(), Sheets[1]);

  // Hovering an unselected tab makes it hot; leaving clears it.
  const TPoint H = TabCentre(2);
  MoveMouse(H.X, H.Y);
  EXPECT_EQ(Pages->HotTab(), 2);
  MoveMouse(5, 5);
  ASSERT_TRUE(PumpUntil([&] { return Pages->HotTab() == -1; }));
}

TEST_F(SkinPageControlTest, HidingLeftTabsFillsTheControl) {
  Pages->SetTabPosition(tpLeft);
  Pages->SetTabWidth(80);
  ShowForm();
  EXPECT_EQ(Sheets[0]->Left(), 83);
  Pages->HideTabs();
  EXPECT_TRUE(Pages->TabsHidden());
  EXPECT_EQ(Sheets[0]->BoundsRect(), Rect(0, 0, 301, 200));
  EXPECT_EQ(Pages->IndexOfTabAt({5, 5}), -1);
  Pages->ShowTabs();
  EXPECT_EQ(Pages->TabPosition(), tpLeft);
  EXPECT_EQ(Sheets[0]->Left(), 83);
}

TEST_F(SkinPageControlTest, SheetWashesThePictureBehindThePageControl) {
  ShowForm();
  TQvSkinTabSheet* S = Sheets[0];
  Redraw(S);
  // Blue behind, white at 192 over it; the frame on the edge.
  const uint32_t Washed = Rgb(*S->Buffer(), S->Width() / 2, S->Height() / 2);
  EXPECT_NEAR(int(Washed >> 16 & 0xFF), 192, 2);
  EXPECT_EQ(Washed & 0xFF, 0xFFu);
  EXPECT_EQ(Rgb(*S->Buffer(), 0, S->Height() / 2), 0xB6C5CBu);
  S->SetAlpha(255);
  Redraw(S);
  EXPECT_EQ(Rgb(*S->Buffer(), S->Width() / 2, S->Height() / 2), 0xFFFFFFu);
}

TEST_F(SkinPageControlTest, NoPagesAndManyPagesPaint) {
  for (TQvSkinTabSheet* S : Sheets) delete S;
  Sheets.clear();
  ShowForm();
  EXPECT_EQ(Pages->PageCount(), 0);
  EXPECT_EQ(Pages->ActivePage(), nullptr);
  Redraw(Pages);
  Pages->SelectNextPage(true);
  Pages->HideTabs();
  EXPECT_FALSE(Pages->TabsHidden());

  // 500 pages on a control whose form is not shown: the windows cost no time.
  auto* Many = new TQvSkinPageControl(nullptr);
  std::unique_ptr<TQvSkinPageControl> Owned(Many);
  Many->SetBounds(0, 0, 301, 200);
  for (int I = 0; I < 500; ++I) {
    auto* S = new TQvSkinTabSheet(Many);
    S->SetCaption(L"Page");
    S->SetPageControl(Many);
  }
  Many->SetTabWidthAutoSize(true);
  EXPECT_EQ(Many->PageCount(), 500);
  EXPECT_EQ(Many->GetItemRect(499).Right, 301);
  EXPECT_EQ(Many->GetItemRect(0).Width(), 0);
  PaintOffScreen(Many);
  delete Many->Pages(0);
  EXPECT_EQ(Many->ActivePageIndex(), 0);
  EXPECT_EQ(Many->PageCount(), 499);
}

TEST_F(SkinPageControlTest, CaptionLightGlowsInsideTheTabsOnly) {
  ShowForm();
  Redraw(Pages);
  TBitmap32 Plain;
  Plain.Assign(Pages->Buffer());
  Pages->CaptionLight()->SetColor(TColor(0x0000FF));
  Pages->CaptionLight()->SetBlurRadius(3);
  Pages->CaptionLight()->SetActive(true);
  Pages->Invalidate();
  Redraw(Pages);
  const TBitmap32& Lit = *Pages->Buffer();
  std::vector<TRect> Tabs;
  for (int I = 0; I < 3; ++I) Tabs.push_back(Pages->GetItemRect(I));
  int InTabs = 0, Reddish = 0, Elsewhere = 0;
  for (int Y = 0; Y < Lit.Height(); ++Y)
    for (int X = 0; X < Lit.Width(); ++X) {
      const uint32_t A = Rgb(Plain, X, Y), B = Rgb(Lit, X, Y);
      if (A == B) continue;
      const bool InTab = std::any_of(Tabs.begin(), Tabs.end(), [&](const TRect& R) {
        return X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom;
      });
      (InTab ? InTabs : Elsewhere)++;
      if (InTab && (B >> 16 & 0xFF) > (B >> 8 & 0xFF)) ++Reddish;
    }
  EXPECT_GT(InTabs, 0);
  EXPECT_GT(Reddish, 0);
  EXPECT_EQ(Elsewhere, 0);
}

TEST_F(SkinPageControlTest, ControlAndSheetsLiveInTheControlRegistry) {
  TQvWinControlHelper* Registry = TQvWinControlHelperObj();
  ASSERT_TRUE(Registry);
  EXPECT_GE(Registry->IndexOf(Pages), 0);
  for (TQvSkinTabSheet* S : Sheets) EXPECT_GE(Registry->IndexOf(S), 0);
  TQvSkinTabSheet* Last = Sheets.back();
  delete Last;
  Sheets.pop_back();
  EXPECT_EQ(Registry->IndexOf(Last), -1);
  EXPECT_EQ(Pages->PageCount(), 2);
}

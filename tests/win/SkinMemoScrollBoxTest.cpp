// The skinned scroll box: ranges from the children's extent, the bar moving the children,
// and growing the box while scrolled.
#include "SkinControlsTestSupport.h"
#include "controls/QvSkinScrollBox.h"

using namespace qv;
using namespace qvtest;

namespace {

class SkinScrollBoxTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    Box = Add<TQvSkinScrollBox>(Form.get(), 10, 10, 150, 150);
    VBar = Add<TQvSkinScrollBar>(Form.get(), 162, 10, 10, 150);
    VBar->SetKind(sbVertical);
    Top = Add<TQvSkinPanel>(Box, 10, 10, 100, 40);
    Bottom = Add<TQvSkinPanel>(Box, 10, 260, 100, 40);  // ends at 300
    Box->SetVScrollBar(VBar);
  }
  TQvSkinScrollBox* Box = nullptr;
  TQvSkinScrollBar* VBar = nullptr;
  TQvSkinPanel* Top = nullptr;
  TQvSkinPanel* Bottom = nullptr;
};

}  // namespace

TEST_F(SkinScrollBoxTest, ChildrenBeyondTheBoxGiveTheBarItsRange) {
  ShowForm();
  EXPECT_TRUE(VBar->Visible());
  EXPECT_EQ(VBar->Min(), 0);
  EXPECT_EQ(VBar->Max(), 299);
  EXPECT_EQ(VBar->PageSize(), 150);
  EXPECT_FALSE(VBar->CanFocused());
  VBar->SetPosition(50);
  PumpIdle();
  EXPECT_EQ(Top->Top(), -40);
  EXPECT_EQ(Bottom->Top(), 210);
  // Growing the box while scrolled brings the children back and hides the bar.
  Box->SetHeight(400);
  PumpIdle();
  EXPECT_EQ(Top->Top(), 10);
  EXPECT_EQ(Bottom->Top(), 260);
  EXPECT_FALSE(VBar->Visible());
  EXPECT_EQ(VBar->Max(), 0);
}

TEST_F(SkinScrollBoxTest, ScrollingIntoViewAndTheLastPage) {
  ShowForm();
  Box->ScrollToControl(Bottom);
  PumpIdle();
  EXPECT_EQ(Bottom->Top() + Bottom->Height(), 150);
  EXPECT_EQ(VBar->Position(), 150);
  Box->VScroll(1000);  // no further than the last page
  EXPECT_EQ(VBar->Position(), 150);
  Box->ScrollToControl(Top);
  EXPECT_EQ(Top->Top(), 0);
  // Hiding the box hides its bar.
  Box->SetVisible(false);
  EXPECT_FALSE(VBar->Visible());
}

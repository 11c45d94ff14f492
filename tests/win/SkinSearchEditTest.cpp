// The search edit with real input: typing opens the filtered list under the edit without
// taking the focus, Down/Up walk it copying the row into the edit, Enter accepts, an
// outside click closes, the list's height follows its rows, and no items means no list.
#include "SkinEditTestSupport.h"
#include "controls/QvLikeMenuDlg.h"
#include "controls/QvSkinSearchEdit.h"

using namespace qv;
using qvtest::Click;
using qvtest::MoveMouse;
using qvtest::PressKey;
using qvtest::PumpIdle;
using qvtest::PumpUntil;

namespace {

class SkinSearchEdit : public qvtest::SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    Edit = Add<TQvSkinSearchEdit>(Form.get(), 20, 20, 200, 26);
    Edit->Items()->SetText(
        L"Apple\nApricot\nBanana\nGrape\nPapaya\nPear\nPeach\nPlum\nLime\nLemon");
    Edit->OnCloseUp = [this](TObject*) { ++CloseUps; };
    ShowForm();
    Edit->SetFocus();
    PumpIdle();
  }
  void TearDown() override {
    ReleaseCapture();
    SkinFormTest::TearDown();
  }
  TSEPopupListForm* Popup() { return Edit->PopupList(); }
  TQvSkinSearchEdit* Edit = nullptr;
  int CloseUps = 0;
};

TEST_F(SkinSearchEdit, TypingOpensTheFilteredListWithoutTakingTheFocus) {
  qvtest::TypeText(L"ap");
  ASSERT_NE(Popup(), nullptr);
  EXPECT_EQ(SEPopupListForm, Popup());
  EXPECT_TRUE(IsWindowVisible(Popup()->Handle()));
  EXPECT_EQ(GetFocus(), Edit->Handle());
  EXPECT_EQ(GetForegroundWindow(), Form->Handle());
  EXPECT_TRUE(GetWindowLongW(Popup()->Handle(), GWL_EXSTYLE) & WS_EX_NOACTIVATE);
  // Apple, Apricot, Grape, Papaya: four rows of 25 under the edit, as wide as the edit.
  EXPECT_EQ(Popup()->vstList()->Rows().VisibleCount(), 4);
  EXPECT_EQ(Popup()->Height(), 4 * 25 + 2);
  EXPECT_EQ(Popup()->Width(), Edit->Width());
  const TPoint Corner = Edit->ClientToScreen({0, Edit->Height()});
  EXPECT_EQ(Popup()->Left(), Corner.X);
  EXPECT_EQ(Popup()->Top(), Corner.Y);
  qvtest::TypeText(L"r");  // "apr": one row
  EXPECT_EQ(Popup()->vstList()->Rows().VisibleCount(), 1);
  EXPECT_EQ(Popup()->Height(), 27);
}

TEST_F(SkinSearchEdit, HeightFollowsTheRows) {
  struct {
    const wchar_t* Typed;
    int Height;
  } Cases[] = {{L"pe", 77}, {L"", 202}, {L"zzz", 27}};  // Pear, Peach, Grape; all ten; none
  for (auto& C : Cases) {
    Edit->SetText(C.Typed);
    Edit->DoPupupList();
    ASSERT_NE(Popup(), nullptr);
    EXPECT_EQ(Popup()->Height(), C.Height) << int(C.Typed[0]);
    Popup()->DoSelected(true);
    ASSERT_TRUE(PumpUntil([&] { return Popup() == nullptr; }));
  }
}

TEST_F(SkinSearchEdit, ArrowsWalkAndEnterAccepts) {
  qvtest::TypeText(L"pe");  // Grape, Pear, Peach
  ASSERT_NE(Popup(), nullptr);
  PressKey(VK_DOWN);
  EXPECT_EQ(Edit->Text(), L"Grape");
  EXPECT_EQ(Edit->CursorPos(), 5);
  PressKey(VK_DOWN);
  PressKey(VK_DOWN);
  EXPECT_EQ(Edit->Text(), L"Peach");
  PressKey(VK_DOWN);  // past the end: back to the first
  EXPECT_EQ(Edit->Text(), L"Grape");
  PressKey(VK_UP);  // before the first: the last
  EXPECT_EQ(Edit->Text(), L"Peach");
  EXPECT_TRUE(Edit->DroppedDown());
  PressKey(VK_RETURN);
  ASSERT_TRUE(PumpUntil([&] { return !Edit->DroppedDown(); }));
  EXPECT_EQ(Edit->Text(), L"Peach");
  EXPECT_EQ(CloseUps, 1);
  EXPECT_EQ(SEPopupListForm, nullptr);
  EXPECT_EQ(GetFocus(), Edit->Handle());
}

TEST_F(SkinSearchEdit, AnOutsideClickCloses) {
  qvtest::TypeText(L"l");
  ASSERT_NE(Popup(), nullptr);
  const TPoint Outside = Form->ClientToScreen({300, 250});
  MoveMouse(Outside.X, Outside.Y);
  ASSERT_TRUE(PumpUntil([&] { return GetCapture() == Popup()->Handle(); }));
  Click(Outside.X, Outside.Y);
  ASSERT_TRUE(PumpUntil([&] { return !Edit->DroppedDown(); }));
  EXPECT_EQ(Edit->Text(), L"l");  // nothing accepted
  EXPECT_EQ(CloseUps, 1);
}

TEST_F(SkinSearchEdit, ClickingARowAcceptsIt) {
  qvtest::TypeText(L"pe");
  ASSERT_NE(Popup(), nullptr);
  TQvPopupTree* List = Popup()->vstList();
  const TRect R = List->RowRect(5);  // Pear
  const TPoint P = List->ClientToScreen({(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2});
  MoveMouse(P.X, P.Y);
  Click(P.X, P.Y);
  ASSERT_TRUE(PumpUntil([&] { return !Edit->DroppedDown(); }));
  EXPECT_EQ(Edit->Text(), L"Pear");
  EXPECT_EQ(GetFocus(), Edit->Handle());
}

TEST_F(SkinSearchEdit, NoItemsNoList) {
  Edit->Items()->Clear();
  qvtest::TypeText(L"ap");
  EXPECT_EQ(Edit->Text(), L"ap");
  EXPECT_EQ(Popup(), nullptr);
  EXPECT_FALSE(Edit->DroppedDown());
}

}  // namespace

// The extended combo with real input: opening by the arrow and the keys, picking with the
// mouse and the keyboard, Escape, typing into the popup's filter, the check-box popup's
// select-all link and its text, outside clicks, placement above near the bottom of the
// work area, the focus staying in the combo, and a lean leak loop.
#include <memory>

#include "LeakProbe.h"
#include "SkinEditTestSupport.h"
#include "controls/QvLikeMenuDlg.h"
#include "controls/QvSkinComboBoxEx.h"
#include "controls/QvSkinSearchEdit.h"
#include "graphics/SimpleTimer.h"
#include "host/ScopeGuard.h"
#include "host/Screen.h"

using namespace qv;
using qvtest::Click;
using qvtest::MoveMouse;
using qvtest::PressKey;
using qvtest::PumpIdle;
using qvtest::PumpUntil;

namespace {

const std::vector<String> kFruits = {L"Apple", L"Apricot", L"Banana", L"Cherry",
                                     L"Grape", L"Lemon",   L"Mango",  L"Pear"};

class SkinComboBoxEx : public qvtest::SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    Combo = Add<TQvSkinComboBoxEx>(Form.get(), 20, 20, 200, 26);
    for (const String& S : kFruits) Combo->Items()->Add(S);
    Combo->OnChange = [this](TObject*) { ++Changes; };
    Combo->OnCloseUp = [this](TObject*) { ++CloseUps; };
    ShowForm();
    Combo->SetFocus();
    PumpIdle();
  }
  void TearDown() override {
    ReleaseCapture();
    SkinFormTest::TearDown();
  }
  TPoint ArrowCentre() {
    const TRect R = Combo->DropArrow()->Rect();
    return Combo->ClientToScreen({(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2});
  }
  TPopupList_NormalForm* Open() {
    const TPoint P = ArrowCentre();
    Click(P.X, P.Y);
    EXPECT_TRUE(PumpUntil([&] { return Combo->Popup() != nullptr; }));
    return Combo->Popup();
  }
  static TPoint RowCentre(TPopupList_NormalForm* P, int Row) {
    const TRect R = P->vstList()->RowRect(Row);
    return P->vstList()->ClientToScreen({(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2});
  }
  bool FocusStays() { return GetFocus() == Combo->Handle(); }

  TQvSkinComboBoxEx* Combo = nullptr;
  int Changes = 0, CloseUps = 0;
};

TEST_F(SkinComboBoxEx, ClickingARowPicksItClosesAndChangesOnce) {
  TPopupList_NormalForm* P = Open();
  ASSERT_NE(P, nullptr);
  EXPECT_TRUE(IsWindowVisible(P->Handle()));
  EXPECT_TRUE(FocusStays());
  EXPECT_EQ(GetForegroundWindow(), Form->Handle());
  EXPECT_TRUE(Combo->AccessibleInfo().State.Contains(asExpanded));
  const TPoint Row = RowCentre(P, 2);
  Click(Row.X, Row.Y);
  ASSERT_TRUE(PumpUntil([&] { return !Combo->DroppedDown(); }));
  EXPECT_EQ(Combo->ItemIndex(), 2);
  EXPECT_EQ(Combo->Text(), L"Banana");
  EXPECT_EQ(Changes, 1);
  EXPECT_EQ(CloseUps, 1);
  EXPECT_TRUE(FocusStays());
  EXPECT_EQ(Combo->Popup(), nullptr);
}

TEST_F(SkinComboBoxEx, Keyboard) {
  struct {
    const char* Name;
    std::vector<WORD> Keys;
    int Index, Changes;
  } Cases[] = {
      {"Down Enter", {VK_DOWN, VK_RETURN}, 2, 1},
      {"Up Enter", {VK_UP, VK_RETURN}, 0, 1},
      {"Page Down Enter", {VK_NEXT, VK_RETURN}, 7, 1},
      {"Escape keeps the old item, still a change", {VK_DOWN, VK_DOWN, VK_ESCAPE}, 1, 1},
  };
  for (auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    Combo->SetItemIndex(1);
    Changes = 0;
    PressKey(VK_DOWN);  // opens on the current item
    ASSERT_TRUE(PumpUntil([&] { return Combo->Popup() != nullptr; }));
    EXPECT_EQ(Combo->Popup()->vstList()->Rows().Focused(), 1);
    for (WORD K : C.Keys) PressKey(K);
    ASSERT_TRUE(PumpUntil([&] { return !Combo->DroppedDown(); }));
    EXPECT_EQ(Combo->ItemIndex(), C.Index);
    EXPECT_EQ(Combo->Text(), kFruits[size_t(C.Index)]);
    EXPECT_EQ(Changes, C.Changes);
    EXPECT_TRUE(FocusStays());
  }
}

// The bar shows only when the rows overflow, and the list takes its width otherwise; the
// wheel moves by the system's line count.
TEST_F(SkinComboBoxEx, BarOnlyWhenRowsOverflowWheelBySystemLines) {
  UINT Saved = 3;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &Saved, 0);
  const UINT Lines = 5;  // not the usual 3
  SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, Lines, nullptr, 0);
  TScopeExit Restore([&] { SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, Saved, nullptr, 0); });
  struct {
    int Count;
    bool Bar;
  } Cases[] = {{8, false}, {40, true}};
  for (auto& C : Cases) {
    SCOPED_TRACE(C.Count);
    Combo->Items()->Clear();
    for (int I = 0; I < C.Count; ++I) Combo->Items()->Add(L"Item " + std::to_wstring(I));
    TPopupList_NormalForm* P = Open();
    ASSERT_NE(P, nullptr);
    TQvPopupTree* List = P->vstList();
    EXPECT_EQ(P->sb1()->Visible(), C.Bar);
    EXPECT_EQ(List->Width(), P->Width() - 2 - (C.Bar ? 10 : 0));
    const POINT At{0, 0};
    Combo->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-WHEEL_DELTA)), MAKELPARAM(At.x, At.y));
    EXPECT_EQ(List->OffsetY(), C.Bar ? -int(Lines) * List->ItemHeight() : 0);
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(PumpUntil([&] { return !Combo->DroppedDown(); }));
  }
}

TEST_F(SkinComboBoxEx, TypingFiltersThePopup) {
  Combo->Items()->Clear();
  for (const wchar_t* S : {L"北京", L"中文", L"上海", L"xZWy"}) Combo->Items()->Add(S);
  struct {
    bool Pinyin;
    const wchar_t* Typed;
    int Visible;
    const wchar_t* Picked;
  } Cases[] = {{true, L"zw", 2, L"中文"}, {false, L"zw", 1, L"xZWy"}, {false, L"上", 1, L"上海"}};
  for (auto& C : Cases) {
    SCOPED_TRACE(testing::Message() << C.Pinyin << " " << int(C.Typed[0]));
    Combo->Options()->SetActivePinyinFilter(C.Pinyin);
    TPopupList_NormalForm* P = Open();
    ASSERT_NE(P, nullptr);
    qvtest::TypeText(C.Typed);
    EXPECT_EQ(P->edtKeyFilter()->Text(), C.Typed);
    EXPECT_EQ(P->vstList()->Rows().VisibleCount(), C.Visible);
    EXPECT_TRUE(FocusStays());
    PressKey(VK_RETURN);  // the first visible row is focused
    ASSERT_TRUE(PumpUntil([&] { return !Combo->DroppedDown(); }));
    EXPECT_EQ(Combo->Text(), C.Picked);
  }
}

TEST_F(SkinComboBoxEx, AnOutsideClickClosesKeepingTheItem) {
  Combo->SetItemIndex(3);
  Changes = 0;
  TPopupList_NormalForm* P = Open();
  ASSERT_NE(P, nullptr);
  const TPoint Outside = Form->ClientToScreen({300, 250});
  MoveMouse(Outside.X, Outside.Y);
  ASSERT_TRUE(PumpUntil([&] { return GetCapture() == P->Handle(); }));
  Click(Outside.X, Outside.Y);
  ASSERT_TRUE(PumpUntil([&] { return !Combo->DroppedDown(); }));
  EXPECT_EQ(Combo->ItemIndex(), 3);
  EXPECT_EQ(Changes, 1);  // the old, valid index is reported again
  EXPECT_EQ(CloseUps, 1);
  // Clicking the arrow again toggles the popup open and closed.
  Open();
  const TPoint A = ArrowCentre();
  Click(A.X, A.Y);
  ASSERT_TRUE(PumpUntil([&] { return !Combo->DroppedDown(); }));
}

TEST_F(SkinComboBoxEx, CheckBoxPopup) {
  Combo->SetWidth(100);
  PumpIdle();  // the arrow item is placed by the next paint
  Combo->Options()->SetCheckBoxSupport(true);
  Combo->CheckedItems()->Add(L"Banana");
  String Reported;
  Combo->OnCheckStateChanged = [&](TObject*, const String& Text, const TItemIndexs&) {
    Reported = Text;
  };
  auto* P = dynamic_cast<TPopupList_CheckBoxForm*>(Open());
  ASSERT_NE(P, nullptr);
  EXPECT_EQ(P->Width(), Combo->Options()->DropdownMenuWidth());
  EXPECT_EQ(P->GetCheckedItemIndex(), (TItemIndexs{2}));
  // Filtered to Grape and Pear, the link checks those two only.
  qvtest::TypeText(L"pe");
  ASSERT_EQ(P->vstList()->Rows().VisibleCount(), 2);
  const TRect L = P->LinkRect();
  const TPoint Link = P->ClientToScreen({(L.Left + L.Right) / 2, (L.Top + L.Bottom) / 2});
  Click(Link.X, Link.Y);
  EXPECT_EQ(P->GetCheckedItemIndex(), (TItemIndexs{2, 4, 7}));
  EXPECT_EQ(Combo->Text(), L"Selected 3 items");  // too wide for 100 pixels with the arrow
  EXPECT_EQ(Reported, L"Banana\r\nGrape\r\nPear\r\n");
  Click(Link.X, Link.Y);  // again: the visible rows flip back
  EXPECT_EQ(P->GetCheckedItemIndex(), (TItemIndexs{2}));
  EXPECT_EQ(Combo->Text(), L"Banana");
  // A click on a row's box checks it; the popup stays open.
  const TRect Row = P->vstList()->RowRect(4);
  const TPoint Box = P->vstList()->ClientToScreen({8, (Row.Top + Row.Bottom) / 2});
  MoveMouse(Box.X, Box.Y);
  Click(Box.X, Box.Y);
  EXPECT_EQ(P->GetCheckedItemIndex(), (TItemIndexs{2, 4}));
  EXPECT_TRUE(Combo->DroppedDown());
  EXPECT_TRUE(FocusStays());
  PressKey(VK_ESCAPE);
  ASSERT_TRUE(PumpUntil([&] { return !Combo->DroppedDown(); }));
  EXPECT_EQ(Combo->CheckedItems()->Lines(), (std::vector<String>{L"Banana", L"Grape"}));
  EXPECT_TRUE(FocusStays());
}

TEST_F(SkinComboBoxEx, OpensAboveNearTheBottomOfTheWorkArea) {
  const TRect Work = Screen->MonitorFromPoint({400, 400})->WorkareaRect();
  Form->SetBounds(300, Work.Bottom - 100, 400, 80);
  PumpIdle();
  TPopupList_NormalForm* P = Open();
  ASSERT_NE(P, nullptr);
  const TPoint ComboTop = Combo->ClientToScreen({0, 0});
  EXPECT_EQ(P->Top(), ComboTop.Y - P->Height() - 1);
  EXPECT_EQ(P->Left(), ComboTop.X);
  PressKey(VK_ESCAPE);
  ASSERT_TRUE(PumpUntil([&] { return !Combo->DroppedDown(); }));
}

TEST_F(SkinComboBoxEx, RemovingItemsWhileOpenIsSafe) {
  TPopupList_NormalForm* P = Open();
  ASSERT_NE(P, nullptr);
  Combo->Items()->Clear();  // the open popup keeps its own copy
  PressKey(VK_DOWN);
  PressKey(VK_RETURN);
  ASSERT_TRUE(PumpUntil([&] { return !Combo->DroppedDown(); }));
  EXPECT_EQ(Combo->Text(), L"");
  // An empty list opens an empty popup of one row's height.
  Combo->Options()->SetDropdownMenuHeight(242);
  P = Open();
  ASSERT_NE(P, nullptr);
  EXPECT_EQ(P->vstList()->Rows().Count(), 0);
  PressKey(VK_ESCAPE);
  ASSERT_TRUE(PumpUntil([&] { return !Combo->DroppedDown(); }));
}

// Showing a top-level window costs an X round trip under Wine: every 25th cycle opens
// and closes the popups on screen, the others build, fill and filter them unshown.
void OneComboCycle(bool Show) {
  auto Form = std::make_unique<TForm>(nullptr);
  Form->SetBounds(50, 50, 400, 120);
  auto* Combo = new TQvSkinComboBoxEx(Form.get());
  Combo->SetParent(Form.get());
  Combo->Items()->SetText(L"a\nb\nc");
  auto* Checks = new TQvSkinComboBoxEx(Form.get());
  Checks->SetParent(Form.get());
  Checks->SetLeft(150);
  Checks->Options()->SetCheckBoxSupport(true);
  Checks->Items()->SetText(L"a\nb\nc");
  auto* Search = new TQvSkinSearchEdit(Form.get());
  Search->SetParent(Form.get());
  Search->SetLeft(300);
  Search->Items()->SetText(L"ab\nac");
  Form->HandleNeeded();
  if (Show) {
    Combo->DoDropArrowBtnClick(Combo);
    Combo->DoDropArrowBtnClick(Combo);
    Checks->DoDropArrowBtnClick(Checks);
    Checks->DoDropArrowBtnClick(Checks);
    SendMessageW(Search->Handle(), WM_CHAR, L'a', 1);
    if (TSEPopupListForm* P = Search->PopupList()) P->Done();
    // The next openings stay open while the form goes.
    Combo->DoDropArrowBtnClick(Combo);
    Search->DoPupupList();
  } else {
    auto* P = new TPopupList_CheckBoxForm(Checks);
    P->SetItems(Checks->Items());
    P->RefreshList(L"a");
    qvtest::PaintOffScreen(P);
    delete P;
  }
  Application->ProcessMessages();
}

TEST(SkinComboBoxExLeak, CombosAndSearchEditsReleaseWhatTheyCreate) {
  for (int I = 0; I < 3; ++I) OneComboCycle(true);
  const Integer Timers = GetSimpleTimerCount();
  qvtest::TSlots Before = qvtest::Probe();
  const unsigned Limit = 100;
  for (int I = 0; I < 1000; ++I) OneComboCycle(I % 25 == 0);
  qvtest::TSlots After = qvtest::Probe();
  EXPECT_LT(After.Window, Before.Window + Limit) << "windows leak";
  EXPECT_LT(After.Gdi, Before.Gdi + Limit) << "GDI objects leak";
  EXPECT_EQ(GetSimpleTimerCount(), Timers);
  EXPECT_EQ(GetSimpleTimerActiveCount(), 0);
  EXPECT_EQ(SEPopupListForm, nullptr);
}

}  // namespace

// The skinned combo box with real input: opening and placing the popup, the keyboard,
// press-drag-release selection, outside clicks, the focus staying on the form, the edit
// style's completion, values and bad input.
#include "SkinControlsTestSupport.h"
#include "controls/QvSkinComboBox.h"
#include "controls/QvSkinEdit.h"

using namespace qv;
using namespace qvtest;

namespace {

class SkinComboBoxTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    Combo = Add<TQvSkinComboBox>(Form.get(), 20, 20, 140, 26);
    Combo->OnChange = [this](TObject*) { ++Changes; };
    Combo->OnCloseUp = [this](TObject* S) {
      ++CloseUps;
      LastCloseUp = S;
    };
    Other = Add<TQvSkinComboBox>(Form.get(), 200, 20, 140, 26);
  }
  void Fill(int N, TQvSkinComboBox* C = nullptr) {
    for (int I = 0; I < N; ++I) (C ? C : Combo)->Items()->Add(L"Item " + std::to_wstring(I));
  }
  // Screen point of a client point of a window.
  static TPoint At(HWND W, int X, int Y) {
    POINT P{X, Y};
    ClientToScreen(W, &P);
    return {P.x, P.y};
  }
  void ShowFocused(TWinControl* C) {
    ShowForm();
    SetForegroundWindow(Form->Handle());
    C->SetFocus();
    PumpIdle();
  }
  bool Open() const { return Combo->IsPopupVisible(); }
  TQvSkinComboBox* Combo = nullptr;
  TQvSkinComboBox* Other = nullptr;
  int Changes = 0, CloseUps = 0;
  TObject* LastCloseUp = reinterpret_cast<TObject*>(1);
};

}  // namespace

TEST_F(SkinComboBoxTest, KeysMoveTheSelectionInListStyle) {
  Combo->SetStyle(csDropDownList);
  Fill(20);
  ShowFocused(Combo);
  struct Step {
    WORD Key;
    int Index;
  } Steps[] = {{VK_DOWN, 0}, {VK_DOWN, 1},  {VK_NEXT, 8}, {VK_UP, 7},    {VK_PRIOR, 0},
               {VK_END, 19}, {VK_DOWN, 19}, {VK_HOME, 0}, {VK_RIGHT, 1}, {VK_LEFT, 0}};
  Combo->SetItemIndex(-1);
  Changes = 0;
  int Expected = 0;
  for (const Step& S : Steps) {
    const int Before = Combo->ItemIndex();
    PressKey(S.Key);
    EXPECT_EQ(Combo->ItemIndex(), S.Index) << "key " << S.Key;
    if (S.Index != Before) ++Expected;
    EXPECT_EQ(Combo->Text(), L"Item " + std::to_wstring(S.Index));
  }
  EXPECT_EQ(Changes, Expected) << "one OnChange per move";
  EXPECT_FALSE(Open());
}

TEST_F(SkinComboBoxTest, AltDownOpensEscapeRestoresEnterAccepts) {
  Combo->SetStyle(csDropDownList);
  Fill(20);
  Combo->SetItemIndex(2);
  ShowFocused(Combo);
  HWND Fg = GetForegroundWindow(), Focus = GetFocus();
  PressKey(VK_DOWN, {VK_MENU});
  ASSERT_TRUE(Open());
  EXPECT_EQ(Combo->ListBox()->Height(), 165);
  EXPECT_EQ(Combo->ListBox()->Width(), 139);
  EXPECT_NE(Combo->ListBox()->ScrollBar, nullptr);
  EXPECT_EQ(GetForegroundWindow(), Fg) << "the popup never takes the focus";
  EXPECT_EQ(GetFocus(), Focus);
  // The highlight moves (as the mouse moves it); Escape goes back to the old item.
  Combo->ListBox()->SetItemIndex(6);
  Changes = 0;
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(Open());
  EXPECT_EQ(Combo->ItemIndex(), 2);
  EXPECT_EQ(Combo->Text(), L"Item 2");
  EXPECT_EQ(Changes, 0);
  EXPECT_EQ(LastCloseUp, nullptr) << "a cancel names no sender";
  PressKey(VK_DOWN, {VK_MENU});
  ASSERT_TRUE(Open());
  Combo->ListBox()->SetItemIndex(5);
  PressKey(VK_RETURN);
  EXPECT_FALSE(Open());
  EXPECT_EQ(Combo->ItemIndex(), 5);
  EXPECT_EQ(Changes, 1);
  EXPECT_EQ(LastCloseUp, Combo);
  EXPECT_EQ(CloseUps, 2);
  EXPECT_TRUE(Form->Visible()) << "Enter and Escape stayed with the combo box";
}

TEST_F(SkinComboBoxTest, PressDragReleaseSelectsOnceAndCloses) {
  Combo->SetStyle(csDropDownList);
  Fill(5);
  ShowFocused(Combo);
  const TPoint Face = At(Combo->Handle(), 40, 13);
  MoveMouse(Face.X, Face.Y);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  PumpInput();
  ASSERT_TRUE(Open());
  HWND Inner = Combo->ListBox()->ListBox->Handle();
  const TPoint Row3 = At(Inner, 30, 3 * 20 + 10);
  MoveMouse(Row3.X, Row3.Y - 20);
  PumpInput();
  MoveMouse(Row3.X, Row3.Y);
  PumpInput();
  EXPECT_EQ(Combo->ListBox()->ItemIndex(), 3) << "the row under the pointer lights";
  SendMouse(MOUSEEVENTF_LEFTUP);
  PumpInput();
  EXPECT_FALSE(Open());
  EXPECT_EQ(Combo->ItemIndex(), 3);
  EXPECT_EQ(Changes, 1);
  EXPECT_EQ(LastCloseUp, Combo);
}

TEST_F(SkinComboBoxTest, ClickThenClickInTheListSelects) {
  Fill(5);
  ShowFocused(Combo);
  const TPoint Arrow = At(Combo->Handle(), 130, 13);
  Click(Arrow.X, Arrow.Y);
  ASSERT_TRUE(Open()) << "a click leaves the popup open";
  const TPoint Row = At(Combo->ListBox()->ListBox->Handle(), 30, 30);
  MoveMouse(Row.X, Row.Y);
  PumpInput();
  Click(Row.X, Row.Y);
  ASSERT_TRUE(PumpUntil([&] { return !Open(); }));
  EXPECT_EQ(Combo->ItemIndex(), 1);
  EXPECT_EQ(Combo->Text(), L"Item 1");
  EXPECT_EQ(Combo->Edit()->Text(), L"Item 1");
  EXPECT_EQ(Changes, 1);
}

TEST_F(SkinComboBoxTest, ClickOutsideCloses) {
  Combo->SetStyle(csDropDownList);
  Fill(5);
  ShowFocused(Combo);
  const TPoint Arrow = At(Combo->Handle(), 130, 13);
  Click(Arrow.X, Arrow.Y);
  ASSERT_TRUE(Open());
  PumpTicks(40);  // the outside-click watch takes the capture on its timer
  Click(300 + 380, 200 + 280);
  ASSERT_TRUE(PumpUntil([&] { return !Open(); }));
  EXPECT_EQ(LastCloseUp, nullptr);
  EXPECT_EQ(Combo->ItemIndex(), -1);
}

TEST_F(SkinComboBoxTest, HoldingBelowTheListScrollsToTheEnd) {
  Combo->SetStyle(csDropDownList);
  Fill(20);
  ShowFocused(Combo);
  const TPoint Face = At(Combo->Handle(), 40, 13);
  MoveMouse(Face.X, Face.Y);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  PumpInput();
  ASSERT_TRUE(Open());
  HWND Inner = Combo->ListBox()->ListBox->Handle();
  const TPoint In = At(Inner, 30, 10);
  MoveMouse(In.X, In.Y);
  PumpInput();
  MoveMouse(In.X, In.Y + 200);
  PumpInput();
  EXPECT_TRUE(PumpUntil([&] { return Combo->ListBox()->ItemIndex() == 19; }, 3000));
  const TPoint Far = At(Form->Handle(), 390, 290);
  MoveMouse(Far.X, Far.Y);
  SendMouse(MOUSEEVENTF_LEFTUP);
  PumpInput();
  EXPECT_FALSE(Open()) << "released outside the list: cancelled";
  EXPECT_EQ(Combo->ItemIndex(), -1);
}

TEST_F(SkinComboBoxTest, OpensAboveNearTheBottomOfTheWorkArea) {
  Fill(20);
  RECT Work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &Work, 0);
  Form->SetBounds(300, Work.bottom - 120, 400, 100);
  ShowFocused(Combo);
  Combo->DropDown();
  ASSERT_TRUE(Open());
  RECT R;
  GetWindowRect(Combo->ListBox()->Handle(), &R);
  const TPoint Top = At(Combo->Handle(), 0, 0);
  EXPECT_EQ(R.bottom, Top.Y) << "the popup ends where the combo box starts";
  EXPECT_EQ(R.bottom - R.top, 165);
  EXPECT_EQ(R.left, Top.X + 1);
  Combo->CloseUp(false);
}

TEST_F(SkinComboBoxTest, TypingInTheEditCompletesAndSelectsTheTail) {
  for (const wchar_t* S : {L"apple", L"Banana", L"berry"}) Combo->Items()->Add(S);
  ShowFocused(Combo);
  ASSERT_TRUE(Combo->Edit()->Focused());
  PressKey('B');
  ASSERT_TRUE(PumpUntil([&] { return Combo->ItemIndex() == 1; }));
  EXPECT_EQ(Combo->Text(), L"Banana") << "a case-insensitive match completes";
  EXPECT_EQ(Combo->SelStart(), 1);
  EXPECT_EQ(Combo->SelLength(), 5);
  PressKey(VK_DOWN);
  EXPECT_EQ(Combo->ItemIndex(), 2);
  EXPECT_EQ(Combo->Text(), L"berry");
}

TEST_F(SkinComboBoxTest, ListStyleSearchCollectsTyping) {
  Combo->SetStyle(csDropDownList);
  for (const wchar_t* S : {L"apple", L"banana", L"berry", L"cherry"}) Combo->Items()->Add(S);
  ShowFocused(Combo);
  PressKey('B');
  PressKey('E');
  EXPECT_EQ(Combo->ItemIndex(), 2) << "'b' then 'e' within half a second: \"be\"";
}

TEST_F(SkinComboBoxTest, ValuesStandForTheItems) {
  Combo->AddItemValue(L"x", L"A");
  Combo->AddItemValue(L"y", L"");
  Combo->AddItemValue(L"z", L"C");
  ShowForm();
  EXPECT_EQ(Combo->GetItemValue(0), L"A");
  EXPECT_EQ(Combo->GetItemValue(1), L"y");
  EXPECT_EQ(Combo->GetItemValue(7), L"");
  Combo->SetValue(L"C");
  EXPECT_EQ(Combo->ItemIndex(), 2);
  EXPECT_EQ(Combo->Text(), L"z");
  EXPECT_EQ(Combo->Value(), L"C");
  Combo->DeleteItemValue(0);
  EXPECT_EQ(Combo->GetItemValue(0), L"y");
  EXPECT_EQ(Combo->GetItemValue(1), L"C");
}

TEST_F(SkinComboBoxTest, BadInputIsRefusedOrHarmless) {
  Fill(3);
  ShowForm();
  Combo->SetItemIndex(1);
  Changes = 0;
  for (int Bad : {3, -2}) {
    EXPECT_THROW(Combo->SetItemIndex(Bad), EListError) << Bad;
    EXPECT_EQ(Combo->ItemIndex(), 1);
    EXPECT_EQ(Combo->Text(), L"Item 1");
  }
  EXPECT_THROW(Combo->DeleteItemValue(9), EListError);
  EXPECT_EQ(Changes, 0);
  // An empty list opens one empty row; removing items while open is safe.
  Other->DropDown();
  ASSERT_TRUE(Other->IsPopupVisible());
  EXPECT_EQ(Other->ListBox()->Height(), 25);
  Other->CloseUp(true);
  Combo->DropDown();
  ASSERT_TRUE(Open());
  Combo->Items()->Delete(2);
  Combo->Items()->Delete(0);
  PumpIdle();
  Combo->CloseUp(true);
  EXPECT_EQ(Combo->Items()->Count(), 1);
  EXPECT_LT(Combo->ItemIndex(), 1);
}

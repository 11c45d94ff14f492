// Keyboard focus: the active control, tab order, dialog keys and characters, through
// real key presses.
#include <memory>

#include "ControlsTestSupport.h"

using namespace qv;
using qvtest::PressKey;

namespace {

class TField : public TCustomControl {
 public:
  explicit TField(TComponent* AOwner) : TCustomControl(AOwner) { SetTabStop(true); }
  String ClassName() const override { return L"TField"; }
  uint32_t DialogCode = 0;
  std::vector<uint16_t> KeysDown;
  String Typed;
  void WndProc(TMessage& M) override {
    if (M.Msg == WM_GETDLGCODE) {
      M.Result = DialogCode;
      return;
    }
    TCustomControl::WndProc(M);
  }

 protected:
  void KeyDown(uint16_t& Key, TShiftState Shift) override {
    KeysDown.push_back(Key);
    TCustomControl::KeyDown(Key, Shift);
  }
  void KeyPress(wchar_t& Key) override {
    Typed += Key;
    TCustomControl::KeyPress(Key);
  }
};

class TGroup : public TCustomControl {
 public:
  explicit TGroup(TComponent* AOwner) : TCustomControl(AOwner) {
    FControlStyle.Include(csAcceptsControls);
  }
  String ClassName() const override { return L"TGroup"; }
};

// Answers Enter as a default button would, and its accelerator character.
class TDefaultButton : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  String ClassName() const override { return L"TDefaultButton"; }
  int Pressed = 0, Accelerated = 0;
  TWinControl* LastFocused = nullptr;
  void WndProc(TMessage& M) override {
    switch (M.Msg) {
      case CM_DIALOGKEY:
        if (M.WParam == VK_RETURN) {
          ++Pressed;
          M.Result = 1;
          return;
        }
        break;
      case CM_DIALOGCHAR:
        if (IsAccel(uint16_t(M.WParam), L"&Go")) {
          ++Accelerated;
          M.Result = 1;
          return;
        }
        break;
      case CM_FOCUSCHANGED:
        LastFocused = reinterpret_cast<TWinControl*>(M.LParam);
        break;
    }
    TGraphicControl::WndProc(M);
  }
};

class FocusTest : public qvtest::ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    Form = std::make_unique<TForm>(nullptr);
    Form->SetBounds(100, 100, 400, 300);
    E1 = AddField(Form.get(), 10);
    E2 = AddField(Form.get(), 40);
    Group = new TGroup(Form.get());
    Group->SetBounds(10, 80, 300, 100);
    Group->SetParent(Form.get());
    E3 = AddField(Group, 10);
    E4 = AddField(Group, 40);
    Button = new TDefaultButton(Form.get());
    Button->SetBounds(10, 200, 80, 24);
    Button->SetParent(Form.get());
    Form->Show();
    qvtest::PumpUntil([&] { return GetFocus() != nullptr; });
  }
  void TearDown() override {
    Form.reset();
    ControlsTest::TearDown();
  }
  TField* AddField(TWinControl* Parent, int Top) {
    auto* F = new TField(Form.get());
    F->SetBounds(10, Top, 120, 24);
    F->SetParent(Parent);
    return F;
  }
  TWinControl* Focused() { return FindControl(GetFocus()); }
  std::unique_ptr<TForm> Form;
  TField *E1, *E2, *E3, *E4;
  TGroup* Group;
  TDefaultButton* Button;
};

TEST_F(FocusTest, FirstTabStopIsFocusedWhenTheFormShows) {
  EXPECT_EQ(Form->ActiveControl(), E1);
  EXPECT_EQ(Focused(), E1);
  EXPECT_EQ(Screen->ActiveForm(), Form.get());
  EXPECT_EQ(Screen->ActiveControl(), E1);
  EXPECT_TRUE(E1->Focused());
}

TEST_F(FocusTest, TabAndShiftTabWalkTheTabOrderIntoContainers) {
  std::vector<TWinControl*> Seen;
  for (int I = 0; I < 4; ++I) {
    PressKey(VK_TAB);
    Seen.push_back(Focused());
  }
  EXPECT_EQ(Seen, (std::vector<TWinControl*>{E2, E3, E4, E1}));
  PressKey(VK_TAB, {VK_SHIFT});
  EXPECT_EQ(Focused(), E4);
  // The keys never reached the fields as key presses.
  EXPECT_TRUE(E1->KeysDown.empty() || E1->KeysDown.back() != VK_TAB);

  // A new tab order, and controls that cannot take the focus are passed over.
  E2->SetTabOrder(0);
  EXPECT_EQ(E1->TabOrder(), 1);
  E1->SetFocus();
  PressKey(VK_TAB);
  EXPECT_EQ(Focused(), E3);  // E2 comes before E1 now
  E4->SetEnabled(false);
  PressKey(VK_TAB);
  EXPECT_EQ(Focused(), E2);
  E1->SetTabStop(false);
  PressKey(VK_TAB);
  EXPECT_EQ(Focused(), E3);
}

TEST_F(FocusTest, EnterExitAndFocusChangedFollowTheFocus) {
  std::vector<String> Log;
  for (auto [F, N] : {std::pair{E1, L"1"}, std::pair{E2, L"2"}}) {
    String Name = N;
    F->OnEnter = [&Log, Name](TObject*) { Log.push_back(L"enter " + Name); };
    F->OnExit = [&Log, Name](TObject*) { Log.push_back(L"exit " + Name); };
  }
  E2->SetFocus();
  EXPECT_EQ(Log, (std::vector<String>{L"exit 1", L"enter 2"}));
  EXPECT_EQ(Button->LastFocused, E2);  // CM_FOCUSCHANGED reached a graphic control
  EXPECT_EQ(Form->ActiveControl(), E2);
}

TEST_F(FocusTest, ArrowKeysMoveAmongSiblingsUnlessTheControlWantsThem) {
  E3->SetFocus();
  PressKey(VK_DOWN);
  EXPECT_EQ(Focused(), E4);
  PressKey(VK_DOWN);
  EXPECT_EQ(Focused(), E3);  // siblings only: wraps inside the group
  PressKey(VK_UP);
  EXPECT_EQ(Focused(), E4);
  E4->DialogCode = DLGC_WANTARROWS;
  PressKey(VK_DOWN);
  EXPECT_EQ(Focused(), E4);
  ASSERT_FALSE(E4->KeysDown.empty());
  EXPECT_EQ(E4->KeysDown.back(), VK_DOWN);
}

TEST_F(FocusTest, DialogKeysAndCharactersReachTheFormsControls) {
  PressKey(VK_RETURN);
  EXPECT_EQ(Button->Pressed, 1);
  // A field that wants every key keeps Enter.
  E1->DialogCode = DLGC_WANTALLKEYS;
  PressKey(VK_RETURN);
  EXPECT_EQ(Button->Pressed, 1);
  // Alt+G is the button's accelerator; plain typing reaches the field.
  PressKey('G', {VK_MENU});
  EXPECT_EQ(Button->Accelerated, 1);
  E1->DialogCode = DLGC_WANTCHARS;
  PressKey('X');
  EXPECT_EQ(E1->Typed, L"\rx");  // the Enter it wanted, then the letter
  EXPECT_EQ(Button->Accelerated, 1);
}

TEST_F(FocusTest, KeyPreviewLetsTheFormSeeKeysFirst) {
  std::vector<uint16_t> FormKeys;
  Form->OnKeyDown = [&](TObject*, uint16_t& Key, TShiftState) {
    FormKeys.push_back(Key);
    if (Key == 'Q') Key = 0;  // eaten by the form
  };
  PressKey('A');
  EXPECT_TRUE(FormKeys.empty());
  Form->SetKeyPreview(true);
  PressKey('A');
  PressKey('Q');
  EXPECT_EQ(FormKeys, (std::vector<uint16_t>{'A', 'Q'}));
  EXPECT_EQ(std::count(E1->KeysDown.begin(), E1->KeysDown.end(), 'Q'), 0);
  EXPECT_EQ(std::count(E1->KeysDown.begin(), E1->KeysDown.end(), 'A'), 2);
}

TEST_F(FocusTest, HidingOrFreeingTheFocusedControlMovesTheFocusOn) {
  E1->Hide();
  EXPECT_EQ(Focused(), E2);
  EXPECT_EQ(Form->ActiveControl(), E2);
  delete E2;
  E2 = nullptr;
  EXPECT_EQ(Form->ActiveControl(), nullptr);
  EXPECT_THROW(E1->SetFocus(), Exception);  // hidden
  E3->SetFocus();
  EXPECT_EQ(Focused(), E3);
}

}  // namespace

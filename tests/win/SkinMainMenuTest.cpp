// The main menu shown as title-bar items: opened by Alt+key and the mouse, moved through
// with the arrows and the mouse while a popup is open, closed by Escape; the choice runs
// once.
#include <windows.h>

#include <functional>
#include <vector>

#include "MenuStepsSupport.h"
#include "SkinFormTestSupport.h"
#include "forms/QvPopupListEx.h"
#include "forms/QvSkinMainMenu.h"
#include "forms/QvSkinMenu.h"
#include "host/Screen.h"

using namespace qv;
using qvtest::PumpUntil;

namespace {

using qvtest::DuringMenus;
using TStep = qvtest::TMenuStep;

class SkinMainMenuTest : public qvtest::SkinFormFixture {
 protected:
  void SetUp() override {
    SkinFormFixture::SetUp();
    Skin();
    Main = new TMainMenu(Form.get());
    File = qvtest::NewMenuItem(Form.get(), Main->Items(), L"&File");
    Open = qvtest::NewMenuItem(Form.get(), File, L"&Open");
    qvtest::NewMenuItem(Form.get(), File, L"&Save");
    Edit = qvtest::NewMenuItem(Form.get(), Main->Items(), L"&Edit");
    Undo = qvtest::NewMenuItem(Form.get(), Edit, L"&Undo");
    qvtest::NewMenuItem(Form.get(), Main->Items(), L"Hidden")->SetVisible(false);
    auto* Tools = qvtest::NewMenuItem(Form.get(), Main->Items(), L"&Tools");
    qvtest::NewMenuItem(Form.get(), Tools, L"Options");
    Tools->SetEnabled(false);
    Help = qvtest::NewMenuItem(Form.get(), Main->Items(), L"&Help");
    SkinForm->MainMenu()->SetMainMenu(Main);
    Form->Show();
    SetForegroundWindow(Wnd());
    // Three system buttons and four items: the hidden entry gets none.
    ASSERT_TRUE(PumpUntil(
        [&] { return Screen->ActiveForm() == Form.get() && SkinForm->NCCtrlList().size() == 7; }));
    qvtest::PumpIdle();
  }
  TQvSkinNCMenuItem* Item(int Index) const {
    return SkinForm->MainMenu()->MenuList().at(size_t(Index))->NCMenuItem;
  }
  TQvSkinNCMenuItem* Focus() const { return SkinForm->MainMenu()->FocusMenu(); }
  // Runs the steps around Start, until they are done and no popup is open.
  void Run(std::vector<TStep>& Steps, const std::function<void()>& Start) {
    DuringMenus(Steps);
    Start();
    EXPECT_TRUE(
        PumpUntil([&] { return qvtest::MenuStepsDone() == Steps.size() && !Focus(); }, 5000));
    qvtest::StopMenuSteps();
    qvtest::PumpIdle();
  }

  TMainMenu* Main = nullptr;
  TMenuItem *File = nullptr, *Open = nullptr, *Edit = nullptr, *Undo = nullptr, *Help = nullptr;
};

TEST_F(SkinMainMenuTest, EntriesBecomeItemsInOrder) {
  ASSERT_EQ(SkinForm->MainMenu()->MenuList().size(), 4u);
  const wchar_t* Captions[] = {L"&File", L"&Edit", L"&Tools", L"&Help"};
  const bool Enabled[] = {true, true, false, true};
  for (int I = 0; I < 4; ++I) {
    SCOPED_TRACE(I);
    EXPECT_EQ(Item(I)->Caption(), Captions[I]);
    EXPECT_EQ(Item(I)->Enabled(), Enabled[I]);
    if (I > 0)
      EXPECT_EQ(Item(I)->GetRect().Left,
                Item(I - 1)->GetRect().Right + TQvSkinMainMenu::DefaultSpace);
  }
  EXPECT_EQ(Item(0)->GetRect().Left, TQvSkinMainMenu::DefaultPosValue);
}

TEST_F(SkinMainMenuTest, AltKeyOpensAndEscapeCloses) {
  bool FilePressed = false;
  std::vector<TStep> Steps{
      {[&] { return Focus() == Item(0); }, {VK_ESCAPE}, [&] { FilePressed = Item(0)->Down(); }}};
  Run(Steps, [] { qvtest::PressKey('F', {VK_MENU}); });
  EXPECT_TRUE(FilePressed);
  EXPECT_FALSE(Item(0)->Down());
  EXPECT_EQ(SkinForm->MainMenu()->NextFocusMenu(), nullptr);
}

TEST_F(SkinMainMenuTest, ArrowsMoveBetweenItems) {
  // Right to Edit, Right round to File (past the disabled Tools and Help, which has no
  // popup), Left back round to Edit, then Escape.
  std::vector<TStep> Steps{
      {[&] { return Focus() == Item(0); }, {VK_RIGHT}},
      {[&] { return Focus() == Item(1); }, {VK_RIGHT}},
      {[&] { return Focus() == Item(0); }, {VK_LEFT}},
      {[&] { return Focus() == Item(1); }, {VK_ESCAPE}},
  };
  Run(Steps, [] { qvtest::PressKey('F', {VK_MENU}); });
  EXPECT_EQ(qvtest::MenuStepsDone(), Steps.size());
}

TEST_F(SkinMainMenuTest, MouseOpensMovesAndChoosesOnce) {
  int Undone = 0, Opened = 0, Helped = 0;
  Undo->OnClick = [&](TObject*) { ++Undone; };
  Open->OnClick = [&](TObject*) { ++Opened; };
  Help->OnClick = [&](TObject*) { ++Helped; };
  SkinForm->MainMenu()->Refresh();  // the clones take the handlers
  ASSERT_TRUE(PumpUntil([&] { return SkinForm->NCCtrlList().size() == 7 && Item(1); }));
  qvtest::PumpIdle();
  const POINT E = CentreOf(Item(1));
  std::vector<TStep> Steps{
      {[&] { return Focus() == Item(0); }, {}, [&] { qvtest::MoveMouse(E.x, E.y); }},
      {[&] { return Focus() == Item(1); }, {VK_DOWN, VK_RETURN}},
  };
  const POINT F = CentreOf(Item(0));
  Run(Steps, [&] { qvtest::Click(F.x, F.y); });
  ASSERT_TRUE(PumpUntil([&] { return Undone > 0; }));
  qvtest::PumpIdle();
  EXPECT_EQ(Undone, 1);
  EXPECT_EQ(Opened, 0);
  // An entry without sub-items runs its own OnClick, once per click.
  const POINT H = CentreOf(Item(3));
  qvtest::Click(H.x, H.y);
  ASSERT_TRUE(PumpUntil([&] { return Helped > 0; }));
  qvtest::PumpIdle();
  EXPECT_EQ(Helped, 1);
}

TEST(SkinMainMenuHook, TwoMenusOneFreedKeepTheReplacement) {
  const int Before = PopupListHookCount();
  auto Make = [](std::unique_ptr<TForm>& F) {
    F = std::make_unique<TForm>(nullptr);
    auto* S = new TQvSkinForm(F.get());
    auto* M = new TMainMenu(F.get());
    qvtest::NewMenuItem(F.get(), M->Items(), L"&File");
    S->MainMenu()->SetMainMenu(M);
  };
  std::unique_ptr<TForm> A, B;
  Make(A);
  Make(B);
  EXPECT_EQ(PopupListHookCount(), Before + 2);
  A.reset();
  EXPECT_EQ(PopupListHookCount(), Before + 1);
  EXPECT_NE(dynamic_cast<TPopupListEx*>(PopupList), nullptr);
  B.reset();
  EXPECT_EQ(PopupListHookCount(), Before);
}

}  // namespace

// Bad input through the title bar: a long menu, a very long caption and an empty one each
// get an item that opens its popup under a real click, and the popup stays on the screen,
// whether the skin or the platform draws it.
class SkinMainMenuBadInputTest : public qvtest::SkinFormFixture {};

TEST_F(SkinMainMenuBadInputTest, OpensLaidOutAndOnTheScreen) {
  const String Long(300, L'W');
  struct {
    const char* Name;
    String Entry;
    int Subs;
    String Sub;
  } Cases[] = {
      {"200 entries", L"&File", 200, L"Entry"},
      {"300-character caption", L"&" + Long, 2, Long},
      {"empty caption", L"", 2, L""},
  };
  for (auto& C : Cases)
    for (bool Skinned : {true, false}) {
      SCOPED_TRACE(C.Name);
      SCOPED_TRACE(Skinned ? "menu skin" : "platform popup");
      Form = std::make_unique<TForm>(nullptr);
      Form->SetBounds(L, T, W, H);
      Skin();
      auto* Main = new TMainMenu(Form.get());
      TMenuItem* Entry = qvtest::NewMenuItem(Form.get(), Main->Items(), C.Entry);
      for (int I = 0; I < C.Subs; ++I) qvtest::NewMenuItem(Form.get(), Entry, C.Sub);
      SkinForm->MainMenu()->SetMainMenu(Main);
      if (Skinned) SkinForm->MainMenu()->SetMenuSkin(new TQvSkinMenu(Form.get()));
      Form->Show();
      SetForegroundWindow(Wnd());
      ASSERT_TRUE(PumpUntil([&] {
        return Screen->ActiveForm() == Form.get() && SkinForm->NCCtrlList().size() == 4;
      }));
      qvtest::PumpIdle();
      TQvSkinNCMenuItem* Item = SkinForm->MainMenu()->MenuList().at(0)->NCMenuItem;
      const TRect R = Item->GetRect();
      ASSERT_GT(R.Width(), 0);
      ASSERT_LT(R.Left, W);
      // A point of the item that lies on the form. The popup's menu loop runs inside the
      // click; the step reads the popup's place and closes it.
      const POINT P = At((R.Left + std::min<int>(R.Right, W / 2)) / 2, (R.Top + R.Bottom) / 2);
      RECT PR{};
      std::vector<TStep> Steps{{[&] {
                                  GetWindowRect(FindWindowW(L"#32768", nullptr), &PR);
                                  return true;
                                },
                                {VK_ESCAPE}}};
      DuringMenus(Steps);
      qvtest::Click(P.x, P.y);
      EXPECT_TRUE(PumpUntil([&] {
        return qvtest::MenuStepsDone() == Steps.size() && !SkinForm->MainMenu()->FocusMenu();
      }));
      qvtest::StopMenuSteps();
      qvtest::PumpIdle();
      const RECT Screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
      EXPECT_GT(PR.right - PR.left, 0);
      EXPECT_GE(PR.left, Screen.left);
      EXPECT_GE(PR.top, Screen.top);
      EXPECT_LE(PR.right, Screen.right);
      EXPECT_LE(PR.bottom, Screen.bottom);
      Form.reset();
    }
}

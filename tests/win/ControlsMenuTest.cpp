// Menus: the platform menu built from the item tree, commands back to the items, popups
// driven by real keys, owner drawing and context menus.
#include <memory>

#include "ControlsTestSupport.h"

using namespace qv;
using qvtest::PumpIdle;

namespace {

struct TMenuInfo {
  String Text;
  UINT Type = 0, State = 0;
  HMENU Sub = nullptr;
  UINT Id = 0;
};

TMenuInfo InfoAt(HMENU Menu, int Index) {
  wchar_t Text[128] = L"";
  MENUITEMINFOW Info{};
  Info.cbSize = sizeof(Info);
  Info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING | MIIM_SUBMENU | MIIM_ID;
  Info.dwTypeData = Text;
  Info.cch = 128;
  GetMenuItemInfoW(Menu, UINT(Index), TRUE, &Info);
  return {Text, Info.fType, Info.fState, Info.hSubMenu, Info.wID};
}

// Sends keys to the menu once it is open (a popup menu runs a modal loop of its own).
void KeysDuringMenu(std::vector<WORD> Keys) {
  static std::vector<WORD> Pending;
  Pending = std::move(Keys);
  SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR Id, DWORD) {
    HWND Menu = FindWindowW(L"#32768", nullptr);
    if (!Menu || !IsWindowVisible(Menu)) return;
    KillTimer(nullptr, Id);
    for (WORD K : Pending) {
      qvtest::SendKey(K, false);
      qvtest::SendKey(K, true);
    }
  });
}

using MenuTest = qvtest::ControlsTest;

TEST_F(MenuTest, PlatformMenuFollowsTheItemTree) {
  auto Owner = std::make_unique<TComponent>(nullptr);
  auto* Popup = new TPopupMenu(Owner.get());
  auto* Open = qvtest::NewMenuItem(Owner.get(), Popup->Items(), L"&Open");
  Open->SetShortCut(ShortCut('O', {ssCtrl}));
  qvtest::NewMenuItem(Owner.get(), Popup->Items(), L"-");
  auto* Hidden = qvtest::NewMenuItem(Owner.get(), Popup->Items(), L"Hidden");
  Hidden->SetVisible(false);
  auto* Radio = qvtest::NewMenuItem(Owner.get(), Popup->Items(), L"Radio");
  Radio->SetRadioItem(true);
  Radio->SetChecked(true);
  auto* Off = qvtest::NewMenuItem(Owner.get(), Popup->Items(), L"Off");
  Off->SetEnabled(false);
  auto* More = qvtest::NewMenuItem(Owner.get(), Popup->Items(), L"More");
  qvtest::NewMenuItem(Owner.get(), More, L"Inner");

  HMENU M = Popup->Handle();
  ASSERT_EQ(GetMenuItemCount(M), 5);  // the hidden item is left out
  EXPECT_EQ(InfoAt(M, 0).Text, L"&Open\tCtrl+O");
  EXPECT_EQ(InfoAt(M, 0).Id, Open->Command());
  EXPECT_TRUE(InfoAt(M, 1).Type & MFT_SEPARATOR);
  EXPECT_TRUE(InfoAt(M, 2).Type & MFT_RADIOCHECK);
  EXPECT_TRUE(InfoAt(M, 2).State & MFS_CHECKED);
  EXPECT_TRUE(InfoAt(M, 3).State & MFS_GRAYED);
  ASSERT_NE(InfoAt(M, 4).Sub, nullptr);
  EXPECT_EQ(InfoAt(InfoAt(M, 4).Sub, 0).Text, L"Inner");

  // A change rebuilds the platform menu.
  Hidden->SetVisible(true);
  EXPECT_EQ(GetMenuItemCount(Popup->Handle()), 6);
  // Items freed by their owner leave the tree.
  delete Radio;
  EXPECT_EQ(Popup->Items()->Count(), 5);
  EXPECT_EQ(Popup->Items()->Find(L"Open"), Open);
}

TEST_F(MenuTest, CommandsComeBackToTheirItems) {
  auto Owner = std::make_unique<TComponent>(nullptr);
  auto* Popup = new TPopupMenu(Owner.get());
  auto* A = qvtest::NewMenuItem(Owner.get(), Popup->Items(), L"A");
  auto* B = qvtest::NewMenuItem(Owner.get(), Popup->Items(), L"B");
  B->SetAutoCheck(true);
  std::vector<String> Clicked;
  A->OnClick = [&](TObject*) { Clicked.push_back(L"A"); };
  B->OnClick = [&](TObject*) { Clicked.push_back(L"B"); };
  SendMessageW(PopupList->Window(), WM_COMMAND, B->Command(), 0);
  EXPECT_EQ(Clicked, std::vector<String>{L"B"});
  EXPECT_TRUE(B->Checked());
  A->SetEnabled(false);
  SendMessageW(PopupList->Window(), WM_COMMAND, A->Command(), 0);
  EXPECT_EQ(Clicked.size(), 1u);
}

TEST_F(MenuTest, PopupRunsTheItemChosenWithTheKeyboard) {
  auto Form = std::make_unique<TForm>(nullptr);
  Form->SetBounds(100, 100, 300, 200);
  Form->Show();
  PumpIdle();
  auto* Popup = new TPopupMenu(Form.get());
  std::vector<String> Log;
  Popup->OnPopup = [&](TObject*) { Log.push_back(L"popup"); };
  for (const wchar_t* C : {L"First", L"Second", L"Third"}) {
    auto* I = qvtest::NewMenuItem(Form.get(), Popup->Items(), C);
    String Name = C;
    I->OnClick = [&Log, Name](TObject*) { Log.push_back(Name); };
  }
  KeysDuringMenu({VK_DOWN, VK_DOWN, VK_RETURN});
  Popup->Popup(150, 150);
  qvtest::PumpUntil([&] { return Log.size() >= 2; });  // the chosen item's click
  EXPECT_EQ(Log, (std::vector<String>{L"popup", L"Second"}));
  EXPECT_EQ(Popup->PopupPoint(), Point(150, 150));
}

TEST_F(MenuTest, OwnerDrawnItemsAreMeasuredAndDrawnByTheirEvents) {
  auto Form = std::make_unique<TForm>(nullptr);
  Form->Show();
  PumpIdle();
  auto* Popup = new TPopupMenu(Form.get());
  Popup->SetOwnerDraw(true);
  int Measured = 0, Drawn = 0;
  bool HadCanvas = true;
  for (const wchar_t* C : {L"One", L"Two"}) {
    auto* I = qvtest::NewMenuItem(Form.get(), Popup->Items(), C);
    I->OnMeasureItem = [&](TObject*, TCanvas* Canvas, int& W, int& H) {
      ++Measured;
      HadCanvas &= Canvas && Canvas->HandleAllocated();
      W = 120;
      H = 30;
    };
    I->OnAdvancedDrawItem = [&](TObject*, TCanvas* Canvas, const TRect& R, TOwnerDrawState) {
      ++Drawn;
      HadCanvas &= Canvas && Canvas->HandleAllocated();
      EXPECT_EQ(R.Height(), 30);
      Canvas->FillRect(R);
    };
  }
  KeysDuringMenu({VK_ESCAPE});
  Popup->Popup(120, 120);
  EXPECT_EQ(Measured, 2);
  EXPECT_GE(Drawn, 2);
  EXPECT_TRUE(HadCanvas);
}

class TTarget : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  String ClassName() const override { return L"TMenuTarget"; }
};

TEST_F(MenuTest, RightClickOpensTheControlsPopupMenu) {
  auto Form = std::make_unique<TForm>(nullptr);
  Form->SetBorderStyle(bsNone);
  Form->SetBounds(200, 200, 200, 100);
  auto* T = new TTarget(Form.get());
  T->SetBounds(10, 10, 100, 50);
  T->SetParent(Form.get());
  auto* Popup = new TPopupMenu(Form.get());
  qvtest::NewMenuItem(Form.get(), Popup->Items(), L"Item");
  T->SetPopupMenu(Popup);
  Form->Show();
  PumpIdle();
  int Popups = 0;
  Popup->OnPopup = [&](TObject*) { ++Popups; };
  TPoint P = T->ClientToScreen({20, 20});
  qvtest::MoveMouse(P.X, P.Y);
  KeysDuringMenu({VK_ESCAPE});
  qvtest::SendMouse(MOUSEEVENTF_RIGHTDOWN);
  qvtest::SendMouse(MOUSEEVENTF_RIGHTUP);
  ASSERT_TRUE(qvtest::PumpUntil([&] { return Popups == 1; }));
  EXPECT_EQ(Popup->PopupComponent(), T);
  EXPECT_EQ(Popup->PopupPoint(), P);
  // Freeing the menu clears the control's reference.
  delete Popup;
  EXPECT_EQ(T->PopupMenu(), nullptr);
}

TEST_F(MenuTest, MainMenuIsTheFormsMenuBar) {
  auto Form = std::make_unique<TForm>(nullptr);
  auto* Main = new TMainMenu(Form.get());
  auto* File = qvtest::NewMenuItem(Form.get(), Main->Items(), L"&File");
  auto* Exit = qvtest::NewMenuItem(Form.get(), File, L"E&xit");
  int Exits = 0;
  Exit->OnClick = [&](TObject*) { ++Exits; };
  Form->SetMenu(Main);
  Form->Show();
  PumpIdle();
  HMENU Bar = GetMenu(Form->Handle());
  ASSERT_NE(Bar, nullptr);
  EXPECT_EQ(InfoAt(Bar, 0).Text, L"&File");
  SendMessageW(Form->Handle(), WM_COMMAND, Exit->Command(), 0);
  EXPECT_EQ(Exits, 1);
  File->SetCaption(L"&Document");
  EXPECT_EQ(InfoAt(GetMenu(Form->Handle()), 0).Text, L"&Document");
  delete Main;
  EXPECT_EQ(Form->Menu(), nullptr);
}

}  // namespace

// The skinned toolbar under real input: momentary, sticky and radio items, the held
// scroll arrow, the drop-down part, arrow keys, hints, and bad input.
#include <memory>

#include "LeakProbe.h"
#include "SkinControlsTestSupport.h"
#include "controls/QvSkinToolbar.h"
#include "host/Actions.h"
#include "host/Application.h"
#include "host/Menus.h"
#include "host/ScopeGuard.h"

using namespace qv;
using namespace qvtest;

namespace {

// A popup menu that records where it was asked to open instead of showing itself.
class TRecordingMenu : public TPopupMenu {
 public:
  using TPopupMenu::TPopupMenu;
  TPoint At{-1, -1};
  int Popups = 0;
  void Popup(int X, int Y) override {
    At = {X, Y};
    ++Popups;
  }
};

class SkinToolbarTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    Bar = Add<TQvSkinToolbar>(Form.get(), 10, 10, 360, 52);
    Bar->SetAlign(alNone);
    Bar->OnItemDown = [this](TObject* Sender, int Index) { Downs.push_back({Sender, Index}); };
    Bar->OnItemClick = [this](TObject*, int Index) { Clicks.push_back(Index); };
  }
  TQvSkinToolbarItem* AddItem(const wchar_t* Caption, int Group = 0, bool AllUp = false) {
    TQvSkinToolbarItem* I = Bar->Items()->Add();
    I->Text()->SetText(Caption);
    I->SetGroupIndex(Group);
    I->SetAllowAllUp(AllUp);
    return I;
  }
  // Screen point of a client point of the toolbar.
  TPoint Screen(int X, int Y) const { return Bar->ClientToScreen({X, Y}); }
  TPoint Centre(TQvSkinToolbarItem* I) const {
    const TRect R = I->Rect();
    return Screen((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2);
  }
  void ClickAt(TPoint P) { Click(P.X, P.Y); }
  TQvSkinToolbar* Bar = nullptr;
  std::vector<std::pair<TObject*, int>> Downs;
  std::vector<int> Clicks;
};

}  // namespace

TEST_F(SkinToolbarTest, MomentaryStickyAndRadioItems) {
  TQvSkinToolbarItem* One = AddItem(L"One", 1);
  TQvSkinToolbarItem* Two = AddItem(L"Two", 1);
  TQvSkinToolbarItem* Push = AddItem(L"Push");
  TQvSkinToolbarItem* Sticky = AddItem(L"Sticky", 0, true);
  ShowForm();

  // Radio: pressing one releases the other and tells with the pressed item as sender.
  ClickAt(Centre(One));
  ClickAt(Centre(Two));
  EXPECT_FALSE(One->Down());
  EXPECT_TRUE(Two->Down());
  ASSERT_EQ(Downs.size(), 2u);
  EXPECT_EQ(Downs[1], std::make_pair(static_cast<TObject*>(Two), 1));

  // Momentary: down only while held; released outside it does not click.
  const TPoint P = Centre(Push);
  MoveMouse(P.X, P.Y);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  PumpInput();
  EXPECT_TRUE(Push->Down());
  MoveMouse(P.X, Screen(0, 200).Y);
  SendMouse(MOUSEEVENTF_LEFTUP);
  PumpInput();
  EXPECT_FALSE(Push->Down());
  EXPECT_EQ(std::count(Clicks.begin(), Clicks.end(), 2), 0);
  ClickAt(P);
  EXPECT_FALSE(Push->Down());
  EXPECT_EQ(std::count(Clicks.begin(), Clicks.end(), 2), 1);
  EXPECT_TRUE(Two->Down()) << "another group keeps its state";

  // Sticky: toggles on each press without OnItemDown.
  const size_t DownsBefore = Downs.size();
  ClickAt(Centre(Sticky));
  EXPECT_TRUE(Sticky->Down());
  ClickAt(Centre(Sticky));
  EXPECT_FALSE(Sticky->Down());
  EXPECT_EQ(Downs.size(), DownsBefore);
}

TEST_F(SkinToolbarTest, HeldFrontArrowScrollsToTheEndInSteps) {
  Bar->SetWidth(200);
  for (int I = 0; I < 6; ++I) AddItem(L"Item");
  ShowForm();
  ASSERT_TRUE(Bar->EnabledScroll());
  EXPECT_EQ(Bar->DispOffset().X, 0);
  std::vector<int> Seen;
  Bar->OnItemFocusChanged = nullptr;
  const TRect F = Bar->GoFrontBtnRect();
  const TPoint P = Screen((F.Left + F.Right) / 2, (F.Top + F.Bottom) / 2);
  MoveMouse(P.X, P.Y);
  ASSERT_EQ(Bar->HotOtherBtn(), gbFront);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  // Content of 3 + 6 x 51 pixels on 200: eight steps of 15 bring its end inside.
  ASSERT_TRUE(PumpUntil([&] {
    if (Seen.empty() || Seen.back() != Bar->DispOffset().X) Seen.push_back(Bar->DispOffset().X);
    return Bar->DispOffset().X == -120;
  }));
  PumpTicks(10, 3);
  EXPECT_EQ(Bar->DispOffset().X, -120) << "no step past the end";
  SendMouse(MOUSEEVENTF_LEFTUP);
  PumpInput();
  for (int V : Seen) EXPECT_EQ(V % 15, 0) << V;
  EXPECT_TRUE(std::is_sorted(Seen.rbegin(), Seen.rend()));
  EXPECT_TRUE(Clicks.empty());

  // The back arrow returns to the start; resizing resets the scroll.
  Bar->ScrollBack();
  EXPECT_EQ(Bar->DispOffset().X, -105);
  Bar->SetWidth(210);
  EXPECT_EQ(Bar->DispOffset().X, 0);
}

TEST_F(SkinToolbarTest, DropdownPartOpensTheMenuAtTheOffsetWithoutClicking) {
  auto* Menu = new TRecordingMenu(Form.get());
  TQvSkinToolbarItem* Item = AddItem(L"Open");
  Item->SetDropdownMenu(Menu);
  int ItemClicks = 0;
  Item->OnClick = [&](TObject*) { ++ItemClicks; };
  ShowForm();
  const TRect M = Item->MenuButtonRect();
  ASSERT_EQ(M.Width(), TQvSkinCustomToolbar::MenuButtonWidth);
  ClickAt(Screen(M.Left + 8, (M.Top + M.Bottom) / 2));
  EXPECT_EQ(Menu->Popups, 1);
  const TRect R = Item->Rect();
  EXPECT_EQ(Menu->At, Screen(R.Left - 4, R.Bottom - 4));
  EXPECT_EQ(ItemClicks, 0);
  EXPECT_TRUE(Clicks.empty());

  // The button part clicks; a handler takes the click instead of the menu.
  ClickAt(Screen(R.Left + 5, (R.Top + R.Bottom) / 2));
  EXPECT_EQ(ItemClicks, 1);
  EXPECT_EQ(Menu->Popups, 1);

  // A freed menu leaves the item.
  delete Menu;
  EXPECT_EQ(Item->DropdownMenu(), nullptr);
}

TEST_F(SkinToolbarTest, ArrowKeysFocusAndPress) {
  for (int I = 0; I < 3; ++I) AddItem(L"Key");
  Bar->SetAllowArrowKeys(true);
  ShowForm();
  Bar->SetFocus();
  PumpIdle();
  PressKey(VK_RIGHT);
  EXPECT_EQ(Bar->FocusItemIndex(), 0);
  ASSERT_FALSE(Downs.empty());
  EXPECT_EQ(Downs.back().second, 0);
  PressKey(VK_RIGHT);
  PressKey(VK_RIGHT);
  PressKey(VK_RIGHT);
  EXPECT_EQ(Bar->FocusItemIndex(), 2) << "stops at the last item";
  PressKey(VK_LEFT);
  EXPECT_EQ(Bar->FocusItemIndex(), 1);
}

TEST_F(SkinToolbarTest, ItemHintReplacesTheControlHint) {
  TQvSkinToolbarItem* Item = AddItem(L"Hint");
  Item->SetHint(L"Saves the file");
  Bar->SetHint(L"Toolbar");
  ShowForm();
  const TPoint P = Centre(Item);
  MoveMouse(P.X, P.Y);
  ASSERT_EQ(Bar->HotItemIndex(), 0);
  THintInfo Info;
  Info.HintStr = Bar->Hint();
  Bar->Perform(CM_HINTSHOW, 0, intptr_t(&Info));
  EXPECT_EQ(Info.HintStr, L"Saves the file");
}

TEST_F(SkinToolbarTest, EmptyHiddenAndDeletedItemsLayOutAndPaint) {
  Bar->SetButtonWidth(0);
  ShowForm();
  PaintOffScreen(Bar);  // empty collection
  TQvSkinToolbarItem* Hidden = AddItem(L"Hidden");
  Hidden->SetVisible(false);
  PaintOffScreen(Bar);  // ButtonWidth 0 and no visible item: no division by zero
  EXPECT_EQ(Bar->VisibleItemCount(), 0);
  EXPECT_EQ(Bar->GetItemAt({5, 5}), -1);

  // Deleting from a scrolled row whose rest fits scrolls back to the start.
  Bar->SetButtonWidth(48);
  for (int I = 0; I < 8; ++I) AddItem(L"More");
  Redraw(Bar);
  Bar->ScrollFront();
  Redraw(Bar);
  ASSERT_LT(Bar->DispOffset().X, 0);
  while (Bar->Items()->Count() > 3) Bar->Items()->Delete(Bar->Items()->Count() - 1);
  EXPECT_EQ(Bar->DispOffset().X, 0);

  // A column lays out too.
  Bar->SetMultiLine(true);
  Bar->SetBounds(10, 10, 60, 200);
  Redraw(Bar);
  EXPECT_EQ(Bar->Items()->Items(1)->Rect().Left, 6);
}

TEST_F(SkinToolbarTest, ItemRunsAndFollowsItsAction) {
  auto* A = new TAction(Form.get());
  A->SetCaption(L"Open");
  int Runs = 0;
  A->OnExecute = [&](TObject*) { ++Runs; };
  TQvSkinToolbarItem* Item = AddItem(L"Text");
  TQvSkinToolbarItem* Own = AddItem(L"Own");
  Own->SetAction(A);
  Own->Text()->SetText(L"Kept");  // no longer the action's caption
  Item->SetAction(A);
  EXPECT_EQ(Item->Text()->Text(), L"Open");
  EXPECT_TRUE(Item->ActionLink()->IsCaptionLinked());
  EXPECT_FALSE(Own->ActionLink()->IsCaptionLinked());
  EXPECT_TRUE(Own->ActionLink()->IsOnExecuteLinked());
  ShowForm();

  ClickAt(Centre(Item));
  EXPECT_EQ(Runs, 1);
  EXPECT_EQ(Clicks, std::vector<int>{0});

  // A change of the action hands every value on (CheckDefaults off), as the framework does.
  A->SetCaption(L"Save");
  EXPECT_EQ(Item->Text()->Text(), L"Save");
  EXPECT_EQ(Own->Text()->Text(), L"Save");
  A->SetEnabled(false);
  EXPECT_FALSE(Item->Enabled());
  EXPECT_FALSE(Own->Enabled());
  PumpIdle();
  ClickAt(Centre(Item));
  EXPECT_EQ(Runs, 1);
  A->SetEnabled(true);
  A->SetVisible(false);
  EXPECT_FALSE(Item->Visible());
  A->SetVisible(true);

  // Freeing the action leaves the items unlinked, still running the handler themselves.
  delete A;
  EXPECT_EQ(Item->Action(), nullptr);
  EXPECT_EQ(Own->Action(), nullptr);
  PumpIdle();
  ClickAt(Centre(Item));
  EXPECT_EQ(Runs, 2);
}

TEST_F(SkinToolbarTest, ActionDefaultsWhileLoadingKeepTheItemsValues) {
  struct Case {
    const char* Name;
    bool CheckDefaults;
    const wchar_t* Caption;
    bool OwnHandler;
    const wchar_t* WantCaption;
    bool WantEnabled, WantActionHandler;
  };
  const Case Cases[] = {
      {"all values", false, L"Mine", true, L"Act", false, true},
      {"defaults: own caption and handler kept", true, L"Mine", true, L"Mine", false, false},
      {"defaults: empty caption and no handler taken", true, L"", false, L"Act", false, true},
  };
  for (const Case& K : Cases) {
    SCOPED_TRACE(K.Name);
    TAction A(nullptr);
    A.SetCaption(L"Act");
    A.SetEnabled(false);
    A.OnExecute = [](TObject*) {};
    TQvSkinToolbarItem* Item = AddItem(K.Caption);
    if (K.OwnHandler) Item->OnClick = [](TObject*) {};
    Item->ActionChanged(&A, K.CheckDefaults);
    EXPECT_EQ(Item->Text()->Text(), K.WantCaption);
    EXPECT_EQ(Item->Enabled(), K.WantEnabled);
    EXPECT_EQ(IsActionExecuteHandler(Item->OnClick, &A), K.WantActionHandler);
    delete Item;
  }
}

TEST_F(SkinToolbarTest, IdleUpdatesTheActionsOfLists) {
  auto* List = new TActionList(Form.get());
  auto* A = new TAction(Form.get());
  A->SetActionList(List);
  bool Allowed = true;
  A->OnUpdate = [&](TObject*) { A->SetEnabled(Allowed); };
  TQvSkinToolbarItem* Item = AddItem(L"Go");
  Item->SetAction(A);
  ShowForm();
  Allowed = false;
  // The loop's idle step runs the update handlers; this idle handler keeps it from waiting.
  TScopedValue<TIdleEvent> Restore(Application->OnIdle, [](TObject*, bool& Done) { Done = false; });
  EXPECT_TRUE(PumpUntil([&] {
    Application->HandleMessage();
    return !Item->Enabled();
  }));
}

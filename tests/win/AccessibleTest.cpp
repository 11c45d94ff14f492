// The MSAA object of skinned controls, read back the way a screen reader reads it.
#include <windows.h>
// windows.h first: the OLE headers depend on it.
#include <commctrl.h>
#include <oleacc.h>

#include "SkinControlsTestSupport.h"
#include "controls/QvAccessibleWin.h"
#include "controls/QvHLSTrackBar.h"
#include "controls/QvSkinComboBoxEx.h"
#include "controls/QvSkinCountBar.h"
#include "controls/QvSkinListView.h"
#include "controls/QvSkinMemo.h"
#include "controls/QvSkinPageControl.h"
#include "controls/QvSkinScrollBar.h"
#include "controls/QvSkinSearchEdit.h"
#include "controls/QvSkinTabset.h"
#include "controls/QvSkinTagsBox.h"
#include "controls/QvSkinVirtualTree.h"
#include "dialogs/QvMessageBox.h"

using namespace qv;
using namespace qvtest;

namespace {

// A plain skinned control that tells what the test sets.
class TAccProbe : public TQvSkinCustomControl {
 public:
  using TQvSkinCustomControl::TQvSkinCustomControl;
  String ClassName() const override { return L"TQvTestAccProbe"; }
  TQvAccessibleInfo Info;
  int Actions = 0;
  TQvAccessibleInfo AccessibleInfo() const override {
    TQvAccessibleInfo I = Info;
    I.State = I.State + TQvSkinCustomControl::AccessibleInfo().State;
    return I;
  }
  bool DoAccessibleDefaultAction() override {
    ++Actions;
    return true;
  }
};

// A probe made of two parts, as a tab strip or a toolbar is.
class TAccPartsProbe : public TAccProbe, public IQvAccessibleChildren {
 public:
  using TAccProbe::TAccProbe;
  std::vector<TQvAccessibleChild> Parts;
  int PartActions = -1;
  int AccessibleChildCount() const override { return int(Parts.size()); }
  TQvAccessibleChild AccessibleChild(int Index) const override { return Parts[size_t(Index)]; }
  bool DoAccessibleChildAction(int Index) override {
    PartActions = Index;
    return true;
  }
};

struct TComPtr {
  IAccessible* P = nullptr;
  ~TComPtr() {
    if (P) P->Release();
  }
  IAccessible* operator->() const { return P; }
};

String TakeBstr(BSTR B) {
  String S = B ? String(B, SysStringLen(B)) : String();
  SysFreeString(B);
  return S;
}

class AccessibleTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    CoInitialize(nullptr);
    Probe = new TAccProbe(Form.get());
    Probe->SetParent(Form.get());
    Probe->SetBounds(10, 20, 120, 30);
    Form->Show();
    PumpIdle();
  }
  void TearDown() override {
    SkinFormTest::TearDown();
    CoUninitialize();
  }
  bool Get(HWND Wnd, TComPtr& Acc) {
    return SUCCEEDED(AccessibleObjectFromWindow(Wnd, DWORD(OBJID_CLIENT), IidAccessible(),
                                                reinterpret_cast<void**>(&Acc.P))) &&
           Acc.P;
  }
  // The object's role and the number of children it tells.
  void ExpectRoleAndChildren(TComPtr& Acc, LONG Role, LONG Children) {
    VARIANT V;
    ASSERT_EQ(Acc->get_accRole(Self, &V), S_OK);
    EXPECT_EQ(V.lVal, Role);
    LONG Count = 0;
    ASSERT_EQ(Acc->get_accChildCount(&Count), S_OK);
    EXPECT_EQ(Count, Children);
  }
  static VARIANT ChildId(LONG Id) {
    VARIANT V;
    V.vt = VT_I4;
    V.lVal = Id;
    return V;
  }
  // One part's role, name and its states among Mask.
  void ExpectPart(TComPtr& Acc, LONG Id, LONG Role, const wchar_t* Name, LONG Mask, LONG State) {
    VARIANT V;
    ASSERT_EQ(Acc->get_accRole(ChildId(Id), &V), S_OK);
    EXPECT_EQ(V.lVal, Role) << Name;
    ASSERT_EQ(Acc->get_accState(ChildId(Id), &V), S_OK);
    EXPECT_EQ(V.lVal & Mask, State) << Name;
    BSTR B = nullptr;
    ASSERT_EQ(Acc->get_accName(ChildId(Id), &B), S_OK);
    EXPECT_EQ(TakeBstr(B), Name);
  }
  TAccProbe* Probe = nullptr;
  VARIANT Self = [] {
    VARIANT V;
    V.vt = VT_I4;
    V.lVal = CHILDID_SELF;
    return V;
  }();
};

}  // namespace

TEST(AccessibleValues, RolesAndStatesAreTheMsaaNumbers) {
  const std::pair<TQvAccRole, uint32_t> Roles[] = {
      {arClient, ROLE_SYSTEM_CLIENT},
      {arPushButton, ROLE_SYSTEM_PUSHBUTTON},
      {arDropDownButton, ROLE_SYSTEM_BUTTONDROPDOWN},
      {arCheckButton, ROLE_SYSTEM_CHECKBUTTON},
      {arRadioButton, ROLE_SYSTEM_RADIOBUTTON},
      {arLink, ROLE_SYSTEM_LINK},
      {arScrollBar, ROLE_SYSTEM_SCROLLBAR},
      {arProgressBar, ROLE_SYSTEM_PROGRESSBAR},
      {arSlider, ROLE_SYSTEM_SLIDER},
      {arSpinButton, ROLE_SYSTEM_SPINBUTTON},
      {arGrouping, ROLE_SYSTEM_GROUPING},
      {arStaticText, ROLE_SYSTEM_STATICTEXT},
      {arEditableText, ROLE_SYSTEM_TEXT},
      {arComboBox, ROLE_SYSTEM_COMBOBOX},
      {arList, ROLE_SYSTEM_LIST},
      {arListItem, ROLE_SYSTEM_LISTITEM},
      {arOutline, ROLE_SYSTEM_OUTLINE},
      {arOutlineItem, ROLE_SYSTEM_OUTLINEITEM},
      {arPageTabList, ROLE_SYSTEM_PAGETABLIST},
      {arPageTab, ROLE_SYSTEM_PAGETAB},
      {arToolBar, ROLE_SYSTEM_TOOLBAR},
      {arMenuItem, ROLE_SYSTEM_MENUITEM},
      {arDialog, ROLE_SYSTEM_DIALOG},
      {arToolTip, ROLE_SYSTEM_TOOLTIP},
      {arGraphic, ROLE_SYSTEM_GRAPHIC},
  };
  for (auto [Role, Value] : Roles) EXPECT_EQ(AccessibleRoleValue(Role), Value) << Role;
  const std::pair<TQvAccStateFlag, uint32_t> States[] = {
      {asFocusable, STATE_SYSTEM_FOCUSABLE},  {asFocused, STATE_SYSTEM_FOCUSED},
      {asHot, STATE_SYSTEM_HOTTRACKED},       {asPressed, STATE_SYSTEM_PRESSED},
      {asChecked, STATE_SYSTEM_CHECKED},      {asMixed, STATE_SYSTEM_MIXED},
      {asDisabled, STATE_SYSTEM_UNAVAILABLE}, {asReadOnly, STATE_SYSTEM_READONLY},
      {asProtected, STATE_SYSTEM_PROTECTED},  {asSelectable, STATE_SYSTEM_SELECTABLE},
      {asSelected, STATE_SYSTEM_SELECTED},    {asExpanded, STATE_SYSTEM_EXPANDED},
      {asCollapsed, STATE_SYSTEM_COLLAPSED},  {asHasPopup, STATE_SYSTEM_HASPOPUP},
      {asInvisible, STATE_SYSTEM_INVISIBLE},
  };
  for (auto [Flag, Bit] : States) EXPECT_EQ(AccessibleStateBits({Flag}), Bit) << Flag;
}

TEST_F(AccessibleTest, ClientObjectTellsTheModel) {
  Probe->Info.Role = arPushButton;
  SetAccessibleCaption(Probe->Info, L"&Open");
  Probe->Info.Value = L"42";
  Probe->Info.DefaultAction = L"Press";
  Probe->Info.State = {asFocusable, asPressed};
  TComPtr Acc;
  ASSERT_TRUE(Get(Probe->Handle(), Acc));

  VARIANT V;
  ASSERT_EQ(Acc->get_accRole(Self, &V), S_OK);
  EXPECT_EQ(V.vt, VT_I4);
  EXPECT_EQ(V.lVal, ROLE_SYSTEM_PUSHBUTTON);
  ASSERT_EQ(Acc->get_accState(Self, &V), S_OK);
  EXPECT_EQ(V.lVal & (STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_PRESSED | STATE_SYSTEM_UNAVAILABLE),
            STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_PRESSED);

  const std::pair<HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*), const wchar_t*>
      Texts[] = {{&IAccessible::get_accName, L"Open"},
                 {&IAccessible::get_accValue, L"42"},
                 {&IAccessible::get_accDefaultAction, L"Press"},
                 {&IAccessible::get_accKeyboardShortcut, L"Alt+O"}};
  for (auto [Getter, Expected] : Texts) {
    BSTR B = nullptr;
    EXPECT_EQ((Acc.P->*Getter)(Self, &B), S_OK) << Expected;
    EXPECT_EQ(TakeBstr(B), Expected);
  }

  LONG X, Y, W, H;
  ASSERT_EQ(Acc->accLocation(&X, &Y, &W, &H, Self), S_OK);
  POINT Origin{0, 0};
  ClientToScreen(Probe->Handle(), &Origin);
  EXPECT_EQ(std::make_tuple(X, Y, W, H), std::make_tuple(Origin.x, Origin.y, 120L, 30L));
  ASSERT_EQ(Acc->accHitTest(Origin.x + 5, Origin.y + 5, &V), S_OK);
  EXPECT_EQ(V.vt, VT_I4);
  EXPECT_EQ(Acc->accHitTest(Origin.x - 5, Origin.y, &V), S_FALSE);

  IDispatch* Parent = nullptr;
  EXPECT_EQ(Acc->get_accParent(&Parent), S_OK);
  EXPECT_NE(Parent, nullptr);
  if (Parent) Parent->Release();

  EXPECT_EQ(Acc->accDoDefaultAction(Self), S_OK);
  EXPECT_EQ(Probe->Actions, 1);
}

TEST_F(AccessibleTest, EmptyTextsFocusDisabledAndBadChild) {
  TComPtr Acc;
  ASSERT_TRUE(Get(Probe->Handle(), Acc));
  BSTR B = nullptr;
  EXPECT_EQ(Acc->get_accName(Self, &B), S_FALSE);
  EXPECT_EQ(B, nullptr);
  EXPECT_EQ(Acc->get_accValue(Self, &B), DISP_E_MEMBERNOTFOUND);
  VARIANT Other;
  Other.vt = VT_I4;
  Other.lVal = 3;
  EXPECT_EQ(Acc->get_accName(Other, &B), E_INVALIDARG);

  VARIANT V;
  EXPECT_EQ(Acc->get_accFocus(&V), S_FALSE);
  Probe->SetFocus();
  PumpIdle();
  ASSERT_EQ(Acc->get_accFocus(&V), S_OK);
  EXPECT_EQ(V.vt, VT_I4);
  ASSERT_EQ(Acc->get_accState(Self, &V), S_OK);
  EXPECT_TRUE(V.lVal & STATE_SYSTEM_FOCUSED);

  Probe->SetEnabled(false);
  ASSERT_EQ(Acc->get_accState(Self, &V), S_OK);
  EXPECT_TRUE(V.lVal & STATE_SYSTEM_UNAVAILABLE);
}

TEST_F(AccessibleTest, ObjectOutlivingItsControlIsDisconnected) {
  TComPtr Acc;
  ASSERT_TRUE(Get(Probe->Handle(), Acc));
  delete Probe;
  Probe = nullptr;
  VARIANT V;
  EXPECT_EQ(Acc->get_accRole(Self, &V), RPC_E_DISCONNECTED);
  EXPECT_EQ(Acc->accDoDefaultAction(Self), RPC_E_DISCONNECTED);
}

TEST_F(AccessibleTest, ValueControlsTellRoleValueAndState) {
  auto* Bar = new TQvSkinScrollBar(Form.get());
  Bar->SetParent(Form.get());
  Bar->SetBounds(10, 100, 200, 19);
  Bar->SetCanFocused(true);
  Bar->SetPosition(42);
  auto* Progress = new TQvSkinProgressBar(Form.get());
  Progress->SetParent(Form.get());
  Progress->SetBounds(10, 130, 150, 17);
  Progress->TrackButton()->SetVisible(true);
  Progress->SetValue(7);
  auto* Track = new TQvHLSTrackBar(Form.get());
  Track->SetParent(Form.get());
  Track->SetBounds(10, 160, 230, 28);
  Track->SetKind(hlsB);
  Track->SetValue(-30);
  struct Case {
    TQvSkinCustomControl* Control;
    LONG Role;
    const wchar_t* Value;
  } Cases[] = {
      {Bar, ROLE_SYSTEM_SCROLLBAR, L"42"},
      {Progress, ROLE_SYSTEM_SLIDER, L"7"},
      {Track, ROLE_SYSTEM_SLIDER, L"-30"},
  };
  PumpIdle();
  for (const Case& C : Cases) {
    TComPtr Acc;
    ASSERT_TRUE(Get(C.Control->Handle(), Acc));
    VARIANT V;
    ASSERT_EQ(Acc->get_accRole(Self, &V), S_OK);
    EXPECT_EQ(V.lVal, C.Role);
    BSTR B = nullptr;
    ASSERT_EQ(Acc->get_accValue(Self, &B), S_OK);
    EXPECT_EQ(TakeBstr(B), C.Value);
    ASSERT_EQ(Acc->get_accState(Self, &V), S_OK);
    EXPECT_TRUE(V.lVal & STATE_SYSTEM_FOCUSABLE);
  }
}

// The buttons and toggles read back as a screen reader reads them: role, name, state and
// the default action performed through the MSAA object.
TEST_F(AccessibleTest, ButtonsAndTogglesTellTheirRoleNameAndState) {
  auto* Button = Add<TQvSkinButton>(Form.get(), 10, 60, 80, 27);
  Button->SetCaption(L"&Send");
  int Clicks = 0;
  Button->OnClick = [&](TObject*) { ++Clicks; };
  auto* Check = Add<TQvSkinCheckBox>(Form.get(), 10, 100, 120, 17);
  Check->SetCaption(L"Keep");
  Check->SetChecked(true);
  auto* Radio = Add<TQvSkinRadioBox>(Form.get(), 10, 120, 120, 17);
  Radio->SetCaption(L"One");
  auto* Switch = Add<TQvSkinSwitchButton>(Form.get(), 10, 140, 34, 18);
  auto* Group = Add<TQvSkinGroupBox>(Form.get(), 150, 60, 200, 100);
  Group->SetCaption(L"Options");
  auto* Link = Add<TQvURLButton>(Form.get(), 150, 170, 100, 20);
  Link->SetCaption(L"Home page");
  PumpIdle();
  struct TRow {
    TWinControl* Control;
    LONG Role;
    const wchar_t* Name;
    LONG State;  // bits that must be set
  };
  const TRow Rows[] = {
      {Button, ROLE_SYSTEM_PUSHBUTTON, L"Send", STATE_SYSTEM_FOCUSABLE},
      {Check, ROLE_SYSTEM_CHECKBUTTON, L"Keep", STATE_SYSTEM_CHECKED | STATE_SYSTEM_FOCUSABLE},
      {Radio, ROLE_SYSTEM_RADIOBUTTON, L"One", STATE_SYSTEM_FOCUSABLE},
      {Switch, ROLE_SYSTEM_CHECKBUTTON, L"关闭", STATE_SYSTEM_FOCUSABLE},
      {Group, ROLE_SYSTEM_GROUPING, L"Options", 0},
      {Link, ROLE_SYSTEM_LINK, L"Home page", 0},
  };
  for (const TRow& R : Rows) {
    TComPtr Acc;
    ASSERT_TRUE(Get(R.Control->Handle(), Acc)) << R.Name;
    VARIANT V;
    ASSERT_EQ(Acc->get_accRole(Self, &V), S_OK);
    EXPECT_EQ(V.lVal, R.Role) << R.Name;
    BSTR B = nullptr;
    ASSERT_EQ(Acc->get_accName(Self, &B), S_OK);
    EXPECT_EQ(TakeBstr(B), R.Name);
    ASSERT_EQ(Acc->get_accState(Self, &V), S_OK);
    EXPECT_EQ(V.lVal & R.State, R.State) << R.Name;
  }
  TComPtr Acc;
  ASSERT_TRUE(Get(Button->Handle(), Acc));
  BSTR B = nullptr;
  ASSERT_EQ(Acc->get_accKeyboardShortcut(Self, &B), S_OK);
  EXPECT_EQ(TakeBstr(B), L"Alt+S");
  EXPECT_EQ(Acc->accDoDefaultAction(Self), S_OK);
  EXPECT_EQ(Clicks, 1);
  TComPtr CheckAcc;
  ASSERT_TRUE(Get(Check->Handle(), CheckAcc));
  EXPECT_EQ(CheckAcc->accDoDefaultAction(Self), S_OK);
  EXPECT_FALSE(Check->Checked());
}

TEST_F(AccessibleTest, PartsAreSimpleChildren) {
  auto* Strip = new TAccPartsProbe(Form.get());
  Strip->SetParent(Form.get());
  Strip->SetBounds(10, 60, 200, 30);
  Strip->Info.Role = arPageTabList;
  Strip->Parts = {
      {{arPageTab, L"One", L"", {asSelectable, asSelected}, L"Switch", L""}, Rect(0, 0, 60, 30)},
      {{arPageTab, L"Two", L"", {asSelectable}, L"Switch", L""}, Rect(60, 0, 120, 30)}};
  PumpIdle();
  TComPtr Acc;
  ASSERT_TRUE(Get(Strip->Handle(), Acc));
  LONG Count = 0;
  ASSERT_EQ(Acc->get_accChildCount(&Count), S_OK);
  EXPECT_EQ(Count, 2);

  struct TRow {
    LONG Id;
    const wchar_t* Name;
    LONG State;
  } const Rows[] = {{1, L"One", STATE_SYSTEM_SELECTED}, {2, L"Two", 0}};
  POINT Origin{0, 0};
  ClientToScreen(Strip->Handle(), &Origin);
  for (const TRow& R : Rows) {
    VARIANT Child;
    Child.vt = VT_I4;
    Child.lVal = R.Id;
    VARIANT V;
    ASSERT_EQ(Acc->get_accRole(Child, &V), S_OK);
    EXPECT_EQ(V.lVal, ROLE_SYSTEM_PAGETAB);
    ASSERT_EQ(Acc->get_accState(Child, &V), S_OK);
    EXPECT_EQ(V.lVal & STATE_SYSTEM_SELECTED, R.State) << R.Name;
    BSTR B = nullptr;
    ASSERT_EQ(Acc->get_accName(Child, &B), S_OK);
    EXPECT_EQ(TakeBstr(B), R.Name);
    IDispatch* Disp = nullptr;
    EXPECT_EQ(Acc->get_accChild(Child, &Disp), S_FALSE);
    LONG X, Y, W, H;
    ASSERT_EQ(Acc->accLocation(&X, &Y, &W, &H, Child), S_OK);
    EXPECT_EQ(std::make_tuple(X, Y, W, H),
              std::make_tuple(Origin.x + (R.Id - 1) * 60, Origin.y, 60L, 30L));
    ASSERT_EQ(Acc->accHitTest(X + 5, Y + 5, &V), S_OK);
    EXPECT_EQ(V.lVal, R.Id);
    EXPECT_EQ(Acc->accDoDefaultAction(Child), S_OK);
    EXPECT_EQ(Strip->PartActions, R.Id - 1);
  }
  VARIANT Next;
  ASSERT_EQ(Acc->accNavigate(NAVDIR_FIRSTCHILD, Self, &Next), S_OK);
  EXPECT_EQ(Next.lVal, 1);
  ASSERT_EQ(Acc->accNavigate(NAVDIR_NEXT, Next, &Next), S_OK);
  EXPECT_EQ(Next.lVal, 2);
  EXPECT_EQ(Acc->accNavigate(NAVDIR_NEXT, Next, &Next), S_FALSE);
  VARIANT Bad;
  Bad.vt = VT_I4;
  Bad.lVal = 3;
  BSTR B = nullptr;
  EXPECT_EQ(Acc->get_accName(Bad, &B), E_INVALIDARG);
}

TEST_F(AccessibleTest, PageTabsToolbarItemsAndTabSetTabsAreParts) {
  auto* Pages = new TQvSkinPageControl(Form.get());
  Pages->SetParent(Form.get());
  Pages->SetBounds(10, 60, 300, 120);
  for (const wchar_t* C : {L"One", L"Two"}) {
    auto* S = new TQvSkinTabSheet(Form.get());
    S->SetCaption(C);
    S->SetPageControl(Pages);
  }
  auto* Bar = new TQvSkinToolbar(Form.get());
  Bar->SetParent(Form.get());
  Bar->SetAlign(alNone);
  Bar->SetBounds(10, 190, 300, 52);
  auto* Menu = new TPopupMenu(Form.get());
  const struct {
    const wchar_t* Caption;
    int Group;
    bool AllUp, Down, HasMenu;
  } Items[] = {{L"Push", 0, false, false, false},
               {L"Keep", 0, true, true, false},
               {L"More", 0, false, false, true}};
  for (auto I : Items) {
    TQvSkinToolbarItem* T = Bar->Items()->Add();
    T->Text()->SetText(I.Caption);
    T->SetAllowAllUp(I.AllUp);
    if (I.Down) T->SetDown(true);
    if (I.HasMenu) T->SetDropdownMenu(Menu);
  }
  auto* Tabs = new TQvSkinTabset(Form.get());
  Tabs->SetParent(Form.get());
  Tabs->SetAlign(alNone);
  Tabs->SetBounds(10, 250, 300, 38);
  Tabs->Items()->Add()->Text()->SetText(L"File");
  Tabs->Items()->Items(0)->SetDown(true);
  PumpIdle();

  struct TRow {
    TWinControl* Control;
    LONG Role, Id, PartRole;
    const wchar_t* Name;
    LONG State;
  } const Rows[] = {
      {Pages, ROLE_SYSTEM_PAGETABLIST, 1, ROLE_SYSTEM_PAGETAB, L"One", STATE_SYSTEM_SELECTED},
      {Pages, ROLE_SYSTEM_PAGETABLIST, 2, ROLE_SYSTEM_PAGETAB, L"Two", 0},
      {Bar, ROLE_SYSTEM_TOOLBAR, 1, ROLE_SYSTEM_PUSHBUTTON, L"Push", 0},
      {Bar, ROLE_SYSTEM_TOOLBAR, 2, ROLE_SYSTEM_CHECKBUTTON, L"Keep", STATE_SYSTEM_CHECKED},
      {Bar, ROLE_SYSTEM_TOOLBAR, 3, ROLE_SYSTEM_BUTTONDROPDOWN, L"More", STATE_SYSTEM_HASPOPUP},
      {Tabs, ROLE_SYSTEM_PAGETABLIST, 1, ROLE_SYSTEM_PAGETAB, L"File", STATE_SYSTEM_SELECTED},
  };
  for (const TRow& R : Rows) {
    TComPtr Acc;
    ASSERT_TRUE(Get(R.Control->Handle(), Acc)) << R.Name;
    VARIANT V;
    ASSERT_EQ(Acc->get_accRole(Self, &V), S_OK);
    EXPECT_EQ(V.lVal, R.Role) << R.Name;
    VARIANT Child;
    Child.vt = VT_I4;
    Child.lVal = R.Id;
    ASSERT_EQ(Acc->get_accRole(Child, &V), S_OK);
    EXPECT_EQ(V.lVal, R.PartRole) << R.Name;
    BSTR B = nullptr;
    ASSERT_EQ(Acc->get_accName(Child, &B), S_OK);
    EXPECT_EQ(TakeBstr(B), R.Name);
    ASSERT_EQ(Acc->get_accState(Child, &V), S_OK);
    EXPECT_EQ(V.lVal & R.State, R.State) << R.Name;
  }

  // Switching by the default action selects the page.
  TComPtr PagesAcc;
  ASSERT_TRUE(Get(Pages->Handle(), PagesAcc));
  VARIANT Two;
  Two.vt = VT_I4;
  Two.lVal = 2;
  EXPECT_EQ(PagesAcc->accDoDefaultAction(Two), S_OK);
  EXPECT_EQ(Pages->ActivePageIndex(), 1);
}

TEST_F(AccessibleTest, IconCellsPageCellsAndTagsAreChildren) {
  auto* List = Add<TQvSkinIconButtonList>(Form.get(), 10, 60, 200, 100);
  for (const wchar_t* C : {L"Mail", L"Maps"}) List->Items()->Add()->SetCaption(C);
  List->Items()->Items(1)->SetChecked(true);
  auto* Bar = Add<TQvSkinCountBar>(Form.get(), 0, 170, 390, 34);
  Bar->SetNumCount(3);
  auto* Tags = Add<TQvSkinTagsBox>(Form.get(), 220, 60, 170, 100);
  Tags->SetText(L"red,blue");
  PumpIdle();
  for (TWinControl* W : std::initializer_list<TWinControl*>{List, Bar, Tags}) Redraw(W);
  struct TRow {
    TWinControl* Control;
    LONG Id, Role;
    const wchar_t* Name;
    LONG State;  // expected among the checked and selected bits
    const wchar_t* Action;
  } const Rows[] = {
      {List, 1, ROLE_SYSTEM_LISTITEM, L"Mail", 0, L"Toggle"},
      {List, 2, ROLE_SYSTEM_LISTITEM, L"Maps", STATE_SYSTEM_CHECKED, L"Toggle"},
      {Bar, 1, ROLE_SYSTEM_PUSHBUTTON, L"Previous page", 0, L"Press"},
      {Bar, 2, ROLE_SYSTEM_LINK, L"1", STATE_SYSTEM_SELECTED, L"Jump"},
      {Bar, 4, ROLE_SYSTEM_LINK, L"3", 0, L"Jump"},
      {Tags, 2, ROLE_SYSTEM_LISTITEM, L"blue", 0, L"Delete"},
  };
  for (const TRow& R : Rows) {
    TComPtr Acc;
    ASSERT_TRUE(Get(R.Control->Handle(), Acc));
    VARIANT Child;
    Child.vt = VT_I4;
    Child.lVal = R.Id;
    VARIANT V;
    ASSERT_EQ(Acc->get_accRole(Child, &V), S_OK);
    EXPECT_EQ(V.lVal, R.Role) << R.Name;
    ASSERT_EQ(Acc->get_accState(Child, &V), S_OK);
    EXPECT_EQ(V.lVal & (STATE_SYSTEM_CHECKED | STATE_SYSTEM_SELECTED), R.State) << R.Name;
    BSTR B = nullptr;
    ASSERT_EQ(Acc->get_accName(Child, &B), S_OK);
    EXPECT_EQ(TakeBstr(B), R.Name);
    ASSERT_EQ(Acc->get_accDefaultAction(Child, &B), S_OK);
    EXPECT_EQ(TakeBstr(B), R.Action) << R.Name;
  }
  // Default actions: a cell toggles, a page link jumps, a tag goes.
  TComPtr ListAcc, BarAcc, TagsAcc;
  ASSERT_TRUE(Get(List->Handle(), ListAcc) && Get(Bar->Handle(), BarAcc) &&
              Get(Tags->Handle(), TagsAcc));
  VARIANT First;
  First.vt = VT_I4;
  First.lVal = 1;
  EXPECT_EQ(ListAcc->accDoDefaultAction(First), S_OK);
  EXPECT_TRUE(List->Items()->Items(0)->Checked());
  VARIANT Page3 = First;
  Page3.lVal = 4;
  EXPECT_EQ(BarAcc->accDoDefaultAction(Page3), S_OK);
  EXPECT_EQ(Bar->FocusNum(), 3u);
  EXPECT_EQ(TagsAcc->accDoDefaultAction(First), S_OK);
  EXPECT_EQ(Tags->Text(), L"blue");
  LONG Count = 0;
  ASSERT_EQ(TagsAcc->get_accChildCount(&Count), S_OK);
  EXPECT_EQ(Count, 1);
}

TEST_F(AccessibleTest, ExtendedComboPopupRowsAndSearchEdit) {
  auto* Combo = Add<TQvSkinComboBoxEx>(Form.get(), 10, 60, 160, 26);
  Combo->Items()->SetText(L"One\nTwo");
  Combo->Options()->SetCheckBoxSupport(true);
  Combo->CheckedItems()->Add(L"One");
  Combo->SetText(L"One");
  auto* Search = Add<TQvSkinSearchEdit>(Form.get(), 10, 100, 160, 26);
  Search->SetText(L"find me");
  PumpIdle();
  TComPtr ComboAcc;
  ASSERT_TRUE(Get(Combo->Handle(), ComboAcc));
  EXPECT_EQ(ComboAcc->accDoDefaultAction(Self), S_OK);  // opens the popup
  TPopupList_NormalForm* Popup = Combo->Popup();
  ASSERT_NE(Popup, nullptr);
  Popup->vstList()->FocusRow(0);
  struct TRow {
    TWinControl* Control;
    LONG Role;
    const wchar_t* Value;  // nullptr: the name is checked instead
    const wchar_t* Name;
    LONG State;
  };
  const TRow Rows[] = {
      {Combo, ROLE_SYSTEM_COMBOBOX, L"One", nullptr, STATE_SYSTEM_EXPANDED},
      {Popup->vstList(), ROLE_SYSTEM_LISTITEM, nullptr, L"One",
       STATE_SYSTEM_CHECKED | STATE_SYSTEM_SELECTED},
      {Search, ROLE_SYSTEM_TEXT, L"find me", nullptr, 0},
  };
  for (const TRow& R : Rows) {
    TComPtr Acc;
    ASSERT_TRUE(Get(R.Control->Handle(), Acc));
    VARIANT V;
    ASSERT_EQ(Acc->get_accRole(Self, &V), S_OK);
    EXPECT_EQ(V.lVal, R.Role);
    BSTR B = nullptr;
    if (R.Value) {
      ASSERT_EQ(Acc->get_accValue(Self, &B), S_OK);
      EXPECT_EQ(TakeBstr(B), R.Value);
    } else {
      ASSERT_EQ(Acc->get_accName(Self, &B), S_OK);
      EXPECT_EQ(TakeBstr(B), R.Name);
    }
    ASSERT_EQ(Acc->get_accState(Self, &V), S_OK);
    EXPECT_EQ(V.lVal & R.State, R.State) << R.Role;
  }
  Popup->vstList()->FocusRow(1);  // the unchecked row
  TComPtr RowAcc;
  ASSERT_TRUE(Get(Popup->vstList()->Handle(), RowAcc));
  VARIANT V;
  ASSERT_EQ(RowAcc->get_accState(Self, &V), S_OK);
  EXPECT_FALSE(V.lVal & STATE_SYSTEM_CHECKED);
  EXPECT_EQ(ComboAcc->accDoDefaultAction(Self), S_OK);  // closes it again
  ASSERT_TRUE(PumpUntil([&] { return !Combo->DroppedDown(); }));
}

TEST_F(AccessibleTest, MessageBoxIsADialogWithStaticTextAndButtons) {
  auto Box = NewQvMessageForm(L"Delete", L"Delete the file?", biConfirmation, {mbYes, mbNo}, false,
                              false, 300, 200);
  Box->Show();
  ASSERT_TRUE(PumpUntil([&] { return !Box->AlphaBlend(); }));
  struct TRow {
    HWND Wnd;
    LONG Role;
    const wchar_t* Name;
  };
  std::vector<TRow> Rows = {
      {HWND(Box->Handle()), ROLE_SYSTEM_DIALOG, L"Delete"},
      {HWND(Box->FMsg->Handle()), ROLE_SYSTEM_STATICTEXT, L"Delete the file?"}};
  const wchar_t* Captions[] = {L"是", L"否"};
  if (!UserLanguageIsChinese()) Captions[0] = L"Yes", Captions[1] = L"No";
  for (int I = 0; I < Box->FBottomPanel->ControlCount(); ++I)
    Rows.push_back({HWND(static_cast<TWinControl*>(Box->FBottomPanel->Controls(I))->Handle()),
                    ROLE_SYSTEM_PUSHBUTTON, Captions[I]});
  ASSERT_EQ(Rows.size(), 4u);
  for (const TRow& R : Rows) {
    TComPtr Acc;
    ASSERT_TRUE(Get(R.Wnd, Acc)) << R.Name;
    VARIANT V;
    ASSERT_EQ(Acc->get_accRole(Self, &V), S_OK);
    EXPECT_EQ(V.lVal, R.Role) << R.Name;
    BSTR B = nullptr;
    ASSERT_EQ(Acc->get_accName(Self, &B), S_OK);
    EXPECT_EQ(TakeBstr(B), R.Name);
  }
  // Below the dialog object the platform's proxy still answers: the window's children.
  TComPtr Dialog;
  ASSERT_TRUE(Get(HWND(Box->Handle()), Dialog));
  LONG Children = 0;
  EXPECT_EQ(Dialog->get_accChildCount(&Children), S_OK);
  EXPECT_GE(Children, 2);
  // Hit tests and the focus reach the child windows through the proxy as well.
  HWND Msg = HWND(Box->FMsg->Handle());
  RECT R;
  GetWindowRect(Msg, &R);
  VARIANT Hit;
  ASSERT_EQ(Dialog->accHitTest((R.left + R.right) / 2, (R.top + R.bottom) / 2, &Hit), S_OK);
  ASSERT_EQ(Hit.vt, VT_DISPATCH);
  HWND HitWnd = nullptr;
  WindowFromAccessibleObject(reinterpret_cast<IAccessible*>(Hit.pdispVal), &HitWnd);
  Hit.pdispVal->Release();
  EXPECT_TRUE(HitWnd == Msg || IsChild(HitWnd, Msg));
  auto* Yes = static_cast<TWinControl*>(Box->FBottomPanel->Controls(0));
  Yes->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return GetFocus() == HWND(Yes->Handle()); }));
  VARIANT Focus;
  ASSERT_EQ(Dialog->get_accFocus(&Focus), S_OK);
  EXPECT_NE(Focus.vt, VT_EMPTY);
  VariantClear(&Focus);
}

TEST_F(AccessibleTest, TreeIsAnOutlineOfItsShownRows) {
  auto* Tree = new TQvSkinVirtualStringTree(Form.get());
  Tree->SetParent(Form.get());
  Tree->SetBounds(10, 60, 200, 3 * Tree->DefaultNodeHeight());
  Tree->SetTreeOptions(Tree->TreeOptions() + TVTOptions{toCheckSupport});
  TVirtualNode* Fruit = Tree->AddChild(nullptr, L"Fruit");
  TVirtualNode* Apple = Tree->AddChild(Fruit, L"Apple");
  TVirtualNode* Leaf = Tree->AddChild(nullptr, L"Leaf");
  Tree->SetCheckType(Leaf, ctCheckBox);
  Tree->AddChild(nullptr, L"Below");
  Tree->SetExpanded(Fruit, true);
  Tree->SetFocus();
  Tree->SetFocusedNode(Apple);
  Tree->SetSelected(Apple, true);
  PumpIdle();
  TComPtr Acc;
  ASSERT_TRUE(Get(Tree->Handle(), Acc));
  ExpectRoleAndChildren(Acc, ROLE_SYSTEM_OUTLINE, 4);

  // Rows in display order; the last one is scrolled out of the three-row view.
  struct TRow {
    const wchar_t* Name;
    const wchar_t* Level;
    LONG State;
    const wchar_t* Action;
  } const Rows[] = {
      {L"Fruit", L"0", STATE_SYSTEM_EXPANDED, L"Collapse"},
      {L"Apple", L"1", STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED, L""},
      {L"Leaf", L"0", 0, L"Check"},
      {L"Below", L"0", STATE_SYSTEM_INVISIBLE, L""},
  };
  const LONG Told = STATE_SYSTEM_EXPANDED | STATE_SYSTEM_COLLAPSED | STATE_SYSTEM_SELECTED |
                    STATE_SYSTEM_FOCUSED | STATE_SYSTEM_CHECKED | STATE_SYSTEM_INVISIBLE;
  POINT Origin{0, 0};
  ClientToScreen(Tree->Handle(), &Origin);
  const LONG RowH = Tree->DefaultNodeHeight();
  for (LONG Id = 1; Id <= 4; ++Id) {
    const TRow& R = Rows[Id - 1];
    ExpectPart(Acc, Id, ROLE_SYSTEM_OUTLINEITEM, R.Name, Told, R.State);
    BSTR B = nullptr;
    ASSERT_EQ(Acc->get_accValue(ChildId(Id), &B), S_OK);
    EXPECT_EQ(TakeBstr(B), R.Level);
    Acc->get_accDefaultAction(ChildId(Id), &B);
    EXPECT_EQ(TakeBstr(B), R.Action) << R.Name;
    LONG X, Y, W, H;
    ASSERT_EQ(Acc->accLocation(&X, &Y, &W, &H, ChildId(Id)), S_OK);
    EXPECT_EQ(std::make_pair(Y, H), std::make_pair(Origin.y + (Id - 1) * RowH, RowH));
    VARIANT Hit;
    if (Id == 4) continue;  // outside the window
    ASSERT_EQ(Acc->accHitTest(X + 2, Y + 2, &Hit), S_OK);
    EXPECT_EQ(Hit.lVal, Id);
  }

  // The default actions tick a leaf's box and collapse a parent.
  VARIANT V;
  ASSERT_EQ(Acc->accDoDefaultAction(ChildId(3)), S_OK);
  EXPECT_TRUE(Leaf->Checked());
  ASSERT_EQ(Acc->get_accState(ChildId(3), &V), S_OK);
  EXPECT_EQ(V.lVal & STATE_SYSTEM_CHECKED, STATE_SYSTEM_CHECKED);
  ASSERT_EQ(Acc->accDoDefaultAction(ChildId(1)), S_OK);
  EXPECT_FALSE(Tree->Expanded(Fruit));
  ExpectPart(Acc, 1, ROLE_SYSTEM_OUTLINEITEM, L"Fruit", STATE_SYSTEM_COLLAPSED,
             STATE_SYSTEM_COLLAPSED);
  ExpectRoleAndChildren(Acc, ROLE_SYSTEM_OUTLINE, 3);
}

TEST_F(AccessibleTest, ListViewIsAListOfItemsAndMemoIsEditableText) {
  auto* View = new TQvSkinListView(Form.get());
  View->SetParent(Form.get());
  View->SetBounds(10, 60, 200, 100);
  View->SetViewStyle(vsReport);
  View->AddColumn(L"Name", 120);
  View->AddItem(L"First");
  View->AddItem(L"Second");
  auto* Memo = new TQvSkinMemo(Form.get());
  Memo->SetParent(Form.get());
  Memo->SetBounds(10, 170, 200, 60);
  Memo->SetText(L"Some text");
  Memo->SetReadOnly(true);
  PumpIdle();
  ListView_SetItemState(View->Handle(), 1, LVIS_SELECTED, LVIS_SELECTED);

  TComPtr ViewAcc, MemoAcc;
  ASSERT_TRUE(Get(View->Handle(), ViewAcc));
  ExpectRoleAndChildren(ViewAcc, ROLE_SYSTEM_LIST, 2);
  const std::pair<const wchar_t*, LONG> Items[] = {{L"First", 0},
                                                   {L"Second", STATE_SYSTEM_SELECTED}};
  for (LONG Id = 1; Id <= 2; ++Id) {
    ExpectPart(ViewAcc, Id, ROLE_SYSTEM_LISTITEM, Items[Id - 1].first, STATE_SYSTEM_SELECTED,
               Items[Id - 1].second);
    LONG X, Y, W, H;
    ASSERT_EQ(ViewAcc->accLocation(&X, &Y, &W, &H, ChildId(Id)), S_OK);
    VARIANT Hit;
    ASSERT_EQ(ViewAcc->accHitTest(X + 2, Y + H / 2, &Hit), S_OK);
    EXPECT_EQ(Hit.lVal, Id);
  }

  ASSERT_TRUE(Get(Memo->Handle(), MemoAcc));
  ExpectRoleAndChildren(MemoAcc, ROLE_SYSTEM_TEXT, 0);
  BSTR B = nullptr;
  ASSERT_EQ(MemoAcc->get_accValue(Self, &B), S_OK);
  EXPECT_EQ(TakeBstr(B), L"Some text");
  VARIANT V;
  ASSERT_EQ(MemoAcc->get_accState(Self, &V), S_OK);
  EXPECT_EQ(V.lVal & STATE_SYSTEM_READONLY, STATE_SYSTEM_READONLY);
}

TEST_F(AccessibleTest, ListsAndCombosTellTheirRoleAndValue) {
  auto* List = Add<TQvSkinListBox>(Form.get(), 10, 60, 120, 100);
  for (const wchar_t* S : {L"One", L"Two", L"Three"}) List->Items()->Add(S);
  List->SetItemIndex(1);
  auto* Combo = Add<TQvSkinComboBox>(Form.get(), 150, 60, 140, 26);
  Combo->SetStyle(csDropDownList);
  for (const wchar_t* S : {L"Red", L"Green"}) Combo->Items()->Add(S);
  Combo->SetItemIndex(1);
  PumpIdle();
  struct TRow {
    TWinControl* Control;
    LONG Role;
    const wchar_t* Value;
    LONG State;
  };
  const TRow Rows[] = {
      {List, ROLE_SYSTEM_LIST, L"Two", STATE_SYSTEM_FOCUSABLE},
      {Combo, ROLE_SYSTEM_COMBOBOX, L"Green", STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_COLLAPSED},
  };
  for (const TRow& R : Rows) {
    TComPtr Acc;
    ASSERT_TRUE(Get(R.Control->Handle(), Acc)) << R.Value;
    VARIANT V;
    ASSERT_EQ(Acc->get_accRole(Self, &V), S_OK);
    EXPECT_EQ(V.lVal, R.Role) << R.Value;
    BSTR B = nullptr;
    ASSERT_EQ(Acc->get_accValue(Self, &B), S_OK);
    EXPECT_EQ(TakeBstr(B), R.Value);
    ASSERT_EQ(Acc->get_accState(Self, &V), S_OK);
    EXPECT_EQ(V.lVal & R.State, R.State) << R.Value;
  }
  Combo->DropDown();
  TComPtr Acc;
  ASSERT_TRUE(Get(Combo->Handle(), Acc));
  VARIANT V;
  ASSERT_EQ(Acc->get_accState(Self, &V), S_OK);
  EXPECT_TRUE(V.lVal & STATE_SYSTEM_EXPANDED);
  Combo->CloseUp(false);
}

#include "controls/QvDateMath.h"
#include "controls/QvSkinDatetimePicker.h"

TEST_F(AccessibleTest, DatetimePickerIsAnEditableComboWithItsValue) {
  auto* Picker = Add<TQvSkinDatetimePicker>(Form.get(), 10, 60, 145, 26);
  Picker->SetDateTime(EncodeDateTime(2015, 6, 18, 10, 20, 30, 0));
  PumpIdle();
  TComPtr Acc;
  ASSERT_TRUE(Get(Picker->Handle(), Acc));
  auto Expect = [&](const wchar_t* Value, LONG State, const wchar_t* Action) {
    VARIANT V;
    ASSERT_EQ(Acc->get_accRole(Self, &V), S_OK);
    EXPECT_EQ(V.lVal, ROLE_SYSTEM_COMBOBOX);
    BSTR B = nullptr;
    ASSERT_EQ(Acc->get_accValue(Self, &B), S_OK);
    EXPECT_EQ(TakeBstr(B), Value);
    ASSERT_EQ(Acc->get_accState(Self, &V), S_OK);
    const LONG Mask = STATE_SYSTEM_HASPOPUP | STATE_SYSTEM_EXPANDED | STATE_SYSTEM_COLLAPSED |
                      STATE_SYSTEM_READONLY;
    EXPECT_EQ(V.lVal & Mask, State) << Value;
    ASSERT_EQ(Acc->get_accDefaultAction(Self, &B), S_OK);
    EXPECT_EQ(TakeBstr(B), Action);
  };
  Expect(L"2015/6/18 10:20:30",
         STATE_SYSTEM_HASPOPUP | STATE_SYSTEM_COLLAPSED | STATE_SYSTEM_READONLY, L"Open");
  Picker->SetKind(tkDate);
  Expect(L"2015/6/18", STATE_SYSTEM_HASPOPUP | STATE_SYSTEM_COLLAPSED | STATE_SYSTEM_READONLY,
         L"Open");
  // The default action opens the popup, and again closes it.
  ASSERT_EQ(Acc->accDoDefaultAction(Self), S_OK);
  ASSERT_NE(Picker->Popup(), nullptr);
  Expect(L"2015/6/18", STATE_SYSTEM_HASPOPUP | STATE_SYSTEM_EXPANDED | STATE_SYSTEM_READONLY,
         L"Close");
  ASSERT_EQ(Acc->accDoDefaultAction(Self), S_OK);
  EXPECT_EQ(Picker->Popup(), nullptr);
  PumpIdle();
}

#include "controls/QvSkinCalendar.h"
#include "controls/QvSkinTimeBox.h"

namespace {

TEST_F(AccessibleTest, CalendarIsATableOfDaysAndTimeBoxAListOfNumbers) {
  EXPECT_EQ(AccessibleRoleValue(arTable), ULONG(ROLE_SYSTEM_TABLE));
  EXPECT_EQ(AccessibleRoleValue(arCell), ULONG(ROLE_SYSTEM_CELL));
  // June 2015 starts on a Monday: cell 1 is May 31, cell 11 June 10.
  auto* Cal = Add<TQvSkinCalendar>(Form.get(), 10, 60, 232, 157);
  Cal->SetDate(EncodeDate(2015, 6, 10));
  Cal->SetRange(EncodeDate(2015, 6, 5), EncodeDate(2015, 6, 24));
  auto* Box = Add<TQvSkinTimeBox>(Form.get(), 250, 60, 140, 140);
  Box->SetKind(bkMinute);
  Box->SetFocusNum(30);
  PumpIdle();
  Redraw(Cal);
  TComPtr CalAcc, BoxAcc;
  ASSERT_TRUE(Get(Cal->Handle(), CalAcc) && Get(Box->Handle(), BoxAcc));
  ExpectRoleAndChildren(CalAcc, ROLE_SYSTEM_TABLE, 42);
  ExpectRoleAndChildren(BoxAcc, ROLE_SYSTEM_LIST, 60);
  BSTR B = nullptr;
  ASSERT_EQ(CalAcc->get_accValue(Self, &B), S_OK);
  EXPECT_EQ(TakeBstr(B), L"2015-06-10");
  const LONG Mask = STATE_SYSTEM_SELECTED | STATE_SYSTEM_UNAVAILABLE;
  ExpectPart(CalAcc, 1, ROLE_SYSTEM_CELL, L"2015-05-31", Mask, STATE_SYSTEM_UNAVAILABLE);
  ExpectPart(CalAcc, 11, ROLE_SYSTEM_CELL, L"2015-06-10", Mask, STATE_SYSTEM_SELECTED);
  ExpectPart(CalAcc, 12, ROLE_SYSTEM_CELL, L"2015-06-11", Mask, 0);
  ExpectPart(CalAcc, 42, ROLE_SYSTEM_CELL, L"2015-07-11", Mask, STATE_SYSTEM_UNAVAILABLE);
  ExpectPart(BoxAcc, 31, ROLE_SYSTEM_LISTITEM, L"30", STATE_SYSTEM_SELECTED, STATE_SYSTEM_SELECTED);
  ExpectPart(BoxAcc, 1, ROLE_SYSTEM_LISTITEM, L"0", STATE_SYSTEM_SELECTED, 0);
  // Selecting a day picks it; a day outside the range refuses.
  EXPECT_EQ(CalAcc->accDoDefaultAction(ChildId(12)), S_OK);
  EXPECT_EQ(Cal->FocusDay(), 11);
  CalAcc->accDoDefaultAction(ChildId(1));
  EXPECT_EQ(Cal->FocusDay(), 11);
  // The cell at a point is the day drawn there.
  const TRect R = Cal->Cell(3, 1).Rect;
  const TPoint P = Cal->ClientToScreen(TPoint(R.Left + 3, R.Top + 3));
  VARIANT At;
  ASSERT_EQ(CalAcc->accHitTest(P.X, P.Y, &At), S_OK);
  EXPECT_EQ(At.vt, VT_I4);
  EXPECT_EQ(At.lVal, 11);
  // Picking a number reports it and hides the box.
  int Picked = -1;
  Box->OnCellClick = [&](TObject*, TQvNumCell& Cell) { Picked = Cell.Num; };
  EXPECT_EQ(BoxAcc->accDoDefaultAction(ChildId(8)), S_OK);
  EXPECT_EQ(Picked, 7);
  EXPECT_FALSE(Box->Visible());
}

}  // namespace

TEST_F(AccessibleTest, MessageBarReadsTheShownMessageAndOffersItsLinks) {
  auto* Bar = Add<TQvSkinScrollMsgBar>(Form.get(), 10, 60, 300, 36);
  Bar->SetAutoScroll(false);
  for (const wchar_t* S : {L"First news", L"Second news"}) Bar->AddItem()->Text()->SetTitle(S);
  Bar->SetAnimateStep(0);
  Bar->Next(false);
  PumpIdle();
  TComPtr Acc;
  ASSERT_TRUE(Get(Bar->Handle(), Acc));
  ExpectRoleAndChildren(Acc, ROLE_SYSTEM_STATICTEXT, 2);
  BSTR B = nullptr;
  ASSERT_EQ(Acc->get_accName(Self, &B), S_OK);
  EXPECT_EQ(TakeBstr(B), L"First news");
  ExpectPart(Acc, 1, ROLE_SYSTEM_LINK, L"First news", STATE_SYSTEM_INVISIBLE, 0);
  ExpectPart(Acc, 2, ROLE_SYSTEM_LINK, L"Second news", STATE_SYSTEM_INVISIBLE,
             STATE_SYSTEM_INVISIBLE);
  TScrollMsgBarItem* Clicked = nullptr;
  Bar->OnItemClick = [&](TObject*, TScrollMsgBarItem* I) { Clicked = I; };
  ASSERT_EQ(Acc->accDoDefaultAction(ChildId(1)), S_OK);
  EXPECT_EQ(Clicked, Bar->GetItem(0));
}

// The gauges read as progress bars with their value; the slider as a picture telling the
// shown item's description and its place among the pictures.
TEST_F(AccessibleTest, GaugesAndSliderTellTheirValue) {
  auto* Circle = Add<TQvSkinCircleProgress>(Form.get(), 10, 60, 120, 120);
  Circle->SetValue(35);
  auto* Speed = Add<TQvSkinSpeedometer>(Form.get(), 140, 60, 120, 120);
  Speed->SetValue(72);
  auto* Slider = Add<TQvSkinImageSlider>(Form.get(), 10, 190, 200, 100);
  Slider->SetAutoSlider(false);
  Slider->SetSliderSpeed(1);
  for (const wchar_t* D : {L"Dawn", L"Noon", L"Night"}) Slider->Images()->Add()->SetDescription(D);
  Slider->SetHotItemIndex(1);
  PumpIdle();
  struct Case {
    TQvSkinCustomControl* Control;
    LONG Role;
    const wchar_t* Name;
    const wchar_t* Value;
  } Cases[] = {
      {Circle, ROLE_SYSTEM_PROGRESSBAR, nullptr, L"35%"},
      {Speed, ROLE_SYSTEM_PROGRESSBAR, nullptr, L"72"},
      {Slider, ROLE_SYSTEM_GRAPHIC, L"Noon", L"2 of 3"},
  };
  for (const Case& C : Cases) {
    TComPtr Acc;
    ASSERT_TRUE(Get(C.Control->Handle(), Acc));
    VARIANT V;
    ASSERT_EQ(Acc->get_accRole(Self, &V), S_OK);
    EXPECT_EQ(V.lVal, C.Role) << C.Value;
    BSTR B = nullptr;
    ASSERT_EQ(Acc->get_accValue(Self, &B), S_OK);
    EXPECT_EQ(TakeBstr(B), C.Value);
    if (!C.Name) continue;
    ASSERT_EQ(Acc->get_accName(Self, &B), S_OK);
    EXPECT_EQ(TakeBstr(B), C.Name);
  }
}

// The MSAA object of skinned controls, read back the way a screen reader reads it.
#include <windows.h>
// windows.h first: the OLE headers depend on it.
#include <oleacc.h>

#include "SkinControlsTestSupport.h"
#include "controls/QvAccessibleWin.h"
#include "controls/QvHLSTrackBar.h"
#include "controls/QvSkinScrollBar.h"

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

// The list box reads as a list whose value is the selected text; the combo box as a combo
// box with its text, collapsed or expanded with its popup.
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

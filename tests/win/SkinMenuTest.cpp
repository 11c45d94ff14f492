// Skinned popup menus: items measured from the skin, each popup one layered window whose
// picture is composed from the nine-block background and the items, glyph frames, the
// popup-list replacement and its menu-loop messages.
#include <memory>

#include "ControlsTestSupport.h"
#include "forms/QvMessages.h"
#include "forms/QvPopupListEx.h"
#include "forms/QvSkinMenu.h"
#include "host/Canvas.h"
#include "host/Form.h"
#include "resources/QvSkinResManager.h"

using namespace qv;
using qvtest::PumpIdle;

namespace {

// Measures an item through its own measuring entry, on a screen canvas.
TSize Measure(TMenuItem* Item) {
  HDC DC = GetDC(nullptr);
  TCanvas Canvas;
  Canvas.SetHandle(DC);
  int W = 10, H = 16;
  Item->MeasureItem(&Canvas, W, H);
  Canvas.SetHandle(nullptr);
  ReleaseDC(nullptr, DC);
  return {W, H};
}

// While a popup menu runs its own loop, a thread timer takes one step per tick once the
// menu shows: it looks at the menu, then sends the step's keys. Timer messages come only
// when no input waits, so each step sees the keys of the one before handled.
struct TMenuStep {
  std::function<void(HWND Menu)> Look;
  std::vector<WORD> Keys;
};
struct TMenuProbe {
  std::vector<TMenuStep> Steps;
  size_t Done = 0;
  bool Looked() const { return Done > 0; }
};
TMenuProbe* gProbe = nullptr;

void DuringMenu(TMenuProbe& Probe) {
  gProbe = &Probe;
  SetTimer(nullptr, 0, 30, [](HWND, UINT, UINT_PTR Id, DWORD) {
    HWND Menu = FindWindowW(L"#32768", nullptr);
    if (!gProbe) {
      KillTimer(nullptr, Id);
      return;
    }
    if (!Menu || !IsWindowVisible(Menu)) return;
    TMenuProbe* P = gProbe;
    const TMenuStep& Step = P->Steps[P->Done++];
    if (P->Done == P->Steps.size()) {
      KillTimer(nullptr, Id);
      gProbe = nullptr;
    }
    if (Step.Look) Step.Look(Menu);
    for (WORD K : Step.Keys) {
      qvtest::SendKey(K, false);
      qvtest::SendKey(K, true);
    }
  });
}

// How many pixels of the popup's composed picture differ from RenderPopup's picture.
int DifferFromRender(TQvSkinMenu* S, TMenuItem* Parent, HWND Menu, int Selected) {
  TMenuWnds::TMenuWndRec* Rec = S->MenuWnds()->GetHBITMAP(Menu);
  if (!Rec) return -1;
  TBitmap32 Expected;
  S->RenderPopup(Parent, Expected, Selected, Rec->hBit->Width());
  if (Expected.Width() != Rec->hBit->Width() || Expected.Height() != Rec->hBit->Height()) return -2;
  int Differ = 0;
  for (int Y = 0; Y < Expected.Height(); ++Y)
    for (int X = 0; X < Expected.Width(); ++X)
      Differ += Expected.Pixel(X, Y) != Rec->hBit->Pixel(X, Y);
  return Differ;
}

// A three-frame strip of 3 x 2 pixels per frame in distinct opaque colours, under a test ID.
const TColor32 kFrames[3] = {0xFF0000C0, 0xFF00C000, 0xFFC00000};
String StripID() {
  static const String ID = [] {
    TBitmap32 Strip;
    Strip.SetSize(9, 2);
    for (int F = 0; F < 3; ++F) Strip.FillRect(F * 3, 0, F * 3 + 3, 2, kFrames[F]);
    TQvSkinResManagerObj()->AddRes(&Strip, L"SkinMenuTest_strip", L"");
    return String(L"SkinMenuTest_strip");
  }();
  return ID;
}

class SkinMenuTest : public qvtest::ControlsTest {
 protected:
  void SetUp() override {
    qvtest::ControlsTest::SetUp();
    Form = std::make_unique<TForm>(nullptr);
    Form->SetBounds(100, 100, 300, 200);
    Popup = new TPopupMenu(Form.get());
    Popup->SetOwnerDraw(true);
  }
  void TearDown() override {
    Form.reset();
    qvtest::ControlsTest::TearDown();
  }
  // The skin comes after the items it takes over.
  TQvSkinMenu* Skin() {
    if (!FSkin) FSkin = new TQvSkinMenu(Form.get());
    return FSkin;
  }
  std::unique_ptr<TForm> Form;
  TPopupMenu* Popup = nullptr;

 private:
  TQvSkinMenu* FSkin = nullptr;
};

TEST_F(SkinMenuTest, ItemsAreMeasuredFromTheSkin) {
  auto* Lone = qvtest::NewMenuItem(Form.get(), Popup->Items(), L"Lone");
  Skin();
  EXPECT_EQ(Measure(Lone).cy, 31);

  auto* Line = qvtest::NewMenuItem(Form.get(), Popup->Items(), L"-");
  auto* Save = qvtest::NewMenuItem(Form.get(), Popup->Items(), L"&Save");
  Skin()->SetupMenuItems();         // items made after the skin
  EXPECT_EQ(Measure(Lone).cy, 28);  // now the first of three
  EXPECT_EQ(Measure(Line).cy, 3);
  EXPECT_EQ(Measure(Save).cy, 28);
  const int Plain = Measure(Save).cx;
  Save->SetShortCut(ShortCut('S', {ssCtrl}));
  EXPECT_GE(Measure(Save).cx, Plain + kQvMenuShortCutGap + 20);  // "Ctrl+S" and the gap
  // The accelerator mark takes no room.
  auto* Same = qvtest::NewMenuItem(Form.get(), Popup->Items(), L"Save");
  Skin()->SetupMenuItems();
  EXPECT_EQ(Measure(Same).cx, Plain);

  // A freed skin gives the items back.
  delete Skin();
  EXPECT_FALSE(Lone->OnMeasureItem);
  EXPECT_FALSE(Lone->OnAdvancedDrawItem);
}

TEST_F(SkinMenuTest, ItemsWithTheirOwnDrawingAreLeftAlone) {
  auto* Own = qvtest::NewMenuItem(Form.get(), Popup->Items(), L"Own");
  bool Drawn = false;
  Own->OnAdvancedDrawItem = [&](TObject*, TCanvas*, const TRect&, TOwnerDrawState) {
    Drawn = true;
  };
  Skin();
  EXPECT_FALSE(Skin()->IsSetUp(Own));
  EXPECT_FALSE(Own->OnMeasureItem);
}

TEST_F(SkinMenuTest, GlyphFramesFollowTheItemState) {
  auto* Check = qvtest::NewMenuItem(Form.get(), Popup->Items(), L"Check");
  Check->SetChecked(true);
  auto* Radio = qvtest::NewMenuItem(Form.get(), Popup->Items(), L"Radio");
  Radio->SetRadioItem(true);
  Radio->SetChecked(true);
  auto* More = qvtest::NewMenuItem(Form.get(), Popup->Items(), L"More");
  qvtest::NewMenuItem(Form.get(), More, L"Inner");
  auto* Off = qvtest::NewMenuItem(Form.get(), Popup->Items(), L"Off");
  qvtest::NewMenuItem(Form.get(), Off, L"Inner");
  Off->SetEnabled(false);
  auto* S = Skin();
  S->SetMenu_SubArrow(StripID());
  S->SetMenu_Check(StripID());
  S->SetMenu_Radio(StripID());

  // The frames' places: the layout of each item in the composed popup.
  const TQvMenuMetrics M = S->Metrics();
  int Widths[4], Heights[4];
  TMenuItem* Items[4] = {Check, Radio, More, Off};
  for (int I = 0; I < 4; ++I) {
    TSize Sz = Measure(Items[I]);
    Widths[I] = Sz.cx;
    Heights[I] = Sz.cy;
  }
  TRect Rects[4];
  const TSize PopupSize = QvLayoutMenuPopup(M, Widths, Heights, 4, Rects);
  auto Layout = [&](int I) {
    return QvLayoutMenuItem(M, Rects[I], {I == 0, I == 3, 4}, {3, 2}, {3, 2});
  };

  struct {
    int Selected, Item;
    bool Arrow;
    int Frame;
  } const Cases[] = {
      {-1, 0, false, 0},  // checked, normal
      {0, 0, false, 1},   // checked, selected
      {-1, 1, false, 0},  // radio, normal
      {-1, 2, true, 0},   // submenu arrow, normal
      {2, 2, true, 1},    // submenu arrow, selected
      {-1, 3, true, 2},   // disabled submenu: the third frame
      {3, 3, true, 2},    // selected but disabled: still the third
  };
  for (const auto& C : Cases) {
    TBitmap32 Pic;
    S->RenderPopup(Popup->Items(), Pic, C.Selected, PopupSize.cx);
    const TQvMenuItemLayout L = Layout(C.Item);
    const TPoint At = C.Arrow ? L.Arrow : L.Check;
    EXPECT_EQ(Pic.Pixel(At.X + 1, At.Y + 1), kFrames[C.Frame])
        << "item " << C.Item << " selected " << C.Selected;
  }
}

TEST_F(SkinMenuTest, PopupIsOneLayeredPictureAndTheChosenItemClicksOnce) {
  std::vector<String> Log;
  for (const wchar_t* C : {L"First", L"Second", L"Third"}) {
    auto* I = qvtest::NewMenuItem(Form.get(), Popup->Items(), C);
    String Name = C;
    I->OnClick = [&Log, Name](TObject*) { Log.push_back(Name); };
  }
  auto* S = Skin();
  Form->Show();
  PumpIdle();
  LONG_PTR ExStyle = 0;
  bool WindowSized = false;
  int DifferFirst = -3, DifferSelected = -3;
  TMenuProbe Probe;
  Probe.Steps.push_back({[&](HWND Menu) {
                           ExStyle = GetWindowLongPtrW(Menu, GWL_EXSTYLE);
                           RECT R;
                           GetWindowRect(Menu, &R);
                           TMenuWnds::TMenuWndRec* Rec = S->MenuWnds()->GetHBITMAP(Menu);
                           WindowSized = Rec && Rec->hBit->Width() == R.right - R.left &&
                                         Rec->hBit->Height() == R.bottom - R.top;
                           // The picture is the nine-block background with the items on it.
                           DifferFirst = DifferFromRender(S, Popup->Items(), Menu, -1);
                         },
                         {VK_DOWN, VK_DOWN}});
  Probe.Steps.push_back(
      {[&](HWND Menu) { DifferSelected = DifferFromRender(S, Popup->Items(), Menu, 1); },
       {VK_RETURN}});
  DuringMenu(Probe);
  Popup->Popup(150, 150);
  ASSERT_TRUE(qvtest::PumpUntil([&] { return !Log.empty(); }));
  PumpIdle();
  EXPECT_EQ(Probe.Done, 2u);
  EXPECT_TRUE(ExStyle & WS_EX_LAYERED);
  EXPECT_TRUE(WindowSized);
  EXPECT_EQ(DifferFirst, 0);
  EXPECT_EQ(DifferSelected, 0);  // the second item highlighted
  EXPECT_EQ(Log, std::vector<String>{L"Second"});
}

TEST_F(SkinMenuTest, HugeMenusStillOpenOnTheScreen) {
  struct {
    const char* Name;
    int Count;
    String Caption;
  } const Cases[] = {
      {"200 items", 200, L"Item"},
      {"300-character caption", 1, String(300, L'W')},
      {"empty caption", 1, L""},
  };
  for (const auto& C : Cases) {
    auto Owner = std::make_unique<TForm>(nullptr);
    auto* P = new TPopupMenu(Owner.get());
    P->SetOwnerDraw(true);
    for (int I = 0; I < C.Count; ++I) qvtest::NewMenuItem(Owner.get(), P->Items(), C.Caption);
    new TQvSkinMenu(Owner.get());
    Owner->Show();
    PumpIdle();
    TMenuProbe Probe;
    RECT R{};
    Probe.Steps.push_back({[&](HWND Menu) { GetWindowRect(Menu, &R); }, {VK_ESCAPE}});
    DuringMenu(Probe);
    P->Popup(50, 50);
    EXPECT_TRUE(Probe.Looked()) << C.Name;
    EXPECT_GT(R.right - R.left, 0) << C.Name;
    EXPECT_GE(R.left, 0) << C.Name;
    EXPECT_GE(R.top, 0) << C.Name;
    EXPECT_LE(R.right, GetSystemMetrics(SM_CXSCREEN)) << C.Name;
    EXPECT_LE(R.bottom, GetSystemMetrics(SM_CYSCREEN)) << C.Name;
  }
}

// ---- the popup-list replacement ----

TEST_F(SkinMenuTest, PopupListReplacementIsCountedAndGivesMenusBack) {
  TPopupList* Framework = PopupList;
  HookPopupList();
  HookPopupList();
  EXPECT_NE(dynamic_cast<TPopupListEx*>(PopupList), nullptr);
  // A menu made while the replacement is in place.
  auto* Later = new TPopupMenu(Form.get());
  auto* Item = qvtest::NewMenuItem(Form.get(), Later->Items(), L"Later");
  int Clicks = 0;
  Item->OnClick = [&](TObject*) { ++Clicks; };
  TryUnHookPopupList();  // one of two freed: still in place
  EXPECT_NE(dynamic_cast<TPopupListEx*>(PopupList), nullptr);
  EXPECT_EQ(PopupListHookCount(), 1);
  TryUnHookPopupList();
  EXPECT_EQ(PopupList, Framework);
  EXPECT_EQ(PopupListHookCount(), 0);
  TryUnHookPopupList();  // one too many changes nothing
  EXPECT_EQ(PopupList, Framework);
  SendMessageW(PopupList->Window(), WM_COMMAND, Item->Command(), 0);
  EXPECT_EQ(Clicks, 1);
}

TEST_F(SkinMenuTest, ActiveFormHearsTheMenuLoop) {
  qvtest::NewMenuItem(Form.get(), Popup->Items(), L"One");
  std::vector<uint32_t> Heard;
  TWndMethod Old = Form->WindowProc;
  Form->WindowProc = [&](TMessage& M) {
    if (M.Msg == MM_MENUCLOSED || M.Msg == MM_ENTERMENULOOP || M.Msg == MM_EXITMENULOOP)
      Heard.push_back(M.Msg);
    Old(M);
  };
  Form->Show();
  SetForegroundWindow(Form->Handle());
  ASSERT_TRUE(qvtest::PumpUntil([&] { return Screen->ActiveForm() == Form.get(); }));
  HookPopupList();
  TMenuProbe Probe;
  Probe.Steps.push_back({nullptr, {VK_ESCAPE}});
  DuringMenu(Probe);
  Popup->Popup(150, 150);
  PumpIdle();
  TryUnHookPopupList();
  Form->WindowProc = Old;
  ASSERT_FALSE(Heard.empty());
  EXPECT_EQ(Heard.front(), MM_ENTERMENULOOP);
  EXPECT_NE(std::find(Heard.begin(), Heard.end(), MM_MENUCLOSED), Heard.end());
  EXPECT_EQ(Heard.back(), MM_EXITMENULOOP);
}

}  // namespace

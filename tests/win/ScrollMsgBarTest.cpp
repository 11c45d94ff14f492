// The message bar under Wine: the order of messages stepped through its timer logic, real
// mouse input pausing it and clicking its items, its pixels, and many bars made and freed.
#include <memory>

#include "LeakProbe.h"
#include "SkinControlsTestSupport.h"
#include "graphics/SimpleTimer.h"

using namespace qv;

namespace {

class ScrollMsgBar : public qvtest::SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    Bar = Add<TQvSkinScrollMsgBar>(Form.get(), 20, 20, 350, 36);
    Bar->SetAutoScroll(false);  // the tests step the timer's logic themselves
    for (const wchar_t* Title : {L"First message", L"Second message", L"Third message"})
      Bar->AddItem()->Text()->SetTitle(Title);
    ShowForm();
  }
  // One tick of the bar's timer once the interval has passed (or just before).
  void Tick(bool Due = true) {
    if (Bar->LastScrollTime() == 0) Bar->TimerTick(1000);
    Bar->TimerTick(Bar->LastScrollTime() + Bar->ScrollInterval() - (Due ? 0 : 1));
  }
  // The shown item's text centre on the screen.
  TPoint TextCentre(TScrollMsgBarItem* Item) {
    TRect R = Item->Text()->Rect();
    const int Top = int(Item->Location().Top);
    return Bar->ClientToScreen({(R.Left + R.Right) / 2, Top + (R.Top + R.Bottom) / 2});
  }
  // Whether the buffer shows red ink (the hot font) in the area.
  bool RedInk(const TRect& Area) {
    GdiFlush();
    for (int Y = Area.Top; Y < Area.Bottom; ++Y)
      for (int X = Area.Left; X < Area.Right; ++X) {
        const TColor32 C = Bar->Buffer()->Pixel(X, Y);
        if (RedComponent(C) > 160 && GreenComponent(C) < 90 && BlueComponent(C) < 90) return true;
      }
    return false;
  }
  TQvSkinScrollMsgBar* Bar = nullptr;
};

TEST_F(ScrollMsgBar, OrderFollowsTheTimerWithAndWithoutLoopMode) {
  struct Case {
    bool Loop;
    std::vector<int> Shown;
  } Cases[] = {{true, {0, 1, 2, 0, 1}}, {false, {0, 1, 2, 2, 2}}};
  for (const Case& C : Cases) {
    Bar->SetLoopMode(C.Loop);
    Bar->SetItemIndex(-1);
    std::vector<int> Shown;
    for (size_t I = 0; I < C.Shown.size(); ++I) {
      Tick(false);  // not yet
      EXPECT_EQ(Bar->ItemIndex(), I == 0 ? -1 : Shown.back());
      Tick();
      Shown.push_back(Bar->ItemIndex());
      TScrollMsgBarItem* Item = Bar->GetItem(Bar->ItemIndex());
      EXPECT_EQ(Item->Location().Top, Item->OriginalY());  // at rest, in view
    }
    EXPECT_EQ(Shown, C.Shown) << (C.Loop ? "looping" : "not looping");
    EXPECT_FALSE(Bar->Scrolling());
  }
  // The one that left went up and out of sight.
  EXPECT_LT(Bar->GetItem(1)->Location().Bottom, 0);
}

TEST_F(ScrollMsgBar, HiddenItemsAreSkippedBothWays) {
  struct Case {
    int Hidden, From;
    bool Forward, Loop;
    int Expected;
  } Cases[] = {
      {1, 0, true, true, 2},    {1, 2, false, true, 0}, {-1, 0, false, true, 2},
      {-1, 0, false, false, 0}, {2, 1, true, true, 0},  {2, 1, true, false, 1},
      {0, 2, false, true, 1},   {0, 1, false, true, 2},
  };
  for (const Case& C : Cases) {
    for (int I = 0; I < 3; ++I) Bar->GetItem(I)->SetVisible(I != C.Hidden);
    Bar->SetLoopMode(C.Loop);
    Bar->SetItemIndex(C.From);
    if (C.Forward)
      Bar->Next(false);
    else
      Bar->Prev();
    EXPECT_EQ(Bar->ItemIndex(), C.Expected)
        << "hidden " << C.Hidden << " from " << C.From << (C.Forward ? " forward" : " back");
  }
  // Without frames the change shows at once.
  Bar->SetAnimateStep(0);
  Bar->SetItemIndex(0);
  Bar->Next(false);
  EXPECT_EQ(Bar->GetItem(1)->Location().Top, Bar->GetItem(1)->OriginalY());
  EXPECT_LT(Bar->GetItem(0)->Location().Bottom, 0);
  Bar->SetAnimateStep(TQvSkinScrollMsgBar::DefaultAnimateStep);
  // Back with LoopMode from the first: the last comes down from above and rests.
  for (int I = 0; I < 3; ++I) Bar->GetItem(I)->SetVisible(true);
  Bar->SetLoopMode(true);
  Bar->SetItemIndex(0);
  Bar->Prev();
  EXPECT_EQ(Bar->ItemIndex(), 2);
  EXPECT_EQ(Bar->GetItem(2)->Location().Top, Bar->GetItem(2)->OriginalY());
  EXPECT_GT(Bar->GetItem(0)->Location().Top, Bar->Height());  // left downwards
}

TEST_F(ScrollMsgBar, PointingAtTheTextPausesAndHighlights) {
  Tick();
  ASSERT_EQ(Bar->ItemIndex(), 0);
  TScrollMsgBarItem* Item = Bar->GetItem(0);
  TRect Text = Item->Text()->Rect();
  OffsetRect(Text, 0, Item->OriginalY());
  qvtest::PumpIdle();
  EXPECT_FALSE(RedInk(Text));
  const TPoint P = TextCentre(Item);
  qvtest::MoveMouse(P.X, P.Y);
  ASSERT_TRUE(qvtest::PumpUntil([&] { return Item->MouseInObject() == ioText; }));
  EXPECT_EQ(Bar->Cursor(), crHandPoint);
  qvtest::PumpIdle();
  EXPECT_TRUE(RedInk(Text));
  for (int I = 0; I < 3; ++I) {
    Tick();
    EXPECT_EQ(Bar->ItemIndex(), 0) << "paused";
  }
  // Away from the text, still inside the bar: no longer hot.
  const TPoint Blank = Bar->ClientToScreen({Bar->Width() - 3, 3});
  qvtest::MoveMouse(Blank.X, Blank.Y);
  ASSERT_TRUE(qvtest::PumpUntil([&] { return Item->MouseInObject() == ioNone; }));
  EXPECT_EQ(Bar->Cursor(), crDefault);
  qvtest::MoveMouse(P.X, P.Y);
  ASSERT_TRUE(qvtest::PumpUntil([&] { return Item->MouseInObject() == ioText; }));
  // Leaving the control ends the highlight and resumes at the next tick.
  qvtest::MoveMouse(5, 5);
  ASSERT_TRUE(qvtest::PumpUntil([&] { return Item->MouseInObject() == ioNone; }));
  EXPECT_EQ(Bar->Cursor(), crDefault);
  Tick();
  EXPECT_EQ(Bar->ItemIndex(), 1);
}

TEST_F(ScrollMsgBar, ClickingTheTextRaisesTheItemClick) {
  Tick();
  TScrollMsgBarItem* Item = Bar->GetItem(0);
  struct Case {
    bool AllowClick, OnText;
    int ItemClicks;
  } Cases[] = {{true, true, 1}, {true, false, 0}, {false, true, 0}};
  for (const Case& C : Cases) {
    Bar->SetAllowClick(C.AllowClick);
    std::vector<TScrollMsgBarItem*> Clicked;
    int Clicks = 0;
    Bar->OnItemClick = [&](TObject* Sender, TScrollMsgBarItem* I) {
      EXPECT_EQ(Sender, Bar);
      Clicked.push_back(I);
    };
    Bar->OnClick = [&](TObject*) { ++Clicks; };
    const TPoint P = C.OnText ? TextCentre(Item) : Bar->ClientToScreen({Bar->Width() - 3, 3});
    qvtest::Click(P.X, P.Y);
    EXPECT_EQ(Clicks, 1);
    EXPECT_EQ(int(Clicked.size()), C.ItemClicks) << C.AllowClick << C.OnText;
    if (C.ItemClicks) EXPECT_EQ(Clicked[0], Item);
    qvtest::MoveMouse(5, 5);
  }
}

TEST_F(ScrollMsgBar, PaintsIconsWhereTheLayoutPutsThemAndClearsWhatMoved) {
  TBitmap32 Icon;
  Icon.SetSize(16, 16);
  Icon.Clear(Color32(0, 200, 0));
  Bar->GetItem(1)->Text()->SetTitle(L"");  // the next message paints nothing
  for (TAlignment Alignment : {taLeftJustify, taCenter, taRightJustify}) {
    Bar->SetItemIndex(-1);
    Bar->SetAlignment(Alignment);
    Bar->GetItem(0)->SetIcon(&Icon);
    Bar->Next(false);
    TScrollMsgBarItem* Item = Bar->GetItem(0);
    const int Cx = Item->ItemSize().cx;
    const int Span = Cx + Bar->Space();  // the text ends at the right edge
    const int Left = Alignment == taLeftJustify ? 0
                     : Alignment == taCenter    ? (350 - Span) / 2
                                                : 350 - Span;
    EXPECT_EQ(Item->IconRect().Left, Left) << Alignment;
    const int IconTop = Item->OriginalY() + Item->IconRect().Top;
    qvtest::PumpIdle();
    GdiFlush();
    EXPECT_EQ(qvtest::Rgb(*Bar->Buffer(), Left + 8, IconTop + 8), 0x00C800u) << Alignment;
    EXPECT_EQ(qvtest::Rgb(*Bar->Buffer(), Left + 8, IconTop - 1), 0xFFFFFFu) << Alignment;
    // The next message slides in; where the icon was is plain white again.
    Bar->Next(false);
    qvtest::PumpIdle();
    GdiFlush();
    EXPECT_EQ(qvtest::Rgb(*Bar->Buffer(), Left + 8, IconTop + 8), 0xFFFFFFu) << Alignment;
    Bar->GetItem(0)->SetIcon(nullptr);
  }
  // A new size lays every item out again: the shown one stays in view, the others wait below.
  Bar->SetAlignment(taRightJustify);
  Bar->SetWidth(300);
  qvtest::PumpIdle();
  TScrollMsgBarItem* Shown = Bar->GetItem(Bar->ItemIndex());
  EXPECT_EQ(Shown->Location().Top, Shown->OriginalY());
  EXPECT_EQ(Shown->Location().Right, 300);
  EXPECT_EQ(Bar->GetItem(2)->Location().Top, Bar->Height() + 1);
}

TEST_F(ScrollMsgBar, ScreenReadersReadTheShownMessage) {
  Tick();
  TQvAccessibleInfo Info = Bar->AccessibleInfo();
  EXPECT_EQ(Info.Role, arStaticText);
  EXPECT_EQ(Info.Name, L"First message");
  ASSERT_EQ(Bar->AccessibleChildCount(), 3);
  EXPECT_FALSE(Bar->AccessibleChild(0).Info.State.Contains(asInvisible));
  EXPECT_TRUE(Bar->AccessibleChild(1).Info.State.Contains(asInvisible));
  EXPECT_EQ(Bar->AccessibleChild(1).Info.Role, arLink);
  TScrollMsgBarItem* Clicked = nullptr;
  Bar->OnItemClick = [&](TObject*, TScrollMsgBarItem* I) { Clicked = I; };
  EXPECT_TRUE(Bar->DoAccessibleChildAction(2));
  EXPECT_EQ(Clicked, Bar->GetItem(2));
}

TEST_F(ScrollMsgBar, DeleteAndClearKeepTheLayersInStep) {
  Tick();
  Bar->Delete(5);  // ignored
  Bar->Delete(0);
  EXPECT_EQ(Bar->Items().size(), 2u);
  EXPECT_EQ(Bar->Layers()->Count(), 2);
  EXPECT_EQ(Bar->ItemIndex(), 0);  // unchanged, now naming another item
  Bar->Clear();
  EXPECT_EQ(Bar->Layers()->Count(), 0);
  EXPECT_EQ(Bar->GetItem(Bar->ItemIndex()), nullptr);
  Bar->Next(true);  // no items: nothing
  Bar->Prev();
  EXPECT_EQ(Bar->ItemIndex(), 0);
  qvtest::PumpIdle();
}

// One form with a bar, callout panels and a marker, painted and freed; every 50th cycle
// the bar also scrolls (the cheap cycles keep the loop short).
void OneMsgBarCycle(int Cycle) {
  auto Form = std::make_unique<TForm>(nullptr);
  Form->SetBounds(50, 50, 400, 300);
  auto* Bar = new TQvSkinScrollMsgBar(Form.get());
  Bar->SetParent(Form.get());
  Bar->SetAnimateStep(2);
  TBitmap32 Icon;
  Icon.SetSize(8, 8);
  Icon.Clear(Color32(200, 0, 0));
  for (int I = 0; I < 3; ++I) {
    TScrollMsgBarItem* Item = Bar->AddItem();
    Item->Text()->SetTitle(L"Message");
    if (I == 0) Item->SetIcon(&Icon);
  }
  auto* Callout = new TQvSkinCalloutPanel(Form.get());
  Callout->SetParent(Form.get());
  Callout->SetBounds(10, 60, 120, 120);
  Callout->SetCalloutPosition(TQvCalloutPosition(Cycle % 4));
  TQvSkinCircleMarker Marker(nullptr);
  Form->HandleNeeded();
  Bar->HandleNeeded();
  Callout->HandleNeeded();
  if (Cycle % 50 == 0) Bar->Next(false);
  qvtest::PaintOffScreen(Form.get());
  HDC DC = GetDC(Form->Handle());
  Marker.Draw(DC);
  ReleaseDC(Form->Handle(), DC);
  Bar->Delete(1);
  EXPECT_EQ(Bar->Layers()->Count(), 2);
  Application->ProcessMessages();
}

using MsgBarLeakTest = qvtest::ControlsTest;

TEST_F(MsgBarLeakTest, FormsWithBarsCalloutsAndMarkersReleaseWhatTheyCreate) {
  for (int I = 0; I < 3; ++I) OneMsgBarCycle(I);
  const int Registered = TQvWinControlHelperObj()->Count();
  const int Timers = GetSimpleTimerCount();
  qvtest::TSlots Before = qvtest::Probe();
  const unsigned Limit = 100;  // a leak of one object per cycle moves a slot by 1000
  for (int I = 0; I < 1000; ++I) OneMsgBarCycle(I);
  qvtest::TSlots After = qvtest::Probe();
  EXPECT_LT(After.Window, Before.Window + Limit) << "windows leak";
  EXPECT_LT(After.Gdi, Before.Gdi + Limit) << "GDI objects leak";
  EXPECT_EQ(TQvWinControlHelperObj()->Count(), Registered);
  EXPECT_EQ(GetSimpleTimerCount(), Timers);
}

}  // namespace

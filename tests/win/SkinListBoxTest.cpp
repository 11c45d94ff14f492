// The skinned list box: its skinned bar comes and goes with the items and mirrors the
// platform list both ways; items are painted by us; bad indexes change nothing.
#include "SkinControlsTestSupport.h"
#include "controls/QvSkinListBox.h"

using namespace qv;
using namespace qvtest;

namespace {

class SkinListBoxTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    List = Add<TQvSkinListBox>(Form.get(), 20, 20, 120, 120);
  }
  void Fill(int N) {
    List->Items()->BeginUpdate();
    for (int I = 0; I < N; ++I) List->Items()->Add(L"Item " + std::to_wstring(I));
    List->Items()->EndUpdate();
  }
  HWND Inner() { return List->ListBox->Handle(); }
  int Top() { return int(SendMessageW(Inner(), LB_GETTOPINDEX, 0, 0)); }
  TQvSkinListBox* List = nullptr;
};

}  // namespace

TEST_F(SkinListBoxTest, BarComesAndGoesWithTheItems) {
  ShowForm();
  struct Case {
    const char* What;
    int Items;
    bool Bar;
    TRect ListR;
  } Cases[] = {
      {"3 items fit", 3, false, Rect(3, 3, 117, 117)},
      {"10 items overflow", 10, true, Rect(3, 3, 107, 117)},
      {"back to 4", 4, false, Rect(3, 3, 117, 117)},
  };
  for (const Case& C : Cases) {
    List->Clear();
    Fill(C.Items);
    PumpIdle();
    ASSERT_EQ(List->ScrollBar != nullptr, C.Bar) << C.What;
    const TQvListBox* L = List->ListBox;
    EXPECT_EQ(Rect(L->Left(), L->Top(), L->Left() + L->Width(), L->Top() + L->Height()), C.ListR)
        << C.What;
    if (!C.Bar) continue;
    const TQvSkinScrollBar* B = List->ScrollBar;
    EXPECT_EQ(B->Kind(), sbVertical);
    EXPECT_EQ(B->Left() + B->Width(), 117) << "inside the 2-pixel frame";
    EXPECT_EQ(B->Top(), 3);
    EXPECT_EQ(B->Height(), 114);
    EXPECT_EQ(B->Max(), C.Items - 1);
    EXPECT_EQ(B->PageSize(), 5);
  }
}

TEST_F(SkinListBoxTest, RowCountSizesTheBoxAndNeverShowsABar) {
  Fill(5);
  List->SetRowCount(5);
  ShowForm();
  EXPECT_EQ(List->Height(), 104);
  EXPECT_EQ(List->ScrollBar, nullptr);
}

TEST_F(SkinListBoxTest, ThumbAndListFollowEachOther) {
  Fill(30);
  ShowForm();
  ASSERT_NE(List->ScrollBar, nullptr);
  List->ScrollBar->SetPosition(12);
  EXPECT_EQ(Top(), 12) << "the thumb scrolls the list";
  List->SetTopIndex(3);
  EXPECT_EQ(List->ScrollBar->Position(), 3) << "the list moves the thumb";
  EXPECT_EQ(Top(), 3) << "and the thumb's move does not echo back";
  // A wheel notch: the platform's lines plus one.
  UINT Lines = 3;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &Lines, 0);
  const POINT P{30, 30};
  POINT S = P;
  ClientToScreen(Inner(), &S);
  MoveMouse(S.x, S.y);
  PumpInput();
  INPUT In{};
  In.type = INPUT_MOUSE;
  In.mi.dwFlags = MOUSEEVENTF_WHEEL;
  In.mi.mouseData = DWORD(-WHEEL_DELTA);
  SendInput(1, &In, sizeof(In));
  ASSERT_TRUE(PumpUntil([&] { return Top() != 3; }));
  PumpIdle();
  EXPECT_EQ(Top(), 3 + int(Lines) + 1);
  EXPECT_EQ(List->ScrollBar->Position(), Top());
}

TEST_F(SkinListBoxTest, ItemsArePaintedInTheirColours) {
  Fill(3);
  List->ListBox->SetItemSelectedColor(clRed);
  List->ListBox->SetItemBackgroundColor(clLime);
  List->SetItemIndex(1);
  int Drawn = 0;
  List->OnDrawItem = [&](TObject*, TCanvas*, int, int W, int H, const TRect& T, TOwnerDrawState) {
    ++Drawn;
    EXPECT_EQ(T, Rect(2, 0, W - 2, H));
  };
  ShowForm();
  Redraw(List->ListBox);
  EXPECT_GE(Drawn, 3);
  HDC DC = GetDC(Inner());
  EXPECT_EQ(GetPixel(DC, 50, 30) & 0xFFFFFF, RGB(255, 0, 0)) << "the selected item";
  EXPECT_EQ(GetPixel(DC, 50, 10) & 0xFFFFFF, RGB(0, 255, 0)) << "another item";
  ReleaseDC(Inner(), DC);
}

TEST_F(SkinListBoxTest, LongCaptionEndsInsideTheItem) {
  List->Items()->Add(String(1000, L'W'));
  List->ListBox->SetItemBackgroundColor(clWhite);
  ShowForm();
  Redraw(List->ListBox);
  HDC DC = GetDC(Inner());
  // Text stays inside the item's text rectangle, 2 pixels from its right end.
  for (int Y = 0; Y < 20; ++Y) {
    EXPECT_EQ(GetPixel(DC, List->ListBox->Width() - 1, Y) & 0xFFFFFF, 0xFFFFFFu) << Y;
    EXPECT_EQ(GetPixel(DC, List->ListBox->Width() - 2, Y) & 0xFFFFFF, 0xFFFFFFu) << Y;
  }
  ReleaseDC(Inner(), DC);
}

TEST_F(SkinListBoxTest, IndexOutsideTheItemsRaisesAndChangesNothing) {
  Fill(3);
  ShowForm();
  List->SetItemIndex(1);
  for (int Bad : {3, -2, 100}) {
    EXPECT_THROW(List->SetItemIndex(Bad), EListError) << Bad;
    EXPECT_EQ(List->ItemIndex(), 1) << Bad;
  }
  EXPECT_THROW(List->Selected(5), EListError);
  List->SetItemIndex(-1);
  EXPECT_EQ(List->ItemIndex(), -1);
}

TEST_F(SkinListBoxTest, PopupFrameLineAndNeverActivates) {
  ShowForm();
  SetForegroundWindow(Form->Handle());
  PumpIdle();
  HWND Fg = GetForegroundWindow(), Focus = GetFocus();
  TQvPopupListBox Popup(nullptr);
  Popup.SetBounds(0, 0, 100, 65);
  for (int I = 0; I < 3; ++I) Popup.Items()->Add(L"Row");
  Popup.Show(TPoint{600, 300});
  PumpIdle();
  EXPECT_TRUE(IsWindowVisible(Popup.Handle()));
  EXPECT_EQ(GetForegroundWindow(), Fg);
  EXPECT_EQ(GetFocus(), Focus);
  EXPECT_TRUE(GetWindowLongW(Popup.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  // The frame colour runs at x = W - 2 without a bar.
  Redraw(&Popup);
  HDC DC = GetDC(Popup.Handle());
  const COLORREF Frame = COLORREF(0xF9B937);  // the framework colour is BGR as COLORREF
  EXPECT_EQ(GetPixel(DC, 98, 30), Frame);
  EXPECT_EQ(GetPixel(DC, 0, 30), Frame);
  EXPECT_EQ(GetPixel(DC, 50, 0), Frame);
  EXPECT_EQ(GetPixel(DC, 50, 63), Frame);
  EXPECT_EQ(GetPixel(DC, 50, 1), RGB(255, 255, 255));
  ReleaseDC(Popup.Handle(), DC);
  Click(650, 330);
  PumpIdle();
  EXPECT_EQ(GetForegroundWindow(), Fg) << "a click in the popup keeps the form active";
  EXPECT_EQ(GetFocus(), Focus);
  EXPECT_EQ(Popup.ItemIndex(), 1) << "the click selected the row under it";
  Popup.Hide();
  EXPECT_FALSE(IsWindowVisible(Popup.Handle()));
}

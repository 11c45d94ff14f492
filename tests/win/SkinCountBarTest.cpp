// The count bar: its cells and window of numbers on a real bar, clicks on numbers, arrows
// and the skip cell through real input, SkipTo and its refusals, and the focused cell's
// paint.
#include "SkinControlsTestSupport.h"
#include "controls/QvSkinCountBar.h"

using namespace qv;
using qvtest::Click;
using qvtest::Rgb;

namespace {

class SkinCountBar : public qvtest::SkinFormTest {
 protected:
  TQvSkinCountBar* NewBar(unsigned Pages) {
    auto* B = Add<TQvSkinCountBar>(Form.get(), 5, 5, 390, 34);
    B->SetNumCount(Pages);
    B->OnNumChanged = [this](TObject*) { ++NumChanged; };
    return B;
  }
  static String Cells(TQvSkinCustomCountBar* B) {
    String S;
    for (int I = 0; I < B->Items()->Count(); ++I) {
      const TQvIconButtonItem* Item = B->Items()->Items(I);
      S += (I == B->FocusItemIndex() ? L"[" + Item->Caption() + L"]" : Item->Caption()) + L" ";
    }
    return S;
  }
  void ClickCell(TQvSkinCustomCountBar* B, const String& Caption) {
    for (int I = 0; I < B->Items()->Count(); ++I) {
      const TQvIconButtonItem* Item = B->Items()->Items(I);
      if (Item->Caption() != Caption) continue;
      const TRect R = Item->Rect();
      const TPoint P = B->ClientToScreen(TPoint(R.Left + R.Width() / 2, R.Top + R.Height() / 2));
      Click(P.X, P.Y);
      return;
    }
    ADD_FAILURE() << "no cell " << std::string(Caption.begin(), Caption.end());
  }
  int NumChanged = 0;
};

TEST_F(SkinCountBar, WindowsOfNumbers) {
  auto* B = NewBar(20);
  EXPECT_EQ(Cells(B), L"< [1] 2 3 4 5 6 7 8 ... 20 > ");
  EXPECT_EQ(B->FocusNum(), 1u);
  EXPECT_EQ(B->NumBegin(), 1u);
  EXPECT_EQ(B->NumEnd(), 8u);
  NumChanged = 0;
  EXPECT_TRUE(B->SkipTo(15));
  EXPECT_EQ(Cells(B), L"< 11 12 13 14 [15] 16 17 18 19 20 > ");
  EXPECT_EQ(B->NumBegin(), 11u);
  EXPECT_EQ(B->FocusNum(), 15u);
  EXPECT_EQ(NumChanged, 1);
  // Out of range: nothing changes.
  for (unsigned Bad : {0u, 21u}) {
    EXPECT_FALSE(B->SkipTo(Bad));
    EXPECT_EQ(B->FocusNum(), 15u);
  }
  EXPECT_EQ(NumChanged, 1);
  EXPECT_EQ(B->IndexOfValue(20), 10);
  EXPECT_EQ(B->IndexOfValue(3), -1);
  // Few pages: all shown, no skip cell.
  B->SetNumCount(5);
  EXPECT_EQ(Cells(B), L"< [1] 2 3 4 5 > ");
  // Kinds and MaxItems rebuild the bar at page 1.
  B->SetKinds({ckNum, ckFirst, ckLast});
  EXPECT_EQ(Cells(B), L"|< [1] 2 3 4 5 >| ");
  B->SetKinds({ckNum, ckPrevious, ckNext, ckSkip});
  B->SetNumCount(20);
  B->SetMaxItems(4);
  EXPECT_EQ(Cells(B), L"< [1] 2 3 ... 20 > ");
  // No pages at all.
  B->SetNumCount(0);
  EXPECT_EQ(Cells(B), L"< > ");
  EXPECT_FALSE(B->SkipTo(1));
}

TEST_F(SkinCountBar, ClicksOnCells) {
  auto* B = NewBar(20);
  int Previous = 0, Next = 0, Skip = 0;
  B->OnPreviousClick = [&](TObject*) { ++Previous; };
  B->OnNextClick = [&](TObject*) { ++Next; };
  B->OnSkipClick = [&](TObject*) { ++Skip; };
  ShowForm();
  Redraw(B);
  NumChanged = 0;
  // "<" on page 1 only raises its event.
  ClickCell(B, L"<");
  EXPECT_EQ(Previous, 1);
  EXPECT_EQ(B->FocusNum(), 1u);
  EXPECT_EQ(NumChanged, 0);
  struct Step {
    const wchar_t* Cell;
    unsigned Page;
    const wchar_t* Expected;
  } Steps[] = {
      {L">", 2, L"< 1 [2] 3 4 5 6 7 8 ... 20 > "},
      {L"5", 5, L"< 1 2 3 4 [5] 6 7 8 ... 20 > "},
      {L"...", 5, L"< 1 2 3 4 [5] 6 7 8 ... 20 > "},
      {L"20", 20, L"< 1 2 3 4 5 6 7 8 ... [20] > "},
      {L"<", 19, L"< 11 12 13 14 15 16 17 18 [19] 20 > "},
  };
  for (const Step& S : Steps) {
    Redraw(B);
    ClickCell(B, S.Cell);
    EXPECT_EQ(B->FocusNum(), S.Page) << "after " << int(S.Cell[0]);
    EXPECT_EQ(Cells(B), S.Expected);
  }
  EXPECT_EQ(Next, 1);
  EXPECT_EQ(Skip, 1);
  EXPECT_EQ(Previous, 2);
  EXPECT_EQ(NumChanged, 4);
  EXPECT_EQ(B->AccessibleInfo().Value, L"19 / 20");
}

TEST_F(SkinCountBar, FocusedCellIsFilled) {
  auto* B = NewBar(20);
  ShowForm();
  Redraw(B);
  const TRect Focus = B->Items()->Items(B->FocusItemIndex())->Rect();
  const TRect Other = B->Items()->Items(0)->Rect();
  EXPECT_EQ(Rgb(*B->Buffer(), Focus.Left + 1, Focus.Top + 1), Rgb(B->ColorFocus()));
  EXPECT_EQ(Rgb(*B->Buffer(), Other.Left + 1, Other.Top + 1), Rgb(B->ColorNormal()));
  // The centred grid: 12 cells of 31 in 390 start at (390 - 6 - 372 + 3) div 2 + 3 = 10;
  // 5 pages (7 cells) at (390 - 6 - 217 + 3) div 2 + 3 = 88.
  EXPECT_EQ(Other.Left, 10);
  B->SetNumCount(5);
  Redraw(B);
  EXPECT_EQ(B->Items()->Items(0)->Rect().Left, 88);
}

}  // namespace

// The tags box: Text both ways (also very long or only commas), the pill widths, the x
// button deleting a tag (and a handler refusing it), clicks without x buttons, the
// keyboard, scrolling, and bad sizes.
#include "SkinControlsTestSupport.h"
#include "controls/QvSkinScrollBar.h"
#include "controls/QvSkinTagsBox.h"

using namespace qv;
using qvtest::Click;
using qvtest::PressKey;
using qvtest::PumpUntil;
using qvtest::Rgb;

namespace {

class SkinTagsBox : public qvtest::SkinFormTest {
 protected:
  TQvSkinTagsBox* NewBox(const String& Text, int W = 300, int H = 116) {
    auto* B = Add<TQvSkinTagsBox>(Form.get(), 10, 10, W, H);
    B->SetText(Text);
    B->OnChanged = [this](TObject*) { ++Changes; };
    return B;
  }
  static TPoint At(TQvSkinCustomTagsBox* B, const TRect& R) {
    return B->ClientToScreen(TPoint(R.Left + R.Width() / 2, R.Top + R.Height() / 2));
  }
  int Changes = 0;
};

TEST_F(SkinTagsBox, TextBothWays) {
  auto* B = NewBox(L"red, green ,, blue");
  ASSERT_EQ(B->Items()->Count(), 3);
  EXPECT_EQ(B->Items()->Items(1)->Caption(), L" green ");
  EXPECT_EQ(B->Items()->Items(2)->Caption(), L" blue");
  EXPECT_EQ(B->Text(), L"red, green , blue");
  B->Items()->Items(0)->SetCaption(L"a,b");
  EXPECT_EQ(B->Text(), L"\"a,b\", green , blue");
  Changes = 0;
  B->SetText(B->Text());
  EXPECT_EQ(B->Items()->Items(0)->Caption(), L"a,b");
  EXPECT_EQ(Changes, 1);  // one change for the whole text
  // Bad input: 100 000 characters, only commas.
  String Long;
  while (Long.size() < 100000) Long += L"tag" + std::to_wstring(Long.size()) + L",";
  B->SetText(Long);
  EXPECT_GT(B->Items()->Count(), 10000);
  ShowForm();
  Redraw(B);
  EXPECT_NE(B->ScrollBar(), nullptr);
  B->SetText(String(100000, L','));
  EXPECT_EQ(B->Items()->Count(), 0);
  EXPECT_EQ(B->Text(), L"");
  Redraw(B);
  EXPECT_EQ(B->ScrollBar(), nullptr);
}

TEST_F(SkinTagsBox, PillsAndTheirDeleteButtons) {
  auto* B = NewBox(L"i,a longer tag");
  ShowForm();
  Redraw(B);
  const TQvTagsBoxItem* Short = B->Items()->Items(0);
  EXPECT_EQ(Short->Rect(), Rect(10, 10, 70, 35));  // MinW 60, H 25
  // The x: C = round(50 / 3) = 17 at right - 12 - 8, centred in the height.
  EXPECT_EQ(Short->DeleteBtnRect(), Rect(50, 14, 67, 31));
  // Its circle is painted in the button's colour.
  EXPECT_EQ(Rgb(*B->Buffer(), 58, 16), Rgb(B->DeleteButton()->Color()));
  const TRect Long = B->Items()->Items(1)->Rect();
  EXPECT_EQ(Long.Left, 80);
  EXPECT_GT(Long.Width(), 60);
  // Without x buttons the pills shrink by C div 2.
  B->DeleteButton()->SetVisible(false);
  Redraw(B);
  EXPECT_EQ(B->Items()->Items(1)->Rect().Width(), Long.Width() - 8);
  EXPECT_TRUE(B->Items()->Items(0)->DeleteBtnRect().IsEmpty());
  // ItemHeight 0 and MinWidth -1 are refused.
  B->SetItemHeight(0);
  B->SetItemMinWidth(-1);
  EXPECT_EQ(B->ItemHeight(), 25);
  EXPECT_EQ(B->ItemMinWidth(), 60);
}

TEST_F(SkinTagsBox, DeleteButtonRemovesATagUnlessRefused) {
  auto* B = NewBox(L"one,two,three");
  bool Allow = false;
  int Asked = -1;
  B->OnDeleteClick = [&](TObject*, int Index, bool& CanDelete) {
    Asked = Index;
    CanDelete = Allow;
  };
  std::vector<int> Clicked;
  B->OnClickItem = [&](TObject*, int Index) { Clicked.push_back(Index); };
  ShowForm();
  Redraw(B);
  Changes = 0;
  const TPoint X = At(B, B->Items()->Items(1)->DeleteBtnRect());
  Click(X.X, X.Y);
  EXPECT_EQ(Asked, 1);
  EXPECT_EQ(B->Text(), L"one,two,three");
  EXPECT_EQ(Changes, 0);
  Allow = true;
  Click(X.X, X.Y);
  EXPECT_EQ(B->Text(), L"one,three");
  EXPECT_EQ(Changes, 1);
  EXPECT_TRUE(Clicked.empty());
  // A click on the pill beside its x clicks the tag.
  Redraw(B);
  const TRect P = B->Items()->Items(0)->Rect();
  const TPoint Body = B->ClientToScreen(TPoint(P.Left + 8, P.Top + 12));
  Click(Body.X, Body.Y);
  EXPECT_EQ(Clicked, (std::vector<int>{0}));
  EXPECT_EQ(B->AccessibleInfo().Value, L"one");
  EXPECT_EQ(B->AccessibleInfo().DefaultAction, L"Delete");
  // The keyboard deletes the focused tag; without x buttons a click anywhere clicks.
  PressKey(VK_DELETE);
  EXPECT_EQ(B->Text(), L"three");
  B->DeleteButton()->SetVisible(false);
  Redraw(B);
  Click(At(B, B->Items()->Items(0)->Rect()).X + 20, At(B, B->Items()->Items(0)->Rect()).Y);
  EXPECT_EQ(B->Text(), L"three");
  EXPECT_EQ(Clicked, (std::vector<int>{0, 0}));
}

TEST_F(SkinTagsBox, RowsScroll) {
  auto* B = NewBox(L"");
  String Text;
  for (int I = 0; I < 30; ++I) Text += L"tag" + std::to_wstring(I) + L",";
  B->SetText(Text);
  ShowForm();
  Redraw(B);
  ASSERT_TRUE(PumpUntil([B] { return B->ScrollBar() != nullptr; }));
  EXPECT_GT(B->CalcItemsHeight(), 116);
  const int Top = B->Items()->Items(0)->Rect().Top;
  B->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-WHEEL_DELTA)), 0);
  EXPECT_EQ(B->ScrollBar()->Position(), 30);
  ASSERT_TRUE(PumpUntil([B, Top] { return B->Items()->Items(0)->Rect().Top == Top - 30; }));
  B->SetHideScrollbar(true);
  Redraw(B);
  EXPECT_EQ(B->ScrollBar(), nullptr);
}

}  // namespace

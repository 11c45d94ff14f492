// The icon button list through real input: single and multiple checking, the delete
// picture of edit mode (and a handler refusing it), dragging a cell to a new place,
// scrolling with the skinned bar, the shake timer, the keyboard, and bad sizes.
#include "SkinControlsTestSupport.h"
#include "controls/QvSkinIconButtonList.h"
#include "controls/QvSkinScrollBar.h"

using namespace qv;
using qvtest::Click;
using qvtest::MoveMouse;
using qvtest::PressKey;
using qvtest::PumpIdle;
using qvtest::PumpInput;
using qvtest::PumpUntil;
using qvtest::SendMouse;

namespace {

class SkinIconList : public qvtest::SkinFormTest {
 protected:
  // A list at (10, 10) with Count cells captioned A, B, C, ...
  TQvSkinIconButtonList* NewList(int Count, int W = 361, int H = 281) {
    auto* L = Add<TQvSkinIconButtonList>(Form.get(), 10, 10, W, H);
    for (int I = 0; I < Count; ++I) L->Items()->Add()->SetCaption(String(1, wchar_t(L'A' + I)));
    return L;
  }
  // Screen point of a place in a cell.
  static TPoint At(TQvSkinCustomIconButtonList* L, int Index, int DX, int DY) {
    const TRect R = L->Items()->Items(Index)->Rect();
    return L->ClientToScreen(TPoint(R.Left + DX, R.Top + DY));
  }
  static void ClickCell(TQvSkinCustomIconButtonList* L, int Index) {
    const TPoint P = At(L, Index, 30, 50);
    Click(P.X, P.Y);
  }
  static String Order(TQvSkinCustomIconButtonList* L) {
    String S;
    for (int I = 0; I < L->Items()->Count(); ++I) S += L->Items()->Items(I)->Caption();
    return S;
  }
  void ShowList(TQvSkinCustomIconButtonList* L) {
    ShowForm();
    Redraw(L);
  }
};

TEST_F(SkinIconList, ClicksCheckManyOrOneCell) {
  auto* L = NewList(4);
  std::vector<int> Clicked;
  L->OnClickItem = [&](TObject*, int Index) { Clicked.push_back(Index); };
  ShowList(L);
  EXPECT_EQ(L->Items()->Items(0)->Rect(), Rect(10, 10, 70, 90));
  EXPECT_EQ(L->Items()->Items(1)->Rect(), Rect(80, 10, 140, 90));
  auto Checks = [L] {
    String S;
    for (int I = 0; I < L->Items()->Count(); ++I)
      S += L->Items()->Items(I)->Checked() ? L'x' : L'.';
    return S;
  };
  // Multiple check: each click flips its own cell.
  struct Step {
    int Cell;
    const wchar_t* Expected;
  } Multi[] = {{0, L"x..."}, {2, L"x.x."}, {0, L"..x."}, {2, L"...."}};
  for (const Step& S : Multi) {
    ClickCell(L, S.Cell);
    EXPECT_EQ(Checks(), S.Expected) << "after clicking " << S.Cell;
  }
  EXPECT_EQ(Clicked, (std::vector<int>{0, 2, 0, 2}));
  EXPECT_EQ(L->FocusItemIndex(), 2);
  EXPECT_TRUE(L->Focused());
  // Single check: the previously focused cell is unchecked; clicking the checked cell
  // again leaves it checked.
  L->SetMultiChecked(false);
  Step Single[] = {{1, L".x.."}, {1, L".x.."}, {3, L"...x"}};
  for (const Step& S : Single) {
    ClickCell(L, S.Cell);
    EXPECT_EQ(Checks(), S.Expected) << "after clicking " << S.Cell;
  }
  EXPECT_EQ(L->AccessibleInfo().Role, arList);
  EXPECT_EQ(L->AccessibleInfo().Value, L"D");
  EXPECT_TRUE(L->AccessibleInfo().State.Contains(asChecked));
  // A disabled cell neither checks nor clicks; a refused focus change ends the press.
  L->Items()->Items(0)->SetEnabled(false);
  Clicked.clear();
  ClickCell(L, 0);
  EXPECT_EQ(Checks(), L"...x");
  L->OnFocusChanging = [](TObject*, int, int, bool& Allow) { Allow = false; };
  ClickCell(L, 2);
  EXPECT_EQ(Checks(), L"...x");
  EXPECT_TRUE(Clicked.empty());
  EXPECT_EQ(L->FocusItemIndex(), 3);
}

TEST_F(SkinIconList, AlignmentPlacesTheGrid) {
  auto* L = NewList(3);
  L->SetAlignWithItems(ihaCenter);
  ShowList(L);
  EXPECT_EQ(L->Items()->Items(0)->Rect().Left, 80);
  L->SetAlignWithItems(ihaRight);
  Redraw(L);
  EXPECT_EQ(L->Items()->Items(2)->Rect().Right, 361 - 10);
  // The cells are painted: a caption's ink lies in the lower part of its cell.
  const TRect Cell = L->Items()->Items(0)->Rect();
  const TRect Ink =
      qvtest::InkBounds(*L->Buffer(), qvtest::Rgb(*L->Buffer(), Cell.Left + 2, Cell.Top + 2), Cell);
  ASSERT_FALSE(Ink.IsEmpty());
  EXPECT_GT(Ink.Top, Cell.Top + 40);
}

TEST_F(SkinIconList, DeletePictureRemovesACellUnlessRefused) {
  auto* L = NewList(3);
  L->Items()->Items(2)->SetReadOnly(true);
  std::vector<String> Freed;
  L->OnFreeItem = [&](TObject*, TQvIconButtonItem* Item) { Freed.push_back(Item->Caption()); };
  bool Allow = false;
  int Asked = -1;
  L->OnDeleteClick = [&](TObject*, int Index, bool& CanDelete) {
    Asked = Index;
    CanDelete = Allow;
  };
  std::vector<int> Clicked;
  L->OnClickItem = [&](TObject*, int Index) { Clicked.push_back(Index); };
  L->EnterEdit();
  ShowList(L);
  const TRect D = L->Items()->Items(1)->DeleteBtnRect();
  EXPECT_EQ(D, Rect(80, 10, 98, 28));  // the 18-pixel picture at the cell's corner
  EXPECT_TRUE(L->Items()->Items(2)->DeleteBtnRect().IsEmpty());
  const TPoint P = At(L, 1, 6, 6);
  Click(P.X, P.Y);
  EXPECT_EQ(Asked, 1);
  EXPECT_EQ(Order(L), L"ABC");
  Allow = true;
  Click(P.X, P.Y);
  EXPECT_EQ(Order(L), L"AC");
  EXPECT_EQ(Freed, (std::vector<String>{L"B"}));
  // The read-only cell has no picture: its corner is a plain cell, which edit mode does
  // not click.
  Redraw(L);
  Asked = -1;
  const TPoint Q = At(L, 1, 6, 6);
  Click(Q.X, Q.Y);
  EXPECT_EQ(Asked, -1);
  EXPECT_EQ(Order(L), L"AC");
  EXPECT_TRUE(Clicked.empty());
  // The keyboard deletes the focused cell too.
  L->SetFocusItemIndex(0);
  PressKey(VK_DELETE);
  EXPECT_EQ(Order(L), L"C");
  EXPECT_EQ(Freed, (std::vector<String>{L"B", L"A"}));
  L->OnFreeItem = nullptr;  // the list's own end frees the rest after Freed is gone
  L->ExitEdit();
  EXPECT_FALSE(L->Editing());
}

TEST_F(SkinIconList, DraggingACellMovesIt) {
  auto* L = NewList(4);
  L->EnterEdit();
  ShowList(L);
  struct Case {
    int From, To;
    bool RightHalf;
    const wchar_t* Expected;
  } Cases[] = {
      {0, 2, true, L"BCAD"},   // A after C
      {3, 0, false, L"DBCA"},  // D before B
      {1, 2, false, L"DBCA"},  // B before C: where it was
  };
  for (const Case& C : Cases) {
    const TPoint Start = At(L, C.From, 30, 50);
    const TPoint End = At(L, C.To, C.RightHalf ? 50 : 10, 50);
    MoveMouse(Start.X, Start.Y);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    PumpInput();
    for (int Step = 1; Step <= 4; ++Step) {
      MoveMouse(Start.X + (End.X - Start.X) * Step / 4, Start.Y);
      Redraw(L);
    }
    EXPECT_TRUE(L->Dragging());
    ASSERT_NE(L->PlaceholderItem(), nullptr);
    EXPECT_FALSE(L->SourceDragItem()->Visible());
    SendMouse(MOUSEEVENTF_LEFTUP);
    PumpInput();
    EXPECT_FALSE(L->Dragging());
    EXPECT_EQ(L->Items()->Count(), 4);
    EXPECT_EQ(Order(L), C.Expected) << C.From << " to " << C.To;
    Redraw(L);
  }
  // A press without a move is no drag, and AutoDrag off never drags.
  L->SetAutoDrag(false);
  const TPoint S = At(L, 0, 30, 50), E = At(L, 2, 50, 50);
  MoveMouse(S.X, S.Y);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  MoveMouse(E.X, E.Y);
  SendMouse(MOUSEEVENTF_LEFTUP);
  PumpInput();
  EXPECT_EQ(Order(L), L"DBCA");
}

TEST_F(SkinIconList, SkinnedBarScrollsTheCells) {
  auto* L = NewList(20);
  ShowList(L);
  // 20 cells in rows of 5: 4 rows, 10 + 4 * 90 = 370 > 281.
  EXPECT_EQ(L->CalcItemsHeight(), 370);
  ASSERT_NE(L->ScrollBar(), nullptr);
  EXPECT_EQ(L->ScrollBar()->Kind(), sbVertical);
  EXPECT_EQ(L->ScrollBar()->Width(), 10);
  EXPECT_GT(L->ScrollBar()->Left(), 361 - 20);
  L->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-WHEEL_DELTA)), 0);
  EXPECT_EQ(L->ScrollBar()->Position(), 30);
  EXPECT_EQ(L->DispOffset().Y, 10 - 30);
  ASSERT_TRUE(PumpUntil([L] { return L->Items()->Items(0)->Rect().Top == -20; }));
  // Fewer cells: the bar goes and the grid starts at the margin again.
  L->Items()->BeginUpdate();
  while (L->Items()->Count() > 3) L->Items()->Delete(L->Items()->Count() - 1);
  L->Items()->EndUpdate();
  EXPECT_EQ(L->ScrollBar(), nullptr);
  EXPECT_EQ(L->DispOffset(), TPoint(10, 10));
  L->SetHideScrollbar(true);
  for (int I = 0; I < 20; ++I) L->Items()->Add();
  EXPECT_EQ(L->ScrollBar(), nullptr);
}

TEST_F(SkinIconList, ShakeTimerTurnsTheCellsInEditMode) {
  auto* L = NewList(2);
  L->SetShakeInEdit(true);
  ShowList(L);
  TQvIconButtonItem* Item = L->Items()->Items(0);
  Item->SetShake({0, true});
  L->EnterEdit();
  ASSERT_TRUE(PumpUntil([Item] { return Item->Shake().Angle != 0; }));
  ASSERT_TRUE(PumpUntil([Item] { return Item->Shake().Angle == 2; }));
  L->ExitEdit();
  PumpIdle();
  const float Still = Item->Shake().Angle;
  qvtest::PumpTicks(15);
  EXPECT_EQ(Item->Shake().Angle, Still);
}

TEST_F(SkinIconList, KeyboardMovesFocusAndToggles) {
  auto* L = NewList(3);
  ShowList(L);
  L->SetFocus();
  PumpIdle();
  PressKey(VK_RIGHT);
  EXPECT_EQ(L->FocusItemIndex(), 0);
  PressKey(VK_RIGHT);
  EXPECT_EQ(L->FocusItemIndex(), 1);
  PressKey(VK_SPACE);
  EXPECT_TRUE(L->Items()->Items(1)->Checked());
  PressKey(VK_LEFT);
  PressKey(VK_LEFT);
  EXPECT_EQ(L->FocusItemIndex(), 0);
}

TEST_F(SkinIconList, BadSizesAndEmptyListsAreHarmless) {
  auto* L = NewList(0);
  ShowList(L);
  EXPECT_EQ(L->GetItemAt({20, 20}), nullptr);
  L->SetItemHeight(0);
  L->SetItemWidth(-5);
  EXPECT_EQ(L->ItemHeight(), 80);
  EXPECT_EQ(L->ItemWidth(), 60);
  L->Items()->Add();
  L->SetBounds(10, 10, 30, 30);  // narrower than one cell
  L->SetAlignWithItems(ihaCenter);
  Redraw(L);
  EXPECT_EQ(L->Items()->Items(0)->Rect().Left, 0);
  // An item moved or deleted away from under the focus does not leave a stale index.
  L->Items()->Add();
  L->SetFocusItemIndex(1);
  L->Items()->Delete(1);
  EXPECT_EQ(L->FocusItemIndex(), -1);
  Redraw(L);
}

}  // namespace

TEST_F(SkinIconList, FastDrawRepaintsOneCellOverTheSnapshot) {
  auto* L = NewList(6);
  L->SetFastDrawMode(true);
  std::vector<int> Drawn;
  L->OnDrawItem = [&](TObject*, TBitmap32*, TQvIconButtonItemData* Item) {
    Drawn.push_back(Item->Index());
  };
  ShowList(L);
  EXPECT_EQ(Drawn.size(), 6u);
  TBitmap32 Full;
  Full.Assign(L->Buffer());

  // Only the queued cell is told; the picture equals a full paint.
  Drawn.clear();
  L->Items()->Items(3)->Invalidate();
  EXPECT_EQ(L->RedrawItems().size(), 1u);
  ASSERT_TRUE(PumpUntil([&] { return L->RedrawItems().empty(); }));
  EXPECT_EQ(Drawn, std::vector<int>{3});
  for (int Y = 0; Y < Full.Height(); ++Y)
    for (int X = 0; X < Full.Width(); ++X)
      ASSERT_EQ(qvtest::Rgb(Full, X, Y), qvtest::Rgb(*L->Buffer(), X, Y)) << X << "," << Y;

  // Hot tracking alone repaints nothing; a freed queued item is forgotten.
  Drawn.clear();
  const TPoint P = At(L, 1, 30, 50);
  MoveMouse(P.X, P.Y);
  PumpIdle();
  EXPECT_EQ(L->HotItemIndex(), 1);
  EXPECT_TRUE(Drawn.empty());
  L->Items()->Items(4)->Invalidate();
  delete L->Items()->Items(4);
  EXPECT_TRUE(L->RedrawItems().empty());
}

// The edit's text model: the filter table, surrogate pairs, caret and word steps, selection,
// MaxLength and ReadOnly, undo/redo, the bad-input rules and the scroll and hit-test rules.
#include <gtest/gtest.h>

#include "controls/QvEditText.h"

using namespace qv;

namespace {

// Every glyph 10 pixels wide, a pair included.
int Fixed10(const wchar_t*, int) {
  return 10;
}

// A character outside the basic plane as its two UTF-16 units (wchar_t is wider natively).
const String Emoji = {wchar_t(0xD83D), wchar_t(0xDE00)};

// Types S one character at a time, as key presses arrive.
void Type(TQvEditText& T, const String& S) {
  for (wchar_t C : S) T.InsertText(String(1, C), true);
}

TEST(EditText, FilterCaseAndLengthTable) {
  struct {
    TQvTextKind Kind;
    TEditCharCase Case;
    int MaxLength;
    const wchar_t* Before;  // text, caret at the end
    bool Paste;             // the input arrives whole, else key by key
    const wchar_t* Input;
    const wchar_t* After;
  } Cases[] = {
      {tkNumInt, ecNormal, 0, L"", false, L"a", L""},
      {tkNumInt, ecNormal, 0, L"", false, L"-", L"-"},
      {tkNumInt, ecNormal, 0, L"12", false, L"-", L"12"},  // caret after 0
      {tkNumInt, ecNormal, 0, L"-1", false, L"-", L"-1"},  // already has one
      {tkNumInt, ecNormal, 0, L"", true, L"12 34", L""},
      {tkNumInt, ecNormal, 0, L"", true, L"1234567", L"1234567"},
      {tkNumInt, ecNormal, 0, L"", false, L"12a3", L"123"},
      {tkNumReal, ecNormal, 0, L"1.5", false, L".", L"1.5"},
      {tkNumReal, ecNormal, 0, L"15", false, L".", L"15."},
      {tkNumReal, ecNormal, 0, L"15", false, L"e", L"15"},
      {tkNumReal, ecNormal, 0, L"", true, L"1.2.3", L""},  // not a number: dropped whole
      {tkENandNum, ecNormal, 0, L"", true, L"a-b.c/d", L"a-b.cd"},
      {tkEN, ecUpperCase, 0, L"", false, L"\u00e9", L""},
      {tkEN, ecUpperCase, 0, L"", false, L"a", L"A"},
      {tkEN, ecNormal, 0, L"", true, L"ab1c", L"abc"},
      {tkAll, ecLowerCase, 0, L"", true, L"AbC\u00c9", L"abc\u00c9"},  // ASCII only
      {tkAll, ecNormal, 3, L"ab", true, L"xyz", L"abx"},
      {tkAll, ecNormal, 0, L"", true, L"a\r\nb\nc", L"a b c"},  // line breaks become spaces
  };
  for (auto& C : Cases) {
    SCOPED_TRACE(testing::Message()
                 << "kind " << C.Kind << " input " << testing::PrintToString(String(C.Input)));
    TQvEditText T;
    T.SetText(C.Before);
    T.SetCursorPos(T.Length(), false);
    T.TextKind = C.Kind;
    T.CharCase = C.Case;
    T.MaxLength = C.MaxLength;
    if (C.Paste)
      T.InsertText(C.Input);
    else
      Type(T, C.Input);
    EXPECT_EQ(T.Text(), C.After);
  }
}

TEST(EditText, MaxLengthDropsKeysUnlessSomethingIsSelected) {
  TQvEditText T;
  T.MaxLength = 3;
  T.SetText(L"abc");
  EXPECT_FALSE(T.RoomForKey());
  T.SetCursorPos(1, false);
  T.SetCursorPos(2, true);  // 'b' selected
  EXPECT_TRUE(T.RoomForKey());
  T.InsertText(L"X", true);
  EXPECT_EQ(T.Text(), L"aXc");
  EXPECT_EQ(T.CursorPos(), 2);
  // SetText cuts; a cut never keeps half a pair.
  T.MaxLength = 2;
  T.SetText(L"a" + Emoji + L"b");
  EXPECT_EQ(T.Text(), L"a");
}

TEST(EditText, SurrogatePairsAreOneCharacter) {
  TQvEditText T;
  T.SetText(L"a" + Emoji + L"b");  // a, pair at 1..2, b at 3
  ASSERT_EQ(T.Length(), 4);
  EXPECT_EQ(T.StepRight(1), 3);
  EXPECT_EQ(T.StepLeft(3), 1);
  T.SetCursorPos(2, false);  // between the halves, moving right: after the pair
  EXPECT_EQ(T.CursorPos(), 3);
  T.SetCursorPos(2, false);  // moving left: before it
  EXPECT_EQ(T.CursorPos(), 1);
  T.SetCursorPos(3, false);
  T.DeleteBack();
  EXPECT_EQ(T.Text(), L"ab");
  EXPECT_EQ(T.CursorPos(), 1);
  T.SetText(L"a" + Emoji + L"b");
  T.SetCursorPos(1, false);
  T.DeleteForward();
  EXPECT_EQ(T.Text(), L"ab");
  EXPECT_EQ(T.CursorPos(), 1);
}

TEST(EditText, BrokenUtf16NeverReachesTheBuffer) {
  TQvEditText T;
  const String Broken = String(L"x") + wchar_t(0xD800) + L"y" + wchar_t(0xDC00) + wchar_t(0xD83D);
  T.InsertText(Broken);
  EXPECT_EQ(T.Text(), String(L"x\uFFFDy\uFFFD\uFFFD"));
  EXPECT_EQ(FirstLine(L"one\r\ntwo"), L"one");
  EXPECT_EQ(FirstLine(L""), L"");
  // A pasted text never ends with half a pair, even when MaxLength cuts inside it.
  TQvEditText M;
  M.MaxLength = 2;
  M.InsertText(L"a" + Emoji);
  EXPECT_EQ(M.Text(), L"a");
}

TEST(EditText, CaretWordStepsAndSelection) {
  TQvEditText T;
  T.SetText(L"hello world");
  EXPECT_EQ(T.WordLeft(11), 6);
  EXPECT_EQ(T.WordLeft(6), 0);
  EXPECT_EQ(T.WordRight(0), 6);
  EXPECT_EQ(T.WordRight(6), 11);
  T.SetCursorPos(6, false);
  T.SetCursorPos(11, true);  // Shift+End
  EXPECT_EQ(T.SelStart(), 6);
  EXPECT_EQ(T.SelLength(), 5);
  EXPECT_EQ(T.SelText(), L"world");
  T.SetCursorPos(3, true);  // the moving end passes the anchor
  EXPECT_EQ(T.SelStart(), 3);
  EXPECT_EQ(T.SelLength(), 3);
  T.SetCursorPos(100, false);  // clamped, selection collapses
  EXPECT_EQ(T.CursorPos(), 11);
  EXPECT_EQ(T.SelLength(), 0);
  T.SelectAll();
  EXPECT_EQ(T.SelLength(), 11);
  T.SetSelStart(4);
  T.SetSelLength(100);
  EXPECT_EQ(T.SelStart(), 4);
  EXPECT_EQ(T.SelLength(), 7);
}

TEST(EditText, ReadOnlyRefusesChangesButNotSelectionByCaret) {
  TQvEditText T;
  T.SetText(L"abc");
  T.ReadOnly = true;
  EXPECT_FALSE(T.InsertText(L"x"));
  EXPECT_FALSE(T.DeleteBack());
  EXPECT_FALSE(T.DeleteForward());
  T.SelectAll();
  EXPECT_EQ(T.SelLength(), 0);
  T.SetCursorPos(2, true);
  EXPECT_EQ(T.SelLength(), 2);
  EXPECT_EQ(T.Text(), L"abc");
}

TEST(EditText, UndoRedoStepsAndTypedRuns) {
  TQvEditText T;
  EXPECT_FALSE(T.CanUndo());
  Type(T, L"hello");
  T.InsertText(L" world");  // a paste: its own step
  EXPECT_EQ(T.Text(), L"hello world");
  T.DeleteBack();
  EXPECT_EQ(T.Text(), L"hello worl");
  ASSERT_TRUE(T.Undo());
  EXPECT_EQ(T.Text(), L"hello world");
  ASSERT_TRUE(T.Undo());
  EXPECT_EQ(T.Text(), L"hello");
  EXPECT_EQ(T.CursorPos(), 5);
  ASSERT_TRUE(T.Undo());  // the typed run goes at once
  EXPECT_EQ(T.Text(), L"");
  EXPECT_FALSE(T.CanUndo());
  ASSERT_TRUE(T.Redo());
  EXPECT_EQ(T.Text(), L"hello");
  // A new edit drops what could be redone.
  T.InsertText(L"!");
  EXPECT_FALSE(T.CanRedo());
  // Replacing a selection and a MaxLength cut undo as one step.
  T.MaxLength = 6;
  T.SetCursorPos(0, false);
  T.SetCursorPos(2, true);
  T.InsertText(L"WXYZ");
  EXPECT_EQ(T.Text(), L"WXYZll");
  ASSERT_TRUE(T.Undo());
  EXPECT_EQ(T.Text(), L"hello!");
  EXPECT_EQ(T.SelLength(), 2);
  // Moving the caret ends a typed run.
  TQvEditText R;
  Type(R, L"ab");
  R.SetCursorPos(0, false);
  Type(R, L"c");
  R.Undo();
  EXPECT_EQ(R.Text(), L"ab");
}

TEST(EditText, ScrollKeepsTheCaretVisibleMeasuringOnlyTheVisiblePart) {
  TQvEditText T;
  T.SetText(String(10000, L'x'));
  int Measured = 0;
  auto Count = [&](const wchar_t* G, int U) {
    ++Measured;
    return Fixed10(G, U);
  };
  T.SetCursorPos(T.Length(), false);
  T.CalcFirstDisplayChar(100, Count);
  // 9 characters (90 px) fit before the caret: the first drawn is 10000 - 9 + 1.
  EXPECT_EQ(T.FirstDisplayChar(), 9992);
  EXPECT_LE(Measured, 12);
  T.SetCursorPos(5, false);
  T.CalcFirstDisplayChar(100, Count);
  EXPECT_EQ(T.FirstDisplayChar(), 5);
  T.CalcFirstDisplayChar(0, Count);
  EXPECT_EQ(T.FirstDisplayChar(), 1);
}

TEST(EditText, HitTestPlacesTheCaretAtTheNearerBoundary) {
  TQvEditText T;
  EXPECT_EQ(T.HitTest(10, 0, 100, Fixed10), -1);
  T.SetText(L"abcdef");
  struct {
    int X, Pos;
  } Cases[] = {{0, 0}, {6, 0}, {7, 1}, {16, 1}, {17, 2}, {55, 5}, {58, 6}, {500, 6}};
  for (auto& C : Cases) EXPECT_EQ(T.HitTest(C.X, 0, 200, Fixed10), C.Pos) << "x " << C.X;
}

TEST(EditText, LongPasteCompletes) {
  TQvEditText T;
  String Big(1 << 20, L'a');
  Big[1000] = L'\n';
  T.InsertText(FirstLine(Big));
  EXPECT_EQ(T.Length(), 1000);
  T.InsertText(String(1 << 20, L'b'));
  EXPECT_EQ(T.Length(), 1000 + (1 << 20));
  T.MaxLength = 10;
  T.SetText(String(1 << 20, L'c'));
  EXPECT_EQ(T.Length(), 10);
}

}  // namespace

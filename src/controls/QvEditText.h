#pragma once
// The self-drawn edit's text model, free of the platform: the UTF-16 buffer, the caret and
// the two selection ends, the input filter (TextKind, CharCase, MaxLength, ReadOnly), undo
// and redo, and the horizontal scroll and hit-test rules over a glyph-width callback.
// Positions are gaps: 0 .. Length(); a position never splits a surrogate pair.
#include <functional>
#include <vector>

#include "resources/QvSkinIntfTypes.h"

namespace qv {

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
inline constexpr const wchar_t* TEditCharCaseNames[] = {L"ecNormal", L"ecUpperCase",
                                                        L"ecLowerCase"};

inline bool IsLeadSurrogate(wchar_t C) {
  return C >= 0xD800 && C <= 0xDBFF;
}
inline bool IsTrailSurrogate(wchar_t C) {
  return C >= 0xDC00 && C <= 0xDFFF;
}
// Lone surrogate halves become U+FFFD, so the buffer only ever holds whole pairs.
String RepairSurrogates(const String& S);
// The first line of S (what a paste inserts); empty when S is empty.
String FirstLine(const String& S);
// Each line break (CR, LF or CR LF) becomes one space: the edit has a single line.
String BreaksToSpaces(const String& S);
// ASCII-only case conversion, as the edit's CharCase applies it.
String ApplyCharCase(const String& S, TEditCharCase Case);
// Optional blanks around an optional sign, digits, an optional fraction and exponent.
bool TryStrToFloat(const String& S, double& Value);

// Width in pixels of one glyph: a character or a whole surrogate pair.
using TGlyphWidthFunc = std::function<int(const wchar_t* Glyph, int Units)>;

class TQvEditText {
 public:
  const String& Text() const { return FText; }
  int Length() const { return int(FText.size()); }
  int CursorPos() const { return FCursorPos; }
  int SelPoint1() const { return FSelPoint1; }
  int SelPoint2() const { return FSelPoint2; }
  int SelStart() const { return FSelPoint1 < FSelPoint2 ? FSelPoint1 : FSelPoint2; }
  int SelLength() const {
    return FSelPoint1 < FSelPoint2 ? FSelPoint2 - FSelPoint1 : FSelPoint1 - FSelPoint2;
  }
  String SelText() const { return FText.substr(size_t(SelStart()), size_t(SelLength())); }

  TQvTextKind TextKind = tkAll;
  TEditCharCase CharCase = ecNormal;
  int MaxLength = 0;  // 0: unlimited
  bool ReadOnly = false;

  // Moves the caret (clamped, never inside a pair: left of it when moving left, right of it
  // otherwise). Extend moves the selection end that sat at the caret; otherwise the
  // selection collapses at the caret.
  void SetCursorPos(int P, bool Extend);
  // One character left or right of P (a pair as a whole), and the word steps: the step
  // repeats until the position stops moving or the character left of it is a space.
  int StepLeft(int P) const;
  int StepRight(int P) const;
  int WordLeft(int P) const;
  int WordRight(int P) const;
  // Both selection ends at A (the caret stays).
  void SetSelStart(int A);
  // The moving end N past the other; refused when ReadOnly.
  void SetSelLength(int N);
  void SelectAll();

  // The input filter: CharCase, then (Filter and TextKind not tkAll) the kind's rules
  // against the text without its selection (empty with ClearText).
  String TextHandle(const String& Source, bool ClearText, bool Filter) const;
  // Replaces the selection (or inserts at the caret) with the filtered value, cut to
  // MaxLength. False when ReadOnly (nothing happened); true otherwise, also when the filter
  // left nothing to insert.
  bool InsertText(const String& Value, bool Typing = false);
  // The whole text, filtered, caret and selection at 0. False when Value equals the text.
  bool SetText(const String& Value);
  // Backspace and Delete: the selection, else one character (a pair as a whole). False when
  // ReadOnly.
  bool DeleteBack();
  bool DeleteForward();
  // Whether a typed character may still go in: not when MaxLength is reached and nothing is
  // selected.
  bool RoomForKey() const { return MaxLength <= 0 || Length() < MaxLength || SelLength() > 0; }
  // Applies CharCase to the text as it stands (no filter); caret and selection stay.
  void ApplyCase();

  // Undo and redo of typing, pasting, cutting and deleting; a run of typed characters is
  // one step.
  bool CanUndo() const { return !FUndo.empty(); }
  bool CanRedo() const { return !FRedo.empty(); }
  bool Undo();
  bool Redo();
  void ClearUndo();
  // Steps kept at most; the oldest goes first.
  static constexpr size_t MaxUndoSteps = 100;

  // 1-based index of the first character drawn.
  int FirstDisplayChar() const { return FFirstDisplayChar; }
  void SetFirstDisplayChar(int Value) { FFirstDisplayChar = Value; }
  // Scrolls so that the characters from FirstDisplayChar through the caret fit in Avail
  // pixels; Avail <= 0 scrolls to the start. Looks only at the visible part of the text.
  void CalcFirstDisplayChar(int Avail, const TGlyphWidthFunc& Width);
  // The caret position for a click at X, the text starting at pixel Left and ending at
  // Limit; -1 for an empty text.
  int HitTest(int X, int Left, int Limit, const TGlyphWidthFunc& Width) const;
  // Units of the glyph starting at 0-based index I (2 for a whole pair).
  int GlyphUnits(int I) const;

 private:
  struct TEditOp {
    int Pos;
    String Removed, Inserted;
  };
  struct TUndoStep {
    std::vector<TEditOp> Ops;
    int Sel1Before, Sel2Before, CaretBefore;
    int CaretAfter;
    bool Typing;
  };
  // Replaces Count units at Pos, recording the change in the open step.
  void Replace(int Pos, int Count, const String& With);
  void BeginStep(bool Typing);
  void EndStep();
  void ClampAll();
  void Apply(const TUndoStep& Step, bool Backward);

  String FText;
  int FCursorPos = 0;
  int FSelPoint1 = 0, FSelPoint2 = 0;
  int FFirstDisplayChar = 1;
  std::vector<TUndoStep> FUndo, FRedo;
  TUndoStep FStep{};
  bool FRecording = false;
  // The last step was typing and the caret has not moved since: the next key joins it.
  bool FTypingOpen = false;
};

}  // namespace qv

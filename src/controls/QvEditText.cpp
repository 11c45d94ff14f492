#include "controls/QvEditText.h"

#include <algorithm>
#include <cwchar>

#include "graphics/QvComm.h"

namespace qv {

String RepairSurrogates(const String& S) {
  String R = S;
  for (size_t I = 0; I < R.size(); ++I) {
    if (IsLeadSurrogate(R[I]) && I + 1 < R.size() && IsTrailSurrogate(R[I + 1]))
      ++I;
    else if (IsLeadSurrogate(R[I]) || IsTrailSurrogate(R[I]))
      R[I] = 0xFFFD;
  }
  return R;
}

String FirstLine(const String& S) {
  const size_t End = S.find_first_of(L"\r\n");
  return End == String::npos ? S : S.substr(0, End);
}

String BreaksToSpaces(const String& S) {
  if (S.find_first_of(L"\r\n") == String::npos) return S;
  String R;
  R.reserve(S.size());
  for (size_t I = 0; I < S.size(); ++I) {
    if (S[I] == L'\r' && I + 1 < S.size() && S[I + 1] == L'\n') ++I;
    R += (S[I] == L'\r' || S[I] == L'\n') ? L' ' : S[I];
  }
  return R;
}

String ApplyCharCase(const String& S, TEditCharCase Case) {
  if (Case == ecNormal) return S;
  String R = S;
  for (auto& C : R) {
    if (Case == ecUpperCase && C >= L'a' && C <= L'z') C = wchar_t(C - 32);
    if (Case == ecLowerCase && C >= L'A' && C <= L'Z') C = wchar_t(C + 32);
  }
  return R;
}

bool TryStrToFloat(const String& S, double& Value) {
  const String T = Trim(S);
  if (T.empty()) return false;
  // Only the plain decimal form: no hex, no inf or nan that wcstod would also take.
  for (wchar_t C : T)
    if (!((C >= L'0' && C <= L'9') || C == L'.' || C == L'-' || C == L'+' || C == L'e' ||
          C == L'E'))
      return false;
  wchar_t* End = nullptr;
  Value = std::wcstod(T.c_str(), &End);
  return End && *End == 0 && End != T.c_str();
}

// ---- caret and selection ------------------------------------------------------------

int TQvEditText::GlyphUnits(int I) const {
  if (I < 0 || I >= Length()) return 1;
  return IsLeadSurrogate(FText[size_t(I)]) && I + 1 < Length() &&
                 IsTrailSurrogate(FText[size_t(I) + 1])
             ? 2
             : 1;
}

void TQvEditText::SetCursorPos(int P, bool Extend) {
  P = std::clamp(P, 0, Length());
  const int Old = FCursorPos;
  // A gap between the halves of a pair moves past the pair in the direction of travel.
  if (P > 0 && P < Length() && IsLeadSurrogate(FText[size_t(P) - 1]) &&
      IsTrailSurrogate(FText[size_t(P)]))
    P += P < Old ? -1 : 1;
  FCursorPos = P;
  if (Extend) {
    if (Old == FSelPoint2)
      FSelPoint2 += FCursorPos - Old;
    else
      FSelPoint1 += FCursorPos - Old;
  } else {
    FSelPoint1 = FSelPoint2 = FCursorPos;
  }
  if (FCursorPos != Old) FTypingOpen = false;
}

int TQvEditText::StepLeft(int P) const {
  if (P <= 0) return 0;
  return P >= 2 && IsTrailSurrogate(FText[size_t(P) - 1]) && IsLeadSurrogate(FText[size_t(P) - 2])
             ? P - 2
             : P - 1;
}

int TQvEditText::StepRight(int P) const {
  if (P >= Length()) return Length();
  return P + GlyphUnits(P);
}

int TQvEditText::WordLeft(int P) const {
  for (;;) {
    const int N = StepLeft(P);
    if (N == P) return P;
    P = N;
    if (P > 0 && FText[size_t(P) - 1] == L' ') return P;
  }
}

int TQvEditText::WordRight(int P) const {
  for (;;) {
    const int N = StepRight(P);
    if (N == P) return P;
    P = N;
    if (P > 0 && FText[size_t(P) - 1] == L' ') return P;
  }
}

void TQvEditText::SetSelStart(int A) {
  FSelPoint1 = FSelPoint2 = std::clamp(A, 0, Length());
}

void TQvEditText::SetSelLength(int N) {
  if (ReadOnly) return;
  if (FSelPoint1 < FSelPoint2)
    FSelPoint2 = FSelPoint1 + N;
  else
    FSelPoint1 = FSelPoint2 + N;
  if (SelStart() + SelLength() > Length()) {
    // The moving end comes back to the end of the text.
    if (FSelPoint1 > FSelPoint2)
      FSelPoint1 = Length();
    else
      FSelPoint2 = Length();
  }
  FSelPoint1 = std::clamp(FSelPoint1, 0, Length());
  FSelPoint2 = std::clamp(FSelPoint2, 0, Length());
}

void TQvEditText::SelectAll() {
  SetSelStart(0);
  SetSelLength(Length());
}

// ---- the filter -------------------------------------------------------------------------

String TQvEditText::TextHandle(const String& Source, bool ClearText, bool Filter) const {
  const String R = ApplyCharCase(Source, CharCase);
  if (TextKind == tkAll || !Filter) return R;
  const String Existing = ClearText ? String()
                                    : FText.substr(0, size_t(SelStart())) +
                                          FText.substr(size_t(SelStart() + SelLength()));
  const bool ExistingHasMinus = Existing.find(L'-') != String::npos;
  const bool MinusRefused = ExistingHasMinus || (!Existing.empty() && !ClearText && FCursorPos > 0);
  String Acc;
  int Dots = 0;
  if (TextKind == tkNumInt && Source != L"-" && !IsIntString(Source)) return Acc;
  double Ignored = 0;
  if (TextKind == tkNumReal && Source != L"-" && Source != L"." && !TryStrToFloat(Source, Ignored))
    return Acc;
  for (wchar_t C : R) {
    const bool Letter = (C >= L'A' && C <= L'Z') || (C >= L'a' && C <= L'z');
    const bool Digit = C >= L'0' && C <= L'9';
    switch (TextKind) {
      case tkEN:
        if (Letter) Acc += C;
        break;
      case tkENandNum:
        if (Letter || Digit || C == L'-' || C == L'.') Acc += C;
        break;
      case tkNumInt:
      case tkNumReal:
        if (C == L'-') {
          if (MinusRefused) return Acc;
          Acc += C;
        } else if (C == L'.' && TextKind == tkNumReal) {
          ++Dots;
          if ((Existing.find(L'.') != String::npos && Source.size() == 1) || Dots > 1) return Acc;
          Acc += C;
        } else if (Digit) {
          Acc += C;
        }
        break;
      default:
        Acc += C;
    }
  }
  return Acc;
}

// ---- changes ------------------------------------------------------------------------------

void TQvEditText::BeginStep(bool Typing) {
  FStep = TUndoStep{{}, FSelPoint1, FSelPoint2, FCursorPos, 0, Typing};
  FRecording = true;
}

void TQvEditText::Replace(int Pos, int Count, const String& With) {
  if (Count == 0 && With.empty()) return;
  if (FRecording) FStep.Ops.push_back({Pos, FText.substr(size_t(Pos), size_t(Count)), With});
  FText.replace(size_t(Pos), size_t(Count), With);
}

void TQvEditText::EndStep() {
  FRecording = false;
  if (FStep.Ops.empty()) return;
  FStep.CaretAfter = FCursorPos;
  FRedo.clear();
  // A typed character right after the previous one joins its step.
  if (FStep.Typing && FTypingOpen && !FUndo.empty() && FUndo.back().Typing &&
      FStep.Ops.size() == 1 && FUndo.back().Ops.size() == 1 && FStep.Ops[0].Removed.empty()) {
    TEditOp& Prev = FUndo.back().Ops[0];
    if (FStep.Ops[0].Pos == Prev.Pos + int(Prev.Inserted.size())) {
      Prev.Inserted += FStep.Ops[0].Inserted;
      FUndo.back().CaretAfter = FCursorPos;
      return;
    }
  }
  FUndo.push_back(std::move(FStep));
  if (FUndo.size() > MaxUndoSteps) FUndo.erase(FUndo.begin());
  FTypingOpen = FUndo.back().Typing;
}

void TQvEditText::ClampAll() {
  FCursorPos = std::clamp(FCursorPos, 0, Length());
  FSelPoint1 = std::clamp(FSelPoint1, 0, Length());
  FSelPoint2 = std::clamp(FSelPoint2, 0, Length());
}

bool TQvEditText::InsertText(const String& Value, bool Typing) {
  if (ReadOnly) return false;
  const String V = TextHandle(RepairSurrogates(BreaksToSpaces(Value)), false, true);
  BeginStep(Typing);
  const bool Open = FTypingOpen;
  const int Start = SelStart();
  Replace(Start, SelLength(), V);
  FCursorPos = Start + int(V.size());
  FSelPoint1 = FSelPoint2 = FCursorPos;
  if (MaxLength > 0 && Length() > MaxLength) {
    int Cut = MaxLength;
    // Never keep half a pair.
    if (IsTrailSurrogate(FText[size_t(Cut)])) --Cut;
    Replace(Cut, Length() - Cut, String());
    ClampAll();
  }
  FTypingOpen = Open;
  EndStep();
  return true;
}

bool TQvEditText::SetText(const String& Value) {
  if (Value == FText) return false;
  String V = RepairSurrogates(BreaksToSpaces(Value));
  if (MaxLength >= 1 && int(V.size()) > MaxLength)
    V.resize(size_t(MaxLength - (IsTrailSurrogate(V[size_t(MaxLength)]) ? 1 : 0)));
  V = TextHandle(V, true, true);
  // A replaced text is not an edit the user can take back.
  FText = V;
  ClearUndo();
  FCursorPos = FSelPoint1 = FSelPoint2 = 0;
  FFirstDisplayChar = 1;
  return true;
}

bool TQvEditText::DeleteBack() {
  if (ReadOnly) return false;
  if (SelLength() > 0) return InsertText(String());
  if (FCursorPos == 0) return true;
  BeginStep(false);
  const int From = StepLeft(FCursorPos);
  Replace(From, FCursorPos - From, String());
  FCursorPos = FSelPoint1 = FSelPoint2 = From;
  EndStep();
  return true;
}

bool TQvEditText::DeleteForward() {
  if (ReadOnly) return false;
  if (SelLength() > 0) return InsertText(String());
  if (FCursorPos >= Length()) return true;
  BeginStep(false);
  Replace(FCursorPos, GlyphUnits(FCursorPos), String());
  FSelPoint1 = FSelPoint2 = FCursorPos;
  EndStep();
  return true;
}

void TQvEditText::ApplyCase() {
  FText = ApplyCharCase(FText, CharCase);
}

void TQvEditText::Apply(const TUndoStep& Step, bool Backward) {
  if (Backward) {
    for (auto It = Step.Ops.rbegin(); It != Step.Ops.rend(); ++It)
      FText.replace(size_t(It->Pos), It->Inserted.size(), It->Removed);
    FCursorPos = Step.CaretBefore;
    FSelPoint1 = Step.Sel1Before;
    FSelPoint2 = Step.Sel2Before;
  } else {
    for (const TEditOp& Op : Step.Ops)
      FText.replace(size_t(Op.Pos), Op.Removed.size(), Op.Inserted);
    FCursorPos = FSelPoint1 = FSelPoint2 = Step.CaretAfter;
  }
  ClampAll();
  FTypingOpen = false;
}

bool TQvEditText::Undo() {
  if (FUndo.empty() || ReadOnly) return false;
  Apply(FUndo.back(), true);
  FRedo.push_back(std::move(FUndo.back()));
  FUndo.pop_back();
  return true;
}

bool TQvEditText::Redo() {
  if (FRedo.empty() || ReadOnly) return false;
  Apply(FRedo.back(), false);
  FUndo.push_back(std::move(FRedo.back()));
  FRedo.pop_back();
  return true;
}

void TQvEditText::ClearUndo() {
  FUndo.clear();
  FRedo.clear();
  FTypingOpen = false;
}

// ---- scrolling and hit testing -----------------------------------------------------------

void TQvEditText::CalcFirstDisplayChar(int Avail, const TGlyphWidthFunc& Width) {
  if (FText.empty()) return;
  if (FCursorPos < FFirstDisplayChar) FFirstDisplayChar = std::max(FCursorPos, 1);
  if (Avail <= 0) {
    FFirstDisplayChar = 1;
    return;
  }
  // The characters from FirstDisplayChar through the caret must measure less than Avail:
  // walk back from the caret and stop once they would not, so only the visible part is
  // measured however long the text is.
  const int From = FFirstDisplayChar - 1;               // 0-based
  const int Last = std::min(FCursorPos, Length()) - 1;  // the character left of the caret
  int Sum = 0;
  int K = Last + 1;  // first char (0-based) of the run that still fits
  for (int I = Last; I >= From;) {
    int Start = I;
    if (IsTrailSurrogate(FText[size_t(I)]) && I > 0 && IsLeadSurrogate(FText[size_t(I) - 1]))
      --Start;
    Sum += Width(FText.data() + Start, I - Start + 1);
    if (Sum >= Avail) break;
    K = Start;
    I = Start - 1;
  }
  if (K > From) FFirstDisplayChar = K + 1;
  FFirstDisplayChar = std::clamp(FFirstDisplayChar, 1, std::max(Length(), 1));
}

int TQvEditText::HitTest(int X, int Left, int Limit, const TGlyphWidthFunc& Width) const {
  if (FText.empty()) return -1;
  int E = Left;
  for (int I = FFirstDisplayChar - 1; I <= Length(); ++I) {
    const int C = std::max(I, 1) - 1;  // 0-based index of the character at max(I, 1)
    int W = 0;
    if (C < Length() && !IsTrailSurrogate(FText[size_t(C)]))
      W = Width(FText.data() + C, GlyphUnits(C));
    if (E + W >= X + 4) return I;
    E += W;
    if (E >= Limit) break;
  }
  return Length();
}

}  // namespace qv

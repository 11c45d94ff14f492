#include "controls/QvHtmlLayout.h"

#include <algorithm>
#include <cmath>

#include "controls/QvHtmlText.h"
#include "graphics/QvComm.h"

namespace qv {

namespace {

// Font sizes the mark-up can reach, in points: a size tag never asks the platform for an
// invisible or a giant font.
constexpr int64_t kMaxPoints = 200;
// Thickest rule, in pixels.
constexpr int kMaxRule = 100;

enum TScript { scNormal, scSuper, scSub };

struct TFontState {
  TFontStyles Style;
  TColor Color;
  Integer Height;
  TScript Script;
};

// Points with the sign convention of Size kept (negative sizes mean cell heights), the
// magnitude limited to 1 .. kMaxPoints.
Integer LimitPoints(int64_t Magnitude, Integer Size) {
  const Integer M = Integer(std::clamp<int64_t>(Magnitude, 1, kMaxPoints));
  return Size < 0 ? -M : M;
}

class TLayoutBuilder {
 public:
  TLayoutBuilder(TQvHtmlCanvas& Canvas, const TRect& Rect, TOwnerDrawState State, double Ratio,
                 int Scale)
      : C(Canvas), F(Canvas.Font()), R(Rect), Scale(Scale), Top(Rect.Top) {
    KeepColour = State.Contains(odSelected) || State.Contains(odDisabled);
    RuleInTextColour = State.Contains(odDisabled);
    ScaleRules = State.Contains(odReserved1);
    // Sizes only between a tenth and four times; anything else reads as the default.
    this->Ratio = Ratio >= 0.1 && Ratio <= 4 ? Ratio : DefaultSuperSubScriptRatio;
    Entry = Current();
    Transparent = C.BrushClear() && !KeepColour;
  }

  TQvHtmlLayout Build(const String& Source) {
    const String Text = HTMLPrepareText(Source);
    size_t Start = 0;
    for (;;) {
      const size_t Break = Text.find(L"\r\n", Start);
      Line(Text, Start, Break == String::npos ? Text.size() : Break);
      if (Break == String::npos) break;
      LineBreak();
      Start = Break + 2;
    }
    L.Height = Top + FinishLine();
    Restore(Entry);
    return std::move(L);
  }

 private:
  TFontState Current() const { return {F.Style(), F.Color(), F.Height(), Script}; }
  void Restore(const TFontState& S) {
    F.SetStyle(S.Style);
    F.SetColor(S.Color);
    F.SetHeight(S.Height);
  }

  // One line of the prepared text, Text[Begin, End).
  void Line(const String& Text, size_t Begin, size_t End) {
    size_t I = Begin;
    while (I < End) {
      size_t Open = Text.find(L'<', I);
      if (Open == String::npos || Open >= End) {
        AddRun(Text.substr(I, End - I));
        return;
      }
      AddRun(Text.substr(I, Open - I));
      size_t Close = Text.find(L'>', Open + 1);
      if (Close == String::npos || Close >= End) {
        I = Open + 1;  // a "<" without a ">" on its line swallows only itself
        continue;
      }
      Tag(Text.substr(Open + 1, Close - Open - 1));
      I = Close + 1;
    }
  }

  void AddRun(const String& Source) {
    if (Source.empty()) return;
    TQvHtmlRun Run;
    Run.Text = HTMLDecodeRun(Source);
    const Integer Height = F.Height();
    if (Script != scNormal)
      F.SetSize(LimitPoints(int64_t(std::nearbyint(std::abs(F.Size()) * Ratio)), F.Size()));
    const int W = C.TextExtent(Run.Text).cx;
    int H = 0, Ascent = 0;
    C.TextMetrics(H, Ascent);
    Run.Bounds = TRect{R.Left + X, 0, R.Left + X + W, H};
    Run.Style = F.Style();
    Run.Color = F.Color();
    Run.FontHeight = F.Height();
    Run.Link = InLink ? int(L.Links.size()) - 1 : -1;
    Run.ClearBrush = Transparent;
    F.SetHeight(Height);
    Pending.push_back({L.Runs.size(), Ascent, Script});
    L.Runs.push_back(std::move(Run));
    X += W;
    L.Width = std::max(L.Width, X);
    AfterRule = false;
  }

  // Places the runs of the current line on a common baseline and answers its height: the
  // tallest ascent plus the deepest descent of the normal runs and the current font.
  int FinishLine() {
    int H = 0, Ascent = 0;
    C.TextMetrics(H, Ascent);
    int MaxAscent = Ascent, MaxDescent = H - Ascent;
    for (const TPending& P : Pending)
      if (P.Script == scNormal) {
        const TRect& B = L.Runs[P.Run].Bounds;
        MaxAscent = std::max(MaxAscent, P.Ascent);
        MaxDescent = std::max(MaxDescent, B.Bottom - P.Ascent);
      }
    const int LineHeight = MaxAscent + MaxDescent;
    for (const TPending& P : Pending) {
      TRect& B = L.Runs[P.Run].Bounds;
      const int RunHeight = B.Bottom;
      B.Top = P.Script == scSuper ? Top
              : P.Script == scSub ? Top + LineHeight - RunHeight
                                  : Top + MaxAscent - P.Ascent;
      B.Bottom = B.Top + RunHeight;
    }
    Pending.clear();
    return LineHeight;
  }

  void EndLine() {
    Top += FinishLine();
    X = 0;
  }

  // A break right after a rule is the rule's own: it adds no empty line.
  void LineBreak() {
    if (AfterRule)
      AfterRule = false;
    else
      EndLine();
  }

  void Tag(const String& Text) {
    const String Upper = HTMLUpperCase(Text);
    const bool Closing = !Upper.empty() && Upper[0] == L'/';
    const size_t First = Closing ? 1 : 0;
    // The K-th character of the tag's name (0-based), a blank past the tag's end.
    auto At = [&](size_t K) { return First + K < Upper.size() ? Upper[First + K] : L' '; };
    switch (At(0)) {
      case L'B':
        if (!Closing && At(1) == L'R' && (At(2) == L' ' || At(2) == L'/')) {
          LineBreak();  // <BR/>, <BR ...>
          return;
        }
        Style(fsBold, !Closing);
        return;
      case L'I':
        Style(fsItalic, !Closing);
        return;
      case L'U':
        Style(fsUnderline, !Closing);
        return;
      case L'S':
        if (Closing) {
          Script = scNormal;
          Style(fsStrikeOut, false);
        } else if (At(2) == L'P') {
          Script = scSuper;
        } else if (At(2) == L'B') {
          Script = scSub;
        } else {
          Script = scNormal;
          Style(fsStrikeOut, true);
        }
        return;
      case L'A':
        if (Closing)
          EndLink();
        else if (At(1) == L'L')
          X = 0;
        else
          BeginLink(Text);
        return;
      case L'F':
        if (Closing)
          EndFont();
        else
          BeginFont(Text);
        return;
      case L'H':
        if (!Closing && At(1) == L'R') Rule(Text);
        return;
      default:
        return;
    }
  }

  void Style(TFontStyle S, bool On) {
    TFontStyles Styles = F.Style();
    if (On)
      Styles.Include(S);
    else
      Styles.Exclude(S);
    F.SetStyle(Styles);
  }

  void BeginLink(const String& Text) {
    String Target;
    if (!HTMLTagAttribute(Text, L"HREF", Target)) return;
    EndLink();  // links do not nest: a new one ends the open one
    LinkFont = Current();
    InLink = true;
    if (!KeepColour) F.SetColor(clBlue);
    L.Links.push_back(Target);
  }

  void EndLink() {
    if (!InLink) return;
    Restore(LinkFont);
    InLink = false;
  }

  void BeginFont(const String& Text) {
    FontStack.push_back(Current());
    String Value;
    TColor Color;
    if (!KeepColour && HTMLTagAttribute(Text, L"COLOR", Value) && HTMLColorValue(Value, Color))
      F.SetColor(Color);
    if (HTMLTagAttribute(Text, L"SIZE", Value)) {
      Integer N;
      if (!TryStrToInt(Value, N)) N = 2;
      const Integer Size = F.Size();
      F.SetSize(LimitPoints(std::clamp<int64_t>(N, 0, 1000) * std::abs(int64_t(Size)) / 2, Size));
    }
    if (HTMLTagAttribute(Text, L"ALIGN", Value))
      Script = SameText(Trim(Value), L"BOTTOM") ? scSub : scNormal;
  }

  void EndFont() {
    if (FontStack.empty()) return;
    const TFontState S = FontStack.back();
    FontStack.pop_back();
    if (!KeepColour) {
      F.SetColor(S.Color);
      Transparent = true;
    }
    F.SetHeight(S.Height);
    Script = S.Script;
  }

  // The rule goes under the current line, which it ends.
  void Rule(const String& Text) {
    String Value;
    Integer Width = 1;
    if (!HTMLTagAttribute(Text, L"SIZE", Value) || !TryStrToInt(Value, Width) || Width < 1)
      Width = 1;
    Width = std::min(Width, kMaxRule);
    if (ScaleRules) Width = std::max(1, int(int64_t(Width) * std::clamp(Scale, 0, 1000) / 100));
    const int Y = Top + FinishLine();
    L.Rules.push_back({R.Left, R.Right, Y, Width, RuleInTextColour, F.Color()});
    Top = Y + Width + 1;
    X = 0;
    AfterRule = true;
  }

  struct TPending {
    size_t Run;
    int Ascent;
    TScript Script;
  };

  TQvHtmlCanvas& C;
  TFont& F;
  const TRect R;
  TQvHtmlLayout L;
  TFontState Entry{};
  bool KeepColour = false, RuleInTextColour = false, ScaleRules = false, Transparent = false;
  double Ratio;
  int Scale;
  int X = 0;
  int Top;
  TScript Script = scNormal;
  bool InLink = false;
  TFontState LinkFont{};
  std::vector<TFontState> FontStack;
  std::vector<TPending> Pending;
  bool AfterRule = false;
};

}  // namespace

TQvHtmlLayout HTMLLayout(TQvHtmlCanvas& Canvas, const TRect& Rect, TOwnerDrawState State,
                         const String& Text, double Ratio, int Scale) {
  return TLayoutBuilder(Canvas, Rect, State, Ratio, Scale).Build(Text);
}

int HTMLLinkAt(const TQvHtmlLayout& Layout, int X, int Y) {
  if (X == 0 && Y == 0) return -1;
  for (const TQvHtmlRun& Run : Layout.Runs)
    if (Run.Link >= 0 && X >= Run.Bounds.Left && X <= Run.Bounds.Right && Y >= Run.Bounds.Top &&
        Y <= Run.Bounds.Bottom)
      return Run.Link;
  return -1;
}

void HTMLRender(TQvHtmlCanvas& Canvas, const TQvHtmlLayout& Layout, int HotLink, TColor HotColor) {
  TFont& F = Canvas.Font();
  const TFontStyles Style = F.Style();
  const TColor Color = F.Color();
  const Integer Height = F.Height();
  for (const TQvHtmlRun& Run : Layout.Runs) {
    F.SetStyle(Run.Style);
    F.SetHeight(Run.FontHeight);
    F.SetColor(Run.Link >= 0 && Run.Link == HotLink ? HotColor : Run.Color);
    Canvas.TextOut(Run.Bounds.Left, Run.Bounds.Top, Run.Text, Run.ClearBrush);
  }
  for (const TQvHtmlRule& Rule : Layout.Rules)
    Canvas.Rule(Rule.X1, Rule.X2, Rule.Y, Rule.Width, Rule.FontColor ? &Rule.Color : nullptr);
  F.SetStyle(Style);
  F.SetColor(Color);
  F.SetHeight(Height);
}

}  // namespace qv

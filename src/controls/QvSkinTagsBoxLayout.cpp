#include "controls/QvSkinTagsBoxLayout.h"

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

bool IsBlank(const String& S) {
  return std::all_of(S.begin(), S.end(), [](wchar_t C) { return C <= L' '; });
}

}  // namespace

String TagsToCommaText(const std::vector<String>& Captions) {
  String R;
  for (size_t I = 0; I < Captions.size(); ++I) {
    const String& C = Captions[I];
    if (I > 0) R += L',';
    if (C.find_first_of(L",\"") == String::npos) {
      R += C;
      continue;
    }
    R += L'"';
    for (wchar_t Ch : C) {
      if (Ch == L'"') R += L'"';
      R += Ch;
    }
    R += L'"';
  }
  return R;
}

std::vector<String> CommaTextToTags(const String& S) {
  std::vector<String> Tags;
  size_t P = 0;
  const size_t N = S.size();
  while (P <= N) {
    String Entry;
    if (P < N && S[P] == L'"') {
      ++P;
      while (P < N) {
        if (S[P] == L'"') {
          if (P + 1 < N && S[P + 1] == L'"') {
            Entry += L'"';
            P += 2;
            continue;
          }
          ++P;
          break;
        }
        Entry += S[P++];
      }
    }
    const size_t Comma = std::min(S.find(L',', P), N);
    Entry.append(S, P, Comma - P);
    if (!IsBlank(Entry)) Tags.push_back(std::move(Entry));
    P = Comma + 1;
  }
  return Tags;
}

int PillDeleteSize(int ItemHeight, bool DeleteVisible) {
  return DeleteVisible ? int(std::lround(2.0 * ItemHeight / 3.0)) : 0;
}

int PillWidth(const TQvPillFlow& F, int TextWidth) {
  const int C = PillDeleteSize(F.ItemHeight, F.DeleteVisible);
  return std::max(TextWidth + F.ItemHeight + C / 2, F.MinWidth);
}

std::vector<TQvPill> PillFlow(const TQvPillFlow& F, const std::vector<int>& TextWidths) {
  const int H = F.ItemHeight, C = PillDeleteSize(H, F.DeleteVisible);
  std::vector<TQvPill> Pills(TextWidths.size());
  int X = F.DispOffset.X, Y = F.DispOffset.Y;
  for (size_t I = 0; I < TextWidths.size(); ++I) {
    if (TextWidths[I] < 0) continue;
    const int W = PillWidth(F, TextWidths[I]);
    if (I > 0 && X + W > F.Width - F.Margin - 10) {
      X = F.DispOffset.X;
      Y += H + F.Space;
    }
    TQvPill& P = Pills[I];
    P.Rect = Bounds(X, Y, W, H);
    P.DeleteRect = Bounds(P.Rect.Right - H / 2 - C / 2, P.Rect.Top + (H - C) / 2, C, C);
    X += W + F.Space;
  }
  return Pills;
}

int64_t PillFlowHeight(const TQvPillFlow& F, const std::vector<int>& Widths) {
  int64_t X = F.Margin, Y = F.Margin, Row = 0;
  for (int W : Widths) {
    if (X + W >= F.Width - F.Margin) {
      X = F.Margin;
      Y += F.ItemHeight + F.Space;
    }
    X += W + F.Space;
    Row = F.ItemHeight + F.Space;
  }
  return Y + Row + F.Margin - F.Space;
}

}  // namespace qv

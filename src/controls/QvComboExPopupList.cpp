#include "controls/QvComboExPopupList.h"

#include <algorithm>

#include "controls/QvPinyin.h"

namespace qv {

String UpperAscii(const String& S) {
  String U = S;
  for (auto& C : U)
    if (C >= L'a' && C <= L'z') C = wchar_t(C - L'a' + L'A');
  return U;
}

void TQvPopupRows::Load(const std::vector<String>& Captions, const std::vector<String>& Checked) {
  FRows.clear();
  FRows.reserve(Captions.size());
  for (const String& C : Captions) {
    TRow R;
    R.Caption = C;
    R.Upper = UpperAscii(C);
    R.Checked = std::find(Checked.begin(), Checked.end(), C) != Checked.end();
    FRows.push_back(std::move(R));
  }
  FFocused = -1;
  FFilter.clear();
  FVisible.resize(FRows.size());
  for (size_t I = 0; I < FRows.size(); ++I) FVisible[I] = int(I);
  FVisibleCount = Count();
}

bool TQvPopupRows::Matches(const String& Caption, const String& Filter, bool PinyinFilter) {
  if (Filter.empty()) return true;
  const String F = UpperAscii(Filter);
  if (UpperAscii(Caption).find(F) != String::npos) return true;
  return PinyinFilter && UpperAscii(PinyinInitials(Caption)).find(F) != String::npos;
}

int TQvPopupRows::Refresh(const String& Filter, bool PinyinFilter) {
  FFilter = Filter;
  const String F = UpperAscii(Filter);
  FVisible.clear();
  for (size_t I = 0; I < FRows.size(); ++I) {
    TRow& R = FRows[I];
    bool Show = F.empty() || R.Upper.find(F) != String::npos;
    if (!Show && PinyinFilter) {
      if (!R.PinyinMade) {
        R.Pinyin = UpperAscii(PinyinInitials(R.Caption));
        R.PinyinMade = true;
      }
      Show = R.Pinyin.find(F) != String::npos;
    }
    R.Visible = Show;
    if (Show) FVisible.push_back(int(I));
  }
  FVisibleCount = int(FVisible.size());
  if (FFocused >= 0 && !FRows[size_t(FFocused)].Visible) FFocused = -1;
  return FVisibleCount;
}

int TQvPopupRows::VisibleRow(int N) const {
  return N >= 0 && N < FVisibleCount ? FVisible[size_t(N)] : -1;
}

int TQvPopupRows::VisiblePlace(int Row) const {
  auto It = std::lower_bound(FVisible.begin(), FVisible.end(), Row);
  return It != FVisible.end() && *It == Row ? int(It - FVisible.begin()) : -1;
}

int TQvPopupRows::FirstVisible() const {
  return VisibleRow(0);
}
int TQvPopupRows::LastVisible() const {
  return VisibleRow(FVisibleCount - 1);
}

int TQvPopupRows::NextVisible(int Row) const {
  auto It = std::upper_bound(FVisible.begin(), FVisible.end(), Row);
  return It != FVisible.end() ? *It : -1;
}

int TQvPopupRows::PrevVisible(int Row) const {
  auto It = std::lower_bound(FVisible.begin(), FVisible.end(), Row);
  return It != FVisible.begin() ? *(It - 1) : -1;
}

void TQvPopupRows::SetFocused(int Row) {
  FFocused = Row >= 0 && Row < Count() && FRows[size_t(Row)].Visible ? Row : -1;
}

void TQvPopupRows::CheckAll(bool AChecked) {
  for (int Row : FVisible) {
    TRow& R = FRows[size_t(Row)];
    R.Checked = AChecked ? true : !R.Checked;
  }
}

bool TQvPopupRows::AllChecked() const {
  return std::all_of(FRows.begin(), FRows.end(), [](const TRow& R) { return R.Checked; });
}

int TQvPopupRows::CheckedCount() const {
  return int(std::count_if(FRows.begin(), FRows.end(), [](const TRow& R) { return R.Checked; }));
}

std::vector<int> TQvPopupRows::CheckedIndexes() const {
  std::vector<int> Out;
  for (size_t I = 0; I < FRows.size(); ++I)
    if (FRows[I].Checked) Out.push_back(int(I));
  return Out;
}

void TQvPopupRows::CollectChecked(std::vector<String>& List) const {
  const bool Filtered = !FFilter.empty();
  if (!Filtered) List.clear();
  for (const TRow& R : FRows) {
    auto It = std::find(List.begin(), List.end(), R.Caption);
    if (R.Checked) {
      if (It == List.end()) List.push_back(R.Caption);
    } else if (Filtered && It != List.end()) {
      List.erase(It);
    }
  }
}

int SEPopupHeight(int VisibleRows, int ItemHeight) {
  const int Rows = std::max(VisibleRows, 1) * ItemHeight;
  return Rows <= 200 ? Rows + 2 : 202;
}

String JoinChecked(const std::vector<String>& Checked) {
  String J;
  for (const String& C : Checked) {
    if (!J.empty()) J += L',';
    J += C;
  }
  J.erase(std::remove(J.begin(), J.end(), L'"'), J.end());
  return J;
}

String CheckedText(const std::vector<String>& Checked, int JoinedWidth, int ArrowWidth, int Width,
                   bool ActiveTips, const String& Tips) {
  if (!ActiveTips || JoinedWidth + ArrowWidth <= Width) return JoinChecked(Checked);
  String Out = Tips;
  if (const size_t P = Out.find(L"%d"); P != String::npos)
    Out.replace(P, 2, std::to_wstring(Checked.size()));
  return Out;
}

TPoint PopupPlace(int Left, int Top, int Bottom, int PopupHeight, int WorkBottom) {
  if (Bottom + PopupHeight >= WorkBottom) return {Left, Top - PopupHeight - 1};
  return {Left, Bottom};
}

}  // namespace qv

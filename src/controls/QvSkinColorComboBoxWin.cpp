#include <windows.h>
// after windows.h
#include <commdlg.h>

#include "controls/QvSkinColorComboBox.h"
#include "host/Colors.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinColorComboBox>(), true);

// "clMoneyGreen" -> "Money Green".
String PrettyName(const String& Name) {
  const String S = Name.rfind(L"cl", 0) == 0 ? Name.substr(2) : Name;
  String R;
  for (size_t I = 0; I < S.size(); ++I) {
    if (I > 0 && iswupper(S[I])) R += L' ';
    R += S[I];
  }
  return R;
}

}  // namespace

bool PlatformPickColor(TWinControl* Owner, TColor& Color) {
  // Loaded on first use: the library links no common-dialog import of its own.
  using TChooseColor = BOOL(WINAPI*)(LPCHOOSECOLORW);
  static const auto Choose = reinterpret_cast<TChooseColor>(
      reinterpret_cast<void*>(GetProcAddress(LoadLibraryW(L"comdlg32.dll"), "ChooseColorW")));
  if (!Choose) return false;
  static COLORREF Custom[16] = {};
  CHOOSECOLORW C{};
  C.lStructSize = sizeof(C);
  C.hwndOwner = Owner && Owner->HandleAllocated() ? Owner->Handle() : nullptr;
  C.rgbResult = COLORREF(ColorToRGB(Color) & 0xFFFFFF);
  C.lpCustColors = Custom;
  C.Flags = CC_FULLOPEN | CC_RGBINIT;
  if (!Choose(&C)) return false;
  Color = TColor(C.rgbResult);
  return true;
}

TQvSkinColorComboBox::TQvSkinColorComboBox(TComponent* AOwner)
    : TQvSkinCustomComboBox(AOwner), PickColor(&PlatformPickColor) {
  SetStyle(csDropDownList);
  auto Draw = [this](TObject* Sender, TCanvas* C, int Index, int, int, const TRect& T,
                     TOwnerDrawState) { DrawColorItem(Sender, C, Index, T); };
  SetOnListBoxDrawItem(Draw);
  OnComboBoxDrawItem = Draw;
  // An accepted "Custom..." asks for the colour.
  OnCloseUp = [this](TObject* Sender) {
    if (Sender && IsCustom(ItemIndex())) PickCustomColor();
  };
  PopulateList();
}

bool TQvSkinColorComboBox::IsCustom(int Index) const {
  return FExStyle.Contains(qvcbCustomColor) && Index >= 0 && Index == Items()->Count() - 1;
}

TColor TQvSkinColorComboBox::Colors(int Index) const {
  return Index >= 0 && Index < int(FColors.size()) ? FColors[size_t(Index)] : 0;
}

void TQvSkinColorComboBox::PopulateList() {
  const int N = Items()->Count();
  const TColor Custom = FExStyle.Contains(qvcbCustomColor) && N > 0 ? Colors(N - 1) : 0;
  const TColor Keep = FSelectedColor;
  std::vector<String> Names;
  FColors.clear();
  GetColorValues([&](const String& Name) {
    Names.push_back(FExStyle.Contains(qvcbPrettyNames) ? PrettyName(Name) : Name);
    FColors.push_back(StringToColor(Name));
  });
  auto Remove = [&](size_t From, size_t To) {
    To = std::min(To, Names.size());
    if (From >= To) return;
    Names.erase(Names.begin() + ptrdiff_t(From), Names.begin() + ptrdiff_t(To));
    FColors.erase(FColors.begin() + ptrdiff_t(From), FColors.begin() + ptrdiff_t(To));
  };
  auto RemoveColor = [&](TColor C) {
    for (size_t I = 0; I < FColors.size(); ++I)
      if (FColors[I] == C) return Remove(I, I + 1);
  };
  if (!FExStyle.Contains(qvcbIncludeNone)) RemoveColor(clNone);
  if (!FExStyle.Contains(qvcbIncludeDefault)) RemoveColor(clDefault);
  if (!FExStyle.Contains(qvcbSystemColors)) Remove(20, Names.size());
  if (!FExStyle.Contains(qvcbExtendedColors)) Remove(16, 20);
  if (!FExStyle.Contains(qvcbStandardColors)) Remove(0, 16);
  if (FExStyle.Contains(qvcbCustomColor)) {
    Names.push_back(CustomCaption);
    FColors.push_back(Custom);
  }
  {
    TStringList* L = Items();
    L->BeginUpdate();
    TScopeExit Done([L] { L->EndUpdate(); });
    L->Lines() = std::move(Names);
  }
  SetSelected(Keep);
}

void TQvSkinColorComboBox::SetExStyle(TQvColorBoxStyles Value) {
  FExStyle = Value;
  SetEnabled(Value.Contains(qvcbStandardColors) || Value.Contains(qvcbExtendedColors) ||
             Value.Contains(qvcbSystemColors) || Value.Contains(qvcbCustomColor));
  PopulateList();
  if (Items()->Count() > 0 && ItemIndex() < 0) SetItemIndex(0);
}

TColor TQvSkinColorComboBox::Selected() const {
  if (Designing()) return FSelectedColor;
  const int I = ItemIndex();
  return I >= 0 ? Colors(I) : NoColor;
}

void TQvSkinColorComboBox::SetSelected(TColor Value) {
  FSelectedColor = Value;
  int Found = -1;
  for (int I = 0; I < int(FColors.size()) && Found < 0; ++I)
    if (FColors[size_t(I)] == Value && !IsCustom(I)) Found = I;
  if (Found < 0 && FExStyle.Contains(qvcbCustomColor) && Value != NoColor && !FColors.empty()) {
    Found = int(FColors.size()) - 1;
    FColors.back() = Value;
  }
  if (Found != ItemIndex() || Found < 0) SetItemIndex(Found);
  Invalidate();
}

bool TQvSkinColorComboBox::PickCustomColor() {
  const int Last = Items()->Count() - 1;
  if (!IsCustom(Last) || !PickColor) return false;
  TColor C = Colors(Last);
  if (!PickColor(this, C)) return false;
  FColors.back() = C;
  FSelectedColor = C;
  Invalidate();
  FListBox->Invalidate();
  if (OnClick) OnClick(this);
  if (OnChange) OnChange(this);
  return true;
}

void TQvSkinColorComboBox::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (Key == VK_RETURN && !IsPopupVisible() && IsCustom(ItemIndex())) {
    Key = 0;
    PickCustomColor();
    return;
  }
  TQvSkinCustomComboBox::KeyDown(Key, Shift);
}

void TQvSkinColorComboBox::DrawColorItem(TObject* Sender, TCanvas* C, int Index, const TRect& T) {
  if (Designing()) return;
  const bool Face = Sender == this, Custom = IsCustom(Index);
  TRect Swatch;
  if (Face)
    Swatch = Rect(T.Left + 1, T.Top + 1, T.Right - 1, T.Bottom - 1);
  else if (Custom)
    Swatch = Rect(T.Left - 1, T.Top + 1, T.Left - 1 + T.Height(), T.Bottom - 1);
  else
    Swatch = Rect(T.Left - 1, T.Top + 1, T.Right + 1, T.Bottom - 1);
  C->Brush().SetStyle(bsSolid);
  C->Brush().SetColor(ColorToRGB(Colors(Index)) & 0xFFFFFF);
  C->FillRect(Swatch);
  if (!Custom) return;
  const TRect R = Rect(Swatch.Width() + T.Left + 5, T.Top, T.Right - 2, T.Bottom);
  const int TH = C->TextHeight(L"Wg");
  const int Y = R.Top + R.Height() / 2 - TH / 2 - ((C->Font().Height() & 1) != 0 ? 1 : 0);
  C->Brush().SetStyle(bsClear);
  C->TextRect(R, R.Left + 2, Y, Items()->Strings(Index));
  C->Brush().SetStyle(bsSolid);
}

const TPropTable& TQvSkinColorComboBox::Properties() const {
  using C = TQvSkinColorComboBox;
  static const TPropTable Table = TQvSkinCustomComboBox::Properties().With({
      Prop(L"Selected", &C::Selected, &C::SetSelected, TColor(0)),
  });
  return Table;
}

}  // namespace qv

#include "design/QvComponentRegistry.h"

#include <algorithm>
#include <iterator>

namespace qv {

namespace {
constexpr TQvPaletteEntry kPalette[] = {
    {1, L"TQvSkinForm"},
    {1, L"TQvFormLayerBorder"},
    {2, L"TQvSkinNCButton"},
    {2, L"TQvSkinSystemButton"},
    {2, L"TQvSkinNCLabel"},
    {2, L"TQvSkinNCImage"},
    {2, L"TQvSkinNCMessage"},
    {2, L"TQvSkinPopupMessage"},
    {3, L"TQvSkinAlphaForm"},
    {4, L"TQvSkinImageButton"},
    {4, L"TQvSkinButton"},
    {4, L"TQvSkinToolbar"},
    {4, L"TQvSkinToolButton"},
    {4, L"TQvSkinAnimateButton"},
    {4, L"TQvURLButton"},
    {4, L"TQvSkinColorButton"},
    {4, L"TQvSkinSwitchButton"},
    {4, L"TQvSkinCornerButton"},
    {5, L"TQvSkinEdit"},
    {5, L"TQvSkinPasswordEdit"},
    {5, L"TQvSkinSearchEdit"},
    {5, L"TQvSkinSpinEdit"},
    {5, L"TQvSkinDatetimePicker"},
    {5, L"TQvSkinCalendar"},
    {6, L"TQvSkinLabel"},
    {6, L"TQvSkinHtmlLabel"},
    {6, L"TQvSkinTips"},
    {6, L"TQvSkinHint"},
    {6, L"TQvSkinScrollMsgBar"},
    {7, L"TQvSkinPanel"},
    {7, L"TQvSkinBorderPanel"},
    {7, L"TQvSkinLine"},
    {7, L"TQvSkinSplitter"},
    {7, L"TQvSkinSizeGrip"},
    {7, L"TQvSkinAnimation"},
    {7, L"TQvSkinShape"},
    {7, L"TQvSkinCalloutPanel"},
    {7, L"TQvSkinTagsBox"},
    {7, L"TQvSkinGroupControls"},
    {8, L"TQvSkinPageControl"},
    {9, L"TQvTrayIcon"},
    {10, L"TQvHLSTrackBar"},
    {11, L"TQvSkinIconButtonList"},
    {11, L"TQvSkinCountBar"},
    {11, L"TQvSkinTabset"},
    {11, L"TQvSkinListBox"},
    {11, L"TQvSkinComboBox"},
    {11, L"TQvSkinComboBoxEx"},
    {11, L"TQvSkinColorComboBox"},
    {11, L"TQvSkinGroupBox"},
    {11, L"TQvSkinExpandBox"},
    {12, L"TQvSkinCheckBox"},
    {12, L"TQvSkinRadioBox"},
    {13, L"TQvSkinMemo"},
    {13, L"TQvSkinMemoEx"},
    {14, L"TQvSkinMenu"},
    {15, L"TQvSkinProgressBar"},
    {15, L"TQvSkinCircleProgress"},
    {15, L"TQvSkinSpeedometer"},
    {16, L"TQvSkinScrollBar"},
    {16, L"TQvSkinScrollBox"},
    {17, L"TQvSkinRes"},
    {18, L"TQvSkinMessageBoxStyle"},
    {18, L"TQvLikeMenuDlg"},
    {18, L"TQvSkinPng"},
    {18, L"TQvSkinDragFile"},
    {19, L"TQvQQAlign"},
    {19, L"TQvSkinCircleMarker"},
    {19, L"TQvSkinCircleShape"},
    {20, L"TQvSkinListView"},
    {20, L"TQvSkinVirtualStringTree"},
    {20, L"TQvSkinVirtualDrawTree"},
    {21, L"TQvSkinImageList"},
    {21, L"TQvSkinImageSlider"},
    {22, L"TQvSkinSvgImageList"},
};
}  // namespace

std::span<const TQvPaletteEntry> QvSkinPalette() {
  return kPalette;
}

void TQvComponentRegistry::Register(const String& ClassName, TComponentFactory Factory) {
  TQvComponentClass C;
  int Position = 0, Index = 0, Row = 0;
  for (const TQvPaletteEntry& E : kPalette) {
    Index = E.Row == Row ? Index + 1 : 0;
    Row = E.Row;
    if (SameText(E.ClassName, ClassName)) {
      C.ClassName = E.ClassName;
      C.Row = E.Row;
      C.Index = Index;
      C.Position = Position;
      break;
    }
    ++Position;
  }
  if (!C.OnPalette()) throw Exception(L"Class " + ClassName + L" is not on the palette");
  C.Factory = std::move(Factory);
  Add(std::move(C));
}

void TQvComponentRegistry::RegisterNoIcon(const String& ClassName, TComponentFactory Factory) {
  TQvComponentClass C;
  C.ClassName = ClassName;
  C.Factory = std::move(Factory);
  Add(std::move(C));
}

void TQvComponentRegistry::Add(TQvComponentClass Class) {
  if (Find(Class.ClassName)) throw Exception(L"Class " + Class.ClassName + L" already registered");
  FClasses.push_back(std::move(Class));
}

std::vector<const TQvComponentClass*> TQvComponentRegistry::PaletteClasses() const {
  std::vector<const TQvComponentClass*> R;
  for (const TQvComponentClass& C : FClasses)
    if (C.OnPalette()) R.push_back(&C);
  return R;
}

std::vector<String> TQvComponentRegistry::Missing() const {
  std::vector<String> R;
  for (const TQvPaletteEntry& E : kPalette)
    if (!Find(E.ClassName)) R.emplace_back(E.ClassName);
  return R;
}

const TQvComponentClass* TQvComponentRegistry::Find(const String& ClassName) const {
  auto It = std::find_if(FClasses.begin(), FClasses.end(), [&](const TQvComponentClass& C) {
    return SameText(C.ClassName, ClassName);
  });
  return It == FClasses.end() ? nullptr : &*It;
}

TComponent* TQvComponentRegistry::Create(const String& ClassName, TComponent* Owner) const {
  const TQvComponentClass* C = Find(ClassName);
  return C ? C->Create(Owner) : nullptr;
}

namespace {
void CollectResIDs(const TPersistent& Object, const String& Prefix,
                   std::vector<TQvResIDProperty>& Out) {
  for (const TPropDecl& D : Object.Properties().Decls()) {
    if (D.IsResID()) {
      Out.push_back({Prefix + D.Name, &D});
    } else if (D.Kind == pkObject && D.Object) {
      // Nested objects show in the designer with their own properties.
      if (const TPersistent* Nested = D.Object(const_cast<TPersistent&>(Object)))
        CollectResIDs(*Nested, Prefix + D.Name + L".", Out);
    }
  }
}
}  // namespace

std::vector<TQvResIDProperty> ResIDProperties(const TPersistent& Object) {
  std::vector<TQvResIDProperty> R;
  CollectResIDs(Object, String(), R);
  return R;
}

String UniqueComponentName(const TComponent* Root, const String& ClassName) {
  String Base = ClassName;
  if (!Base.empty() && (Base[0] == L'T' || Base[0] == L't')) Base.erase(0, 1);
  for (int N = 1;; ++N) {
    String Name = Base + std::to_wstring(N);
    if (!Root || !Root->FindComponent(Name)) return Name;
  }
}

}  // namespace qv

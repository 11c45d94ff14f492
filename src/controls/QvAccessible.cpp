#include "controls/QvAccessible.h"

#include <cwctype>
#include <iterator>

#include "host/Menus.h"

namespace qv {

int IQvAccessibleChildren::AccessibleChildAt(TPoint P) const {
  for (int I = 0, N = AccessibleChildCount(); I < N; ++I) {
    const TRect B = AccessibleChild(I).Bounds;
    if (P.X >= B.Left && P.X < B.Right && P.Y >= B.Top && P.Y < B.Bottom) return I;
  }
  return -1;
}

namespace {

// Indexed by TQvAccRole.
constexpr uint32_t RoleValues[] = {
    0x0A,  // arClient: ROLE_SYSTEM_CLIENT
    0x2B,  // arPushButton
    0x38,  // arDropDownButton: ROLE_SYSTEM_BUTTONDROPDOWN
    0x2C,  // arCheckButton
    0x2D,  // arRadioButton
    0x1E,  // arLink
    0x03,  // arScrollBar
    0x30,  // arProgressBar
    0x33,  // arSlider
    0x34,  // arSpinButton
    0x14,  // arGrouping
    0x29,  // arStaticText
    0x2A,  // arEditableText: ROLE_SYSTEM_TEXT
    0x2E,  // arComboBox
    0x21,  // arList
    0x22,  // arListItem
    0x23,  // arOutline
    0x24,  // arOutlineItem
    0x3C,  // arPageTabList
    0x25,  // arPageTab
    0x16,  // arToolBar
    0x0C,  // arMenuItem
    0x12,  // arDialog
    0x0D,  // arToolTip
    0x28,  // arGraphic
    0x18,  // arTable
    0x1D,  // arCell
};
static_assert(std::size(RoleValues) == arCell + 1);

// Indexed by TQvAccStateFlag.
constexpr uint32_t StateBits[] = {
    0x00100000,  // asFocusable
    0x00000004,  // asFocused
    0x00000080,  // asHot: STATE_SYSTEM_HOTTRACKED
    0x00000008,  // asPressed
    0x00000010,  // asChecked
    0x00000020,  // asMixed
    0x00000001,  // asDisabled: STATE_SYSTEM_UNAVAILABLE
    0x00000040,  // asReadOnly
    0x20000000,  // asProtected
    0x00200000,  // asSelectable
    0x00000002,  // asSelected
    0x00000200,  // asExpanded
    0x00000400,  // asCollapsed
    0x40000000,  // asHasPopup
    0x00008000,  // asInvisible
};
static_assert(std::size(StateBits) == asInvisible + 1);

}  // namespace

uint32_t AccessibleRoleValue(TQvAccRole Role) {
  return unsigned(Role) < std::size(RoleValues) ? RoleValues[Role] : RoleValues[arClient];
}

uint32_t AccessibleStateBits(TQvAccStates States) {
  uint32_t Bits = 0;
  for (size_t I = 0; I < std::size(StateBits); ++I)
    if (States.Contains(TQvAccStateFlag(I))) Bits |= StateBits[I];
  return Bits;
}

void SetAccessibleCaption(TQvAccessibleInfo& Info, const String& Caption) {
  Info.Name = StripHotkey(Caption);
  const wchar_t Key = GetHotkey(Caption);
  Info.KeyboardShortcut = Key ? String(L"Alt+") + wchar_t(std::towupper(Key)) : String();
}

}  // namespace qv

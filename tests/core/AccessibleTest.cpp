#include <gtest/gtest.h>

#include "controls/QvAccessible.h"

using namespace qv;

TEST(AccessibleModel, CaptionGivesNameAndAltShortcut) {
  struct Case {
    const wchar_t* Caption;
    const wchar_t* Name;
    const wchar_t* Shortcut;
  } Cases[] = {
      {L"&File", L"File", L"Alt+F"},
      {L"Save &as", L"Save as", L"Alt+A"},
      {L"Fish && &chips", L"Fish & chips", L"Alt+C"},
      {L"No mark", L"No mark", L""},
      {L"Trailing&", L"Trailing", L""},
      {L"", L"", L""},
  };
  for (const Case& C : Cases) {
    TQvAccessibleInfo Info;
    SetAccessibleCaption(Info, C.Caption);
    EXPECT_EQ(Info.Name, C.Name) << C.Caption;
    EXPECT_EQ(Info.KeyboardShortcut, C.Shortcut) << C.Caption;
  }
}

TEST(AccessibleModel, StatesMapToTheirOwnBits) {
  // Every flag has a bit of its own, and a set is the union of its flags' bits.
  uint32_t Seen = 0;
  for (int F = asFocusable; F <= asInvisible; ++F) {
    const uint32_t B = AccessibleStateBits(TQvAccStates{TQvAccStateFlag(F)});
    EXPECT_EQ(B & (B - 1), 0u) << "flag " << F;
    EXPECT_NE(B, 0u) << "flag " << F;
    EXPECT_EQ(Seen & B, 0u) << "flag " << F;
    Seen |= B;
  }
  EXPECT_EQ(AccessibleStateBits({}), 0u);
  EXPECT_EQ(AccessibleStateBits({asFocused, asDisabled, asChecked}), 0x4u | 0x1u | 0x10u);
}

TEST(AccessibleModel, RoleOutsideTheListIsAClient) {
  EXPECT_EQ(AccessibleRoleValue(arClient), 0x0Au);
  EXPECT_EQ(AccessibleRoleValue(TQvAccRole(999)), 0x0Au);
  EXPECT_EQ(AccessibleRoleValue(arScrollBar), 0x03u);
}

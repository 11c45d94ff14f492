// Shortcut texts and accelerator marks of menu captions.
#include <gtest/gtest.h>

#include "host/Menus.h"

using namespace qv;

namespace {

TEST(ControlsShortCut, TextRoundTrips) {
  struct {
    TShortCut Value;
    const wchar_t* Text;
  } Cases[] = {
      {ShortCut('S', {ssCtrl}), L"Ctrl+S"},
      {ShortCut(0x74, {ssShift, ssCtrl}), L"Shift+Ctrl+F5"},
      {ShortCut(0x0D, {ssAlt}), L"Alt+Enter"},
      {ShortCut(0x2E, {}), L"Del"},
      {ShortCut('7', {ssCtrl, ssAlt}), L"Ctrl+Alt+7"},
  };
  for (auto& C : Cases) {
    EXPECT_EQ(ShortCutToText(C.Value), C.Text);
    EXPECT_EQ(TextToShortCut(C.Text), C.Value) << ToUtf8(C.Text);
  }
  EXPECT_EQ(TextToShortCut(L"ctrl+s"), ShortCut('S', {ssCtrl}));
  EXPECT_EQ(ShortCutToText(scNone), L"");
  EXPECT_EQ(TextToShortCut(L"Ctrl+"), scNone);
  EXPECT_EQ(TextToShortCut(L"Hyper+S"), scNone);
}

TEST(ControlsShortCut, AcceleratorMarks) {
  EXPECT_EQ(StripHotkey(L"&File"), L"File");
  EXPECT_EQ(StripHotkey(L"Salt && &Pepper"), L"Salt & Pepper");
  EXPECT_EQ(GetHotkey(L"Salt && &Pepper"), L'P');
  EXPECT_EQ(GetHotkey(L"No mark"), 0);
  EXPECT_EQ(GetHotkey(L"Trailing&"), 0);
  EXPECT_TRUE(IsAccel('P', L"Salt && &pepper"));
  EXPECT_FALSE(IsAccel('S', L"Salt && &pepper"));
}

}  // namespace

#include <gtest/gtest.h>
#include <windows.h>

#include "host/Font.h"

using namespace qv;

TEST(FontWin, HandleFollowsTheProperties) {
  TFont F;
  F.SetName(L"Microsoft YaHei");
  F.SetSize(12);
  F.SetStyle({fsBold, fsItalic});
  F.SetQuality(fqAntialiased);
  HFONT H = F.Handle();
  ASSERT_NE(H, nullptr);
  EXPECT_EQ(F.Handle(), H);  // created once
  LOGFONTW LF{};
  ASSERT_EQ(GetObjectW(H, sizeof(LF), &LF), int(sizeof(LF)));
  EXPECT_STREQ(LF.lfFaceName, L"Microsoft YaHei");
  EXPECT_EQ(LF.lfHeight, -16);
  EXPECT_EQ(LF.lfWeight, FW_BOLD);
  EXPECT_TRUE(LF.lfItalic);
  EXPECT_EQ(LF.lfQuality, ANTIALIASED_QUALITY);
  EXPECT_EQ(LF.lfCharSet, DEFAULT_CHARSET);

  // A listener still sees the old handle alive (to deselect it), which is freed afterwards.
  bool OldAliveInEvent = false;
  F.OnChange = [&](TObject*) { OldAliveInEvent = GetObjectType(H) == OBJ_FONT; };
  F.SetStyle({});
  EXPECT_TRUE(OldAliveInEvent);
  EXPECT_EQ(GetObjectType(H), 0u);
  EXPECT_FALSE(F.HandleAllocated());
  HFONT H2 = F.Handle();
  ASSERT_EQ(GetObjectW(H2, sizeof(LF), &LF), int(sizeof(LF)));
  EXPECT_EQ(LF.lfWeight, FW_NORMAL);
  // Colour is not part of the font object: the handle stays.
  F.SetColor(clRed);
  EXPECT_EQ(F.Handle(), H2);
}

TEST(FontWin, LongFaceNameIsTruncatedNotOverrun) {
  TFont F;
  F.SetName(String(100, L'x'));
  LOGFONTW LF{};
  ASSERT_EQ(GetObjectW(F.Handle(), sizeof(LF), &LF), int(sizeof(LF)));
  EXPECT_EQ(wcslen(LF.lfFaceName), size_t(LF_FACESIZE - 1));
}

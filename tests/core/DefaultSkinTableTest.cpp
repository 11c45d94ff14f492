#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cwctype>
#include <set>
#include <string>

#include "resources/DefaultSkinFiles.h"
#include "resources/DefaultSkinTable.h"

using namespace qv;

namespace {

const TDefaultSkinEntry* Find(const std::wstring& id) {
  for (const TDefaultSkinEntry& e : gDefaultSkinTable)
    if (id == e.ResID) return &e;
  return nullptr;
}

const TEmbeddedFile* FindFile(const std::wstring& id) {
  for (int i = 0; i < gDefaultSkinFileCount; ++i)
    if (id == gDefaultSkinFiles[i].Name) return &gDefaultSkinFiles[i];
  return nullptr;
}

uint32_t BigEndian32(const unsigned char* p) {
  return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}

}  // namespace

TEST(DefaultSkinTable, HoldsEightyFourDistinctIds) {
  std::set<std::wstring> folded;
  for (const TDefaultSkinEntry& e : gDefaultSkinTable) {
    std::wstring id = e.ResID;
    EXPECT_EQ(id.rfind(L"QvSkin", 0), 0u) << std::string(id.begin(), id.end());
    EXPECT_GT(e.Width, 0);
    EXPECT_GT(e.Height, 0);
    // Lookups compare IDs case-insensitively, so IDs must differ beyond case.
    std::transform(id.begin(), id.end(), id.begin(), [](wchar_t c) { return std::towlower(c); });
    EXPECT_TRUE(folded.insert(id).second) << std::string(id.begin(), id.end());
  }
  EXPECT_EQ(folded.size(), 84u);
}

TEST(DefaultSkinTable, KnownEntries) {
  struct Case {
    const wchar_t* Id;
    int Width, Height;
    bool Opaque;
  };
  const Case cases[] = {
      {L"QvSkinCheckBox", 68, 17, false},   {L"QvSkinButton", 340, 27, false},
      {L"QvSkinBorderHot", 35, 35, true},   {L"QvSkinBorderNormal", 35, 35, true},
      {L"QvSkinTabDown", 10, 35, true},     {L"QvSkinBtn_close", 117, 19, false},
      {L"QvSkinBrower_up", 29, 120, false}, {L"QvSkinSlides", 160, 69, false},
  };
  for (const Case& c : cases) {
    const TDefaultSkinEntry* e = Find(c.Id);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->Width, c.Width);
    EXPECT_EQ(e->Height, c.Height);
    EXPECT_EQ(e->Opaque, c.Opaque);
  }
  EXPECT_EQ(std::count_if(std::begin(gDefaultSkinTable), std::end(gDefaultSkinTable),
                          [](const TDefaultSkinEntry& e) { return e.Opaque; }),
            3);
  EXPECT_STREQ(gDefaultSkinTable[0].ResID, L"QvSkinCheckBox");
  EXPECT_STREQ(gDefaultSkinTable[83].ResID, L"QvSkinSlides");
}

// The committed pictures are exactly the table's: one 8-bit RGBA PNG of the listed size each.
TEST(DefaultSkinTable, EmbeddedPicturesMatchTheTable) {
  EXPECT_EQ(gDefaultSkinFileCount, kDefaultSkinCount);
  static const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  for (const TDefaultSkinEntry& e : gDefaultSkinTable) {
    std::wstring id = e.ResID;
    SCOPED_TRACE(std::string(id.begin(), id.end()));
    const TEmbeddedFile* f = FindFile(id);
    ASSERT_NE(f, nullptr);
    ASSERT_GE(f->Size, 33u);
    EXPECT_TRUE(std::equal(kSignature, kSignature + 8, f->Data));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(f->Data + 12), 4), "IHDR");
    EXPECT_EQ(BigEndian32(f->Data + 16), uint32_t(e.Width));
    EXPECT_EQ(BigEndian32(f->Data + 20), uint32_t(e.Height));
    EXPECT_EQ(f->Data[24], 8);  // bit depth
    EXPECT_EQ(f->Data[25], 6);  // colour type: RGB with alpha
  }
}

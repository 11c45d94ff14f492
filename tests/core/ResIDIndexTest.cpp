// The ID index of the skin image lists follows every edit: after each step of a
// sequence, every probe ID is found where a scan of the list in order finds it.
#include <gtest/gtest.h>

#include "ResourceTestSupport.h"
#include "host/ObjectText.h"
#include "resources/QvSkinResDM.h"
#include "resources/QvSkinResManager.h"

using namespace qv;
using namespace qvtest;

namespace {

const wchar_t* const kProbes[] = {L"A", L" a ", L"B", L"C", L"D", L"", L"  ", L"Renamed", L"x"};

// The first item whose trimmed, upper-cased ID equals the argument's, by a scan.
template <class TCollectionOf>
int Scan(const TCollectionOf& Items, const String& ID, bool Trimmed) {
  auto Fold = [&](const String& S) { return UpperCase(Trimmed ? Trim(S) : S); };
  for (int I = 0; I < Items.Count(); ++I)
    if (Fold(Items.Items(I)->ResID()) == Fold(ID)) return I;
  return -1;
}

class ResIDIndex : public ::testing::Test {
 protected:
  ResIDIndex() : List(nullptr), Manager(&List) {}

  TQvSkinBitmapItem* Add(const wchar_t* ID) {
    TQvSkinBitmapItem* Item = List.Bitmaps()->Add();
    Item->SetResID(ID);
    return Item;
  }
  // Every probe answers as the scan does.
  void ExpectInStep(const char* Step) {
    SCOPED_TRACE(Step);
    for (const wchar_t* P : kProbes)
      EXPECT_EQ(Manager.IndexOfRes(P), Scan(*List.Bitmaps(), P, true)) << ToUtf8(P);
  }

  TQvSkinImageList List;
  TQvSkinResManager Manager;
};

TEST_F(ResIDIndex, DuplicatesRenamesAndMoves) {
  TQvSkinBitmapItem* First = Add(L"A");
  Add(L" b");
  Add(L"a ");  // the same ID as the first
  ExpectInStep("added");
  EXPECT_EQ(Manager.IndexOfRes(L"A"), 0);

  First->SetResID(L"Renamed");  // the duplicate now answers
  ExpectInStep("first renamed");
  EXPECT_EQ(Manager.IndexOfRes(L"a"), 2);
  First->SetResID(L"A");
  EXPECT_EQ(Manager.IndexOfRes(L"a"), 0);

  List.Bitmaps()->Delete(0);  // delete the first of two: the second is found
  ExpectInStep("first deleted");
  EXPECT_EQ(Manager.IndexOfRes(L"A"), 1);

  List.Bitmaps()->Items(1)->SetIndex(0);  // reorder
  ExpectInStep("moved to the front");
  EXPECT_EQ(Manager.IndexOfRes(L"A"), 0);
  EXPECT_EQ(Manager.IndexOfRes(L"B"), 1);

  static_cast<TQvSkinBitmapItem*>(List.Bitmaps()->Insert(0))->SetResID(L"b");  // a new first
  ExpectInStep("inserted at the front");
  EXPECT_EQ(Manager.IndexOfRes(L"B"), 0);

  delete List.Bitmaps()->Items(1);  // an item freed directly
  ExpectInStep("freed");
  Add(L"");
  Add(L"C");
  ExpectInStep("blank and C appended");
  List.Bitmaps()->Clear();
  ExpectInStep("cleared");
  EXPECT_EQ(Manager.IndexOfRes(L"B"), -1);
}

TEST_F(ResIDIndex, EditsInsideAnUpdateBracketAreSeenAtOnce) {
  Add(L"A");
  Manager.BeginUpdate();
  Add(L"B");
  EXPECT_EQ(Manager.IndexOfRes(L"B"), 1);
  List.Bitmaps()->Delete(0);
  EXPECT_EQ(Manager.IndexOfRes(L"B"), 0);
  Manager.EndUpdate();
  ExpectInStep("bracket ended");
}

TEST_F(ResIDIndex, ManagerEditsAndBackups) {
  TQvSkinImage Image;
  MakeRow(Image, {0xFF000001});
  Manager.AddRes(&Image, L"A", L"");
  Manager.AddRes(&Image, L"B", L"");
  Manager.BackupImageByID(L"A");
  ExpectInStep("backed up");
  EXPECT_EQ(Manager.IndexOfRes(L"a_$bak$"), 2);
  Manager.MakeGrayscaleImageByID(L"A");
  Manager.RestoreImageByID(L"A");
  Manager.Delete(L"A");
  ExpectInStep("restored and deleted");
  EXPECT_EQ(Manager.IndexOfRes(L"A_$Bak$"), 1);
}

// Whole-list replacements: assignment from another list, reading the object text, and
// the manager's Refresh from the design-time file.
TEST_F(ResIDIndex, ListsReplacedAsAWhole) {
  Add(L"A");
  Add(L"B");
  TQvSkinImageList Other(nullptr);
  Other.SetName(L"Other");
  for (const wchar_t* ID : {L"C", L"a", L"C"}) Other.Bitmaps()->Add()->SetResID(ID);
  List.Assign(&Other);
  ExpectInStep("assigned");
  EXPECT_EQ(Manager.IndexOfRes(L"C"), 0);

  List.Bitmaps()->Clear();
  Add(L"D");
  TextToComponent(ComponentToText(Other), List);
  ExpectInStep("read from the object text");
  EXPECT_EQ(Manager.IndexOfRes(L"D"), -1);
  EXPECT_EQ(Manager.IndexOfRes(L"A"), 1);

  TTempDir Dir(L"qv_residindex");
  QvSkinResDM();
  Manager.Refresh(Dir.File(L"QvSkinDesignTimeRes.tmp"));
  ASSERT_GT(List.Count(), 0);
  for (int I = 0; I < List.Count(); ++I) {
    const String& ID = List.Bitmaps()->Items(I)->ResID();
    EXPECT_EQ(Manager.IndexOfRes(ID), Scan(*List.Bitmaps(), ID, true));
  }
}

// The vector list compares IDs ignoring case only: blanks count.
TEST(ResIDIndexSvg, CaseOnlyAndInStep) {
  TQvSkinSvgImageList L(nullptr);
  L.AddSvg(L"Arrow", nullptr, L"");
  L.AddSvg(L" arrow", nullptr, L"");
  L.AddSvg(L"ARROW", nullptr, L"");
  auto Expect = [&](const char* Step) {
    SCOPED_TRACE(Step);
    for (const wchar_t* P : {L"arrow", L" ARROW", L"Arrow ", L"Renamed"})
      EXPECT_EQ(L.FindByResID(P), Scan(*L.Images(), P, false)) << ToUtf8(P);
  };
  Expect("added");
  EXPECT_EQ(L.FindByResID(L" ARROW"), 1);
  L.Images()->Items(0)->SetResID(L"Renamed");
  Expect("renamed");
  EXPECT_EQ(L.FindByResID(L"arrow"), 2);
  L.Images()->Items(2)->SetIndex(0);
  L.Images()->Delete(1);
  Expect("moved and deleted");
  EXPECT_EQ(L.FindByResID(L"Arrow"), 0);
}

}  // namespace

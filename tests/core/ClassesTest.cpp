#include <gtest/gtest.h>

#include <vector>

#include "host/Classes.h"
#include "host/Streams.h"

using namespace qv;

namespace {

std::vector<std::wstring> gFreed;

class TTracked : public TComponent {
 public:
  TTracked(TComponent* Owner, std::wstring N) : TComponent(Owner) { SetName(N); }
  ~TTracked() override { gFreed.push_back(Name()); }
};

class TWatcher : public TComponent {
 public:
  using TComponent::TComponent;
  TComponent* Removed = nullptr;

 protected:
  void Notification(TComponent* C, TOperation Op) override {
    TComponent::Notification(C, Op);
    if (Op == opRemove) Removed = C;
  }
};

}  // namespace

TEST(Component, OwnerFreesOwnedComponentsInReverseOrder) {
  gFreed.clear();
  {
    TTracked Root(nullptr, L"root");
    new TTracked(&Root, L"a");
    auto* B = new TTracked(&Root, L"b");
    new TTracked(B, L"b1");
    new TTracked(&Root, L"c");
    EXPECT_EQ(Root.ComponentCount(), 3);
    EXPECT_EQ(Root.FindComponent(L"B"), B);
  }
  // The root's own destructor body runs first, then its components go, newest first.
  EXPECT_EQ(gFreed, (std::vector<std::wstring>{L"root", L"c", L"b", L"b1", L"a"}));
}

TEST(Component, FreeNotificationReachesTheWatcher) {
  TWatcher W(nullptr);
  auto* Target = new TComponent(nullptr);
  W.FreeNotification(Target);
  delete Target;
  EXPECT_EQ(W.Removed, Target);
}

namespace {
class TCountingCollection : public TOwnedCollection<TCollectionItem> {
 public:
  using TOwnedCollection::TOwnedCollection;
  int Updates = 0;

 protected:
  void Update(TCollectionItem*) override { ++Updates; }
};
}  // namespace

TEST(Collection, UpdateCountingBracketsChanges) {
  TCountingCollection C(nullptr);
  C.Add();
  EXPECT_EQ(C.Updates, 1);
  C.BeginUpdate();
  C.Add();
  C.Add();
  C.Delete(0);
  EXPECT_EQ(C.Updates, 1);
  C.EndUpdate();
  EXPECT_EQ(C.Updates, 2);
  EXPECT_EQ(C.Count(), 2);
  EXPECT_THROW(C.Items(5), EListError);
}

TEST(Streams, MemoryStreamReadBufferPastTheEndRaises) {
  TMemoryStream S;
  uint32_t V = 0x11223344;
  S.WriteBuffer(&V, 4);
  S.SetPosition(0);
  uint32_t R = 0;
  S.ReadBuffer(&R, 4);
  EXPECT_EQ(R, V);
  try {
    S.ReadBuffer(&R, 1);
    FAIL();
  } catch (const EReadError& E) {
    EXPECT_EQ(E.Message(), L"Stream read error");
  }
}

TEST(Text, Utf8RoundTripsChineseAndMalformedBytesBecomeReplacement) {
  String S = L"QvSkin \x4E2D\x6587";
  EXPECT_EQ(FromUtf8(ToUtf8(S)), S);
  EXPECT_EQ(FromUtf8("a\xFF"
                     "b"),
            String(L"a\xFFFD"
                   L"b"));
  EXPECT_EQ(FromUtf8("\xE4\xB8"), String(L"\xFFFD\xFFFD"));
  // Overlong forms, surrogates and values past U+10FFFF are no characters either.
  EXPECT_EQ(FromUtf8("\xC0\x80"), String(2, L'\xFFFD'));
  EXPECT_EQ(FromUtf8("\xED\xA0\x80"), String(3, L'\xFFFD'));
  EXPECT_EQ(FromUtf8("\xF7\x9F\x9F\x9F"), String(4, L'\xFFFD'));
  EXPECT_EQ(FromUtf8("\xF4\x8F\xBF\xBF").size(), sizeof(wchar_t) == 2 ? 2u : 1u);  // U+10FFFF
}

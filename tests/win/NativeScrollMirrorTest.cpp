// Numbers between a platform list box's own scroll bar and a skinned bar, both ways,
// without one direction echoing into the other.
#include "SkinControlsTestSupport.h"
#include "controls/QvNativeScrollMirror.h"

using namespace qv;
using namespace qvtest;

namespace {

// Counts the scroll messages a platform list box receives and, as a mirroring control
// does, copies its state back into the bar after each.
WNDPROC gListProc = nullptr;
int gScrolls = 0;
std::function<void()> gAfterScroll;
LRESULT CALLBACK CountingProc(HWND W, UINT Msg, WPARAM WP, LPARAM LP) {
  LRESULT R = CallWindowProcW(gListProc, W, Msg, WP, LP);
  if (Msg == WM_VSCROLL) {
    ++gScrolls;
    if (gAfterScroll) gAfterScroll();
  }
  return R;
}

class NativeScrollMirrorTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    ShowForm();
    // 30 rows of 20 pixels in a 100-pixel list: page 5, last top row 25.
    List = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY, 10,
                           10, 150, 100, Form->Handle(), nullptr, nullptr, nullptr);
    SendMessageW(List, LB_SETITEMHEIGHT, 0, 20);
    for (int I = 0; I < 30; ++I)
      SendMessageW(List, LB_ADDSTRING, 0, LPARAM(std::to_wstring(I).c_str()));
    SetWindowPos(List, nullptr, 0, 0, 150, 100, SWP_NOMOVE | SWP_NOZORDER);
    gListProc = WNDPROC(SetWindowLongPtrW(List, GWLP_WNDPROC, LONG_PTR(&CountingProc)));
    gScrolls = 0;
    gAfterScroll = [this] { Mirror.FromNative(List, Bar); };
    Bar = Add<TQvSkinScrollBar>(Form.get(), 200, 10, 10, 100);
    Bar->SetKind(sbVertical);
    Bar->OnChange = [this](TObject*) {
      ++Changes;
      Mirror.ToNative(List, Bar);
    };
    PumpIdle();
  }
  void TearDown() override {
    gAfterScroll = nullptr;
    DestroyWindow(List);
    SkinFormTest::TearDown();
  }
  int Top() const { return int(SendMessageW(List, LB_GETTOPINDEX, 0, 0)); }
  HWND List = nullptr;
  TQvSkinScrollBar* Bar = nullptr;
  TQvNativeScrollMirror Mirror;
  int Changes = 0;
};

}  // namespace

TEST_F(NativeScrollMirrorTest, ReadsTheRangeIntoTheBarWithoutEcho) {
  SendMessageW(List, LB_SETTOPINDEX, 7, 0);
  const TQvNativeScroll S = Mirror.FromNative(List, Bar);
  EXPECT_EQ(S.Min, 0);
  EXPECT_EQ(S.Max, 29);
  EXPECT_EQ(S.Page, 5);
  EXPECT_EQ(S.Position, 7);
  EXPECT_EQ(Bar->Min(), 0);
  EXPECT_EQ(Bar->Max(), 29);
  EXPECT_EQ(Bar->PageSize(), 5);
  EXPECT_EQ(Bar->Position(), 7);
  EXPECT_EQ(gScrolls, 0) << "reading must not scroll the list";
  EXPECT_EQ(Changes, 0);
  EXPECT_FALSE(Mirror.Busy());
}

TEST_F(NativeScrollMirrorTest, BarMovesScrollTheListOnceAndTheBarFollowsItsClamp) {
  Mirror.FromNative(List, Bar);
  struct Case {
    const char* What;
    std::function<void()> Do;
    int Top, Position;
  } Cases[] = {
      {"thumb to 10", [&] { Bar->SetPosition(10); }, 10, 10},
      {"thumb to the end", [&] { Bar->SetPosition(100); }, 25, 25},
      {"a line up", [&] { Mirror.Line(List, true, Bar); }, 24, 24},
      {"a line down", [&] { Mirror.Line(List, false, Bar); }, 25, 25},
      {"thumb to the start", [&] { Bar->SetPosition(0); }, 0, 0},
  };
  for (const Case& C : Cases) {
    gScrolls = 0;
    C.Do();
    EXPECT_EQ(Top(), C.Top) << C.What;
    EXPECT_EQ(Bar->Position(), C.Position) << C.What;
    EXPECT_EQ(gScrolls, 1) << C.What << ": one scroll message, no echo";
  }
}

TEST_F(NativeScrollMirrorTest, ListScrolledByItselfMovesTheThumbOnly) {
  Mirror.FromNative(List, Bar);
  Changes = 0;
  SendMessageW(List, LB_SETTOPINDEX, 12, 0);
  Mirror.FromNative(List, Bar);
  EXPECT_EQ(Bar->Position(), 12);
  EXPECT_EQ(Changes, 0) << "a quiet range update fires nothing";
}

TEST_F(NativeScrollMirrorTest, NullWindowAndNullBarAreHarmless) {
  EXPECT_FALSE(Mirror.FromNative(nullptr, Bar).HasRange());
  EXPECT_TRUE(Mirror.FromNative(List, nullptr).HasRange());
  Mirror.ToNative(nullptr, Bar);
  Mirror.ToNative(List, nullptr);
  Mirror.Line(nullptr, true, Bar);
  EXPECT_EQ(gScrolls, 0);
}

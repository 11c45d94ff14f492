// A skinned form through changes of monitor density, sent as the system sends them: the
// DPI in wParam and the suggested window rectangle in lParam. The form holds every
// palette component; its bounds, fonts and title-bar metrics follow the new DPI and come
// back exactly, and the window never grows or shrinks over repeated moves.
#include <windows.h>

#include <algorithm>
#include <vector>

#include "LeakProbe.h"
#include "SkinFormTestSupport.h"
#include "controls/QvSkinCustomControl.h"
#include "design/QvComponentRegistry.h"
#include "forms/QvFormBorder.h"
#include "host/ControlScale.h"
#include "host/Font.h"
#include "host/Platform.h"

// Newer than the systems the headers are set for.
#ifndef WM_GETDPISCALEDSIZE
#define WM_DPICHANGED_AFTERPARENT 0x02E3
#define WM_GETDPISCALEDSIZE 0x02E4
#endif

using namespace qv;
using namespace qvtest;

namespace {

// The high-DPI mode for one test (the mode is process-wide).
struct THighDPIMode {
  THighDPIMode() { SetAppHighDPIMode(true); }
  ~THighDPIMode() { SetAppHighDPIMode(false); }
};

// What scaling touches on one control.
struct TShape {
  const TControl* Control;
  TRect Bounds;
  int FontHeight;
  TSizeLimits Limits;
  bool operator==(const TShape&) const = default;
};

void Collect(const TControl* C, std::vector<TShape>& Out) {
  const TSizeConstraints& L = *C->Constraints();
  Out.push_back({C,
                 C->BoundsRect(),
                 C->Font()->Height(),
                 {L.MinWidth(), L.MinHeight(), L.MaxWidth(), L.MaxHeight()}});
  if (auto* W = dynamic_cast<const TWinControl*>(C))
    for (int I = 0; I < W->ControlCount(); ++I) Collect(W->Controls(I), Out);
}

std::vector<TShape> Snapshot(const TControl* Root) {
  std::vector<TShape> Out;
  Collect(Root, Out);
  return Out;
}

TRect WindowRect(HWND H) {
  RECT R;
  GetWindowRect(H, &R);
  return Rect(R.left, R.top, R.right, R.bottom);
}

// A control tree scaled by itself (no windows): placement from what was set by hand,
// anchors against the real client size, alignment, limits and fonts.
using ControlScaleTree = ControlsTest;

TEST_F(ControlScaleTree, ScalesFromWhatWasSetByHandAndComesBackExactly) {
  TPanel Root(nullptr);
  Root.SetBounds(0, 0, 400, 300);
  auto Add = [&](TWinControl* Parent, TRect R) {
    auto* C = new TPanel(&Root);
    C->SetParent(Parent);
    C->SetBoundsRect(R);
    return C;
  };
  TPanel* Plain = Add(&Root, Bounds(7, 9, 75, 23));
  TPanel* Corner = Add(&Root, Bounds(301, 263, 81, 23));
  Corner->SetAnchors({akRight, akBottom});
  TPanel* Bar = Add(&Root, Bounds(0, 0, 10, 21));
  Bar->SetAlign(alTop);
  TPanel* Rest = Add(&Root, Bounds(0, 0, 10, 10));
  Rest->SetAlign(alClient);
  TPanel* Nested = Add(Rest, Bounds(13, 5, 31, 17));
  Nested->Constraints()->SetMinWidth(29);
  Nested->Font()->SetHeight(-13);
  const std::vector<TShape> Before = Snapshot(&Root);

  // Two pixels more than 150 % across, one more down: the anchors take them up.
  const TRect Wide = Bounds(0, 0, 602, 451);
  ScaleForPPI(&Root, 144, &Wide);
  EXPECT_EQ(ControlPPI(Nested), 144);
  EXPECT_EQ(Plain->BoundsRect(), Rect(11, 14, 123, 48));      // 10.5, 13.5, 123, 48
  EXPECT_EQ(Corner->BoundsRect(), Rect(454, 396, 575, 430));  // + (2, 1)
  EXPECT_EQ(Bar->BoundsRect(), Rect(0, 0, 602, 32));          // 21 -> 31.5
  EXPECT_EQ(Rest->BoundsRect(), Rect(0, 32, 602, 451));
  EXPECT_EQ(Nested->BoundsRect(), Rect(20, 8, 66, 33));  // 19.5, 7.5, 66, 33
  EXPECT_EQ(Nested->Constraints()->MinWidth(), 44);      // 43.5
  EXPECT_EQ(Nested->Font()->Height(), -20);              // -19.5
  EXPECT_EQ(Nested->Font()->Size(), 10);                 // the size in points stays
  EXPECT_EQ(Plain->Font()->Height(), -17);               // the parent's font, scaled

  const TRect Back = Bounds(0, 0, 400, 300);
  ScaleForPPI(&Root, 96, &Back);
  const std::vector<TShape> After = Snapshot(&Root);
  ASSERT_EQ(After.size(), Before.size());
  for (size_t I = 0; I < After.size(); ++I) EXPECT_EQ(After[I], Before[I]) << I;

  // Placed by hand at 150 %: that is the new base, and it comes back exactly.
  ScaleForPPI(&Root, 144);
  EXPECT_EQ(Root.BoundsRect(), Rect(0, 0, 600, 450));  // no parent: the size scaled
  Plain->SetBounds(11, 31, 45, 21);
  ScaleForPPI(&Root, 96);
  EXPECT_EQ(Plain->BoundsRect(), Rect(7, 21, 37, 35));
  ScaleForPPI(&Root, 120);
  ScaleForPPI(&Root, 144);
  EXPECT_EQ(Plain->BoundsRect(), Bounds(11, 31, 45, 21));
}

class DpiChangeTest : public SkinFormFixture {
 protected:
  static constexpr int FL = 20, FT = 20, FW = 1000, FH = 640;  // 150 % fits the screen
  static constexpr TRect At96{FL, FT, FL + FW, FT + FH};
  static constexpr TRect At144{FL, FT, FL + FW * 3 / 2, FT + FH * 3 / 2};

  // Every palette component on the form (the form's own skin component is there already),
  // the controls in a grid of odd sizes.
  void Populate() {
    Form->SetBounds(FL, FT, FW, FH);
    Skin();
    int I = 0;
    for (const TQvComponentClass* Class : QvComponentRegistry().PaletteClasses()) {
      if (Class->ClassName == L"TQvSkinForm") continue;
      TComponent* C = Class->Create(Form.get());
      if (dynamic_cast<TQvSkinNCCtrlBase*>(C)) ++NCCount;
      if (auto* Border = dynamic_cast<TQvFormLayerBorder*>(C)) SkinForm->SetImageBorder(Border);
      auto* Control = dynamic_cast<TControl*>(C);
      if (!Control) continue;
      Control->SetParent(Form.get());
      const TRect R = Bounds(3 + (I % 10) * 98, 5 + (I / 10) * 76, 91 + I % 3, 61 + I % 2);
      Control->SetBoundsRect(R);
      Placed.push_back({Control, R});
      ++I;
    }
  }
  void ShowAll() {
    Form->Show();
    ASSERT_TRUE(PumpUntil([&] {
      return !Form->AlphaBlend() && SkinForm->NCCtrlList().size() == NCCount + Buttons();
    }));
    PumpIdle();
  }
  void SendDpi(int Dpi, const TRect& Suggested) {
    const RECT R{Suggested.Left, Suggested.Top, Suggested.Right, Suggested.Bottom};
    SendMessageW(Wnd(), WM_DPICHANGED, MAKEWPARAM(Dpi, Dpi), LPARAM(&R));
  }

  size_t NCCount = 0;
  std::vector<std::pair<TControl*, TRect>> Placed;
};

TEST_F(DpiChangeTest, EveryPaletteComponentFollowsTheNewDpiAndComesBackExactly) {
  THighDPIMode Mode;
  Populate();
  ShowAll();
  ASSERT_EQ(WindowRect(Wnd()), At96);
  // Controls that size themselves on a change (labels measure their text) do so at 96
  // first: the round trip starts from there.
  for (auto& [C, R] : Placed) C->Perform(WM_DPICHANGED_AFTERPARENT, 96, 0);
  std::vector<int> Heard;
  int Skinned = 0;
  for (auto& [C, R] : Placed)
    if (auto* S = dynamic_cast<TQvSkinCustomControl*>(C)) {
      ++Skinned;
      S->OnDPIChanged = [&Heard](TObject*, int NewPPI) { Heard.push_back(NewPPI); };
    }
  const std::vector<TShape> Before = Snapshot(Form.get());

  SendDpi(144, At144);
  PumpIdle();
  EXPECT_EQ(WindowRect(Wnd()), At144);
  EXPECT_EQ(ControlPPI(Form.get()), 144);
  EXPECT_EQ(SkinForm->ScaledTitleHeight(), 41);  // 27 * 1.5 = 40.5
  EXPECT_EQ(Form->Font()->Height(), -17);
  EXPECT_EQ(Close->GetRect().Left, FW * 3 / 2 - 60);  // 40 from the right edge, scaled
  EXPECT_EQ(Close->GetRect().Top, -2);                // -1.5
  for (auto& [C, R] : Placed) {
    SCOPED_TRACE(ToUtf8(C->ClassName()));
    // A control that kept the place it was given is at that place scaled, edge by edge.
    auto It = std::find_if(Before.begin(), Before.end(),
                           [Ctl = C](const TShape& S) { return S.Control == Ctl; });
    if (C->Align() == alNone && C->Anchors() == TAnchors{akLeft, akTop} && !C->AutoSize() &&
        It->Bounds == R) {
      EXPECT_EQ(C->BoundsRect(), ScaleEdges(R, 144, 96));
    }
    if (C->ParentFont()) {
      EXPECT_EQ(C->Font()->Height(), -17);
    }
  }
  EXPECT_EQ(Heard, std::vector<int>(size_t(Skinned), 144));

  Heard.clear();
  SendDpi(96, At96);
  PumpIdle();
  EXPECT_EQ(WindowRect(Wnd()), At96);
  EXPECT_EQ(SkinForm->ScaledTitleHeight(), 27);
  EXPECT_EQ(Close->GetRect().Left, FW - 40);
  EXPECT_EQ(Heard, std::vector<int>(size_t(Skinned), 96));
  const std::vector<TShape> After = Snapshot(Form.get());
  ASSERT_EQ(After.size(), Before.size());
  for (size_t I = 0; I < After.size(); ++I)
    EXPECT_EQ(After[I], Before[I])
        << ToUtf8(Before[I].Control->ClassName()) << " " << ToUtf8(Before[I].Control->Name());
}

TEST_F(DpiChangeTest, MovingBetweenMonitorsNeverGrowsOrShrinksTheForm) {
  THighDPIMode Mode;
  Form->SetBounds(L, T, 401, 301);
  Skin();
  ShowForm();
  auto Ask = [&](int Dpi) {
    SIZE S{0, 0};
    EXPECT_TRUE(SendMessageW(Wnd(), WM_GETDPISCALEDSIZE, Dpi, LPARAM(&S)));
    return S;
  };
  auto MoveTo = [&](int Dpi) {
    const SIZE S = Ask(Dpi);
    SendDpi(Dpi, Bounds(L, T, S.cx, S.cy));
    return TSize{Form->Width(), Form->Height()};
  };
  struct {
    int Dpi;
    TSize Size;
  } Stops[] = {{144, {602, 452}}, {120, {501, 376}}, {192, {802, 602}}, {96, {401, 301}}};
  for (int Round = 0; Round < 3; ++Round)
    for (const auto& S : Stops) EXPECT_EQ(MoveTo(S.Dpi), S.Size) << Round << " " << S.Dpi;
  // The title grows with the DPI, the frame lines do not.
  MoveTo(144);
  RECT Client;
  GetClientRect(Wnd(), &Client);
  EXPECT_EQ(Client.right, 602 - 2 * 2);
  EXPECT_EQ(Client.bottom, 452 - 41 - 2);
  // Sized by hand at 150 %: that size is the one it comes back to.
  MoveTo(144);
  Form->SetBounds(L, T, 611, 433);
  EXPECT_EQ(MoveTo(96), (TSize{407, 289}));
  EXPECT_EQ(MoveTo(144), (TSize{611, 433}));
}

TEST_F(DpiChangeTest, WithTheModeOffNothingChanges) {
  Skin();
  ShowForm();
  const TRect Before = WindowRect(Wnd());
  SendDpi(144, Bounds(L, T, W * 3 / 2, H * 3 / 2));
  PumpIdle();
  EXPECT_EQ(WindowRect(Wnd()), Before);
  EXPECT_EQ(ControlPPI(Form.get()), 96);
  EXPECT_EQ(SkinForm->ScaledTitleHeight(), 27);
  SIZE S{1, 1};
  EXPECT_FALSE(SendMessageW(Wnd(), WM_GETDPISCALEDSIZE, 144, LPARAM(&S)));
}

TEST_F(DpiChangeTest, AHundredChangesOfTheFullFormLeakNothing) {
  THighDPIMode Mode;
  Populate();
  ShowAll();
  auto Cycle = [&](bool Paint) {
    SendDpi(144, At144);
    if (Paint) PumpIdle();
    SendDpi(96, At96);
    if (Paint) PumpIdle();
  };
  Cycle(true);  // caches and window classes settle
  const TSlots Before = Probe();
  const unsigned Limit = 40;  // one object kept per change moves a slot by 100
  // Painted at both densities now and then: the paint paths run too.
  for (int I = 0; I < 50; ++I) Cycle(I % 10 == 0);
  const TSlots After = Probe();
  EXPECT_LT(After.Window, Before.Window + Limit) << "windows leak";
  EXPECT_LT(After.Gdi, Before.Gdi + Limit) << "GDI objects leak";
  EXPECT_EQ(WindowRect(Wnd()), At96);
}

}  // namespace

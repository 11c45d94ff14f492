// The skinned panels: a new panel's look, the colour fill and OnCustomDraw by Alpha, the
// gradient bands, the border panel's 2-pixel frame lighting up under the real mouse, and
// the panels in the object text form.
#include "SkinControlsTestSupport.h"
#include "graphics/QvGR32LibSlicing.h"
#include "host/ObjectText.h"
#include "host/ScopeGuard.h"
#include "raster/Blend.h"
#include "resources/QvSkinResManager.h"

using namespace qv;
using qvtest::PumpIdle;
using qvtest::Rgb;
using qvtest::TProbe;

namespace {

using SkinPanel = qvtest::SkinFormTest;

constexpr TColor32 kFormBlue = 0xFF0000FF;
constexpr uint32_t kOuter = 0xBACBD9;  // $D9CBBA as red, green, blue

// Whether two colours' channels differ by at most Tolerance.
bool Near(uint32_t A, uint32_t B, int Tolerance) {
  for (int S = 0; S < 24; S += 8)
    if (std::abs(int(A >> S & 0xFF) - int(B >> S & 0xFF)) > Tolerance) return false;
  return true;
}

TEST_F(SkinPanel, NewPanelIsWhiteAtAlpha192WithADoubleBorder) {
  auto* P = new TQvSkinPanel(Form.get());
  P->SetParent(Form.get());
  auto* Child = Add<TProbe>(P, 0, 0, 10, 10);
  Child->SetAlign(alClient);
  EXPECT_EQ(P->Width(), 185);
  EXPECT_EQ(P->Height(), 114);
  EXPECT_EQ(P->Alpha(), 192);
  EXPECT_TRUE(P->Transparent());
  EXPECT_EQ(Child->BoundsRect(), Rect(2, 2, 183, 112));  // inside the double border
  ShowForm();
  const uint32_t Fill = Rgb(BlendReg(Color32(255, 255, 255, 192), kFormBlue));
  struct {
    int X, Y;
    uint32_t Color;
  } Pixels[] = {
      {0, 57, kOuter},  {1, 57, 0xFFFFFF}, {184, 57, kOuter},    {183, 57, 0xFFFFFF},
      {92, 0, kOuter},  {92, 1, 0xFFFFFF}, {92, 113, kOuter},    {92, 112, 0xFFFFFF},
      {184, 1, kOuter}, {1, 113, kOuter},  {183, 112, 0xFFFFFF}, {92, 57, Fill},
      {2, 2, Fill},
  };
  for (auto& Px : Pixels) EXPECT_EQ(Rgb(*P->Buffer(), Px.X, Px.Y), Px.Color) << Px.X << "," << Px.Y;
}

TEST_F(SkinPanel, AlphaDecidesTheFillAndOnCustomDraw) {
  auto* P = Add<TQvSkinPanel>(Form.get(), 10, 10, 100, 60);
  int Draws = 0;
  P->OnCustomDraw = [&](TObject* Sender, TBitmap32* B) {
    EXPECT_EQ(Sender, P);
    EXPECT_EQ(B, P->Buffer());
    ++Draws;
  };
  ShowForm();
  P->SetColor(clYellow);
  struct {
    Byte Alpha;
    bool Designing, Transparent;
    bool Draws;
    uint32_t Centre;
  } Cases[] = {
      {255, false, true, false, 0xFFFF00},
      {254, false, true, true, Rgb(BlendReg(Color32(255, 255, 0, 254), kFormBlue))},
      {254, true, true, false, 0xFFFF00},  // designing: full opacity, no call
      {0, false, true, true, 0x0000FF},
      // Not transparent: the base's colour, white, not the panel's own.
      {0, false, false, true, 0xFFFFFF},
  };
  for (auto& C : Cases) {
    SCOPED_TRACE(testing::Message() << int(C.Alpha) << (C.Designing ? " designing" : "")
                                    << (C.Transparent ? "" : " opaque"));
    P->SetDesigning(C.Designing);
    P->SetTransparent(C.Transparent);
    P->SetAlpha(C.Alpha);
    int Before = Draws;
    P->Invalidate();
    PumpIdle();
    EXPECT_EQ(Draws > Before, C.Draws);
    EXPECT_EQ(Rgb(*P->Buffer(), 50, 30), C.Centre);
  }
  P->SetDesigning(false);
}

// The panel's fill is the framework's Color: set through a plain control pointer, read back
// and streamed under the one name.
TEST_F(SkinPanel, ColorSetThroughTheBaseControlFillsThePanel) {
  auto* P = Add<TQvSkinPanel>(Form.get(), 10, 10, 100, 60);
  P->SetAlpha(255);
  ShowForm();
  TControl* Base = P;
  Base->SetColor(clYellow);
  EXPECT_EQ(P->Color(), clYellow);
  EXPECT_TRUE(qvtest::PumpUntil([&] { return Rgb(*P->Buffer(), 50, 30) == 0xFFFF00; }));
  Base->SetColor(clLime);
  EXPECT_TRUE(qvtest::PumpUntil([&] { return Rgb(*P->Buffer(), 50, 30) == 0x00FF00; }));
  // A form's colour does not reach the panel: its white is its own.
  auto* Fresh = Add<TQvSkinPanel>(Form.get(), 120, 10, 50, 50);
  Form->SetColor(clRed);
  EXPECT_EQ(Fresh->Color(), clWhite);
  const String Text = ComponentToText(*P);
  EXPECT_NE(Text.find(L"  Color = clLime\r\n"), String::npos);
  EXPECT_EQ(ComponentToText(*Fresh).find(L"Color"), String::npos);
}

TEST_F(SkinPanel, GradientBandsOnThePanel) {
  constexpr uint32_t Red = 0xFF0000, Lime = 0x00FF00, Blue = 0x0000FF;
  struct {
    TGradientDirection Direction;
    TGradientAlign Align;
    int Size, W, H;
    int X, Y;
    uint32_t Color;
  } Cases[] = {
      // Centred 60% of 100 pixels: bands -10..50 and 50..110, the start colour at x = 50.
      {gdHorizontal, gaCenter, 60, 100, 40, 50, 20, Red},
      {gdHorizontal, gaCenter, 60, 100, 40, 49, 20, Red},
      {gdHorizontal, gaCenter, 60, 100, 40, 0, 20, 0x2DD200},  // 49.5 of 60 towards lime
      {gdHorizontal, gaCenter, 60, 100, 40, 99, 20, 0x2DD200},
      {gdHorizontal, gaRight, 30, 100, 40, 99, 20, Red},
      {gdHorizontal, gaRight, 30, 100, 40, 70, 20, Lime},
      {gdHorizontal, gaRight, 30, 100, 40, 69, 20, Blue},  // outside: the form
      // Vertical centred 25% of 100: the lower band runs from the middle to the bottom.
      {gdVertical, gaCenter, 25, 40, 100, 20, 50, Red},
      {gdVertical, gaCenter, 25, 40, 100, 20, 99, Lime},
      {gdVertical, gaCenter, 25, 40, 100, 20, 74, 0x808000},
      {gdVertical, gaCenter, 25, 40, 100, 20, 25, Lime},
      {gdVertical, gaCenter, 25, 40, 100, 20, 24, Blue},
  };
  auto* P = Add<TQvSkinPanel>(Form.get(), 10, 10, 100, 40);
  P->SetBorderSides({});
  P->SetAlpha(255);
  P->SetBackgroundFillType(ftGradient);
  P->SetGradientStartColor(clRed);
  P->SetGradientEndColor(clLime);
  ShowForm();
  for (auto& C : Cases) {
    SCOPED_TRACE(testing::Message()
                 << C.Direction << "/" << C.Align << " " << C.Size << "% at " << C.X << "," << C.Y);
    P->SetBounds(10, 10, C.W, C.H);
    P->SetGradientDirection(C.Direction);
    P->SetGradientAlign(C.Align);
    P->SetGradientSize(C.Size);
    P->Invalidate();
    PumpIdle();
    uint32_t Got = Rgb(*P->Buffer(), C.X, C.Y);
    EXPECT_TRUE(Near(Got, C.Color, 6)) << std::hex << Got << " expected " << C.Color;
  }
}

// The frame a border panel shows: Picture stretched over a W × H copy of the blue form.
std::unique_ptr<TCustomBitmap32> ExpectedFrame(const TQvResID& Picture, int W, int H) {
  auto Frame = std::make_unique<TCustomBitmap32>();
  Frame->SetSize(W, H);
  Frame->Clear(kFormBlue);
  StretchBitmap(TQvSkinResManagerObj()->GetImageByName(Picture), Frame.get(), false);
  return Frame;
}

// Pixels of the buffer that differ from what the frame rule gives: the frame picture in
// the outer 2 pixels, the form inside.
int FrameMismatches(TQvSkinBorderPanel* P, const TCustomBitmap32& Frame) {
  int Mismatches = 0, W = P->Width(), H = P->Height();
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X) {
      bool InFrame = X < 2 || Y < 2 || X >= W - 2 || Y >= H - 2;
      TColor32 Want = InFrame ? Frame.Pixel(X, Y) : kFormBlue;
      Mismatches += Rgb(*P->Buffer(), X, Y) != Rgb(Want);
    }
  return Mismatches;
}

TEST_F(SkinPanel, BorderPanelFrameIsTwoPixelsAndLightsUpUnderTheMouse) {
  auto* P = Add<TQvSkinBorderPanel>(Form.get(), 40, 40, 120, 80);
  P->SetNCSize(5);
  auto* Child = Add<TProbe>(P, 0, 0, 10, 10);
  Child->SetAlign(alClient);
  Child->SetVisible(false);  // the frame test reads the whole panel
  EXPECT_EQ(Child->BoundsRect(), Rect(5, 5, 115, 75));
  int Draws = 0;
  P->OnCustomDraw = [&](TObject*, TBitmap32*) { ++Draws; };
  ShowForm();
  const auto NormalFrame = ExpectedFrame(L"QvSkinBorderNormal", 120, 80);
  const auto HotFrame = ExpectedFrame(L"QvSkinBorderHot", 120, 80);
  const TCustomBitmap32 &Normal = *NormalFrame, &Hot = *HotFrame;
  ASSERT_NE(Normal.Pixel(0, 40), Hot.Pixel(0, 40));
  EXPECT_EQ(FrameMismatches(P, Normal), 0);
  EXPECT_EQ(Draws, 0);  // no picture: neither the panel body nor OnCustomDraw

  TPoint Inside = P->ClientToScreen({60, 40});
  qvtest::MoveMouse(Inside.X, Inside.Y);
  ASSERT_TRUE(qvtest::PumpUntil([&] { return P->OverControl(); }));
  PumpIdle();
  EXPECT_EQ(FrameMismatches(P, Hot), 0);
  qvtest::MoveMouse(5, 5);
  ASSERT_TRUE(qvtest::PumpUntil([&] { return !P->OverControl(); }));
  PumpIdle();
  EXPECT_EQ(FrameMismatches(P, Normal), 0);

  // A descendant's inner focus lights it too, unless the hot frame is switched off.
  P->SetInControl(true);
  PumpIdle();
  EXPECT_EQ(FrameMismatches(P, Hot), 0);
  P->SetActiveHotFrame(false);
  PumpIdle();
  EXPECT_EQ(FrameMismatches(P, Normal), 0);
  // Not transparent, the border panel still shows the parent's picture.
  P->SetTransparent(false);
  P->Invalidate();
  PumpIdle();
  EXPECT_EQ(FrameMismatches(P, Normal), 0);

  // With a background picture the panel body runs, OnCustomDraw included.
  P->SetBackgroundImage(L"QvSkinBorderNormal");
  PumpIdle();
  EXPECT_EQ(Draws, 1);
}

// The frame follows every change of size and of the picture's pixels, also where the
// panel is smaller than the picture.
TEST_F(SkinPanel, BorderPanelFrameFollowsSizeAndPicture) {
  TQvSkinResManager* Res = TQvSkinResManagerObj();
  TCustomBitmap32 Pic;
  Pic.SetSize(35, 35);
  Pic.Clear(0xFF20C040);
  Pic.FillRect(0, 0, 12, 12, 0xFFC02020);
  Pic.SetDrawMode(dmOpaque);
  Res->AddRes(&Pic, L"QvTestFrame", L"");
  TScopeExit Removed([&] { Res->Delete(L"QvTestFrame"); });
  auto* P = Add<TQvSkinBorderPanel>(Form.get(), 40, 40, 120, 80);
  P->SetBorderEffectNormal(L"QvTestFrame");
  ShowForm();
  struct Step {
    int W, H;
    TColor32 Corner;  // new colour of the picture's corner, 0 = unchanged
  };
  const Step Steps[] = {{120, 80, 0}, {90, 60, 0}, {90, 60, 0xFF2020C0}, {30, 20, 0}, {120, 80, 0}};
  for (const Step& S : Steps) {
    if (S.Corner) {
      Pic.FillRect(0, 0, 12, 12, S.Corner);
      Res->ReplaceRes(L"QvTestFrame", &Pic);
      P->Invalidate();
    }
    P->SetBounds(40, 40, S.W, S.H);
    PumpIdle();
    EXPECT_EQ(FrameMismatches(P, *ExpectedFrame(L"QvTestFrame", S.W, S.H)), 0) << S.W << "x" << S.H;
  }
}

TEST_F(SkinPanel, PanelsRoundTripThroughTheObjectTextForm) {
  Form->SetName(L"PanelForm");
  auto* P = Add<TQvSkinPanel>(Form.get(), 10, 10, 150, 90);
  P->SetName(L"Panel1");
  P->SetAlpha(100);
  P->SetBorderSides({sdLeft, sdBottom});
  P->SetBorderColor(clRed);
  P->SetBackgroundFillType(ftGradient);
  P->SetGradientDirection(gdHorizontal);
  P->SetGradientAlign(gaRight);
  P->SetColor(TColor(0x123456));
  P->SetTransparent(false);
  auto* B = Add<TQvSkinBorderPanel>(P, 5, 5, 60, 40);
  B->SetName(L"Border1");
  B->SetBorderEffectHot(L"MyHot");
  B->SetActiveHotFrame(false);
  String Text = ComponentToText(*Form);

  TForm Copy(nullptr);
  TextToComponent(Text, Copy);
  auto* P2 = dynamic_cast<TQvSkinPanel*>(Copy.FindComponent(L"Panel1"));
  auto* B2 = dynamic_cast<TQvSkinBorderPanel*>(Copy.FindComponent(L"Border1"));
  ASSERT_NE(P2, nullptr);
  ASSERT_NE(B2, nullptr);
  EXPECT_EQ(B2->Parent(), P2);
  EXPECT_EQ(P2->Alpha(), 100);
  EXPECT_EQ(P2->BorderSides(), (TSides{sdLeft, sdBottom}));
  EXPECT_EQ(P2->BorderColor(), clRed);
  EXPECT_EQ(P2->BackgroundFillType(), ftGradient);
  EXPECT_EQ(P2->GradientDirection(), gdHorizontal);
  EXPECT_EQ(P2->GradientAlign(), gaRight);
  EXPECT_EQ(P2->Color(), TColor(0x123456));
  EXPECT_FALSE(P2->Transparent());
  EXPECT_EQ(B2->BorderEffectHot(), L"MyHot");
  EXPECT_EQ(B2->BorderEffectNormal(), L"QvSkinBorderNormal");
  EXPECT_FALSE(B2->ActiveHotFrame());
  EXPECT_EQ(B2->Alpha(), 0);
  EXPECT_EQ(ComponentToText(Copy), Text);

  TForm Bad(nullptr);
  EXPECT_THROW(TextToComponent(L"object F: TForm\n object X: TQvSkinPanel\n  GradientAlign = "
                               L"gaMiddle\n end\nend\n",
                               Bad),
               EReadError);
}

}  // namespace

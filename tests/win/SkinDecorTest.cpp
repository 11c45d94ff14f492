// The decorative controls on a form: lines, shapes and the picture in a circle painted over
// the form's background into their buffers, their setter and size rules, all of them (the
// animation with its image list) in the object text form, and what they release.
#include "LeakProbe.h"
#include "SkinControlsTestSupport.h"
#include "graphics/QvSimpleTimer.h"
#include "host/ImageList.h"
#include "host/ObjectText.h"
#include "raster/Blend.h"
#include "resources/QvSkinResManager.h"

using namespace qv;
using qvtest::PumpIdle;
using qvtest::Rgb;

namespace {

using SkinDecor = qvtest::SkinFormTest;

constexpr uint32_t kFormBlue = 0x0000FF;

// Whether two colours' channels differ by at most Tolerance.
bool Near(uint32_t A, uint32_t B, int Tolerance) {
  for (int S = 0; S < 24; S += 8)
    if (std::abs(int(A >> S & 0xFF) - int(B >> S & 0xFF)) > Tolerance) return false;
  return true;
}

struct TPixel {
  int X, Y;
  uint32_t Color;     // 0x00RRGGBB
  int Tolerance = 0;  // anti-aliased edges
};

void ExpectPixels(TQvSkinCustomControl* C, std::initializer_list<TPixel> Pixels) {
  for (const TPixel& P : Pixels) {
    uint32_t Got = Rgb(*C->Buffer(), P.X, P.Y);
    EXPECT_TRUE(Near(Got, P.Color, P.Tolerance))
        << C->ClassName() << " at " << P.X << "," << P.Y << ": " << std::hex << Got << " expected "
        << P.Color;
  }
}

// Paints C again at once.
void Repaint(TQvSkinCustomControl* C) {
  C->Invalidate();
  C->Update();
}

TEST_F(SkinDecor, LineSizeAndSetterRules) {
  auto* L = new TQvSkinLine(Form.get());
  L->SetParent(Form.get());
  EXPECT_EQ(L->BoundsRect(), Rect(0, 0, 255, 3));
  EXPECT_TRUE(L->AutoInvalidate());
  EXPECT_EQ(L->Color(), TColor(0xFDF8F3));
  EXPECT_EQ(L->GradientStartColor(), TColor(0xBCAA8C));
  L->SetKind(lkVertical);
  EXPECT_EQ(L->BoundsRect(), Rect(0, 0, 3, 255));
  L->SetKind(lkVertical);
  EXPECT_EQ(L->BoundsRect(), Rect(0, 0, 3, 255));
  ShowForm();

  // A band size out of range is ignored, but the line repaints.
  ASSERT_TRUE(L->BufferValid());
  L->SetGradientSize(150);
  EXPECT_EQ(L->GradientSize(), 60);
  EXPECT_FALSE(L->BufferValid());
  L->SetGradientSize(-1);
  EXPECT_EQ(L->GradientSize(), 60);
  L->SetGradientSize(100);
  EXPECT_EQ(L->GradientSize(), 100);

  // The thickness: 3 with AutoSize, at least 1 without.
  L->SetWidth(0);
  PumpIdle();
  EXPECT_EQ(L->Width(), 1);
  L->SetAutoSize(true);
  L->SetWidth(12);
  PumpIdle();
  EXPECT_EQ(L->Width(), 3);
  EXPECT_EQ(L->Height(), 255);
  L->SetKind(lkHorizontal);
  EXPECT_EQ(L->BoundsRect(), Rect(0, 0, 255, 3));
  L->SetHeight(8);
  PumpIdle();
  EXPECT_EQ(L->Height(), 3);
}

TEST_F(SkinDecor, LinesPaintOverTheForm) {
  auto* L = Add<TQvSkinLine>(Form.get(), 10, 10, 100, 3);
  L->SetColor(clYellow);
  L->SetGradientStartColor(clRed);
  L->SetGradientEndColor(clLime);
  ShowForm();
  struct {
    TLineKind Kind;
    TQvPenStyle Style;
    bool Gradient;
    TGradientAlign Align;
    std::vector<TPixel> Pixels;
  } Cases[] = {
      {lkHorizontal, TQvPenStyle::psSolid, false, gaCenter, {{0, 0, 0xFFFF00}, {99, 2, 0xFFFF00}}},
      // The start colour sits one pixel before the middle; the band spreads to the ends.
      {lkHorizontal,
       TQvPenStyle::psSolid,
       true,
       gaCenter,
       {{49, 1, 0xFF0000}, {50, 1, 0xFA0400}, {0, 1, 0x2AD400}}},
      {lkHorizontal, TQvPenStyle::psSolid, true, gaLeft, {{0, 1, 0xFF0000}, {60, 1, 0xFFFF00}}},
      // gaRight: from the end colour at the band's inner edge towards the start colour.
      {lkVertical, TQvPenStyle::psSolid, true, gaRight, {{1, 40, 0x00FF00}, {1, 39, 0xFFFF00}}},
      // Dashes 21 on, 7 off on the first two rows; the form shows in the gaps and below.
      {lkHorizontal,
       TQvPenStyle::psDash,
       false,
       gaCenter,
       {{0, 0, 0xFFFF00},
        {20, 1, 0xFFFF00},
        {21, 0, kFormBlue},
        {28, 1, 0xFFFF00},
        {5, 2, kFormBlue}}},
      {lkVertical,
       TQvPenStyle::psDot,
       false,
       gaCenter,
       {{0, 0, 0xFFFF00},
        {1, 3, 0xFFFF00},
        {0, 4, kFormBlue},
        {0, 6, 0xFFFF00},
        {2, 0, kFormBlue}}},
      // The band is painted over the dashes, across the whole thickness.
      {lkHorizontal,
       TQvPenStyle::psDash,
       true,
       gaLeft,
       {{0, 0, 0xFF0000}, {0, 2, 0xFF0000}, {70, 0, 0xFFFF00}, {70, 2, kFormBlue}}},
  };
  for (auto& C : Cases) {
    SCOPED_TRACE(testing::Message() << C.Kind << " style " << int(C.Style) << " gradient "
                                    << C.Gradient << " align " << C.Align);
    L->SetKind(C.Kind);
    L->SetStyle(C.Style);
    L->SetActiveGradient(C.Gradient);
    L->SetGradientAlign(C.Align);
    Repaint(L);
    for (const TPixel& P : C.Pixels) ExpectPixels(L, {P});
  }
}

TEST_F(SkinDecor, ShapesOfEveryKind) {
  auto* S = Add<TQvSkinShape>(Form.get(), 10, 10, 65, 65);
  EXPECT_EQ(S->ControlStyle(),
            (TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks}));
  EXPECT_EQ(S->Brush()->Color(), TColor(0x8B6366));
  EXPECT_FALSE(S->Pen()->Visible());
  EXPECT_EQ(S->Pen()->Color(), TColor(0x566FF8));
  EXPECT_EQ(S->Pen()->Width(), 2);
  S->Brush()->SetColor(clYellow);
  S->Pen()->SetColor(clRed);
  ShowForm();
  const uint32_t Fill = 0xFFFF00, Ink = 0xFF0000;
  struct {
    TQvShapeKind Kind;
    int W, H;
    bool Pen;
    std::vector<TPixel> Pixels;
  } Cases[] = {
      {skCircle, 65, 65, false, {{32, 32, Fill}, {0, 0, kFormBlue}, {0, 32, kFormBlue}}},
      // A pen of width 2: radius 30.5, the ring from 29.5 to 31.5 about 32.5.
      {skCircle, 65, 65, true, {{32, 32, Fill}, {63, 32, Ink, 16}, {64, 32, kFormBlue}}},
      {skEllipse, 80, 50, false, {{40, 25, Fill}, {1, 25, kFormBlue}, {40, 1, kFormBlue}}},
      {skRectangle, 40, 30, false, {{1, 1, Fill}, {38, 28, Fill}, {39, 28, kFormBlue}}},
      {skRectangle, 40, 30, true, {{1, 10, Ink}, {2, 10, Ink}, {3, 10, Fill}, {0, 10, kFormBlue}}},
      {skRoundRect, 60, 40, false, {{30, 1, Fill}, {1, 20, Fill}, {1, 1, kFormBlue}}},
      {skRoundSquare, 60, 40, false, {{20, 1, Fill}, {1, 1, kFormBlue}, {50, 20, kFormBlue}}},
      {skSquare, 60, 40, false, {{1, 1, Fill}, {38, 38, Fill}, {50, 20, kFormBlue}}},
  };
  for (auto& C : Cases) {
    SCOPED_TRACE(testing::Message() << TQvShapeKindNames[C.Kind] << (C.Pen ? " with pen" : ""));
    S->SetBounds(10, 10, C.W, C.H);
    S->SetShape(C.Kind);
    S->Pen()->SetVisible(C.Pen);
    PumpIdle();
    for (const TPixel& P : C.Pixels) ExpectPixels(S, {P});
  }
  // Alpha blends the fill over the form.
  S->SetAlpha(100);
  PumpIdle();
  ExpectPixels(S, {{20, 20, Rgb(BlendReg(Color32(255, 255, 0, 100), 0xFF0000FF))}});
}

TEST_F(SkinDecor, ShapeSetterRules) {
  auto* S = Add<TQvSkinShape>(Form.get(), 10, 10, 65, 65);
  ShowForm();
  // Whether a change made the shape paint again.
  auto Repaints = [&](const std::function<void()>& Change) {
    PumpIdle();
    EXPECT_TRUE(S->BufferValid());
    Change();
    return !S->BufferValid();
  };
  EXPECT_TRUE(Repaints([&] { S->SetAlpha(10); }));
  EXPECT_FALSE(Repaints([&] { S->SetAlpha(10); }));
  EXPECT_TRUE(Repaints([&] { S->Brush()->SetColor(clRed); }));
  EXPECT_TRUE(Repaints([&] { S->Pen()->SetStyle(TQvPenStyle::psDot); }));
  // The radius only matters to the rounded kinds, the path only to skSVG.
  EXPECT_FALSE(Repaints([&] { S->SetRoundRadius(0); }));
  EXPECT_EQ(S->RoundRadius(), 1);
  EXPECT_FALSE(Repaints([&] { S->SetSvgPath(L"M0 0 L10 10"); }));
  EXPECT_TRUE(Repaints([&] { S->SetShape(skRoundSquare); }));
  EXPECT_TRUE(Repaints([&] { S->SetRoundRadius(6); }));
  EXPECT_TRUE(Repaints([&] { S->SetRoundRadius(-5); }));
  EXPECT_EQ(S->RoundRadius(), 1);
  EXPECT_FALSE(Repaints([&] { S->SetSvgPath(L"M0 0 L20 10"); }));
  EXPECT_TRUE(Repaints([&] { S->SetShape(skSVG); }));
  EXPECT_TRUE(Repaints([&] { S->SetSvgPath(L"M0 0 L30 10"); }));

  // Assigning a brush or pen copies its settings.
  TQvPen Pen;
  Pen.SetColor(clLime);
  Pen.SetWidth(5);
  Pen.SetStyle(TQvPenStyle::psDash);
  EXPECT_TRUE(Repaints([&] { S->SetPen(&Pen); }));
  EXPECT_EQ(S->Pen()->Width(), 5);
  EXPECT_EQ(S->Pen()->Style(), TQvPenStyle::psDash);
  EXPECT_TRUE(S->Pen()->Visible());
  EXPECT_NE(S->Pen(), &Pen);
  TQvBrush Brush;
  Brush.SetVisible(false);
  S->SetBrush(&Brush);
  EXPECT_FALSE(S->Brush()->Visible());
}

TEST_F(SkinDecor, SvgShapeDrawsWhatParsesAndNeverRaisesFromPainting) {
  auto* S = Add<TQvSkinShape>(Form.get(), 10, 10, 60, 60);
  S->SetShape(skSVG);
  S->Brush()->SetColor(clYellow);
  S->SetSvgPath(L"M10 10 L50 10 L30 50 Z");
  ShowForm();
  ExpectPixels(S, {{30, 20, 0xFFFF00}, {5, 5, kFormBlue}});
  // A malformed path: the subpath finished before the error is drawn and the paint goes
  // on (an exception escaping would fail this test through Application.OnException).
  S->SetSvgPath(L"M10 10 L50 10 L30 50 Z M0 0 L5 5 X");
  PumpIdle();
  EXPECT_TRUE(S->BufferValid());
  ExpectPixels(S, {{30, 20, 0xFFFF00}, {5, 5, kFormBlue}});
  S->SetSvgPath(L"X10 10");
  PumpIdle();
  ExpectPixels(S, {{30, 20, kFormBlue}});
}

TEST_F(SkinDecor, CircleShapeShowsItsPictureInARing) {
  TQvSkinResManager* Manager = TQvSkinResManagerObj();
  if (Manager->IndexOfRes(L"DecorTestRed") < 0) {
    TBitmap32 Red;
    Red.SetSize(16, 16);
    Red.Clear(clRed32);
    Manager->AddRes(&Red, L"DecorTestRed", L"");
  }
  auto* C = new TQvSkinCircleShape(Form.get());
  C->SetParent(Form.get());
  EXPECT_EQ(C->BoundsRect(), Rect(0, 0, 120, 120));
  EXPECT_EQ(C->Alpha(), 0);
  EXPECT_TRUE(C->BorderSides().Empty());
  EXPECT_EQ(C->Color(), TColor(0xEBB71C));
  EXPECT_EQ(C->ControlStyle(),
            (TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque,
                           csDoubleClicks, csReplicatable}));
  C->SetBounds(10, 10, 60, 60);
  C->SetColor(clLime);
  ShowForm();
  // No picture: only the background, no ring.
  ExpectPixels(C, {{30, 30, kFormBlue}, {59, 30, kFormBlue}});
  C->SetPicture(L"DecorTestRed");
  PumpIdle();
  ExpectPixels(C, {{30, 30, 0xFF0000}, {0, 0, kFormBlue}, {59, 30, 0x00FF00, 24}});
  // The ring colour repaints.
  C->SetColor(clYellow);
  PumpIdle();
  ExpectPixels(C, {{59, 30, 0xFFFF00, 24}});
  // The ring colour is the framework's Color: set through the base it is the same.
  static_cast<TControl*>(C)->SetColor(clAqua);
  PumpIdle();
  ExpectPixels(C, {{59, 30, 0x00FFFF, 24}});
}

TEST_F(SkinDecor, LineColourIsTheFrameworksColor) {
  auto* L = Add<TQvSkinLine>(Form.get(), 10, 10, 100, 3);
  L->SetActiveGradient(false);
  static_cast<TControl*>(L)->SetColor(clYellow);
  ShowForm();
  ExpectPixels(L, {{0, 0, 0xFFFF00}, {99, 2, 0xFFFF00}});
  EXPECT_EQ(L->Color(), clYellow);
}

TEST_F(SkinDecor, DecorativeControlsRoundTripThroughTheObjectTextForm) {
  RegisterComponentClass<TCustomImageList>();
  Form->SetName(L"DecorForm");
  auto* L = Add<TQvSkinLine>(Form.get(), 10, 10, 3, 120);
  L->SetName(L"Line1");
  L->SetKind(lkVertical);
  L->SetStyle(TQvPenStyle::psDot);
  L->SetColor(clRed);
  L->SetActiveGradient(false);
  L->SetGradientAlign(gaRight);
  L->SetGradientSize(35);
  L->SetAutoSize(true);
  auto* S = Add<TQvSkinShape>(Form.get(), 20, 10, 70, 50);
  S->SetName(L"Shape1");
  S->SetShape(skSVG);
  S->SetSvgPath(L"M0 0 L10 10 Z");
  S->SetAlpha(77);
  S->SetRoundRadius(12);
  S->Pen()->SetVisible(true);
  S->Pen()->SetStyle(TQvPenStyle::psDash);
  S->Brush()->SetColor(TColor(0x123456));
  S->SetColor(clLime);  // the published background colour of the base
  auto* C = Add<TQvSkinCircleShape>(Form.get(), 100, 10, 80, 80);
  C->SetName(L"Circle1");
  C->SetPicture(L"DecorTestRed");
  C->SetColor(clRed);
  auto* Images = new TCustomImageList(Form.get());
  Images->SetName(L"Frames");
  Images->SetSize(24, 20);
  auto* A = Add<TQvSkinAnimation>(Form.get(), 200, 10, 50, 50);
  A->SetName(L"Anim1");
  A->SetImages(Images);
  EXPECT_EQ(A->Width(), 24);
  A->SetAutoSize(false);
  A->SetDelay(40);
  A->SetLoop(false);
  A->SetReverse(true);
  String Text = ComponentToText(*Form);

  TForm Copy(nullptr);
  TextToComponent(Text, Copy);
  auto* L2 = dynamic_cast<TQvSkinLine*>(Copy.FindComponent(L"Line1"));
  auto* S2 = dynamic_cast<TQvSkinShape*>(Copy.FindComponent(L"Shape1"));
  auto* C2 = dynamic_cast<TQvSkinCircleShape*>(Copy.FindComponent(L"Circle1"));
  auto* A2 = dynamic_cast<TQvSkinAnimation*>(Copy.FindComponent(L"Anim1"));
  ASSERT_TRUE(L2 && S2 && C2 && A2);
  EXPECT_EQ(L2->Kind(), lkVertical);
  EXPECT_EQ(L2->BoundsRect(), Rect(10, 10, 13, 130));
  EXPECT_EQ(L2->Style(), TQvPenStyle::psDot);
  EXPECT_EQ(L2->Color(), clRed);
  EXPECT_FALSE(L2->ActiveGradient());
  EXPECT_EQ(L2->GradientAlign(), gaRight);
  EXPECT_EQ(L2->GradientSize(), 35);
  EXPECT_TRUE(L2->AutoSize());
  EXPECT_EQ(S2->Shape(), skSVG);
  EXPECT_EQ(S2->SvgPath(), L"M0 0 L10 10 Z");
  EXPECT_EQ(S2->Alpha(), 77);
  EXPECT_EQ(S2->RoundRadius(), 12);
  EXPECT_TRUE(S2->Pen()->Visible());
  EXPECT_EQ(S2->Pen()->Style(), TQvPenStyle::psDash);
  EXPECT_EQ(S2->Pen()->Width(), 2);
  EXPECT_EQ(S2->Brush()->Color(), TColor(0x123456));
  EXPECT_EQ(S2->TQvSkinCustomControl::Color(), clLime);
  EXPECT_EQ(C2->Picture(), L"DecorTestRed");
  EXPECT_EQ(C2->Color(), clRed);
  EXPECT_EQ(C2->Alpha(), 0);
  EXPECT_EQ(A2->Images(), Copy.FindComponent(L"Frames"));
  EXPECT_FALSE(A2->AutoSize());
  EXPECT_EQ(A2->Delay(), 40);
  EXPECT_FALSE(A2->Loop());
  EXPECT_TRUE(A2->Reverse());
  EXPECT_EQ(A2->BoundsRect(), Rect(200, 10, 224, 30));
  EXPECT_EQ(ComponentToText(Copy), Text);

  TForm Bad(nullptr);
  EXPECT_THROW(TextToComponent(L"object F: TForm\n object X: TQvSkinShape\n  Shape = "
                               L"skTriangle\n end\nend\n",
                               Bad),
               EReadError);
}

// One form with every decorative control painted once, a running animation among them.
void OneDecorativeCycle() {
  auto Form = std::make_unique<TForm>(nullptr);
  Form->SetBounds(50, 50, 300, 200);
  auto* Images = new TCustomImageList(Form.get());
  TBitmap Strip(32, 16, pf24bit);
  Images->Add(&Strip, nullptr);
  auto* Anim = new TQvSkinAnimation(Form.get());
  Anim->SetParent(Form.get());
  Anim->SetImages(Images);
  Anim->Start();
  auto* Line = new TQvSkinLine(Form.get());
  Line->SetParent(Form.get());
  Line->SetStyle(TQvPenStyle::psDash);
  auto* Shape = new TQvSkinShape(Form.get());
  Shape->SetParent(Form.get());
  Shape->SetShape(skSVG);
  Shape->SetSvgPath(L"M0 0 L40 0 L20 30 Z");
  auto* Circle = new TQvSkinCircleShape(Form.get());
  Circle->SetParent(Form.get());
  Circle->SetPicture(L"QvSkinMsgIcon_Info");
  Form->HandleNeeded();
  for (TWinControl* W : std::initializer_list<TWinControl*>{Anim, Line, Shape, Circle})
    W->HandleNeeded();
  qvtest::PaintOffScreen(Form.get());
  Application->ProcessMessages();
}

using SkinDecorLeak = qvtest::ControlsTest;

TEST_F(SkinDecorLeak, DecorativeControlsReleaseWhatTheyCreate) {
  for (int I = 0; I < 3; ++I) OneDecorativeCycle();
  const int Registered = TQvWinControlHelperObj()->Count();
  const int Timers = QvSimpleTimer::GetSimpleTimerCount();
  qvtest::TSlots Before = qvtest::Probe();
  const unsigned Limit = 100;  // a leak of one object per cycle moves a slot by 300
  for (int I = 0; I < 300; ++I) OneDecorativeCycle();
  qvtest::TSlots After = qvtest::Probe();
  EXPECT_LT(After.Window, Before.Window + Limit) << "windows leak";
  EXPECT_LT(After.Gdi, Before.Gdi + Limit) << "GDI objects leak";
  EXPECT_EQ(TQvWinControlHelperObj()->Count(), Registered);
  EXPECT_EQ(QvSimpleTimer::GetSimpleTimerCount(), Timers);
  EXPECT_EQ(QvSimpleTimer::GetSimpleTimerActiveCount(), 0);
}

}  // namespace

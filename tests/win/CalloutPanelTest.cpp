// The callout panel's client area and pixels over a blue form, and a marker painted into a
// device context.
#include "SkinControlsTestSupport.h"

using namespace qv;

namespace {

using CalloutPanel = qvtest::SkinFormTest;

TEST_F(CalloutPanel, ChildrenFillTheBodyBesideThePointer) {
  auto* Panel = Add<TQvSkinCalloutPanel>(Form.get(), 10, 10, 120, 120);
  auto* Child = Add<qvtest::TProbe>(Panel, 0, 0, 10, 10);
  Child->SetAlign(alClient);
  struct Case {
    TQvCalloutPosition Position;
    TRect Bounds;  // the panel's single border line is inside too
  } Cases[] = {
      {cpTop, {1, 12, 119, 119}},
      {cpLeft, {12, 1, 119, 119}},
      {cpBottom, {1, 1, 119, 108}},
      {cpRight, {1, 1, 108, 119}},
  };
  for (const Case& C : Cases) {
    Panel->SetCalloutPosition(C.Position);
    EXPECT_EQ(Child->BoundsRect(), C.Bounds) << C.Position;
  }
  Panel->SetCalloutLength(20);
  EXPECT_EQ(Child->Left(), 1);
  EXPECT_EQ(Child->Width(), 98);
}

TEST_F(CalloutPanel, PaintsBodyPointerAndOutline) {
  auto* Panel = Add<TQvSkinCalloutPanel>(Form.get(), 10, 10, 120, 120);
  ShowForm();
  const uint32_t Border = 0xBACBD9, Blue = 0x0000FF, White = 0xFFFFFF;
  struct Probe {
    int X, Y;
    uint32_t Expected;
  };
  struct Case {
    Byte Alpha;
    TQvCalloutPosition Position;
    int Offset;
    std::vector<Probe> Probes;
  } Cases[] = {
      {255,
       cpTop,
       0,
       {{20, 11, Border},
        {20, 5, Blue},
        {60, 7, White},
        {60, 60, White},
        {0, 60, Border},
        {119, 60, Border},
        {60, 119, Border}}},
      // Without a fill the form shows through the body and the pointer.
      {0, cpTop, 0, {{60, 60, Blue}, {60, 7, Blue}, {20, 11, Border}}},
      {255, cpLeft, 10, {{11, 5, Border}, {5, 60, Blue}, {6, 21, White}, {11, 60, Border}}},
  };
  for (const Case& C : Cases) {
    Panel->SetAlpha(C.Alpha);
    Panel->SetCalloutPosition(C.Position);
    Panel->SetCalloutOffset(C.Offset);
    qvtest::PumpIdle();
    GdiFlush();
    for (const Probe& P : C.Probes)
      EXPECT_EQ(qvtest::Rgb(*Panel->Buffer(), P.X, P.Y), P.Expected)
          << C.Position << " alpha " << int(C.Alpha) << " at " << P.X << "," << P.Y;
  }
}

TEST_F(CalloutPanel, MarkerDrawsItsBadgeIntoADeviceContext) {
  TBitmap32 Surface;
  Surface.SetSize(60, 40);
  Surface.Clear(Color32(255, 255, 255));
  TQvSkinCircleMarker Marker(nullptr);
  EXPECT_EQ(Marker.Width(), 19);
  EXPECT_EQ(Marker.Height(), 19);
  EXPECT_EQ(Marker.Text(), L"0");
  Marker.SetX(10);
  Marker.SetY(5);
  Marker.Draw(nullptr);  // nothing
  Marker.Draw(Surface.Handle());
  GdiFlush();
  EXPECT_EQ(qvtest::Rgb(Surface, 13, 14), 0x1C7EFBu);  // the brush, left of the text
  EXPECT_EQ(qvtest::Rgb(Surface, 10, 5), 0xFFFFFFu);   // outside the circle
  EXPECT_EQ(qvtest::Rgb(Surface, 40, 14), 0xFFFFFFu);
  // White text in the middle.
  EXPECT_GT(qvtest::CountColor(Surface, 0xFFFFFF, Rect(15, 8, 24, 21)), 0);
  Marker.SetRoundSize(8);
  Marker.Brush()->SetColor(clRed);
  Marker.Draw(Surface.Handle());
  GdiFlush();
  EXPECT_EQ(qvtest::Rgb(Surface, 11, 14), 0xFF0000u);
}

}  // namespace

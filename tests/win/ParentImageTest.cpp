// Capturing what lies beneath a control: a plain parent painted with the graphic siblings
// below the control, a skinned form's picture moved past its frame, no parent at all, and
// graphic children painted over their captured backgrounds.
#include <memory>

#include "SkinControlsTestSupport.h"
#include "graphics/QvCommParentImage.h"
#include "host/Form.h"

using namespace qv;
using qvtest::Rgb;
using qvtest::TBlock;
using qvtest::TPanel;

namespace {

TEST(ParentImage, PlainParentWithTheGraphicSiblingsBelowOnly) {
  TPanel Parent(nullptr, clRed);
  Parent.SetBounds(10, 10, 200, 100);
  auto* Below = new TBlock(&Parent, clLime);  // under the target in z-order
  Below->SetBounds(20, 20, 30, 30);
  Below->SetParent(&Parent);
  auto* Windowed = new TPanel(&Parent, clYellow);  // windowed siblings never show
  Windowed->SetBounds(90, 40, 40, 40);
  Windowed->SetParent(&Parent);
  auto* Target = new TPanel(&Parent, clWhite);
  Target->SetBounds(10, 10, 100, 60);
  Target->SetParent(&Parent);
  auto* Above = new TBlock(&Parent, clBlue);
  Above->SetBounds(60, 20, 30, 30);
  Above->SetParent(&Parent);

  TBitmap32 B;
  B.SetSize(100, 60);
  GetParentImage(Target, &B, Target->BoundsRect());
  EXPECT_EQ(B.Pixel(5, 5), 0xFFFF0000u);  // the parent's own painting, opaque
  EXPECT_EQ(Rgb(B, 15, 15), 0x00FF00u);   // the graphic sibling below
  EXPECT_EQ(Rgb(B, 60, 15), 0xFF0000u);   // not the one above
  EXPECT_EQ(Rgb(B, 85, 45), 0xFF0000u);   // nor the windowed sibling
  EXPECT_FALSE(Parent.ControlState().Contains(csPaintCopy));
  EXPECT_FALSE(Below->ControlState().Contains(csPaintCopy));
}

TEST(ParentImage, NoParentGivesOpaqueWhite) {
  TPanel Orphan(nullptr);
  TBitmap32 B;
  B.SetSize(8, 8);
  B.Clear(Color32(1, 2, 3, 4));
  GetParentImage(&Orphan, &B, Rect(0, 0, 8, 8));
  EXPECT_EQ(B.Pixel(0, 0), 0xFFFFFFFFu);
  EXPECT_EQ(B.Pixel(7, 7), 0xFFFFFFFFu);
}

// A form's skin component: its picture encodes each pixel's position.
class TFakeSkin : public TComponent, public IQvFormBackgroundSource {
 public:
  explicit TFakeSkin(TComponent* AOwner) : TComponent(AOwner) {
    Picture.SetSize(400, 300);
    for (int Y = 0; Y < 300; ++Y)
      for (int X = 0; X < 400; ++X) Picture.SetPixel(X, Y, Color32(X & 255, Y & 255, 7));
  }
  String ClassName() const override { return L"TQvSkinForm"; }
  TBitmap32* GetBackgroundPicture() override { return &Picture; }
  Integer FramWidth() const override { return 4; }
  Integer TitleHeight() const override { return 30; }
  TQvSkinStyle Style() const override { return SkinStyle; }
  TBitmap32 Picture;
  TQvSkinStyle SkinStyle = ssColor;
};

class FormSurface : public ::testing::Test {
 protected:
  void SetUp() override {
    Form = std::make_unique<TForm>(nullptr);
    Form->SetBounds(0, 0, 380, 280);
    Form->SetColor(clBlue);
    Skin = new TFakeSkin(Form.get());
    Control = new TPanel(Form.get());
    Control->SetBounds(10, 20, 50, 40);
    Control->SetParent(Form.get());
  }
  void TearDown() override {
    SetFormSkinLookup(nullptr);
    Form.reset();
  }
  std::unique_ptr<TForm> Form;
  TFakeSkin* Skin = nullptr;
  TPanel* Control = nullptr;
};

TEST_F(FormSurface, RectangleMovesPastTheFrameByStyle) {
  struct {
    TFormBorderStyle Border;
    TQvSkinStyle Style;
    bool Designing;
    bool Installed;
    int DX, DY;    // where the control's top-left comes from in the picture
    bool Painted;  // the platform path instead: the form's own colour
  } Cases[] = {
      {bsNone, ssPicture, false, true, 0, 0, false},     // no frame, no offsets
      {bsSingle, ssColor, false, true, 4, 0, false},     // right by the frame width
      {bsSingle, ssPicture, false, true, 4, 30, false},  // and down by the title height
      {bsSingle, ssColor, true, true, 0, 0, true},       // designing: always painted
      {bsSingle, ssColor, false, false, 0, 0, true},     // nothing installed: painted
  };
  for (auto& C : Cases) {
    SCOPED_TRACE(testing::Message() << "border " << C.Border << " style " << C.Style
                                    << (C.Designing ? " designing" : ""));
    Form->SetBorderStyle(C.Border);
    Skin->SkinStyle = C.Style;
    Control->SetDesigning(C.Designing);
    SetFormSkinLookup(nullptr);
    if (C.Installed)
      SetFormSkinLookup([this](TCustomForm* F) -> IQvFormBackgroundSource* {
        return F == Form.get() ? Skin : nullptr;
      });
    TBitmap32 B;
    B.SetSize(50, 40);
    GetParentImage(Control, &B, Control->BoundsRect());
    if (C.Painted) {
      EXPECT_EQ(Rgb(B, 3, 3), 0x0000FFu);
    } else {
      EXPECT_EQ(B.Pixel(0, 0), Color32(10 + C.DX, 20 + C.DY, 7));
      EXPECT_EQ(B.Pixel(49, 39), Color32(59 + C.DX, 59 + C.DY, 7));
    }
  }
}

TEST_F(FormSurface, CanvasFormFindsTheSkinComponentByClassName) {
  Form->SetBorderStyle(bsSingle);
  Skin->SkinStyle = ssPicture;
  TBitmap32 B;
  B.SetSize(50, 40);
  TCanvas Canvas;
  Canvas.SetHandle(static_cast<HDC>(B.Handle()));
  GetParentImage(Control, &Canvas, Control->BoundsRect());
  GdiFlush();
  EXPECT_EQ(Rgb(B, 0, 0), Rgb(Color32(14, 50, 7)));
  EXPECT_EQ(Rgb(B, 49, 39), Rgb(Color32(63, 89, 7)));

  // The platform path only (GetParentImageEx) paints the form.
  GetParentImageEx(Control, &Canvas);
  GdiFlush();
  EXPECT_EQ(Rgb(B, 0, 0), 0x0000FFu);
  Canvas.SetHandle(nullptr);

  // Without a parent: white over the rectangle's size.
  Control->SetParent(nullptr);
  B.Clear(clBlack32);
  Canvas.SetHandle(static_cast<HDC>(B.Handle()));
  GetParentImage(Control, &Canvas, Rect(100, 100, 110, 105));
  GdiFlush();
  Canvas.SetHandle(nullptr);
  EXPECT_EQ(Rgb(B, 9, 4), 0xFFFFFFu);
  EXPECT_EQ(Rgb(B, 10, 4), 0u);
}

TEST(ParentImage, PaintControlsOverCapturedBackgrounds) {
  TPanel Container(nullptr, clRed);
  Container.SetBounds(0, 0, 200, 100);
  auto* Half = new TBlock(&Container, clBlue, 50);  // see-through: the right half is the parent
  Half->SetBounds(10, 10, 40, 20);
  Half->SetParent(&Container);
  auto* Keyed = new TBlock(&Container, TColor(0xFF00FF));  // the key colour: left out
  Keyed->SetBounds(100, 10, 40, 20);
  Keyed->SetParent(&Container);
  auto* Hidden = new TBlock(&Container, clLime);
  Hidden->SetBounds(10, 50, 40, 20);
  Hidden->SetParent(&Container);
  Hidden->SetVisible(false);

  TBitmap32 Out;
  Out.SetSize(220, 120);
  Out.Clear(clBlack32);
  PaintControls(static_cast<HDC>(Out.Handle()), &Container, nullptr, TPoint{5, 7});
  GdiFlush();
  EXPECT_EQ(Rgb(Out, 15 + 5, 15 + 7), 0x0000FFu);
  EXPECT_EQ(Rgb(Out, 40 + 5, 15 + 7), 0xFF0000u);  // the captured background
  EXPECT_EQ(Rgb(Out, 14, 16), 0u);                 // nothing outside the children
  EXPECT_EQ(Rgb(Out, 110 + 5, 15 + 7), 0u);        // the keyed child
  EXPECT_EQ(Rgb(Out, 20 + 5, 60 + 7), 0u);         // the invisible child
}

}  // namespace

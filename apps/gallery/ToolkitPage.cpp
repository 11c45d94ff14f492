// The drawing toolkit at work: state strips cut apart, nine-block stretching at several
// sizes, tiling and cover fit, hue/saturation/lightness shifts, glowing text, gradients,
// the box blur and a few shapes, all composed on one surface.
#include <algorithm>

#include "BufferedPage.h"
#include "graphics/BitmapHelper.h"
#include "graphics/QvGR32LibColor.h"
#include "graphics/QvGR32LibShapes.h"
#include "graphics/QvGR32LibSlicing.h"
#include "raster/Bitmap32.h"
#include "resources/QvSkinIntfPictures.h"
#include "resources/QvSkinResManager.h"

namespace gallery {

namespace {

using namespace qv;

constexpr int kPad = 16;
constexpr TColor32 kInk = Color32(60, 66, 74);

class TToolkitPage : public TBufferedPage {
 public:
  String Title() const override { return L"Drawing toolkit"; }

 protected:
  // ---- helpers ----

  void Caption(int X, int Y, const String& Text, bool Heading = false) {
    Buffer().Font()->SetStyle(Heading ? TFontStyles{fsBold} : TFontStyles{});
    Buffer().Font()->SetColor(Heading ? TColor(0x4A3A20) : WinColor(kInk));
    Buffer().Textout(X, Y, Text);
  }

  // A checkerboard under Area, so that transparency shows: one tile, repeated.
  void Checker(const TRect& Area) {
    TBitmap32 Tile, Board;
    Tile.SetSize(12, 12);
    Tile.Clear(Color32(246, 247, 249));
    Tile.FillRectS(0, 0, 6, 6, Color32(226, 229, 233));
    Tile.FillRectS(6, 6, 12, 12, Color32(226, 229, 233));
    Board.SetSize(Area.Width(), Area.Height());
    TileBitmap(&Tile, &Board);
    Buffer().Draw(Area.Left, Area.Top, &Board);
  }

  void Place(TCustomBitmap32& Picture, int X, int Y) {
    Checker(Bounds(X, Y, Picture.Width(), Picture.Height()));
    Buffer().Draw(X, Y, &Picture);
  }

  // A picture of the default skin cut from its strip.
  bool Cut(const wchar_t* ResID, int Count, int Index, TCustomBitmap32& Into) {
    TPngPictures Pictures;
    Pictures.SetImage(ResID);
    Pictures.SetCount(Count);
    return Pictures.GetImageByIndex(Index, &Into);
  }

  // ---- sections ----

  int Strips(int Y) {
    Caption(kPad, Y, L"State strips cut apart (TPngPictures: eight blended passes)", true);
    Y += 22;
    struct Strip {
      const wchar_t* ResID;
      int Count;
      const wchar_t* Names;
    };
    const Strip Strips[] = {{L"QvSkinButton", 5, L"normal · hot · pressed · disabled · 5th"},
                            {L"QvSkinBtn_close", 3, L"normal · hot · pressed"},
                            {L"QvSkinFlatBtn", 3, L"normal · hot · pressed"}};
    int X = kPad;
    for (const Strip& S : Strips) {
      TQvSkinImage* Source = TQvSkinResManagerObj()->GetImageByName(S.ResID);
      if (!Source) continue;
      Place(*Source, X, Y);
      int CX = X;
      for (int I = 0; I < S.Count; ++I) {
        TBitmap32 State;
        if (!Cut(S.ResID, S.Count, I, State)) break;
        Place(State, CX, Y + Source->Height() + 8);
        CX += State.Width() + 8;
      }
      String Label = S.ResID + String(L": ") + S.Names;
      Caption(X, Y + 2 * Source->Height() + 12, Label);
      X = std::max({X + Source->Width(), CX, X + Buffer().TextWidth(Label)}) + 2 * kPad;
    }
    return Y + 2 * 27 + 40;
  }

  int Stretching(int Y) {
    Caption(kPad, Y, L"Nine-block stretching: corners kept, sides stretched, top and bottom tiled",
            true);
    Y += 22;
    TBitmap32 Normal;
    Cut(L"QvSkinButton", 5, 0, Normal);
    const TSize Sizes[] = {{30, 18}, {68, 27}, {120, 32}, {200, 48}, {320, 80}};
    int X = kPad;
    for (TSize S : Sizes) {
      TBitmap32 Target;
      Target.SetSize(S.cx, S.cy);
      Target.SetDrawMode(dmBlend);
      StretchBitmap(&Normal, &Target, false);
      Place(Target, X, Y);
      Caption(X, Y + S.cy + 4, std::to_wstring(S.cx) + L" x " + std::to_wstring(S.cy));
      X += S.cx + kPad;
    }
    // Three-slice resize, tiling and cover fit of the same picture.
    auto Horz = ResizeHorzImg(&Normal, 180, 6);
    Place(*Horz, X, Y);
    Caption(X, Y + Horz->Height() + 4, L"ResizeHorzImg 180, caps 6");
    X += 180 + kPad;
    TBitmap32 Tiled, Cover, Picture;
    Tiled.SetSize(150, 70);
    Tiled.SetDrawMode(dmBlend);
    TileBitmap(&Normal, &Tiled, -20, -10);
    Place(Tiled, X, Y);
    Caption(X, Y + 74, L"TileBitmap from (-20, -10)");
    X += 150 + kPad;
    Sample(Picture);
    Cover.SetSize(70, 70);
    AutoStretchBitmapEx(&Picture, &Cover);
    Place(Cover, X, Y);
    Caption(X, Y + 74, L"Cover fit 70 x 70");
    return Y + 80 + 40;
  }

  // A colourful sample: a hue ramp under a stretched button with a caption.
  void Sample(TBitmap32& B) {
    B.SetSize(130, 56);
    FillGradient(&B, 0x3050F0, 0xF0A030, true, Rect(0, 0, 130, 28));
    FillGradient(&B, 0x40C040, 0xC04080, true, Rect(0, 28, 130, 56));
    TBitmap32 Normal, Button;
    Cut(L"QvSkinButton", 5, 1, Normal);
    Button.SetSize(90, 30);
    StretchBitmap(&Normal, &Button, false);
    Button.SetDrawMode(dmBlend);
    B.Draw(20, 13, &Button);
  }

  int Colours(int Y) {
    Caption(kPad, Y, L"Hue, saturation and lightness (ApplyHSL) and HSB adjustment", true);
    Y += 22;
    struct Shift {
      const wchar_t* Name;
      int H, S, L;
      bool HSB;
    };
    const Shift Shifts[] = {
        {L"original", 0, 0, 0, false},       {L"HSL hue +40", 40, 0, 0, false},
        {L"HSL hue +128", 128, 0, 0, false}, {L"HSL sat -50", 0, -50, 0, false},
        {L"HSL light +50", 0, 0, 50, false}, {L"HSB hue 120", 120, 0, 0, true},
        {L"HSB sat -100", 0, -100, 0, true}, {L"HSB bright -40", 0, 0, -40, true}};
    int X = kPad;
    for (const Shift& S : Shifts) {
      TBitmap32 B;
      Sample(B);
      if (S.HSB)
        GdipHSBAdjustment(&B, S.H, S.S, S.L);
      else if (S.H || S.S || S.L)
        ApplyHSL(&B, S.H, S.S, S.L);
      Place(B, X, Y);
      Caption(X, Y + B.Height() + 4, S.Name);
      X += B.Width() + 12;
    }
    return Y + 56 + 40;
  }

  int Glow(int Y) {
    Caption(kPad, Y, L"Glowing text (DrawEffectText), gradients (FillGradient) and ColorBlend",
            true);
    Y += 22;
    HDC DC = HDC(Buffer().Handle());
    struct Box {
      TColor From, To, Glow, Text;
      int Strength;
      const wchar_t* Caption;
    };
    const Box Boxes[] = {{0x503010, 0x805020, 0xFFFFFF, 0x503010, 2, L"白色光晕 Glow"},
                         {0xF0F0F0, 0xD0D0D0, 0x00D0FF, 0x202020, 1, L"Gold glow"},
                         {0x202020, 0x404040, 0x4040FF, 0xFFFFFF, 3, L"Red, strength 3"}};
    HFONT Font = CreateFontW(-22, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                             ANTIALIASED_QUALITY, 0, L"Microsoft YaHei");
    int X = kPad;
    for (const Box& B : Boxes) {
      TRect R = Bounds(X, Y, 220, 56);
      FillGradient(&Buffer(), B.From, B.To, false, R);
      HGDIOBJ Old = SelectObject(DC, Font);
      DrawEffectText(DC, R, B.Caption, DT_CENTER | DT_VCENTER | DT_SINGLELINE, 0, B.Glow,
                     B.Strength);
      SetBkMode(DC, TRANSPARENT);
      SetTextColor(DC, COLORREF(B.Text));
      RECT TR{R.Left, R.Top, R.Right, R.Bottom};
      DrawTextW(DC, B.Caption, -1, &TR, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
      SelectObject(DC, Old);
      GdiFlush();
      X += 220 + kPad;
    }
    DeleteObject(Font);
    // A horizontal and a vertical gradient with a half-transparent sheet over them.
    FillGradient(&Buffer(), clBlack, clWhite, true, Bounds(X, Y, 160, 26));
    FillGradient(&Buffer(), 0xFF8000, 0x0080FF, false, Bounds(X, Y + 30, 160, 26));
    ColorBlend(DC, Bounds(X + 100, Y, 60, 56), 0x00FFFF, 128);
    GdiFlush();
    return Y + 56 + 28;
  }

  int BlurAndShapes(int Y) {
    Caption(kPad, Y, L"Box blur (QvBoxBlur, then grey), shapes, tint and edge fade", true);
    Y += 22;
    int X = kPad;
    for (int Radius : {0, 1, 4, 16}) {
      TBitmap32 B;
      Sample(B);
      B.Font()->SetHeight(-16);
      B.Font()->SetColor(clWhite);
      B.Textout(8, 4, L"Blur");
      B.ResetAlpha();
      QvBoxBlur(&B, Radius, 1);
      Place(B, X, Y);
      Caption(X, Y + B.Height() + 4, Radius ? L"radius " + std::to_wstring(Radius) : L"original");
      X += B.Width() + 12;
    }
    TBitmap32 Shapes;
    Shapes.SetSize(200, 56);
    Shapes.Clear(0xFFFFFFFF);
    DrawRoundRectangle(&Shapes, Rect(2, 2, 90, 54), 0xC06020, 16);
    DrawRoundRectangle(&Shapes, Rect(10, 10, 82, 46), 0x2060C0, 40);
    TBitmap32 Face;
    Sample(Face);
    DrawImageInCircle(&Shapes, Rect(110, 2, 162, 54), &Face, 0x30A030);
    Place(Shapes, X, Y);
    Caption(X, Y + 60, L"round rectangles, picture in circle");
    X += 200 + 12;
    TBitmap32 Tinted;
    Sample(Tinted);
    ApplyColorMask32(&Tinted, TColor(0x2090F0));
    Place(Tinted, X, Y);
    Caption(X, Y + 60, L"ApplyColorMask32");
    X += Tinted.Width() + 12;
    TBitmap32 Faded;
    Faded.SetSize(240, 150);
    FillGradient(&Faded, 0x6040F0, 0x20C0F0, true, Faded.BoundsRect());
    TColor Average;
    MakeBmp(&Faded, Average);
    Place(Faded, X, Y);
    Caption(X, Y + 154, L"MakeBmp: edges faded to the average");
    return Y + 170;
  }

  void Compose(int Width, int Height) override {
    Buffer().Clear(Color32(255, 255, 255));
    Buffer().Font()->SetName(L"Tahoma");
    Buffer().Font()->SetHeight(-12);
    int Y = kPad;
    Y = Strips(Y);
    Y = Stretching(Y);
    Y = Colours(Y);
    Y = Glow(Y);
    BlurAndShapes(Y);
  }

};

const TPageRegistration gRegistration(20, [] {
  return std::unique_ptr<TGalleryPage>(new TToolkitPage());
});

}  // namespace

}  // namespace gallery

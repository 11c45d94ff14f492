// The built-in skin's two themes and its high-DPI pictures: a few pictures of each theme drawn
// at 100, 150, 200 and 300 %, and what this screen's scale picks. The gallery's "Pages" menu
// switches the running theme.
#include <windows.h>

#include <algorithm>

#include "BufferedPage.h"
#include "host/Platform.h"
#include "host/Streams.h"
#include "raster/Gr32Png.h"
#include "resources/DefaultSkinTable.h"
#include "resources/QvSkinTheme.h"

namespace gallery {

namespace {

constexpr int kPad = 16, kGap = 12;
// Pictures narrow enough that all four sizes fit side by side in half the page.
const wchar_t* const kIds[] = {L"QvSkinCheckBox",     L"QvSkinRadiobtn",
                               L"QvSkinTips_close",   L"QvSkinMenu_icon_check",
                               L"QvSkinDropdownMenu", L"QvSkinMsgIcon_Info"};
constexpr int kScales[] = {100, 150, 200, 300};

void Decode(const qv::TEmbeddedFile& File, qv::TBitmap32& Image) {
  qv::TMemoryStream Stream(std::vector<uint8_t>(File.Data, File.Data + File.Size));
  bool Alpha = false;
  qv::LoadPNGintoBitmap32(&Image, Stream, Alpha);
  Image.SetDrawMode(qv::dmBlend);
}

void Text(HDC DC, int X, int Y, const std::wstring& S, COLORREF Color) {
  SetTextColor(DC, Color);
  TextOutW(DC, X, Y, S.c_str(), int(S.size()));
}

class TThemesPage : public TBufferedPage {
 public:
  qv::String Title() const override { return L"Themes and DPI"; }

 protected:
  void Compose(int Width, int Height) override {
    Buffer().Clear(qv::Color32(255, 255, 255));
    HDC DC = HDC(Buffer().Handle());
    HFONT Font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                             ANTIALIASED_QUALITY, 0, L"Tahoma");
    HGDIOBJ Old = SelectObject(DC, Font);
    SetBkMode(DC, TRANSPARENT);

    const int Dpi = qv::ScreenPixelsPerInch();
    const qv::String Suffix = qv::QvResDPIScaleToText(qv::ScaleToQvResDPIScale(Dpi / 96.0));
    Text(DC, kPad, kPad,
         L"Screen: " + std::to_wstring(Dpi) + L" DPI (" + std::to_wstring(Dpi * 100 / 96) +
             L" %); pictures for this scale: " +
             (Suffix.empty() ? std::wstring(L"the plain ones") : L"\"<ID>" + Suffix + L"\""),
         RGB(43, 50, 60));
    Text(DC, kPad, kPad + 20,
         std::wstring(L"Running theme: ") +
             (qv::DefaultSkinTheme() == qv::stDark ? L"dark" : L"light") +
             L" (switch it in the Pages menu). Below, each theme's pictures at 100, 150, 200 "
             L"and 300 %, every one drawn at its size.",
         RGB(43, 50, 60));
    GdiFlush();

    const int Top = kPad + 50, PanelW = (Width - 3 * kPad) / 2;
    DrawTheme(DC, qv::stLight, kPad, Top, PanelW, Height - Top - kPad);
    DrawTheme(DC, qv::stDark, 2 * kPad + PanelW, Top, PanelW, Height - Top - kPad);
    SelectObject(DC, Old);
    DeleteObject(Font);
  }

 private:
  void DrawTheme(HDC DC, qv::TQvSkinTheme Theme, int X0, int Y0, int W, int H) {
    const bool Dark = Theme == qv::stDark;
    Buffer().FillRectS(X0, Y0, X0 + W, Y0 + H,
                       Dark ? qv::Color32(38, 40, 43) : qv::Color32(245, 246, 248));
    GdiFlush();
    Text(DC, X0 + kGap, Y0 + kGap, Dark ? L"Dark" : L"Light",
         Dark ? RGB(232, 234, 237) : RGB(43, 50, 60));
    GdiFlush();
    int Y = Y0 + kGap + 24;
    for (const wchar_t* Id : kIds) {
      int X = X0 + kGap, RowH = 0;
      for (int Scale : kScales) {
        qv::String Name = Id;
        if (Scale != 100) Name += L"@DPI" + std::to_wstring(Scale);
        const qv::TEmbeddedFile* File = qv::FindDefaultSkinFile(Name, Theme);
        if (!File) continue;
        qv::TBitmap32 Image;
        Decode(*File, Image);
        Buffer().Draw(X, Y, &Image);
        X += Image.Width() + kGap;
        RowH = std::max(RowH, Image.Height());
      }
      Y += RowH + kGap;
    }
  }
};

const TPageRegistration gThemes(170, [] { return std::unique_ptr<TGalleryPage>(new TThemesPage); });

}  // namespace

}  // namespace gallery

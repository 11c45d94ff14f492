// windows.h first: it renames TCanvas::TextOut to TextOutW, as in the library.
#include <windows.h>

#include "ControlsHost.h"
#include "host/Font.h"
#include "resources/QvSkinTheme.h"

namespace gallery {

using namespace qv;

TControlsHost::TControlsHost(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle.Include(csAcceptsControls);
  SetDoubleBuffered(true);
}

void TControlsHost::Paint() {
  TCanvas& C = *Canvas();
  // The dark theme darkens the usual ground and lightens the texts.
  const bool Dark = DefaultSkinTheme() == stDark;
  C.Brush().SetColor(Dark && Ground == TColor(0xF8F6F3) ? TColor(0x2B2826) : Ground);
  C.FillRect(ClientRect());
  if (OnPaintGround) OnPaintGround(C);
  C.Brush().SetStyle(bsClear);
  C.Font().SetName(L"Tahoma");
  for (const TText& T : FTexts) {
    C.Font().SetHeight(T.Heading ? -14 : -12);
    C.Font().SetStyle(T.Heading ? TFontStyles{fsBold} : TFontStyles{});
    if (Dark)
      C.Font().SetColor(T.Heading ? TColor(0xF0E2D0) : TColor(0xD3CDC9));
    else
      C.Font().SetColor(T.Heading ? TColor(0x4A3A20) : TColor(0x4A423C));
    C.TextOut(T.X, T.Y, T.Text);
  }
}

}  // namespace gallery

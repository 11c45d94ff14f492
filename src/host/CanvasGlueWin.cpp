#include "host/CanvasGlue.h"

#include "host/Font.h"

#if __has_include("host/Canvas.h")
#include "host/Canvas.h"
#define QV_HOST_CANVAS 1
#else
namespace qv {
// Stand-in until the host canvas is merged: a device context and a font.
class TCanvas {
 public:
  HDC Handle() const { return FHandle; }
  void SetHandle(HDC DC) { FHandle = DC; }
  TFont* Font() { return &FFont; }

 private:
  HDC FHandle = nullptr;
  TFont FFont;
};
}  // namespace qv
#endif

namespace qv {

void TCanvasDeleter::operator()(TCanvas* Canvas) const { delete Canvas; }
TCanvasPtr NewCanvas() { return TCanvasPtr(new TCanvas()); }
void SetCanvasHandle(TCanvas* Canvas, HDC DC) { Canvas->SetHandle(DC); }
HDC CanvasHandle(TCanvas* Canvas) { return static_cast<HDC>(Canvas->Handle()); }
TFont* CanvasFont(TCanvas* Canvas) { return Canvas->Font(); }

}  // namespace qv

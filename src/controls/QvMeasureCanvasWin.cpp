#include <windows.h>

#include "controls/QvMeasureCanvas.h"

namespace qv {

namespace {

class TMeasureCanvas : public TCanvas {
 public:
  ~TMeasureCanvas() override {
    HDC DC = FDC;
    SetHandle(nullptr);
    if (DC) DeleteDC(DC);
  }

 protected:
  void CreateHandle() override {
    FDC = CreateCompatibleDC(nullptr);
    SetHandle(FDC);
  }

 private:
  HDC FDC = nullptr;
};

}  // namespace

std::unique_ptr<TCanvas> NewMeasureCanvas() {
  return std::make_unique<TMeasureCanvas>();
}

TSize CalcTextSize(TCanvas& Canvas, const String& Text, uint32_t Flags, int Width) {
  HDC DC = Canvas.Handle();
  RECT R{0, 0, Width, 0};
  HGDIOBJ Old = SelectObject(DC, Canvas.Font().Handle());
  DrawTextW(DC, Text.c_str(), int(Text.size()), &R, Flags | DT_CALCRECT);
  SelectObject(DC, Old);
  return {R.right - R.left, R.bottom - R.top};
}

}  // namespace qv

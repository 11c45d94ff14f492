#pragma once
// A gallery page drawn entirely on an off-screen surface: a child window whose every paint
// lets the page compose its buffer at the window's size and copies it out.
#include "GalleryPage.h"
#include "raster/Bitmap32.h"

namespace gallery {

class TBufferedPage : public TGalleryPage {
 public:
  void Show(HWND Parent, const RECT& ClientRect) override;
  void Hide() override;

 protected:
  // Fills Buffer(), already sized Width × Height.
  virtual void Compose(int Width, int Height) = 0;
  // After the window was created / before it goes.
  virtual void Shown() {}
  virtual void Hiding() {}
  HWND Window() const { return FWindow; }
  qv::TBitmap32& Buffer() { return FBuffer; }

 private:
  static LRESULT CALLBACK WndProc(HWND Wnd, UINT Msg, WPARAM W, LPARAM L);
  HWND FWindow = nullptr;
  qv::TBitmap32 FBuffer;
};

}  // namespace gallery

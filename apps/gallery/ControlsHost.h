#pragma once
// The surface of a gallery page that hosts real controls: a plain ground, whatever the
// page paints on it, then headings and labels. The see-through controls on it take their
// background from this painting.
#include <functional>
#include <vector>

#include "host/CustomControl.h"

namespace gallery {

class TControlsHost : public qv::TCustomControl {
 public:
  explicit TControlsHost(qv::TComponent* AOwner);
  qv::String ClassName() const override { return L"TGalleryControlsHost"; }

  void Heading(int X, int Y, const qv::String& Text) { FTexts.push_back({X, Y, Text, true}); }
  void Label(int X, int Y, const qv::String& Text) { FTexts.push_back({X, Y, Text, false}); }

  qv::TColor Ground = qv::TColor(0xF8F6F3);
  // Paints over the ground, below the texts.
  std::function<void(qv::TCanvas&)> OnPaintGround;

 protected:
  void Paint() override;

 private:
  struct TText {
    int X, Y;
    qv::String Text;
    bool Heading;
  };
  std::vector<TText> FTexts;
};

// A control of type T owned by Owner, placed at (X, Y, W, H) on Parent: how every page
// puts its controls down.
template <typename T>
T* AddControl(qv::TComponent* Owner, qv::TWinControl* Parent, int X, int Y, int W, int H) {
  auto* C = new T(Owner);
  C->SetBounds(X, Y, W, H);
  C->SetParent(Parent);
  return C;
}

}  // namespace gallery

#pragma once
// What lies beneath a see-through control: the picture of its parent, captured into a
// 32-bit surface or onto a canvas, and the painting of a container's graphic children
// over their captured backgrounds.
//
// A skinned parent hands over its finished surface (IQvBackgroundSource); any other
// parent is painted into the target together with the graphic siblings below the
// control. The form's skin component lives in a higher layer: it implements
// IQvFormBackgroundSource and the forms layer installs the lookup that finds it.
// Windows only (QvCommParentImageWin.cpp); the header names platform handles opaquely.
#include <functional>

#include "host/PlatformTypes.h"
#include "host/Types.h"
#include "resources/QvSkinIntfTypes.h"

namespace qv {

class TControl;
class TWinControl;
class TCustomForm;
class TCanvas;
class TBitmap32;

// A skinned parent whose finished surface its children copy as their background
// (skinned controls, tab sheets, page controls).
class IQvBackgroundSource {
 public:
  // The surface in the parent's client coordinates; nil when there is none.
  virtual TBitmap32* GetBackgroundPicture() = 0;

 protected:
  ~IQvBackgroundSource() = default;
};

// The skin component of a form. Its picture covers the whole window, frame and title bar
// included, so a child's rectangle moves by the frame metrics (96-DPI sizes).
class IQvFormBackgroundSource : public IQvBackgroundSource {
 public:
  virtual Integer FramWidth() const = 0;
  virtual Integer TitleHeight() const = 0;
  virtual TQvSkinStyle Style() const = 0;

 protected:
  ~IQvFormBackgroundSource() = default;
};

// Maps a form to its skin component (nil: the form is not skinned). Installed by the
// forms layer; until then forms have no skinned surface. An empty function uninstalls.
using TQvFormSkinLookup = std::function<IQvFormBackgroundSource*(TCustomForm* Form)>;
void SetFormSkinLookup(TQvFormSkinLookup Lookup);

// Fills Bitmap with what lies under Control; Rect is the part of the parent's picture to
// take (the control's bounds in parent coordinates, possibly moved by the caller).
// Without a parent the bitmap becomes opaque white.
void GetParentImage(TControl* Control, TBitmap32* Bitmap, const TRect& Rect);
void DrawParentImage(TControl* Control, TBitmap32* Bitmap, const TRect& Rect);
// The same onto a canvas: only a form's skin component ("TQvSkinForm") counts as a
// skinned parent; its picture is stretch-copied into the canvas's clip box.
void GetParentImage(TControl* Control, TCanvas* Canvas, const TRect& Rect);
void DrawParentImage(TControl* Control, TCanvas* Canvas, const TRect& Rect);
// The parent painted onto the canvas for Control's bounds (never a skinned surface).
void GetParentImageEx(TControl* Control, TCanvas* Canvas);

// Paints the eligible graphic children of Container (from First upwards; nil: all) onto
// DC over their captured backgrounds, each at its position moved by Offset. A child whose
// top-left pixel comes out as the key colour magenta is left out.
void PaintControls(HDC DC, TWinControl* Container, TControl* First, TPoint Offset);

// Kept for callers of the old interface; does nothing.
inline void CopyCanvasRegionToBitmap(TCanvas*, TBitmap32*, const TRect&) {}

}  // namespace qv

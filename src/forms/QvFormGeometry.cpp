#include "forms/QvFormGeometry.h"

#include <algorithm>

namespace qv {

namespace {

bool Inside(const TRect& R, TPoint P) {
  return R.Left <= P.X && P.X < R.Right && R.Top <= P.Y && P.Y < R.Bottom;
}

// Free strip left beside an auto-hidden taskbar.
constexpr int AutoHideStrip = 2;

}  // namespace

int FormHitTest(const TQvFormHitTest& In, TPoint P) {
  const int W = In.HitTestWidth, Width = In.Window.cx, Height = In.Window.cy;
  if (In.SizingZones && W > 0) {
    static constexpr int Codes[] = {qhtTopLeft,     qhtTop,    qhtTopRight,   qhtRight,
                                    qhtBottomRight, qhtBottom, qhtBottomLeft, qhtLeft};
    const TRect Zones[] = {
        {0, 0, W, W},
        {W, 0, Width - W, W},
        {Width - W, 0, Width, W},
        {Width - W, W, Width, Height - W},
        {Width - W, Height - W, Width, Height},
        {W, Height - W, Width - W, Height},
        {0, Height - W, W, Height},
        {0, W, W, Height - W},
    };
    for (int I = 0; I < 8; ++I)
      if (Inside(Zones[I], P)) return Codes[I];
  }
  if (!In.MaxButton.IsEmpty() && Inside(In.MaxButton, P)) return qhtMaxButton;
  if (Inside(TRect{0, 0, Width, In.TitleHeight}, P)) return qhtCaption;
  if (Inside(In.Client, P)) return qhtClient;
  return qhtNowhere;
}

TQvMaxInfo FormMaxInfo(const TQvMaxInfoInput& In) {
  TQvMaxInfo Out;
  TRect Area = In.WorkArea;
  if (In.AutoHideEdges.Contains(sdLeft)) Area.Left += AutoHideStrip;
  if (In.AutoHideEdges.Contains(sdTop)) Area.Top += AutoHideStrip;
  if (In.AutoHideEdges.Contains(sdRight)) Area.Right -= AutoHideStrip;
  if (In.AutoHideEdges.Contains(sdBottom)) Area.Bottom -= AutoHideStrip;
  Out.MaxPosition = TPoint{Area.Left - In.Monitor.Left, Area.Top - In.Monitor.Top};
  // A form created maximised is one pixel short, so that growing it after the first show
  // lays it out once more.
  Out.MaxSize = TSize{Area.Width(), Area.Height() - (In.CreatedMaximized ? 1 : 0)};

  int MinH = In.MinSize.cy ? In.MinSize.cy : In.TitleHeight + (In.FlatFrame ? 30 : 6);
  int MinW = In.MinSize.cx ? In.MinSize.cx : 120;
  Out.MinTrack = TSize{std::min(MinW, Area.Width()), std::min(MinH, Area.Height())};
  Out.MaxTrack = TSize{In.MaxSize.cx ? std::max(In.MaxSize.cx, Out.MinTrack.cx) : 0,
                       In.MaxSize.cy ? std::max(In.MaxSize.cy, Out.MinTrack.cy) : 0};
  return Out;
}

}  // namespace qv

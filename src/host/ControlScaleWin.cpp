// Scaling a control tree between pixel densities; the rule itself is in ControlScale.h.
#include "host/ControlScaleWin.h"

#include <windows.h>

#include <unordered_map>

#include "host/ControlScale.h"
#include "host/Font.h"
#include "host/ScopeGuard.h"
#include "host/WinControl.h"

// Newer than the systems the headers are set for.
#ifndef WM_DPICHANGED_AFTERPARENT
#define WM_DPICHANGED_AFTERPARENT 0x02E3
#endif

namespace qv {

namespace {

// The records of the controls that have been scaled.
std::unordered_map<const TControl*, TControlScale>& Records() {
  static std::unordered_map<const TControl*, TControlScale> R;
  return R;
}

TControlScale* Find(const TControl* C) {
  auto& R = Records();
  auto It = R.find(C);
  return It == R.end() ? nullptr : &It->second;
}

TSizeLimits LimitsOf(const TControl* C) {
  const TSizeConstraints& L = *C->Constraints();
  return {L.MinWidth(), L.MinHeight(), L.MaxWidth(), L.MaxHeight()};
}

void Notify(TControl* C, int NewPPI) {
  C->Perform(WM_DPICHANGED_AFTERPARENT, uintptr_t(NewPPI), 0);
  if (auto* W = dynamic_cast<TWinControl*>(C))
    for (int I = 0; I < W->ControlCount(); ++I) Notify(W->Controls(I), NewPPI);
}

}  // namespace

void TControlAccess::PlacedByHand(TControl* C) {
  TControlScale* S = Find(C);
  if (!S || S->Scaling) return;
  const TSize Parent = C->FAnchorRulesValid ? C->FAnchorParentSize : TSize{};
  S->Placement = {{C->FAnchorBounds, Parent}, S->PPI};
}

void TControlAccess::LimitsSetByHand(TControl* C) {
  TControlScale* S = Find(C);
  if (S && !S->Scaling) S->Limits = {LimitsOf(C), S->PPI};
}

void TControlAccess::FontSetByHand(TControl* C) {
  TControlScale* S = Find(C);
  if (S && !S->Scaling) S->FontHeight = {C->FFont->Height(), S->PPI};
}

void TControlAccess::Forget(const TControl* C) {
  Records().erase(C);
}

TControlScale& TControlAccess::Record(TControl* C) {
  auto [It, New] = Records().try_emplace(C);
  TControlScale& S = It->second;  // nodes stay put while other records come and go
  if (New) {
    // Never scaled: what it has now was set at 96.
    const TSize Parent = C->FAnchorRulesValid ? C->FAnchorParentSize : TSize{};
    S.Placement = {{C->FAnchorBounds, Parent}, DesignDpi};
    S.Limits = {LimitsOf(C), DesignDpi};
    S.FontHeight = {C->FFont->Height(), DesignDpi};
  }
  return S;
}

void TControlAccess::Prepare(TControl* C, int NewPPI) {
  TControlScale& S = Record(C);
  S.PPI = NewPPI;
  // Until the tree is done, whatever the controls' own code sets (a parent placing its
  // inner parts, a label measuring itself) takes no new base.
  S.Scaling = true;
  if (auto* W = dynamic_cast<TWinControl*>(C))
    for (int I = 0; I < W->ControlCount(); ++I) Prepare(W->Controls(I), NewPPI);
}

void TControlAccess::Finish(TControl* C) {
  if (TControlScale* S = Find(C)) S->Scaling = false;
  if (auto* W = dynamic_cast<TWinControl*>(C))
    for (int I = 0; I < W->ControlCount(); ++I) Finish(W->Controls(I));
}

void TControlAccess::ScaleOne(TControl* C) {
  TControlScale& S = Record(C);
  const int NewPPI = S.PPI;
  {
    // The bounds are placed below: no placement for each single limit.
    TScopedValue Quiet(C->FConstraints->OnChange, TNotifyEvent{});
    const TSizeLimits L = ScaleLimits(S.Limits, NewPPI);
    C->FConstraints->SetMinWidth(L.MinWidth);
    C->FConstraints->SetMinHeight(L.MinHeight);
    C->FConstraints->SetMaxWidth(L.MaxWidth);
    C->FConstraints->SetMaxHeight(L.MaxHeight);
  }
  // The font keeps its size in points: its height follows the density it is drawn at.
  C->FFont->SetPixelsPerInch(NewPPI);
  if (C->FParentFont && C->FParent)
    C->ParentFontChanged();
  else
    C->FFont->SetHeight(ScaleFontHeight(S.FontHeight, NewPPI));
  // A control without parent is placed by ScaleForPPI.
  if (!C->FParent) return;
  const TPlacementRule Rule = ScaleRule(S.Placement, NewPPI);
  if (C->FAnchorRulesValid) {
    C->FAnchorBounds = Rule.Bounds;
    C->FAnchorParentSize = Rule.ParentSize;
  }
  TScopedValue Placed(C->FPlacedByParent, true);
  C->SetBoundsRect(Rule.Bounds);
}

void TControlAccess::ScaleTree(TControl* C) {
  auto* W = dynamic_cast<TWinControl*>(C);
  if (!W) return ScaleOne(C);
  // The children are aligned and anchored once all of them have their new rules; the
  // control itself comes last, so that its own code places its inner parts.
  W->DisableAlign();
  TScopeExit Enable([W] { W->EnableAlign(); });
  for (int I = 0; I < W->ControlCount(); ++I) ScaleTree(W->Controls(I));
  ScaleOne(C);
  C->FControlState.Include(csAlignmentNeeded);
}

int ControlPPI(const TControl* Control) {
  const TControlScale* S = Find(Control);
  return S ? S->PPI : DesignDpi;
}

TSize ScaledSize(const TControl* Control, int NewPPI) {
  const TControlScale* S = Find(Control);
  // The size itself, not the edges: a window's screen position must not change its size.
  const TRect R = S ? S->Placement.Value.Bounds : Control->BoundsRect();
  return ScaleSize({R.Width(), R.Height()}, NewPPI, S ? S->Placement.PPI : DesignDpi);
}

void ScaleForPPI(TControl* Control, int NewPPI, const TRect* NewBounds) {
  const int OldPPI = ControlPPI(Control);
  if (!Control || NewPPI <= 0 || (NewPPI == OldPPI && !NewBounds)) return;
  auto* W = dynamic_cast<TWinControl*>(Control);
  {
    // The root's children wait for its final client size too.
    if (W) W->DisableAlign();
    TScopeExit Enable([W] {
      if (W) W->EnableAlign();
    });
    TControlAccess::Prepare(Control, NewPPI);
    TScopeExit Done([Control] { TControlAccess::Finish(Control); });
    if (NewPPI != OldPPI) TControlAccess::ScaleTree(Control);
    if (!Control->Parent() || NewBounds) {
      const TSize Size = ScaledSize(Control, NewPPI);
      Control->SetBoundsRect(NewBounds ? *NewBounds
                                       : Bounds(Control->Left(), Control->Top(), Size.cx, Size.cy));
    }
  }
  if (NewPPI != OldPPI) Notify(Control, NewPPI);
}

}  // namespace qv

#include <windows.h>
// after <windows.h>
#include <commctrl.h>

#include <cstdlib>

#include "host/DragObject.h"
#include "host/Graphics.h"
#include "host/ImageList.h"
#include "host/WinControl.h"

namespace qv {

TPictureDragObjectEx::TPictureDragObjectEx(TBitmap* Picture, TColor MaskColor)
    : FDragImages(std::make_unique<TCustomImageList>(nullptr)) {
  if (!Picture || Picture->Empty()) return;
  FDragImages->SetSize(Picture->Width(), Picture->Height());
  FDragImages->AddMasked(Picture, MaskColor);
}

TPictureDragObjectEx::~TPictureDragObjectEx() = default;

void TPictureDragObjectEx::Finished(TObject* Target, int X, int Y, bool Accepted) {
  TDragObjectEx::Finished(Target, X, Y, Accepted);
  if (OnFinished) OnFinished(this);
}

// One drag at a time, as the mouse is one.
class TDragManager {
 public:
  void Begin(TWinControl* Source, bool Immediate, int Threshold) {
    auto* Client = dynamic_cast<IQvDragClient*>(Source);
    if (FSource || !Client || !Source->HandleAllocated()) return;
    FSource = Source;
    FClient = Client;
    FThreshold = Threshold >= 0 ? Threshold : GetSystemMetrics(SM_CXDRAG);
    GetCursorPos(reinterpret_cast<POINT*>(&FStart));
    FOldProc = Source->WindowProc;
    Source->WindowProc = [](TMessage& M) { Manager().Handle(M); };
    SetCapture(HWND(Source->Handle()));
    if (Immediate) Start(FStart);
  }

  bool Armed(const TControl* Control) const { return FSource && (!Control || Control == FSource); }
  TDragObject* Object() const { return FObject; }

  void Done(bool Drop) {
    if (!FSource) return;
    TWinControl* Source = FSource;
    IQvDragClient* Client = FClient;
    TDragObject* Object = FObject;
    TControl* Target = FTarget;
    const bool Accepted = Drop && FAccepted && Target;
    const bool Imaging = FImaging;
    Source->WindowProc = FOldProc;  // the running hook captures nothing
    FOldProc = nullptr;
    FSource = nullptr;
    FClient = nullptr;
    FObject = nullptr;
    FTarget = nullptr;
    FAccepted = FImaging = false;
    if (GetCapture() == HWND(Source->Handle())) ReleaseCapture();
    if (!Object) return;  // never started
    if (Imaging) {
      ImageList_DragLeave(nullptr);
      ImageList_EndDrag();
    }
    TPoint P;
    GetCursorPos(reinterpret_cast<POINT*>(&P));
    Object->FDragPos = P;
    Object->FCancelling = !Drop;
    Object->FDropped = Accepted;
    Object->FDragTarget = Accepted ? Target : nullptr;
    if (Target) {
      const TPoint L = Target->ScreenToClient(P);
      auto* T = dynamic_cast<IQvDragClient*>(Target);
      if (Accepted) {
        T->DragDrop(Object, L.X, L.Y);
      } else {
        bool Ignored = false;
        T->DragOver(Object, L.X, L.Y, dsDragLeave, Ignored);
      }
    }
    const TPoint S = Source->ScreenToClient(P);
    Object->Finished(Accepted ? Target : nullptr, S.X, S.Y, Accepted);
    Client->DoEndDrag(Accepted ? Target : nullptr, S.X, S.Y);
    if (Object->AutoRelease()) delete Object;
  }

  static TDragManager& Manager();

 private:
  void Handle(TMessage& M) {
    switch (M.Msg) {
      case WM_MOUSEMOVE: {
        TPoint P;
        GetCursorPos(reinterpret_cast<POINT*>(&P));
        if (!FObject &&
            (std::abs(P.X - FStart.X) > FThreshold || std::abs(P.Y - FStart.Y) > FThreshold))
          Start(P);
        if (FObject) return DragTo(P);
        break;
      }
      case WM_LBUTTONUP:
        if (FObject) return Done(true);
        {
          // Released before the threshold: no drag, the control gets its release.
          TWndMethod Old = FOldProc;
          Done(false);
          return Old(M);
        }
      case WM_KEYDOWN:
        if (M.WParam == VK_ESCAPE && FObject) return Done(false);
        break;
      case WM_CANCELMODE: {
        TWndMethod Old = FOldProc;
        Done(false);
        return Old(M);
      }
      case WM_CAPTURECHANGED:
        if (HWND(M.LParam) != HWND(FSource->Handle())) {
          TWndMethod Old = FOldProc;
          Done(false);
          return Old(M);
        }
        break;
    }
    FOldProc(M);
  }

  void Start(TPoint P) {
    TDragObject* Object = nullptr;
    FClient->DoStartDrag(Object);
    if (!FSource) return;  // the handler ended the drag
    FObject = Object ? Object : new TDragControlObjectEx(FSource);
    if (TCustomImageList* Images = FObject->GetDragImages(); Images && Images->Count() > 0) {
      FImaging =
          ImageList_BeginDrag(Images->Handle(), 0, 0, 0) && ImageList_DragEnter(nullptr, P.X, P.Y);
    }
    DragTo(P);
  }

  void DragTo(TPoint P) {
    TControl* Target = FindDragTarget(P, false);
    if (!dynamic_cast<IQvDragClient*>(Target)) Target = nullptr;
    TDragState State = dsDragMove;
    if (Target != FTarget) {
      if (auto* Old = dynamic_cast<IQvDragClient*>(FTarget)) {
        const TPoint L = FTarget->ScreenToClient(P);
        bool Ignored = false;
        Old->DragOver(FObject, L.X, L.Y, dsDragLeave, Ignored);
      }
      FTarget = Target;
      State = dsDragEnter;
    }
    FAccepted = false;
    if (FTarget) {
      const TPoint L = FTarget->ScreenToClient(P);
      dynamic_cast<IQvDragClient*>(FTarget)->DragOver(FObject, L.X, L.Y, State, FAccepted);
    }
    if (!FObject) return;  // a handler ended the drag
    FObject->FDragPos = P;
    FObject->FDragTarget = FAccepted ? FTarget : nullptr;
    const TCursor C = FObject->GetDragCursor(FAccepted, P.X, P.Y);
    SetCursor(LoadCursorW(nullptr, C == crNoDrop || C == crNo ? IDC_NO : IDC_ARROW));
    if (FImaging) ImageList_DragMove(P.X, P.Y);
  }

  TWinControl* FSource = nullptr;
  IQvDragClient* FClient = nullptr;
  TWndMethod FOldProc;
  TPoint FStart;
  int FThreshold = 0;
  TDragObject* FObject = nullptr;
  TControl* FTarget = nullptr;
  bool FAccepted = false, FImaging = false;
};

TDragManager& TDragManager::Manager() {
  static TDragManager M;
  return M;
}

void BeginDrag(TWinControl* Control, bool Immediate, int Threshold) {
  TDragManager::Manager().Begin(Control, Immediate, Threshold);
}

bool Dragging(const TControl* Control) {
  return TDragManager::Manager().Armed(Control);
}

void EndDrag(bool Drop) {
  TDragManager::Manager().Done(Drop);
}

TDragObject* CurrentDragObject() {
  return TDragManager::Manager().Object();
}

}  // namespace qv

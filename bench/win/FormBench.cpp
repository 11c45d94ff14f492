// The skinned form at window level: a full repaint of a 1280 x 800 form holding 100
// skinned controls against one BitBlt of the same area, one live-resize step, and the time
// from creating a skinned form to its first paint against a plain Win32 window.
#include <windows.h>

#include <functional>
#include <memory>

#include "WinBench.h"
#include "controls/QvSkinBorderPanel.h"
#include "controls/QvSkinLabel.h"
#include "controls/QvSkinPanel.h"
#include "forms/QvFormBorder.h"
#include "forms/QvSkinForm.h"
#include "forms/QvSkinNCButton.h"
#include "forms/QvSkinNCCtrls.h"
#include "host/Form.h"

namespace {

using namespace qv;

void Pump() {
  MSG M;
  while (PeekMessageW(&M, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&M);
    DispatchMessageW(&M);
  }
}

// Handles messages until Cond holds (at most two seconds).
void PumpUntil(const std::function<bool()>& Cond) {
  const DWORD Start = GetTickCount();
  while (!Cond() && GetTickCount() - Start < 2000) {
    MsgWaitForMultipleObjectsEx(0, nullptr, 5, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    Pump();
  }
}

// A skinned form with its title-bar controls and border.
std::unique_ptr<TForm> SkinnedForm(int W, int H, TQvSkinForm** Skin = nullptr) {
  auto F = std::make_unique<TForm>(nullptr);
  F->SetBounds(40, 40, W, H);
  F->SetCaption(L"Bench");
  auto* S = new TQvSkinForm(F.get());
  S->SetImageBorder(new TQvFormLayerBorder(F.get()));
  for (TSystemButtonKind K : {bkClose, bkMaximize, bkMinimize})
    (new TQvSkinSystemButton(F.get()))->SetKind(K);
  new TQvSkinNCLabel(F.get());
  if (Skin) *Skin = S;
  return F;
}

LRESULT CALLBACK PlainChildProc(HWND H, UINT Msg, WPARAM W, LPARAM L) {
  if (Msg == WM_PAINT) {
    PAINTSTRUCT PS;
    HDC DC = BeginPaint(H, &PS);
    reinterpret_cast<const TBitmap32*>(GetWindowLongPtrW(H, GWLP_USERDATA))->DrawTo(DC, 0, 0);
    EndPaint(H, &PS);
    return 0;
  }
  if (Msg == WM_ERASEBKGND) return 1;
  return DefWindowProcW(H, Msg, W, L);
}

// The second reference: what the platform charges for 100 child windows that each copy a
// ready picture in their paint, with nothing of ours involved. Under Wine this fixed
// cost per window paint (BeginPaint, EndPaint and the surface flush) outweighs the pixels.
double PlainChildrenRepaint(winbench::TReport& R) {
  static const bool Registered = [] {
    WNDCLASSW WC{};
    WC.hInstance = GetModuleHandleW(nullptr);
    WC.lpfnWndProc = PlainChildProc;
    WC.lpszClassName = L"QvBenchPlainChild";
    RegisterClassW(&WC);
    WC.lpfnWndProc = DefWindowProcW;
    WC.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    WC.lpszClassName = L"QvBenchPlainParent";
    RegisterClassW(&WC);
    return true;
  }();
  (void)Registered;
  HWND Top =
      CreateWindowExW(0, L"QvBenchPlainParent", L"Plain", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 40,
                      40, 1280, 800, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  TBitmap32 Picture;
  Picture.SetSize(115, 65);
  Picture.Clear(0xFF808080);
  for (int I = 0; I < 100; ++I) {
    HWND C = CreateWindowExW(0, L"QvBenchPlainChild", L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                             10 + (I % 10) * 125, 10 + (I / 10) * 75, 115, 65, Top, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(C, GWLP_USERDATA, LONG_PTR(&Picture));
  }
  ShowWindow(Top, SW_SHOWNORMAL);
  UpdateWindow(Top);
  Pump();
  const double Ms = R.TimeMs(
      [&] {
        RedrawWindow(Top, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
      },
      15);
  DestroyWindow(Top);
  Pump();
  return Ms;
}

const winbench::TRegistration gRepaint("SkinForm.Repaint", [](winbench::TReport& R) {
  TQvSkinForm* Skin = nullptr;
  auto F = SkinnedForm(1280, 800, &Skin);
  // 100 skinned controls: panels, labels and border panels in a grid.
  for (int I = 0; I < 100; ++I) {
    const int X = 10 + (I % 10) * 125, Y = 10 + (I / 10) * 75;
    TControl* C;
    switch (I % 3) {
      case 0: {
        auto* P = new TQvSkinPanel(F.get());
        P->SetCaption(L"Panel");
        C = P;
        break;
      }
      case 1: {
        auto* L = new TQvSkinLabel(F.get());
        L->SetCaption(L"A skinned label");
        C = L;
        break;
      }
      default:
        C = new TQvSkinBorderPanel(F.get());
    }
    C->SetBounds(X, Y, 115, 65);
    C->SetParent(F.get());
  }
  F->Show();
  PumpUntil([&] { return !F->AlphaBlend(); });
  Pump();
  HWND H = HWND(F->Handle());

  // Everything repaints: the form's frame, its background and every control's buffer.
  const double Full = R.TimeMs(
      [&] {
        Skin->DoChanged();
        RedrawWindow(H, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
      },
      15);
  // Where the time goes: the frame alone, and the controls' repaint alone.
  const double Frame = R.TimeMs([&] { Skin->DrawNCRect(); }, 15);
  // The form's own client background: one 1280 x 800 copy into a window that clips its
  // 100 children, and its trip to the display.
  const double Client =
      R.TimeMs([&] { RedrawWindow(H, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }, 15);
  const double Controls = R.TimeMs(
      [&] {
        for (int I = 0; I < F->ControlCount(); ++I) F->Controls(I)->Invalidate();
        RedrawWindow(H, nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW);
      },
      15);
  // The windows alone: every control's buffer is still valid and is only copied out.
  const double Windows = R.TimeMs(
      [&] { RedrawWindow(H, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW); },
      15);
  // Reference: one BitBlt of the same area onto the window.
  HDC WindowDC = GetWindowDC(H);
  HDC Mem = CreateCompatibleDC(WindowDC);
  HBITMAP Bmp = CreateCompatibleBitmap(WindowDC, 1280, 800);
  HGDIOBJ Old = SelectObject(Mem, Bmp);
  const double Blt = R.TimeMs([&] {
    BitBlt(WindowDC, 0, 0, 1280, 800, Mem, 0, 0, SRCCOPY);
    GdiFlush();
  });
  SelectObject(Mem, Old);
  DeleteObject(Bmp);
  DeleteDC(Mem);
  ReleaseDC(H, WindowDC);
  R.Result("full repaint 1280x800, 100 controls", Full, "ms");
  R.Result("  of which the frame and title", Frame, "ms");
  R.Result("  of which the client background", Client, "ms");
  R.Result("  of which the 100 controls", Controls, "ms");
  R.Result("  windows only (buffers valid)", Windows, "ms");
  R.Result("one BitBlt 1280x800", Blt, "ms");
  R.Result("repaint / BitBlt", Full / Blt, "x");
  const double Plain = PlainChildrenRepaint(R);
  R.Result("100 plain child windows, a BitBlt each", Plain, "ms");
  R.Result("repaint / 100 plain child windows", Full / Plain, "x");
  R.Result("windows only / 100 plain child windows", Windows / Plain, "x");

  // One step of dragging the corner: the size changes by a few pixels and the window
  // repaints what the size change invalidated.
  bool Grow = false;
  const double Step = R.TimeMs(
      [&] {
        Grow = !Grow;
        SetWindowPos(H, nullptr, 0, 0, Grow ? 1288 : 1280, Grow ? 806 : 800,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        RedrawWindow(H, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        Pump();
      },
      15);
  R.Result("live-resize step", Step, "ms");
  R.Result("resize step / full repaint", Step / Full, "x");
});

// One control's body alone, drawn into its buffer without a window round trip: what each
// kind adds to the full repaint above.
template <class T>
struct TBodyProbe : T {
  using T::DoPaintBuffer;
  using T::T;
};

template <class T>
double BodyMs(winbench::TReport& R, TForm* Form, const wchar_t* Caption, int W = 115, int H = 65) {
  auto* C = new TBodyProbe<T>(Form);
  if (Caption) C->SetCaption(Caption);
  C->SetBounds(10, 10, W, H);
  C->SetParent(Form);
  Pump();
  const double Ms = R.TimeMs([&] { C->DoPaintBuffer(); }, 200);
  delete C;
  return Ms;
}

const winbench::TRegistration gBodies("SkinForm.Bodies", [](winbench::TReport& R) {
  auto F = SkinnedForm(1040, 740);
  F->Show();
  PumpUntil([&] { return !F->AlphaBlend(); });
  R.Result("panel body 115x65", BodyMs<TQvSkinPanel>(R, F.get(), L"Panel"), "ms");
  R.Result("label body 115x65", BodyMs<TQvSkinLabel>(R, F.get(), L"A skinned label"), "ms");
  R.Result("border panel body 115x65", BodyMs<TQvSkinBorderPanel>(R, F.get(), nullptr), "ms");
  R.Result("border panel body 1000x700", BodyMs<TQvSkinBorderPanel>(R, F.get(), nullptr, 1000, 700),
           "ms");
});

const winbench::TRegistration gStartup("SkinForm.Startup", [](winbench::TReport& R) {
  // Created, shown and painted once.
  const double Skinned = R.TimeMs(
      [] {
        auto F = SkinnedForm(800, 600);
        bool Painted = false;
        TWndMethod Old = F->WindowProc;
        F->WindowProc = [&Painted, Old](TMessage& M) {
          Old(M);
          if (M.Msg == WM_PAINT) Painted = true;
        };
        F->Show();
        PumpUntil([&] { return Painted; });
        F->WindowProc = Old;
      },
      10);
  static bool Registered = false;
  if (!Registered) {
    Registered = true;
    WNDCLASSW WC{};
    WC.lpfnWndProc = DefWindowProcW;
    WC.hInstance = GetModuleHandleW(nullptr);
    WC.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    WC.lpszClassName = L"QvBenchPlain";
    RegisterClassW(&WC);
  }
  const double Plain = R.TimeMs(
      [] {
        HWND H = CreateWindowExW(0, L"QvBenchPlain", L"Plain", WS_OVERLAPPEDWINDOW, 40, 40, 800,
                                 600, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ShowWindow(H, SW_SHOWNORMAL);
        UpdateWindow(H);
        Pump();
        DestroyWindow(H);
      },
      10);
  R.Result("skinned form: create to first paint", Skinned, "ms");
  R.Result("plain Win32 window: create to first paint", Plain, "ms");
  R.Result("skinned / plain", Skinned / Plain, "x");
});

}  // namespace

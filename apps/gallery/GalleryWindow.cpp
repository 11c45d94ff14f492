#include "GalleryWindow.h"

#include <algorithm>

namespace gallery {

namespace {
constexpr int kListWidth = 180;
constexpr int kListId = 100;
const wchar_t* const kClassName = L"QvSkinGallery";
}  // namespace

TGalleryWindow::TGalleryWindow() : FPages(CreatePages()) {
  HINSTANCE Inst = GetModuleHandleW(nullptr);
  WNDCLASSEXW WC{};
  WC.cbSize = sizeof(WC);
  WC.lpfnWndProc = &TGalleryWindow::WndProc;
  WC.hInstance = Inst;
  WC.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  WC.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
  WC.lpszClassName = kClassName;
  RegisterClassExW(&WC);
  FFont = CreateFontW(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0,
                      L"Tahoma");
  FHandle = CreateWindowExW(0, kClassName, L"QvSkin Gallery", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                            10, 10, 1580, 980, nullptr, nullptr, Inst, this);
  FList = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                          WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0,
                          0, kListWidth, 100, FHandle, HMENU(intptr_t(kListId)), Inst, nullptr);
  SendMessageW(FList, WM_SETFONT, WPARAM(FFont), TRUE);
  for (auto& P : FPages) SendMessageW(FList, LB_ADDSTRING, 0, LPARAM(P->Title().c_str()));
  RECT R;
  GetClientRect(FHandle, &R);
  MoveWindow(FList, 0, 0, kListWidth, R.bottom, TRUE);
  SelectPage(0);
}

TGalleryWindow::~TGalleryWindow() {
  if (FCurrent >= 0) FPages[size_t(FCurrent)]->Hide();
  if (FHandle) DestroyWindow(FHandle);
  DeleteObject(FFont);
}

RECT TGalleryWindow::PageRect() const {
  RECT R;
  GetClientRect(FHandle, &R);
  R.left = kListWidth;
  return R;
}

void TGalleryWindow::SelectPage(int Index) {
  if (Index < 0 || Index >= PageCount() || Index == FCurrent) return;
  if (FCurrent >= 0) FPages[size_t(FCurrent)]->Hide();
  FCurrent = Index;
  SendMessageW(FList, LB_SETCURSEL, WPARAM(Index), 0);
  FPages[size_t(Index)]->Show(FHandle, PageRect());
  std::wstring Caption = L"QvSkin Gallery - " + FPages[size_t(Index)]->Title();
  SetWindowTextW(FHandle, Caption.c_str());
}

LRESULT CALLBACK TGalleryWindow::WndProc(HWND Wnd, UINT Msg, WPARAM W, LPARAM L) {
  if (Msg == WM_NCCREATE) {
    auto* CS = reinterpret_cast<CREATESTRUCTW*>(L);
    SetWindowLongPtrW(Wnd, GWLP_USERDATA, LONG_PTR(CS->lpCreateParams));
    static_cast<TGalleryWindow*>(CS->lpCreateParams)->FHandle = Wnd;
  }
  auto* Self = reinterpret_cast<TGalleryWindow*>(GetWindowLongPtrW(Wnd, GWLP_USERDATA));
  return Self ? Self->Handle(Msg, W, L) : DefWindowProcW(Wnd, Msg, W, L);
}

LRESULT TGalleryWindow::Handle(UINT Msg, WPARAM W, LPARAM L) {
  switch (Msg) {
    case WM_COMMAND:
      if (LOWORD(W) == kListId && HIWORD(W) == LBN_SELCHANGE)
        SelectPage(int(SendMessageW(FList, LB_GETCURSEL, 0, 0)));
      return 0;
    case WM_SIZE:
      if (FList) MoveWindow(FList, 0, 0, kListWidth, HIWORD(L), TRUE);
      if (FCurrent >= 0) {
        FPages[size_t(FCurrent)]->Hide();
        FPages[size_t(FCurrent)]->Show(FHandle, PageRect());
      }
      return 0;
    case WM_DESTROY:
      SetWindowLongPtrW(FHandle, GWLP_USERDATA, 0);
      FHandle = nullptr;
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(FHandle, Msg, W, L);
}

namespace {
bool gFrozen = false;

std::vector<std::pair<int, TPageFactory>>& Registered() {
  static std::vector<std::pair<int, TPageFactory>> List;
  return List;
}
}  // namespace

bool AnimationsFrozen() {
  return gFrozen;
}
void FreezeAnimations() {
  gFrozen = true;
}

TPageRegistration::TPageRegistration(int Order, TPageFactory Factory) {
  Registered().emplace_back(Order, Factory);
}

std::vector<std::unique_ptr<TGalleryPage>> CreatePages() {
  auto List = Registered();
  std::stable_sort(List.begin(), List.end(),
                   [](const auto& A, const auto& B) { return A.first < B.first; });
  std::vector<std::unique_ptr<TGalleryPage>> Pages;
  for (auto& [Order, Factory] : List) Pages.push_back(Factory());
  return Pages;
}

}  // namespace gallery

#include "GalleryWindow.h"

#include <algorithm>
#include <string>

#include "forms/QvFormBorder.h"
#include "forms/QvSkinForm.h"
#include "forms/QvSkinFormTheme.h"
#include "forms/QvSkinMainMenu.h"
#include "forms/QvSkinMenu.h"
#include "forms/QvSkinNCButton.h"
#include "forms/QvSkinNCCtrls.h"
#include "host/Font.h"
#include "host/Form.h"
#include "host/Menus.h"

namespace gallery {

namespace {
constexpr int kListWidth = 180;
constexpr int kListId = 100;
}  // namespace

TGalleryWindow::TGalleryWindow() : FPages(CreatePages()) {
  using namespace qv;
  FForm = std::make_unique<TForm>(nullptr);
  FForm->SetBounds(10, 10, 1580, 980);
  FSkin = new TQvSkinForm(FForm.get());
  UseSkinThemeColors(FSkin);
  auto* Border = new TQvFormLayerBorder(FForm.get());
  FSkin->SetImageBorder(Border);
  for (TSystemButtonKind K : {bkClose, bkMaximize, bkMinimize})
    (new TQvSkinSystemButton(FForm.get()))->SetKind(K);
  FTitle = new TQvSkinNCLabel(FForm.get());
  FTitle->Pos()->SetXValue(70);
  FTitle->Font()->SetName(L"Tahoma");
  FTitle->Font()->SetSize(10);
  FTitle->Font()->SetColor(clWhite);
  FTitle->SetRenderText(true);
  // The title bar's main menu: "Pages" lists every page, choosing one selects it.
  auto* Menu = new TMainMenu(FForm.get());
  auto* Pages = new TMenuItem(FForm.get());
  Pages->SetCaption(L"&Pages");
  Menu->Items()->Add(Pages);
  for (size_t I = 0; I < FPages.size(); ++I) {
    auto* Entry = new TMenuItem(FForm.get());
    Entry->SetCaption(FPages[I]->Title());
    Entry->OnClick = [this, I](TObject*) { SelectPage(int(I)); };
    Pages->Add(Entry);
  }
  auto* Line = new TMenuItem(FForm.get());
  Line->SetCaption(L"-");
  Pages->Add(Line);
  const wchar_t* ThemeCaptions[] = {L"&Light theme", L"&Dark theme", L"Theme as &Windows"};
  for (int I = 0; I < 3; ++I) {
    auto* Item = FThemeItems[I] = new TMenuItem(FForm.get());
    Item->SetCaption(ThemeCaptions[I]);
    Item->SetRadioItem(true);
    Item->SetGroupIndex(1);
    Item->OnClick = [this, I](TObject*) { ChooseTheme(TThemeChoice(I)); };
    Pages->Add(Item);
  }
  FThemeItems[DefaultSkinTheme() == stDark ? tcDark : tcLight]->SetChecked(true);
  TQvSkinMainMenu* Main = FSkin->MainMenu();
  Main->Pos()->SetXValue(8);
  Main->Font()->SetName(L"Tahoma");
  Main->Font()->SetSize(9);
  Main->Font()->SetColor(clWhite);
  Main->SetMenuSkin(new TQvSkinMenu(FForm.get()));
  Main->SetMainMenu(Menu);

  TWndMethod Old = FForm->WindowProc;
  FForm->WindowProc = [this, Old](TMessage& M) {
    if (M.Msg == WM_COMMAND && M.LParam && HWND(M.LParam) == FList) {
      if (HIWORD(M.WParam) == LBN_SELCHANGE)
        SelectPage(int(SendMessageW(FList, LB_GETCURSEL, 0, 0)));
      return;
    }
    Old(M);
    if (M.Msg == WM_SETTINGCHANGE && FFollowWindows && M.LParam &&
        std::wstring(reinterpret_cast<const wchar_t*>(M.LParam)) == L"ImmersiveColorSet")
      FollowSystemAppTheme();
    if (M.Msg == WM_SIZE) Layout();
    if (M.Msg == WM_CLOSE) PostQuitMessage(0);
  };

  HINSTANCE Inst = GetModuleHandleW(nullptr);
  FFont = CreateFontW(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0,
                      L"Tahoma");
  FList = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                          WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0,
                          0, kListWidth, 100, Handle(), HMENU(intptr_t(kListId)), Inst, nullptr);
  SendMessageW(FList, WM_SETFONT, WPARAM(FFont), TRUE);
  for (auto& P : FPages) SendMessageW(FList, LB_ADDSTRING, 0, LPARAM(P->Title().c_str()));
  Layout();
  SelectPage(0);
}

TGalleryWindow::~TGalleryWindow() {
  if (FCurrent >= 0) FPages[size_t(FCurrent)]->Hide();
  FForm.reset();
  DeleteObject(FFont);
}

HWND TGalleryWindow::Handle() const {
  return HWND(FForm->Handle());
}

void TGalleryWindow::Show() {
  FForm->Show();
}

RECT TGalleryWindow::PageRect() const {
  RECT R;
  GetClientRect(Handle(), &R);
  R.left = kListWidth;
  return R;
}

void TGalleryWindow::Layout() {
  if (!FList) return;
  RECT R;
  GetClientRect(Handle(), &R);
  MoveWindow(FList, 0, 0, kListWidth, R.bottom, TRUE);
  if (FCurrent >= 0) {
    FPages[size_t(FCurrent)]->Hide();
    FPages[size_t(FCurrent)]->Show(Handle(), PageRect());
  }
}

void TGalleryWindow::SelectPage(int Index) {
  if (Index < 0 || Index >= PageCount() || Index == FCurrent) return;
  if (FCurrent >= 0) FPages[size_t(FCurrent)]->Hide();
  FCurrent = Index;
  SendMessageW(FList, LB_SETCURSEL, WPARAM(Index), 0);
  FPages[size_t(Index)]->Show(Handle(), PageRect());
  std::wstring Caption = L"QvSkin Gallery - " + FPages[size_t(Index)]->Title();
  FForm->SetCaption(Caption);
  FTitle->SetCaption(Caption);
}

void TGalleryWindow::ChooseTheme(TThemeChoice Choice) {
  FFollowWindows = Choice == tcWindows;
  FThemeItems[Choice]->SetChecked(true);
  if (Choice == tcWindows)
    qv::FollowSystemAppTheme();
  else
    qv::SetSkinTheme(Choice == tcDark ? qv::stDark : qv::stLight);
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

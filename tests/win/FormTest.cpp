// Forms: border styles and icons, window state, alpha blending, placement, modal
// showing and closing with close actions.
#include <memory>

#include "ControlsTestSupport.h"

using namespace qv;
using qvtest::PumpIdle;
using qvtest::PumpUntil;
using qvtest::TBox;

namespace {

using FormTest = qvtest::ControlsTest;

DWORD StyleOf(TForm* F) {
  return DWORD(GetWindowLongPtrW(F->Handle(), GWL_STYLE));
}
DWORD ExStyleOf(TForm* F) {
  return DWORD(GetWindowLongPtrW(F->Handle(), GWL_EXSTYLE));
}

TEST_F(FormTest, BorderStyleAndIconsMakeTheWindowFrame) {
  struct {
    TFormBorderStyle Border;
    TBorderIcons Icons;
    DWORD Has, HasNot, ExHas;
  } Cases[] = {
      {bsSizeable,
       {biSystemMenu, biMinimize, biMaximize},
       WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
       WS_POPUP,
       0},
      {bsSingle,
       {biSystemMenu, biMinimize},
       WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
       WS_THICKFRAME | WS_MAXIMIZEBOX,
       0},
      {bsDialog,
       {biSystemMenu, biMinimize, biMaximize},
       WS_POPUP | WS_CAPTION | WS_SYSMENU,
       WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
       WS_EX_DLGMODALFRAME},
      {bsNone, {biSystemMenu}, WS_POPUP, WS_CAPTION | WS_THICKFRAME | WS_SYSMENU, 0},
      {bsToolWindow, {biSystemMenu}, WS_CAPTION | WS_SYSMENU, WS_THICKFRAME, WS_EX_TOOLWINDOW},
      {bsSizeToolWin, {}, WS_CAPTION | WS_THICKFRAME, WS_SYSMENU, WS_EX_TOOLWINDOW},
      {bsSingle,
       {biSystemMenu, biHelp},
       WS_CAPTION | WS_SYSMENU,
       WS_MINIMIZEBOX,
       WS_EX_CONTEXTHELP},
  };
  for (auto& C : Cases) {
    SCOPED_TRACE(int(C.Border));
    // At creation and when changed on a live window alike.
    for (bool Live : {false, true}) {
      auto F = std::make_unique<TForm>(nullptr);
      if (Live) F->HandleNeeded();
      F->SetBorderStyle(C.Border);
      F->SetBorderIcons(C.Icons);
      DWORD S = StyleOf(F.get());
      EXPECT_EQ(S & C.Has, C.Has) << std::hex << S << " live " << Live;
      EXPECT_EQ(S & C.HasNot, 0u) << std::hex << S << " live " << Live;
      EXPECT_EQ(ExStyleOf(F.get()) & C.ExHas, C.ExHas) << " live " << Live;
      EXPECT_FALSE(S & WS_CHILD);
    }
  }
  // Stay on top.
  auto F = std::make_unique<TForm>(nullptr);
  F->SetFormStyle(fsStayOnTop);
  EXPECT_TRUE(ExStyleOf(F.get()) & WS_EX_TOPMOST);
  F->SetFormStyle(fsNormal);
  EXPECT_FALSE(ExStyleOf(F.get()) & WS_EX_TOPMOST);
}

TEST_F(FormTest, ClientSizeIsTheSameBeforeAndAfterTheWindowExists) {
  auto F = std::make_unique<TForm>(nullptr);
  F->SetBorderStyle(bsSizeable);
  F->SetClientSize(333, 222);
  EXPECT_EQ(F->ClientWidth(), 333);
  F->HandleNeeded();
  RECT R;
  GetClientRect(F->Handle(), &R);
  EXPECT_EQ(R.right, 333);
  EXPECT_EQ(R.bottom, 222);
}

TEST_F(FormTest, WindowStateFollowsThePlatformAndBack) {
  auto F = std::make_unique<TForm>(nullptr);
  F->SetBounds(50, 50, 300, 200);
  F->Show();
  PumpIdle();
  F->SetWindowState(wsMaximized);
  PumpUntil([&] { return IsZoomed(F->Handle()); });
  EXPECT_TRUE(IsZoomed(F->Handle()));
  ShowWindow(F->Handle(), SW_RESTORE);
  PumpUntil([&] { return F->WindowState() == wsNormal; });
  EXPECT_EQ(F->WindowState(), wsNormal);
  ShowWindow(F->Handle(), SW_MINIMIZE);
  PumpUntil([&] { return F->WindowState() == wsMinimized; });
  EXPECT_EQ(F->WindowState(), wsMinimized);
  EXPECT_EQ(F->ClientWidth() > 0, true);  // the restored client area while minimised
  F->SetWindowState(wsNormal);
  PumpUntil([&] { return !IsIconic(F->Handle()); });
  EXPECT_FALSE(IsIconic(F->Handle()));
}

TEST_F(FormTest, AlphaBlendMakesALayeredWindow) {
  auto F = std::make_unique<TForm>(nullptr);
  F->SetBorderStyle(bsNone);
  F->SetBounds(300, 300, 100, 100);
  F->SetColor(clWhite);
  F->SetAlphaBlend(true);
  F->SetAlphaBlendValue(128);
  F->Show();
  PumpIdle();
  EXPECT_TRUE(ExStyleOf(F.get()) & WS_EX_LAYERED);
  BYTE Alpha = 0;
  DWORD Flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(F->Handle(), nullptr, &Alpha, &Flags));
  EXPECT_EQ(Alpha, 128);
  EXPECT_TRUE(Flags & LWA_ALPHA);
  F->SetAlphaBlendValue(200);
  GetLayeredWindowAttributes(F->Handle(), nullptr, &Alpha, &Flags);
  EXPECT_EQ(Alpha, 200);
  F->SetAlphaBlend(false);
  EXPECT_FALSE(ExStyleOf(F.get()) & WS_EX_LAYERED);
  // A layered style the form did not add itself stays.
  LONG_PTR Ex = GetWindowLongPtrW(F->Handle(), GWL_EXSTYLE);
  SetWindowLongPtrW(F->Handle(), GWL_EXSTYLE, Ex | WS_EX_LAYERED);
  F->SetAlphaBlend(true);
  F->SetAlphaBlend(false);
  EXPECT_TRUE(ExStyleOf(F.get()) & WS_EX_LAYERED);
}

TEST_F(FormTest, ScreenCenterPlacesTheFormInTheWorkArea) {
  auto F = std::make_unique<TForm>(nullptr);
  F->SetBounds(0, 0, 200, 100);
  F->SetPosition(poScreenCenter);
  F->Show();
  PumpIdle();
  TRect Area = Screen->WorkAreaRect();
  EXPECT_EQ(F->Left(), Area.Left + (Area.Width() - 200) / 2);
  EXPECT_EQ(F->Top(), Area.Top + (Area.Height() - 100) / 2);
}

TEST_F(FormTest, AutoScrollBringsChildrenBeyondTheClientAreaIntoView) {
  auto F = std::make_unique<TForm>(nullptr);
  F->SetBorderStyle(bsSingle);
  F->SetClientSize(200, 100);
  auto* Far = new TBox(F.get());
  Far->SetBounds(10, 180, 50, 40);  // reaches to 220
  Far->SetParent(F.get());
  auto* Bar = new TBox(F.get());
  Bar->SetBounds(0, 0, 10, 20);
  Bar->SetAlign(alTop);
  Bar->SetParent(F.get());
  F->Show();
  PumpIdle();
  EXPECT_TRUE(GetWindowLongPtrW(F->Handle(), GWL_STYLE) & WS_VSCROLL);
  EXPECT_FALSE(GetWindowLongPtrW(F->Handle(), GWL_STYLE) & WS_HSCROLL);
  SendMessageW(F->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(Far->Top(), 172);
  SendMessageW(F->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(Far->Top() + Far->Height(), F->ClientHeight());  // fully in view
  EXPECT_EQ(Bar->Top(), 0);                                  // aligned: stays
  SendMessageW(F->Handle(), WM_VSCROLL, SB_TOP, 0);
  EXPECT_EQ(Far->Top(), 180);
  // Without AutoScroll the bars go.
  F->SetAutoScroll(false);
  EXPECT_FALSE(GetWindowLongPtrW(F->Handle(), GWL_STYLE) & WS_VSCROLL);
}

TEST_F(FormTest, ShowModalRunsUntilModalResultAndDisablesOtherForms) {
  auto Owner = std::make_unique<TForm>(nullptr);
  Owner->Show();
  PumpIdle();
  auto Dialog = std::make_unique<TForm>(nullptr);
  Dialog->SetBounds(100, 100, 200, 100);
  bool OwnerWasDisabled = false;
  int Shows = 0;
  Dialog->OnShow = [&](TObject*) { ++Shows; };
  auto* Timer = new TTimer(Dialog.get());
  Timer->SetInterval(30);
  Timer->OnTimer = [&](TObject*) {
    OwnerWasDisabled = !IsWindowEnabled(Owner->Handle());
    EXPECT_TRUE(Dialog->FormState().Contains(fsModal));
    Dialog->SetModalResult(mrOk);
  };
  EXPECT_EQ(Dialog->ShowModal(), mrOk);
  EXPECT_EQ(Shows, 1);
  EXPECT_TRUE(OwnerWasDisabled);
  EXPECT_TRUE(IsWindowEnabled(Owner->Handle()));
  EXPECT_FALSE(Dialog->Visible());
  EXPECT_FALSE(IsWindowVisible(Dialog->Handle()));
  EXPECT_FALSE(Dialog->FormState().Contains(fsModal));
  EXPECT_THROW(Owner->ShowModal(), Exception);  // already visible
}

TEST_F(FormTest, CloseQueryCanKeepAModalFormOpen) {
  auto Dialog = std::make_unique<TForm>(nullptr);
  int Asked = 0, Ticks = 0;
  Dialog->OnCloseQuery = [&](TObject*, bool& CanClose) { CanClose = ++Asked > 1; };
  auto* Timer = new TTimer(Dialog.get());
  Timer->SetInterval(20);
  Timer->OnTimer = [&](TObject*) {
    ++Ticks;
    Dialog->Close();  // a modal Close means Cancel
  };
  EXPECT_EQ(Dialog->ShowModal(), mrCancel);
  EXPECT_EQ(Asked, 2);  // refused once, so the loop went on
  EXPECT_GE(Ticks, 2);
}

TEST_F(FormTest, CloseActionsHideFreeOrKeepTheForm) {
  auto* F = new TForm(nullptr);
  std::unique_ptr<TForm> Guard(F);
  TCloseAction Action = caHide;
  F->OnClose = [&](TObject*, TCloseAction& A) { A = Action; };
  F->Show();
  PumpIdle();
  Action = caNone;
  SendMessageW(F->Handle(), WM_CLOSE, 0, 0);  // the close box
  EXPECT_TRUE(F->Visible());
  Action = caHide;
  F->Close();
  EXPECT_FALSE(F->Visible());
  F->Show();
  int Before = Screen->FormCount();
  Action = caFree;
  F->Close();
  EXPECT_EQ(Screen->FormCount(), Before);  // freed later, from the message loop
  Guard.release();
  ASSERT_TRUE(qvtest::PumpUntil([&] { return Screen->FormCount() == Before - 1; }));
}

TEST_F(FormTest, ClosingTheMainFormEndsRun) {
  auto* Main = Application->CreateForm<TForm>();
  EXPECT_EQ(Application->MainForm(), Main);
  // The first idle moment closes the main form; the loop then ends.
  int Idles = 0;
  Application->OnIdle = [&](TObject*, bool& Done) {
    if (++Idles == 1) Main->Close();
    Done = true;
  };
  Application->Run();
  EXPECT_TRUE(Application->Terminated());
  EXPECT_TRUE(Main->Showing());  // the main form is not hidden by closing
  EXPECT_GE(Idles, 1);
  Application->OnIdle = nullptr;
  delete Main;
  EXPECT_EQ(Application->MainForm(), nullptr);
}

}  // namespace

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "ControlsTestSupport.h"
#include "host/Controls.h"
#include "host/Form.h"
#include "host/Platform.h"
#include "host/ScopeGuard.h"

using namespace qv;

namespace {

class TDpiWindowed : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  String ClassName() const override { return L"TDpiWindowed"; }
};

class TDpiGraphic : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  String ClassName() const override { return L"TDpiGraphic"; }
};

// The awareness the mode declares cannot be taken back, so every test that turns the mode
// on runs in a child run of this program (DpiModeWin below starts it).
constexpr const char* ChildVariable = "QV_DPI_AWARENESS_CHILD";

class DpiModeChild : public qvtest::ControlsTest {
 protected:
  void SetUp() override {
    if (!std::getenv(ChildVariable)) GTEST_SKIP() << "runs in the child process only";
    qvtest::ControlsTest::SetUp();
  }
};

// A form with a windowed child and a window-less grandchild inside it.
struct TDpiForm {
  TDpiForm() : Form(std::make_unique<TForm>(nullptr)) {
    Form->SetBounds(0, 0, 200, 120);
    Child = new TDpiWindowed(Form.get());
    Child->SetBounds(10, 10, 100, 60);
    Child->SetParent(Form.get());
    Graphic = new TDpiGraphic(Form.get());
    Graphic->SetBounds(5, 5, 20, 20);
    Graphic->SetParent(Child);
    Form->HandleNeeded();
    Child->HandleNeeded();
  }
  std::unique_ptr<TForm> Form;
  TDpiWindowed* Child;
  TDpiGraphic* Graphic;
};

TEST_F(DpiModeChild, ControlsAnswerTheDpiOfTheirWindowAndTheModeResets) {
  TDpiForm F;
  const Integer System = ScreenPixelsPerInch();
  SetWindowPixelsPerInch(F.Form->Handle(), 144);  // as the form does on WM_DPICHANGED
  TScopeExit Forget([&] { SetWindowPixelsPerInch(F.Form->Handle(), 0); });
  TDpiGraphic Orphan(nullptr);

  // Off: the recorded DPI changes nothing.
  EXPECT_DOUBLE_EQ(GetDPIScaleValue(F.Graphic), 1.0);
  EXPECT_EQ(GetDPIScaledPixels(F.Child, 17), 17);
  {
    SetAppHighDPIMode(true);
    TScopeExit Off([] { SetAppHighDPIMode(false); });
    ASSERT_TRUE(AppIsHighDPIMode());
    struct Case {
      const char* Name;
      const TControl* Control;
      Integer Dpi;
    } Cases[] = {
        {"form", F.Form.get(), 144},
        {"child window", F.Child, 144},   // its top-level window's record
        {"window-less", F.Graphic, 144},  // through its parent's window
        {"no window", &Orphan, System},   // the screen
        {"nil", nullptr, System},
    };
    for (const Case& C : Cases) {
      SCOPED_TRACE(C.Name);
      EXPECT_EQ(GetControlPixelsPerInch(C.Control), C.Dpi);
      EXPECT_DOUBLE_EQ(GetDPIScaleValue(C.Control), C.Dpi / 96.0);
      EXPECT_EQ(GetDPIScaledPixels(C.Control, 17), qv::MulDiv(17, C.Dpi, 96));
    }
    EXPECT_EQ(GetDPIScaledPixels(F.Graphic, Rect(-3, 2, 30, 41)), Rect(-5, 3, 45, 62));
    EXPECT_EQ(GetDPIScaledFontSize(F.Child, 9), 10);  // 13.5 -> 14 px, 10.5 -> 10
    TFont Font;
    Font.SetSize(12);
    SetDPIScaledFont(F.Child, &Font);
    EXPECT_EQ(Font.Size(), 18);

    // Forgotten, the window answers the system's DPI again.
    SetWindowPixelsPerInch(F.Form->Handle(), 0);
    EXPECT_EQ(GetControlPixelsPerInch(F.Graphic), System);
    SetWindowPixelsPerInch(F.Form->Handle(), 144);
  }
  EXPECT_FALSE(AppIsHighDPIMode());
  EXPECT_DOUBLE_EQ(GetDPIScaleValue(F.Graphic), 1.0);
  EXPECT_EQ(GetDPIScaledFontSize(F.Child, 9), 9);
}

TEST_F(DpiModeChild, DeclaresPerMonitorAwareness) {
  SetAppHighDPIMode(true);
  TScopeExit Off([] { SetAppHighDPIMode(false); });
  using TGetContext = HANDLE(WINAPI*)();
  using TAwareness = int(WINAPI*)(HANDLE);
  HMODULE User = GetModuleHandleW(L"user32.dll");
  auto GetContext = reinterpret_cast<TGetContext>(
      reinterpret_cast<void*>(GetProcAddress(User, "GetThreadDpiAwarenessContext")));
  auto Awareness = reinterpret_cast<TAwareness>(
      reinterpret_cast<void*>(GetProcAddress(User, "GetAwarenessFromDpiAwarenessContext")));
  ASSERT_TRUE(GetContext && Awareness);
  EXPECT_EQ(Awareness(GetContext()), 2);  // DPI_AWARENESS_PER_MONITOR_AWARE
  TDpiForm F;
  EXPECT_EQ(GetControlPixelsPerInch(F.Graphic), ScreenPixelsPerInch());
}

TEST(DpiModeWin, ChildRunOfTheModeTests) {
  wchar_t Exe[MAX_PATH] = {};
  ASSERT_GT(GetModuleFileNameW(nullptr, Exe, MAX_PATH), 0u);
  std::wstring Command = L"\"" + std::wstring(Exe) + L"\" --gtest_filter=DpiModeChild.*";
  ASSERT_TRUE(SetEnvironmentVariableA(ChildVariable, "1"));
  TScopeExit Unset([] { SetEnvironmentVariableA(ChildVariable, nullptr); });
  STARTUPINFOW Startup{};
  Startup.cb = sizeof(Startup);
  PROCESS_INFORMATION Process{};
  ASSERT_TRUE(CreateProcessW(nullptr, Command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &Startup, &Process));
  TScopeExit Close([&] {
    CloseHandle(Process.hThread);
    CloseHandle(Process.hProcess);
  });
  ASSERT_EQ(WaitForSingleObject(Process.hProcess, 120000), WAIT_OBJECT_0);
  DWORD Code = 1;
  GetExitCodeProcess(Process.hProcess, &Code);
  EXPECT_EQ(Code, 0u) << "the child run failed; run it with --gtest_filter=DpiModeChild.* and "
                      << ChildVariable << "=1";
  // This process is untouched.
  EXPECT_FALSE(AppIsHighDPIMode());
}

}  // namespace

// Windows of controls: creation on demand from CreateParams, z-order, the replaceable
// WindowProc, control notifications and reflected messages.
#include <memory>

#include "ControlsTestSupport.h"
#include "host/Font.h"

using namespace qv;
using qvtest::PumpIdle;

namespace {

class TBorderedControl : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  String ClassName() const override { return L"TBorderedControl"; }

 protected:
  void CreateParams(TCreateParams& Params) override {
    TCustomControl::CreateParams(Params);
    Params.Style |= WS_BORDER;
    Params.ExStyle |= WS_EX_CLIENTEDGE;
  }
};

class TSpyGraphic : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  String ClassName() const override { return L"TSpyGraphic"; }
};

// Records every message reaching a control's WindowProc, then passes it on.
struct TMessageSpy {
  explicit TMessageSpy(TControl* C) : Control(C), Saved(C->WindowProc) {
    C->WindowProc = [this](TMessage& M) {
      Messages.push_back(M.Msg);
      Saved(M);
    };
  }
  ~TMessageSpy() { Control->WindowProc = Saved; }
  int Count(uint32_t Msg) const { return int(std::count(Messages.begin(), Messages.end(), Msg)); }
  TControl* Control;
  TWndMethod Saved;
  std::vector<uint32_t> Messages;
};

using WindowTest = qvtest::ControlsTest;

TEST_F(WindowTest, HandleIsCreatedOnDemandFromCreateParams) {
  auto Form = std::make_unique<TForm>(nullptr);
  Form->SetBounds(100, 100, 300, 200);
  auto* C = new TBorderedControl(Form.get());
  C->SetBounds(10, 20, 100, 50);
  C->SetParent(Form.get());
  EXPECT_FALSE(Form->HandleAllocated());
  EXPECT_FALSE(C->HandleAllocated());

  HWND H = C->Handle();  // creates the parent's window first
  ASSERT_TRUE(IsWindow(H));
  EXPECT_TRUE(Form->HandleAllocated());
  EXPECT_EQ(GetParent(H), Form->Handle());
  LONG_PTR Style = GetWindowLongPtrW(H, GWL_STYLE);
  EXPECT_TRUE(Style & WS_CHILD);
  EXPECT_TRUE(Style & WS_BORDER);
  EXPECT_TRUE(Style & WS_CLIPSIBLINGS);
  EXPECT_TRUE(GetWindowLongPtrW(H, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  wchar_t Class[64];
  GetClassNameW(H, Class, 64);
  EXPECT_STREQ(Class, L"TBorderedControl");
  EXPECT_EQ(FindControl(H), C);
  RECT R;
  GetWindowRect(H, &R);
  MapWindowPoints(HWND_DESKTOP, Form->Handle(), reinterpret_cast<POINT*>(&R), 2);
  EXPECT_EQ(R.left, 10);
  EXPECT_EQ(R.top, 20);
  EXPECT_EQ(R.right - R.left, 100);
  EXPECT_EQ(R.bottom - R.top, 50);
  // The client area is what the frame leaves, before and after the window exists.
  RECT Client;
  GetClientRect(H, &Client);
  EXPECT_EQ(C->ClientWidth(), Client.right);

  // Moving the control moves the window; the window being moved updates the control.
  C->SetBounds(30, 40, 120, 60);
  GetWindowRect(H, &R);
  EXPECT_EQ(R.right - R.left, 120);
  SetWindowPos(H, nullptr, 5, 6, 70, 80, SWP_NOZORDER);
  EXPECT_EQ(C->BoundsRect(), Bounds(5, 6, 70, 80));

  // Destroying the form's window takes the child's with it; asking again rebuilds both.
  Form->Perform(CM_RECREATEWND);
  EXPECT_FALSE(IsWindow(H));
  EXPECT_TRUE(IsWindow(C->Handle()));
}

TEST_F(WindowTest, ControlWithoutParentHasNoWindow) {
  auto C = std::make_unique<TBorderedControl>(nullptr);
  EXPECT_THROW(C->Handle(), Exception);
  EXPECT_FALSE(C->HandleAllocated());
}

TEST_F(WindowTest, ChildrenKeepTheirZOrderInWindowsAndHitTests) {
  auto Form = std::make_unique<TForm>(nullptr);
  Form->SetBounds(0, 0, 300, 200);
  TBorderedControl* W[3];
  for (auto*& C : W) {
    C = new TBorderedControl(Form.get());
    C->SetBounds(10, 10, 50, 50);
    C->SetParent(Form.get());
  }
  auto* G1 = new TSpyGraphic(Form.get());
  auto* G2 = new TSpyGraphic(Form.get());
  for (auto* G : {G1, G2}) {
    G->SetBounds(100, 100, 40, 40);
    G->SetParent(Form.get());
  }
  Form->HandleNeeded();
  auto TopDown = [&] {
    std::vector<TWinControl*> L;
    for (HWND H = GetWindow(Form->Handle(), GW_CHILD); H; H = GetWindow(H, GW_HWNDNEXT))
      L.push_back(FindControl(H));
    return L;
  };
  EXPECT_EQ(TopDown(), (std::vector<TWinControl*>{W[2], W[1], W[0]}));
  W[0]->BringToFront();
  EXPECT_EQ(TopDown(), (std::vector<TWinControl*>{W[0], W[2], W[1]}));
  W[2]->SendToBack();
  EXPECT_EQ(TopDown(), (std::vector<TWinControl*>{W[0], W[1], W[2]}));

  // Graphic children: the topmost one under the point is hit.
  EXPECT_EQ(Form->ControlAtPos({110, 110}, false), G2);
  G1->BringToFront();
  EXPECT_EQ(Form->ControlAtPos({110, 110}, false), G1);
  G1->SetEnabled(false);
  EXPECT_EQ(Form->ControlAtPos({110, 110}, false), G2);
  EXPECT_EQ(Form->ControlAtPos({110, 110}, true), G1);
  // Windowed children lie above all graphic ones.
  W[1]->SetBounds(90, 90, 50, 50);
  EXPECT_EQ(Form->ControlAtPos({110, 110}, false, true), W[1]);
}

TEST_F(WindowTest, ReplacedWindowProcSeesMessagesAndChainingBackRestores) {
  auto Form = std::make_unique<TForm>(nullptr);
  Form->SetBounds(0, 0, 200, 100);
  Form->HandleNeeded();
  int HookSaw = 0;
  TWndMethod Old = Form->WindowProc;
  Form->WindowProc = [&](TMessage& M) {
    if (M.Msg == WM_USER + 7) {
      ++HookSaw;
      M.Result = 42;
      return;
    }
    Old(M);
  };
  // Through the platform and through Perform alike.
  EXPECT_EQ(SendMessageW(Form->Handle(), WM_USER + 7, 0, 0), 42);
  EXPECT_EQ(Form->Perform(WM_USER + 7), 42);
  EXPECT_EQ(HookSaw, 2);
  // Other messages still reach the form: its text changes through the chain.
  SetWindowTextW(Form->Handle(), L"Hooked");
  EXPECT_EQ(Form->Caption(), L"Hooked");

  // A native subclass on the real window chains to the control's procedure as well.
  static WNDPROC Native = nullptr;
  static int NativeSaw = 0;
  Native = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
      Form->Handle(), GWLP_WNDPROC, LONG_PTR(+[](HWND H, UINT Msg, WPARAM W, LPARAM L) -> LRESULT {
        if (Msg == WM_USER + 7) ++NativeSaw;
        return CallWindowProcW(Native, H, Msg, W, L);
      })));
  EXPECT_EQ(SendMessageW(Form->Handle(), WM_USER + 7, 0, 0), 42);
  EXPECT_EQ(NativeSaw, 1);
  EXPECT_EQ(HookSaw, 3);
  SetWindowLongPtrW(Form->Handle(), GWLP_WNDPROC, LONG_PTR(Native));

  Form->WindowProc = Old;
  EXPECT_EQ(SendMessageW(Form->Handle(), WM_USER + 7, 0, 0), 0);
  EXPECT_EQ(HookSaw, 3);
}

TEST_F(WindowTest, PropertyChangesSendTheirNotifications) {
  auto Form = std::make_unique<TForm>(nullptr);
  auto* C = new TBorderedControl(Form.get());
  C->SetParent(Form.get());
  auto* G = new TSpyGraphic(Form.get());
  G->SetParent(Form.get());
  for (TControl* Target : std::initializer_list<TControl*>{C, G}) {
    SCOPED_TRACE(Target->ClassName());
    TMessageSpy Spy(Target);
    Target->SetEnabled(false);
    Target->SetEnabled(false);  // no change, no message
    Target->SetVisible(false);
    Target->SetText(L"Text");
    Target->Font()->SetHeight(-20);
    Target->SetColor(clRed);
    EXPECT_EQ(Spy.Count(CM_ENABLEDCHANGED), 1);
    EXPECT_EQ(Spy.Count(CM_VISIBLECHANGED), 1);
    EXPECT_EQ(Spy.Count(CM_TEXTCHANGED), 1);
    EXPECT_EQ(Spy.Count(CM_FONTCHANGED), 1);
    EXPECT_EQ(Spy.Count(CM_COLORCHANGED), 1);
    EXPECT_EQ(Target->Caption(), L"Text");
    EXPECT_FALSE(Target->ParentFont());
    EXPECT_FALSE(Target->ParentColor());
  }
  // A parent's font and colour reach the children that follow it.
  auto* Follower = new TSpyGraphic(Form.get());
  Follower->SetParent(Form.get());
  Form->Font()->SetName(L"Courier New");
  Form->SetColor(clLime);
  EXPECT_EQ(Follower->Font()->Name(), L"Courier New");
  EXPECT_EQ(Follower->Color(), clLime);
  EXPECT_TRUE(Follower->ParentFont());
  EXPECT_NE(C->Font()->Name(), L"Courier New");  // C has a font of its own now
}

TEST_F(WindowTest, WindowTextFollowsTheControlBothWays) {
  auto Form = std::make_unique<TForm>(nullptr);
  Form->SetCaption(L"Before");
  Form->HandleNeeded();
  wchar_t Buffer[64];
  GetWindowTextW(Form->Handle(), Buffer, 64);
  EXPECT_STREQ(Buffer, L"Before");
  Form->SetCaption(L"After");
  GetWindowTextW(Form->Handle(), Buffer, 64);
  EXPECT_STREQ(Buffer, L"After");
}

class TColorBox : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  String ClassName() const override { return L"TColorBox"; }
  bool SawCopy = false;

 protected:
  void Paint() override {
    SawCopy = ControlState().Contains(csPaintCopy);
    Canvas()->Brush().SetColor(clBlue);
    Canvas()->FillRect(ClientRect());
  }
};

class TColorPanel : public TCustomControl {
 public:
  explicit TColorPanel(TComponent* AOwner) : TCustomControl(AOwner) {
    FControlStyle.Include(csAcceptsControls);
  }
  String ClassName() const override { return L"TColorPanel"; }

 protected:
  void Paint() override {
    Canvas()->Brush().SetColor(clRed);
    Canvas()->FillRect(ClientRect());
  }
};

TEST_F(WindowTest, PaintToDrawsTheControlAndItsChildrenAsACopy) {
  auto Form = std::make_unique<TForm>(nullptr);
  Form->SetBorderStyle(bsNone);
  Form->SetBounds(0, 0, 100, 60);
  Form->SetColor(clLime);
  auto* Panel = new TColorPanel(Form.get());
  Panel->SetBounds(10, 10, 50, 40);
  Panel->SetParent(Form.get());
  auto* Box = new TColorBox(Form.get());
  Box->SetBounds(5, 5, 10, 10);
  Box->SetParent(Panel);
  HDC Screen = GetDC(nullptr);
  HDC Mem = CreateCompatibleDC(Screen);
  HBITMAP Bmp = CreateCompatibleBitmap(Screen, 120, 80);
  HGDIOBJ Old = SelectObject(Mem, Bmp);
  Form->PaintTo(Mem, 10, 10);                        // not shown: a copy all the same
  EXPECT_EQ(GetPixel(Mem, 12, 12), RGB(0, 255, 0));  // the form's background
  EXPECT_EQ(GetPixel(Mem, 22, 40), RGB(255, 0, 0));  // the panel
  EXPECT_EQ(GetPixel(Mem, 27, 27), RGB(0, 0, 255));  // the graphic child inside it
  EXPECT_TRUE(Box->SawCopy);
  EXPECT_FALSE(Box->ControlState().Contains(csPaintCopy));
  EXPECT_FALSE(Form->ControlState().Contains(csPaintCopy));
  SelectObject(Mem, Old);
  DeleteObject(Bmp);
  DeleteDC(Mem);
  ReleaseDC(nullptr, Screen);
}

// A platform button underneath a control: its notifications come back reflected.
class TNativeButton : public TWinControl {
 public:
  explicit TNativeButton(TComponent* AOwner) : TWinControl(AOwner) {
    SetControlStyle({csSetCaption, csDoubleClicks});  // the platform button tracks the mouse
  }
  String ClassName() const override { return L"TNativeButton"; }
  int Commands = 0, Draws = 0, Notifies = 0;
  void WndProc(TMessage& M) override {
    switch (M.Msg) {
      case CN_COMMAND:
        if (HIWORD(M.WParam) == BN_CLICKED) ++Commands;
        return;
      case CN_DRAWITEM: {
        auto* D = reinterpret_cast<DRAWITEMSTRUCT*>(M.LParam);
        FillRect(D->hDC, &D->rcItem, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        ++Draws;
        M.Result = 1;
        return;
      }
      case CN_NOTIFY:
        ++Notifies;
        M.Result = 7;
        return;
    }
    TWinControl::WndProc(M);
  }

 protected:
  void CreateParams(TCreateParams& Params) override {
    TWinControl::CreateParams(Params);
    CreateSubClass(Params, L"BUTTON");
    Params.Style |= BS_OWNERDRAW;
  }
};

TEST_F(WindowTest, ParentReflectsCommandDrawItemAndNotifyToTheChild) {
  auto Form = std::make_unique<TForm>(nullptr);
  Form->SetBounds(50, 50, 200, 120);
  auto* B = new TNativeButton(Form.get());
  B->SetBounds(10, 10, 80, 30);
  B->SetParent(Form.get());
  Form->Show();
  PumpIdle();
  EXPECT_GT(B->Draws, 0);
  SendMessageW(B->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(B->Commands, 1);
  NMHDR H{B->Handle(), UINT_PTR(GetDlgCtrlID(B->Handle())), UINT(-2)};
  EXPECT_EQ(SendMessageW(Form->Handle(), WM_NOTIFY, H.idFrom, LPARAM(&H)), 7);
  EXPECT_EQ(B->Notifies, 1);
}

}  // namespace

// The layered border around a plain form: its four windows sit at the right rectangles,
// show the frame image, follow the form, are click-through only in transparent mode, and
// go with the border.
#include <memory>
#include <set>

#include "ControlsTestSupport.h"
#include "LeakProbe.h"
#include "forms/QvFormBorder.h"
#include "resources/QvSkinResManager.h"

using namespace qv;
using qvtest::PumpIdle;

namespace {

const wchar_t* const kImage = L"FormBorderTestImage";
constexpr int kImgSize = 30;

// Opaque pixel naming its position, so the screen shows it exactly.
TColor32 At(int X, int Y) {
  return Color32(uint8_t(X * 8), uint8_t(Y * 8), 0x40);
}

void RegisterImage() {
  static bool Done = false;
  if (Done) return;
  Done = true;
  TBitmap32 Img;
  Img.SetSize(kImgSize, kImgSize);
  for (int Y = 0; Y < kImgSize; ++Y)
    for (int X = 0; X < kImgSize; ++X) Img.SetPixel(X, Y, At(X, Y));
  Img.SetDrawMode(dmBlend);
  TQvSkinResManagerObj()->AddRes(&Img, kImage, L"");
}

// A form that records system move commands instead of starting the move loop.
class TRecordingForm : public TForm {
 public:
  TRecordingForm() : TForm(nullptr) {}
  int Moves = 0;
  WPARAM LastCommand = 0;
  void WndProc(TMessage& Message) override {
    if (Message.Msg == WM_SYSCOMMAND && (Message.WParam & 0xFFF0) == SC_MOVE) {
      ++Moves;
      LastCommand = Message.WParam;
      return;
    }
    TForm::WndProc(Message);
  }
};

class FormBorderTest : public qvtest::ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    RegisterImage();
    Form = std::make_unique<TRecordingForm>();
    Form->SetBorderStyle(bsNone);
    Form->SetColor(clWhite);
    Form->SetBounds(100, 100, 400, 300);
    Form->Show();
    Border = std::make_unique<TQvFormLayerBorder>(nullptr);
    Border->SetImage(kImage);
    Border->InitFrame(Form.get());
  }
  void TearDown() override {
    Border.reset();
    Form.reset();
    ControlsTest::TearDown();
  }

  HWND Wnd(TqvFormLayerBorderType Side) { return HWND(Border->Window(Side)->Handle()); }

  static RECT WindowRect(HWND H) {
    RECT R{};
    GetWindowRect(H, &R);
    return R;
  }

  // Every window's screen rectangle is the layout's around the form's current bounds.
  void ExpectPlacedAround(const TRect& FormBounds) {
    TQvBorderLayout L =
        QvBorderLayout(FormBounds, *Border->Size(), *Border->InflateSize(), Border->Transparent());
    for (auto Side : {mpflLeft, mpflTop, mpflRight, mpflBottom}) {
      SCOPED_TRACE(Side);
      ASSERT_NE(Border->Window(Side), nullptr);
      RECT R = WindowRect(Wnd(Side));
      EXPECT_TRUE(IsWindowVisible(Wnd(Side)));
      EXPECT_EQ(R.left, L.Pos[Side].X);
      EXPECT_EQ(R.top, L.Pos[Side].Y);
      EXPECT_EQ(R.right - R.left, L.Source[Side].Width());
      EXPECT_EQ(R.bottom - R.top, L.Source[Side].Height());
    }
  }

  // Calls Check(Side, X, Y, Shown, Want) for points of each window's piece wherever no
  // other window covers it (the form sits above the parts that reach under it): what the
  // screen shows there and the piece's colour.
  template <typename F>
  void ForEachScreenPoint(F Check) {
    HDC Screen = GetDC(nullptr);
    TRect Fm = Form->BoundsRect();
    for (auto Side : {mpflLeft, mpflTop, mpflRight, mpflBottom}) {
      TBitmap32* P = Border->Piece(Side);
      RECT R = WindowRect(Wnd(Side));
      for (int Y = 0; Y < P->Height(); Y += 3)
        for (int X = 0; X < P->Width(); X += 7) {
          int SX = R.left + X, SY = R.top + Y;
          if (SX >= Fm.Left && SX < Fm.Right && SY >= Fm.Top && SY < Fm.Bottom) continue;
          TColor32 C = P->Pixel(X, Y);
          Check(Side, X, Y, GetPixel(Screen, SX, SY),
                RGB(RedComponent(C), GreenComponent(C), BlueComponent(C)));
        }
    }
    ReleaseDC(nullptr, Screen);
  }

  // The screen shows each window's piece. Wine puts a window's pixels on the display from
  // its message loop and the X server shows them a little later, so this first handles
  // messages until the screen shows them. Answers how many points were compared.
  int ExpectScreenShowsPieces() {
    qvtest::PumpUntil([&] {
      bool Shown = true;
      ForEachScreenPoint(
          [&](auto, int, int, COLORREF Got, COLORREF Want) { Shown &= Got == Want; });
      return Shown;
    });
    int Compared = 0;
    ForEachScreenPoint([&](auto Side, int X, int Y, COLORREF Got, COLORREF Want) {
      EXPECT_EQ(Got, Want) << "side " << Side << " at " << X << "," << Y;
      ++Compared;
    });
    return Compared;
  }

  std::unique_ptr<TRecordingForm> Form;
  std::unique_ptr<TQvFormLayerBorder> Border;
};

TEST_F(FormBorderTest, ShowWithFormPlacesFourLayeredWindowsShowingTheImage) {
  for (bool Transparent : {true, false}) {
    SCOPED_TRACE(Transparent);
    Border->SetTransparent(Transparent);
    Border->ShowWithForm({});
    PumpIdle();
    ExpectPlacedAround(Bounds(100, 100, 400, 300));
    // The pieces come from the image: its corners stay unscaled in the frame's corners.
    TBitmap32* Top = Border->Piece(mpflTop);
    TBitmap32* Bottom = Border->Piece(mpflBottom);
    EXPECT_EQ(Top->Pixel(0, 0), At(0, 0));
    EXPECT_EQ(Top->Pixel(Top->Width() - 1, 0), At(kImgSize - 1, 0));
    EXPECT_EQ(Bottom->Pixel(Bottom->Width() - 1, Bottom->Height() - 1),
              At(kImgSize - 1, kImgSize - 1));
    EXPECT_GT(ExpectScreenShowsPieces(), 100);
    // Directly below the form in stacking order. Wine lifts freshly mapped windows above
    // the others when it handles their X map events, after the placement; the next
    // placement puts them back, so the order is checked after one.
    Border->MoveWithForm(100, 100);
    std::set<HWND> Below;
    HWND H = HWND(Form->Handle());
    for (int I = 0; I < 4; ++I) Below.insert(H = GetWindow(H, GW_HWNDNEXT));
    EXPECT_EQ(Below,
              (std::set<HWND>{Wnd(mpflLeft), Wnd(mpflTop), Wnd(mpflRight), Wnd(mpflBottom)}));
  }
}

TEST_F(FormBorderTest, TransparentTilingDropsTheInflateForGood) {
  Border->SetStretchKind(skTile);
  Border->ShowWithForm({});
  const TQvBorderSize& I = *Border->InflateSize();
  EXPECT_EQ(std::vector<int>({I.Left(), I.Top(), I.Right(), I.Bottom()}),
            std::vector<int>({0, 0, 0, 0}));
  EXPECT_EQ(WindowRect(Wnd(mpflLeft)).top, 100);  // the sides start at the form's top edge
  // Tiled from the frame's top-left: the image repeats along the top piece.
  TBitmap32* Top = Border->Piece(mpflTop);
  EXPECT_EQ(Top->Pixel(kImgSize + 3, 2), At(3, 2));
}

TEST_F(FormBorderTest, WindowsFollowTheFormWhenResizedAndMoved) {
  Border->ShowWithForm({});
  HWND Before = Wnd(mpflTop);
  Form->SetBounds(150, 120, 300, 200);
  Border->SetBoundsWithForm();
  PumpIdle();
  ExpectPlacedAround(Bounds(150, 120, 300, 200));
  EXPECT_GT(ExpectScreenShowsPieces(), 50);
  Form->SetBounds(210, 170, 300, 200);
  Border->MoveWithForm(210, 170);
  PumpIdle();
  ExpectPlacedAround(Bounds(210, 170, 300, 200));
  EXPECT_EQ(Wnd(mpflTop), Before) << "moves reuse the windows";
  EXPECT_GT(ExpectScreenShowsPieces(), 50);
}

TEST_F(FormBorderTest, MaximiseHidesAndRestoreShowsAgain) {
  Border->ShowWithForm({});
  Form->SetWindowState(wsMaximized);
  Border->SetBoundsWithForm();
  EXPECT_TRUE(Border->Minimized());
  EXPECT_FALSE(Border->Visible());
  Form->SetWindowState(wsNormal);
  Border->ReAlign();
  EXPECT_FALSE(Border->Minimized());
  EXPECT_TRUE(Border->Visible());
  Form->SetBounds(100, 100, 400, 300);
  Border->SetBoundsWithForm();
  PumpIdle();
  ExpectPlacedAround(Bounds(100, 100, 400, 300));
  EXPECT_GT(ExpectScreenShowsPieces(), 100);
  // Hidden: drawn fully transparent, the screen no longer shows the piece.
  Border->Hide();
  HDC Screen = GetDC(nullptr);
  TColor32 C = Border->Piece(mpflTop)->Pixel(0, 0);
  const COLORREF Piece = RGB(RedComponent(C), GreenComponent(C), BlueComponent(C));
  qvtest::PumpUntil([&] { return GetPixel(Screen, 92, 92) != Piece; });
  EXPECT_NE(GetPixel(Screen, 92, 92), Piece);
  ReleaseDC(nullptr, Screen);
}

TEST_F(FormBorderTest, AClosedFormIsNotFollowedUntilShownAgain) {
  int OldCloses = 0;
  Form->OnClose = [&](TObject*, TCloseAction& Action) {
    ++OldCloses;
    if (OldCloses == 1) Action = caNone;  // the first close is refused
  };
  Border.reset(new TQvFormLayerBorder(nullptr));
  Border->SetImage(kImage);
  Border->InitFrame(Form.get());
  Border->ShowWithForm({});
  // A refused close leaves the form up: the border keeps following it.
  Form->Close();
  EXPECT_EQ(OldCloses, 1);
  EXPECT_FALSE(Border->FormClosed());
  Form->SetBounds(120, 110, 400, 300);
  Border->MoveWithForm(120, 110);
  ExpectPlacedAround(Bounds(120, 110, 400, 300));
  // A real close: moves and resizes leave the windows where they were.
  Form->Close();
  EXPECT_EQ(OldCloses, 2);
  EXPECT_TRUE(Border->FormClosed());
  Form->SetBounds(200, 200, 300, 200);
  Border->SetBoundsWithForm();
  Border->MoveWithForm(200, 200);
  EXPECT_EQ(WindowRect(Wnd(mpflTop)).left, 112);
  EXPECT_EQ(WindowRect(Wnd(mpflLeft)).right - WindowRect(Wnd(mpflLeft)).left, 13);
  Form->Show();
  EXPECT_FALSE(Border->FormClosed());
  Border->SetBoundsWithForm();
  ExpectPlacedAround(Bounds(200, 200, 300, 200));
}

TEST_F(FormBorderTest, TransparentIsClickThroughOpaqueTakesTheMouseAndDrags) {
  struct TMode {
    bool Transparent, Drag;
  };
  for (TMode M : {TMode{true, true}, TMode{false, true}, TMode{false, false}}) {
    SCOPED_TRACE(testing::Message() << M.Transparent << M.Drag);
    Border->SetTransparent(M.Transparent);
    Border->SetDragEnabled(M.Drag);
    Border->ShowWithForm({});
    PumpIdle();
    for (auto Side : {mpflLeft, mpflTop, mpflRight, mpflBottom}) {
      LONG_PTR Ex = GetWindowLongPtrW(Wnd(Side), GWL_EXSTYLE);
      EXPECT_EQ(GetWindowLongPtrW(Wnd(Side), GWL_STYLE) & (WS_POPUP | WS_CAPTION | WS_THICKFRAME),
                WS_POPUP);
      EXPECT_TRUE(Ex & WS_EX_LAYERED);
      EXPECT_TRUE(Ex & WS_EX_TOOLWINDOW);
      EXPECT_EQ(bool(Ex & WS_EX_TRANSPARENT), M.Transparent);
      EXPECT_EQ(bool(Ex & WS_EX_NOACTIVATE), !M.Transparent);
    }
    POINT P{300, 95};  // on the top window, above the form
    EXPECT_EQ(WindowFromPoint(P) == Wnd(mpflTop), !M.Transparent);
    Form->Moves = 0;
    qvtest::Click(P.x, P.y);
    EXPECT_EQ(Form->Moves, !M.Transparent && M.Drag ? 1 : 0);
    if (Form->Moves) {
      EXPECT_EQ(Form->LastCommand, WPARAM(0xF011));
    }
    // The press does not activate the border window.
    EXPECT_NE(GetActiveWindow(), Wnd(mpflTop));
  }
}

TEST_F(FormBorderTest, FreeingTheBorderOrTheFormDestroysTheWindows) {
  Border->ShowWithForm({});
  std::vector<HWND> Handles;
  for (auto Side : {mpflLeft, mpflTop, mpflRight, mpflBottom}) Handles.push_back(Wnd(Side));
  Border.reset();
  for (HWND H : Handles) EXPECT_FALSE(IsWindow(H));
  Form->Close();  // the handlers chained into the form outlive the border safely
  Form->Show();
  // The form going first takes the windows with it.
  Border = std::make_unique<TQvFormLayerBorder>(nullptr);
  Border->SetImage(kImage);
  Border->InitFrame(Form.get());
  Border->ShowWithForm({});
  Handles.clear();
  for (auto Side : {mpflLeft, mpflTop, mpflRight, mpflBottom}) Handles.push_back(Wnd(Side));
  Form.reset();
  for (HWND H : Handles) EXPECT_FALSE(IsWindow(H));
  EXPECT_EQ(Border->Form(), nullptr);
  Border->SetBoundsWithForm();  // harmless without a form
}

void OneCycle() {
  TForm Form(nullptr);
  Form.SetBorderStyle(bsNone);
  Form.SetBounds(60, 60, 200, 150);
  Form.Show();
  TQvFormLayerBorder Border(nullptr);
  Border.InitFrame(&Form);
  Border.ShowWithForm({});
  Border.SetBounds(60, 60, 220, 160);
  Border.FreeLayerWindow();
  Border.ShowWithForm({});
  PumpIdle();
}

TEST_F(FormBorderTest, ShowAndFreeCyclesLeakNoWindows) {
  for (int I = 0; I < 3; ++I) OneCycle();
  qvtest::TSlots Before = qvtest::Probe();
  const int Cycles = 20;
  for (int I = 0; I < Cycles; ++I) OneCycle();
  qvtest::TSlots After = qvtest::Probe();
  // Each cycle makes eight windows: a leak would move the slot by far more than this.
  EXPECT_LT(After.Window, Before.Window + Cycles * 2 / 3) << "windows leak";
  EXPECT_LT(After.Gdi, Before.Gdi + Cycles * 2 / 3) << "GDI objects leak";
}

}  // namespace

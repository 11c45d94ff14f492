// What a skinned form shows and hands on: the global HSB shift through the skin
// configuration, a broken background picture, the background see-through children copy,
// the non-client repaint of skinned controls, and no leaks over many forms.
#include <gtest/gtest.h>

#include <fstream>

#include "LeakProbe.h"
#include "SkinControlsTestSupport.h"
#include "SkinFormTestSupport.h"
#include "core/ResourceTestSupport.h"
#include "forms/QvFormBorder.h"
#include "forms/QvFormSkinVar.h"
#include "forms/QvSkinHelper.h"
#include "forms/QvSkinMainMenu.h"
#include "forms/QvSkinNCCtrls.h"
#include "forms/QvSkinRes.h"
#include "graphics/QvGR32LibColor.h"
#include "graphics/SimpleTimer.h"

using namespace qv;
using namespace qvtest;

namespace {

class SkinFormSkinTest : public SkinFormFixture {
 protected:
  void TearDown() override {
    gHSB = THSBRec{};
    SkinFormFixture::TearDown();
  }
  // A client pixel below the title gradient, on the screen.
  uint32_t ClientPixel(TForm* F) const {
    RECT R;
    GetWindowRect(HWND(F->Handle()), &R);
    return ScreenRgb(R.left + 100, R.bottom - 10);
  }
};

TEST_F(SkinFormSkinTest, ApplyWithANewShiftRepaintsEveryOpenSkinnedForm) {
  TTempDir Dir(L"qv_skinform_hsb");
  TQvSkinRes Res(nullptr, Dir.Path().wstring());
  Skin(false)->SetSkinRes(&Res);
  auto Second = std::make_unique<TForm>(nullptr);
  Second->SetBounds(650, 150, 300, 250);
  auto* SecondSkin = new TQvSkinForm(Second.get());
  SecondSkin->SetSkinRes(&Res);
  ShowForm();
  Second->Show();
  ASSERT_TRUE(PumpUntil([&] { return !Second->AlphaBlend(); }));
  PumpIdle();
  const uint32_t Plain = Color32(Res.Form()->Color()) & 0xFFFFFF;
  EXPECT_EQ(ClientPixel(Form.get()), Plain);
  EXPECT_EQ(ClientPixel(Second.get()), Plain);

  gHSB = THSBRec{120, 0, 0};
  Res.Apply();
  PumpIdle();
  const uint32_t Shifted = Color32(MakeHSBColor(Res.Form()->Color(), 120, 0, 0)) & 0xFFFFFF;
  ASSERT_NE(Shifted, Plain);
  EXPECT_EQ(ClientPixel(Form.get()), Shifted);
  EXPECT_EQ(ClientPixel(Second.get()), Shifted);
  EXPECT_EQ(SkinForm->NCBkColor(), MakeHSBColor(Res.Form()->TitlerColor(), 120, 0, 0));
  Second.reset();
}

TEST_F(SkinFormSkinTest, APictureThatIsNoPictureFallsBackToAUsableForm) {
  TTempDir Dir(L"qv_skinform_badpic");
  const auto Bad = Dir.Path() / L"not-a-picture.png";
  std::ofstream(Bad) << "this is text, not a picture";
  Skin();
  SkinForm->SetStyle(ssPicture);
  SkinForm->SetCustomPicture(Bad.wstring());
  ShowForm();  // no exception escapes (the fixture fails the test on one)
  EXPECT_EQ(ClientPixel(Form.get()), Color32(SkinForm->ClientBkColor()) & 0xFFFFFF);
  // The title is painted: the close button's frame, not the desktop, at its place.
  POINT C = CentreOf(Close);
  EXPECT_NE(ScreenRgb(C.x, C.y), ScreenRgb(L - 20, T + 10));
}

TEST_F(SkinFormSkinTest, SeeThroughChildShowsTheFormsBackground) {
  Skin(false);
  SkinForm->SetColor(0x00336699);
  auto* Probe = new TProbe(Form.get());
  Probe->SetBounds(20, 200, 60, 40);  // below the title gradient
  Probe->SetParent(Form.get());
  ShowForm();
  SkinForm->RefreshSkin();
  Probe->Invalidate();
  ASSERT_TRUE(PumpUntil([&] { return Probe->Bodies > 0; }));
  PumpIdle();
  EXPECT_EQ(Rgb(*Probe->BackgroundPicture(), 10, 10), Color32(TColor(0x00336699)) & 0xFFFFFF);
  // In picture style the picture is in window coordinates: the child takes it frame and
  // title included.
  EXPECT_EQ(SkinForm->BackgroundPicture(), SkinForm->GetBackgroundPicture());
}

// A skinned control that counts its non-client paints; Framed gives it a one-pixel border,
// a non-client part of its own.
class TFramedProbe : public TProbe {
 public:
  TFramedProbe(TComponent* AOwner, bool AFramed) : TProbe(AOwner), Framed(AFramed) {}
  bool Framed;
  int NCPaints = 0;
  void WndProc(TMessage& Message) override {
    if (Message.Msg == WM_NCPAINT) ++NCPaints;
    TProbe::WndProc(Message);
  }

 protected:
  void CreateParams(TCreateParams& Params) override {
    TProbe::CreateParams(Params);
    if (Framed) Params.Style |= WS_BORDER;
  }
};

TEST_F(SkinFormSkinTest, InvalidateNCRepaintsOnlyAControlWithANonClientPart) {
  Skin(false);
  auto* Framed = new TFramedProbe(Form.get(), true);
  Framed->SetBounds(20, 20, 60, 40);
  Framed->SetParent(Form.get());
  auto* Plain = new TFramedProbe(Form.get(), false);
  Plain->SetBounds(100, 20, 60, 40);
  Plain->SetParent(Form.get());
  ShowForm();
  Framed->NCPaints = Plain->NCPaints = 0;
  Framed->InvalidateNC();
  Plain->InvalidateNC();
  EXPECT_EQ(Framed->NCPaints, 1);
  EXPECT_EQ(Plain->NCPaints, 0);
  // The skinned form's change reaches every registered control.
  const int Before = Plain->Bodies;
  SkinForm->DoChanged();
  EXPECT_GE(Framed->NCPaints, 2);
  ASSERT_TRUE(PumpUntil([&] { return Plain->Bodies > Before; }));
}

TEST_F(SkinFormSkinTest, NoLeaksOverManySkinnedForms) {
  TQvFormSkinHelper* Forms = TQvFormSkinHelperObj();
  TQvWinControlHelper* Controls = TQvWinControlHelperObj();
  // Every cycle builds the whole form (system buttons, a label, a main menu and the border)
  // and builds the title-bar menu item and its popup, as its first frame paint does.
  // Showing, maximising and restoring cost about 130 ms under Wine (X11 round trips and the
  // border's four layered windows), so every 25th cycle does them. What they add (the
  // border's windows and pieces, the region, the first-show timers) is made and freed alike
  // on each shown cycle, and 40 cycles leaking one object each lift a slot past the limit.
  auto Cycle = [&](int I) {
    TForm F(nullptr);
    F.SetBounds(100, 100, 300, 200);
    auto* S = new TQvSkinForm(&F);
    for (TSystemButtonKind K : {bkClose, bkMaximize, bkMinimize})
      (new TQvSkinSystemButton(&F))->SetKind(K);
    new TQvSkinNCLabel(&F);
    auto* Menu = new TMainMenu(&F);
    qvtest::NewMenuItem(&F, qvtest::NewMenuItem(&F, Menu->Items(), L"&File"), L"&Open");
    S->MainMenu()->SetMainMenu(Menu);
    S->SetImageBorder(new TQvFormLayerBorder(&F));
    HWND H = HWND(F.Handle());
    if (I % 25 == 0) {
      F.Show();
      SendMessageW(H, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
      SendMessageW(H, WM_SYSCOMMAND, SC_RESTORE, 0);
    } else {
      S->CreateMainMenu();  // what a frame paint builds first
      PaintOffScreen(&F);
    }
    ASSERT_EQ(S->MainMenu()->MenuList().size(), 1u);
    EXPECT_NE(S->MainMenu()->MenuList()[0]->NCMenuItem, nullptr);
  };
  for (int I = 0; I < 3; ++I) Cycle(I * 25);  // caches and window classes settle
  PumpIdle();
  const int FormCount = Forms->Count(), ControlCount = Controls->Count();
  const Integer Timers = GetSimpleTimerCount();
  const TSlots Before = Probe();
  const unsigned Limit = 32;
  for (int I = 0; I < 1000; ++I) Cycle(I);
  PumpIdle();
  const TSlots After = Probe();
  EXPECT_LT(After.Window, Before.Window + Limit) << "windows leak";
  EXPECT_LT(After.Gdi, Before.Gdi + Limit) << "GDI objects leak";
  EXPECT_LT(After.Menu, Before.Menu + Limit) << "menus leak";
  EXPECT_EQ(Forms->Count(), FormCount);
  EXPECT_EQ(Controls->Count(), ControlCount);
  EXPECT_EQ(GetSimpleTimerCount(), Timers);
}

}  // namespace

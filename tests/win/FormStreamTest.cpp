// Forms in the object text form: properties of forms and controls, controls nested in
// their parents, menus with their items, references by name.
#include <memory>

#include "ControlsTestSupport.h"
#include "host/Font.h"
#include "host/ObjectText.h"

using namespace qv;

namespace {

class TStreamPanel : public TCustomControl {
  QV_CLASS(TStreamPanel)
 public:
  explicit TStreamPanel(TComponent* AOwner) : TCustomControl(AOwner) {
    FControlStyle.Include(csAcceptsControls);
  }
};

class TStreamLabel : public TGraphicControl {
  QV_CLASS(TStreamLabel)
 public:
  using TGraphicControl::TGraphicControl;
};

struct TRegisterTestClasses {
  TRegisterTestClasses() {
    RegisterComponentClass<TStreamPanel>();
    RegisterComponentClass<TStreamLabel>();
  }
} gRegisterTestClasses;

template <typename T>
T* Make(TComponent* Owner, const String& Name) {
  auto* C = new T(Owner);
  C->SetName(Name);
  return C;
}

using FormStreamTest = qvtest::ControlsTest;

TEST_F(FormStreamTest, FormRoundTripsThroughTheObjectTextForm) {
  auto Form = std::make_unique<TForm>(nullptr);
  Form->SetName(L"MainForm");
  Form->SetCaption(L"Round trip");
  Form->SetBorderStyle(bsDialog);
  Form->SetBorderIcons({biSystemMenu});
  Form->SetPosition(poScreenCenter);
  Form->SetBounds(10, 20, 400, 300);
  Form->SetKeyPreview(true);
  auto* Popup = Make<TPopupMenu>(Form.get(), L"PopupMenu1");
  auto* Copy = Make<TMenuItem>(Form.get(), L"Copy1");
  Copy->SetCaption(L"&Copy");
  Copy->SetShortCut(ShortCut('C', {ssCtrl}));
  Popup->Items()->Add(Copy);
  auto* More = Make<TMenuItem>(Form.get(), L"More1");
  More->SetCaption(L"More");
  Popup->Items()->Add(More);
  auto* Inner = Make<TMenuItem>(Form.get(), L"Inner1");
  Inner->SetCaption(L"Inner");
  Inner->SetChecked(true);
  More->Add(Inner);
  auto* Main = Make<TMainMenu>(Form.get(), L"MainMenu1");
  auto* File = Make<TMenuItem>(Form.get(), L"File1");
  File->SetCaption(L"&File");
  Main->Items()->Add(File);
  Form->SetMenu(Main);
  auto* Timer = Make<TTimer>(Form.get(), L"Timer1");
  Timer->SetInterval(250);
  Timer->SetEnabled(false);
  auto* Panel = Make<TStreamPanel>(Form.get(), L"Panel1");
  Panel->SetBounds(0, 0, 100, 40);
  Panel->SetAlign(alTop);
  Panel->SetColor(clRed);
  Panel->Font()->SetName(L"Courier New");
  Panel->SetPopupMenu(Popup);
  Panel->SetParent(Form.get());
  auto* Label = Make<TStreamLabel>(Form.get(), L"Label1");
  Label->SetBounds(5, 6, 70, 14);
  Label->SetCaption(L"It's a label");
  Label->SetHint(L"Tip");
  Label->SetShowHint(true);
  Label->SetAnchors({akLeft, akTop, akRight});
  Label->Constraints()->SetMinWidth(20);
  Label->SetParent(Panel);
  auto* Field = Make<TStreamPanel>(Form.get(), L"Field1");
  Field->SetBounds(10, 60, 120, 24);
  Field->SetTabStop(true);
  Field->SetEnabled(false);
  Field->SetParent(Form.get());

  String Text = ComponentToText(*Form);
  for (const wchar_t* Expected :
       {L"object MainForm: TForm", L"BorderStyle = bsDialog", L"BorderIcons = [biSystemMenu]",
        L"Position = poScreenCenter", L"Menu = MainMenu1", L"object Panel1: TStreamPanel",
        L"Align = alTop", L"Color = clRed", L"PopupMenu = PopupMenu1",
        L"object Label1: TStreamLabel", L"Anchors = [akLeft, akTop, akRight]",
        L"Constraints.MinWidth = 20", L"object Inner1: TMenuItem", L"Interval = 250"})
    EXPECT_NE(Text.find(Expected), String::npos) << ToUtf8(Expected) << "\n" << ToUtf8(Text);
  // The label is written inside its panel, the inner item inside its parent item.
  EXPECT_LT(Text.find(L"object Panel1"), Text.find(L"object Label1"));
  EXPECT_LT(Text.find(L"object More1"), Text.find(L"object Inner1"));

  auto Copy2 = std::make_unique<TForm>(nullptr);
  TextToComponent(Text, *Copy2);
  EXPECT_EQ(Copy2->Caption(), L"Round trip");
  EXPECT_EQ(Copy2->BorderStyle(), bsDialog);
  EXPECT_EQ(Copy2->BorderIcons(), TBorderIcons{biSystemMenu});
  EXPECT_EQ(Copy2->Position(), poScreenCenter);
  EXPECT_TRUE(Copy2->KeyPreview());
  EXPECT_EQ(Copy2->BoundsRect(), Bounds(10, 20, 400, 300));
  EXPECT_FALSE(Copy2->Visible());
  auto* P2 = dynamic_cast<TStreamPanel*>(Copy2->FindComponent(L"Panel1"));
  auto* L2 = dynamic_cast<TStreamLabel*>(Copy2->FindComponent(L"Label1"));
  auto* F2 = dynamic_cast<TStreamPanel*>(Copy2->FindComponent(L"Field1"));
  ASSERT_TRUE(P2 && L2 && F2);
  EXPECT_EQ(P2->Parent(), Copy2.get());
  EXPECT_EQ(L2->Parent(), P2);
  EXPECT_EQ(P2->Align(), alTop);
  EXPECT_EQ(P2->Width(), Copy2->ClientWidth());  // aligned again after reading
  EXPECT_EQ(P2->Color(), clRed);
  EXPECT_EQ(P2->Font()->Name(), L"Courier New");
  EXPECT_EQ(L2->Font()->Name(), L"Courier New");  // follows its parent's font
  EXPECT_EQ(L2->Caption(), L"It's a label");
  EXPECT_EQ(L2->Hint(), L"Tip");
  EXPECT_TRUE(L2->ShowHint());
  EXPECT_EQ(L2->Anchors(), (TAnchors{akLeft, akTop, akRight}));
  EXPECT_EQ(L2->Constraints()->MinWidth(), 20);
  EXPECT_EQ(L2->BoundsRect(), Bounds(5, 6, 70, 14));
  EXPECT_FALSE(F2->Enabled());
  EXPECT_TRUE(F2->TabStop());
  auto* Popup2 = dynamic_cast<TPopupMenu*>(Copy2->FindComponent(L"PopupMenu1"));
  ASSERT_NE(Popup2, nullptr);
  EXPECT_EQ(P2->PopupMenu(), Popup2);
  ASSERT_EQ(Popup2->Items()->Count(), 2);
  EXPECT_EQ(Popup2->Items()->Items(0)->ShortCut(), ShortCut('C', {ssCtrl}));
  ASSERT_EQ(Popup2->Items()->Items(1)->Count(), 1);
  EXPECT_TRUE(Popup2->Items()->Items(1)->Items(0)->Checked());
  ASSERT_NE(Copy2->Menu(), nullptr);
  EXPECT_EQ(Copy2->Menu()->Items()->Items(0)->Caption(), L"&File");
  auto* T2 = dynamic_cast<TTimer*>(Copy2->FindComponent(L"Timer1"));
  ASSERT_NE(T2, nullptr);
  EXPECT_EQ(T2->Interval(), 250u);
  EXPECT_FALSE(T2->Enabled());

  // Written again, the copy gives the same text.
  EXPECT_EQ(ComponentToText(*Copy2), Text);
}

TEST_F(FormStreamTest, BadValuesRaiseAndLeaveNoHalfReadControls) {
  auto Form = std::make_unique<TForm>(nullptr);
  int Before = Form->ComponentCount();
  const wchar_t* Text =
      L"object F: TForm\n"
      L"  object Panel1: TStreamPanel\n"
      L"    Align = alSideways\n"
      L"  end\n"
      L"end\n";
  EXPECT_THROW(TextToComponent(Text, *Form), EReadError);
  EXPECT_EQ(Form->ComponentCount(), Before);
  EXPECT_EQ(Form->ControlCount(), 0);
}

TEST_F(FormStreamTest, AVisibleFormShowsOnlyOnceReadCompletely) {
  auto Form = std::make_unique<TForm>(nullptr);
  bool ShownWhileLoading = false;
  Form->OnShow = [&](TObject* S) {
    ShownWhileLoading = static_cast<TForm*>(S)->ComponentState().Contains(csLoading);
  };
  TextToComponent(
      L"object F: TForm\n  Left = 50\n  Top = 60\n  Width = 200\n  Height = 100\n"
      L"  Visible = True\nend\n",
      *Form);
  EXPECT_TRUE(Form->Showing());
  EXPECT_FALSE(ShownWhileLoading);
  EXPECT_TRUE(IsWindowVisible(Form->Handle()));
}

}  // namespace

// The colour combo box: its list by style, Selected, and "Custom..." opening the colour
// dialog (answered here at once through the injectable call).
#include "SkinControlsTestSupport.h"
#include "controls/QvSkinColorComboBox.h"

using namespace qv;
using namespace qvtest;

namespace {

class ColorComboTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    Box = Add<TQvSkinColorComboBox>(Form.get(), 20, 20, 140, 26);
    Box->PickColor = [this](TWinControl*, TColor& C) {
      ++Dialogs;
      Preset = C;
      C = Answer;
      return Answer != NoAnswer;
    };
    Box->OnChange = [this](TObject*) { ++Changes; };
  }
  static constexpr TColor NoAnswer = TColor(-1);
  TQvSkinColorComboBox* Box = nullptr;
  TColor Answer = TColor(0x00AA00), Preset = 0;
  int Dialogs = 0, Changes = 0;
};

}  // namespace

TEST_F(ColorComboTest, ListFollowsTheStyle) {
  struct Case {
    const char* What;
    TQvColorBoxStyles Style;
    int Count;
    bool Enabled;
    const wchar_t* Last;
  } Cases[] = {
      {"standard", {qvcbStandardColors}, 16, true, L"clWhite"},
      {"standard and custom", {qvcbStandardColors, qvcbCustomColor}, 17, true, L"Custom..."},
      {"extended, pretty", {qvcbExtendedColors, qvcbPrettyNames}, 4, true, L"Med Gray"},
      {"nothing", {}, 0, false, nullptr},
  };
  for (const Case& C : Cases) {
    Box->SetExStyle(C.Style);
    EXPECT_EQ(Box->Items()->Count(), C.Count) << C.What;
    EXPECT_EQ(Box->Enabled(), C.Enabled) << C.What;
    if (C.Last) EXPECT_EQ(Box->Items()->Strings(C.Count - 1), C.Last) << C.What;
  }
  Box->SetExStyle({qvcbStandardColors, qvcbSystemColors});
  EXPECT_EQ(Box->Items()->IndexOf(L"clNone"), -1);
  EXPECT_EQ(Box->Items()->IndexOf(L"clDefault"), -1);
  EXPECT_NE(Box->Items()->IndexOf(L"clBtnFace"), -1);
}

TEST_F(ColorComboTest, SelectedFindsTheColourOrBecomesTheCustomOne) {
  Box->SetExStyle({qvcbStandardColors, qvcbCustomColor});
  ShowForm();
  Box->SetSelected(clRed);
  EXPECT_EQ(Box->Items()->Strings(Box->ItemIndex()), L"clRed");
  EXPECT_EQ(Box->Selected(), clRed);
  Box->SetSelected(TColor(0x123456));
  EXPECT_EQ(Box->ItemIndex(), 16);
  EXPECT_EQ(Box->Selected(), TColor(0x123456));
  Box->SetExStyle({qvcbStandardColors});
  Box->SetSelected(TColor(0x123456));
  EXPECT_EQ(Box->ItemIndex(), -1);
  EXPECT_EQ(Box->Selected(), TQvSkinColorComboBox::NoColor);
}

TEST_F(ColorComboTest, CustomItemOpensTheDialog) {
  Box->SetExStyle({qvcbStandardColors, qvcbCustomColor});
  Box->SetSelected(TColor(0x0000FF));  // red is a listed colour; the custom item stays 0
  ShowForm();
  SetForegroundWindow(Form->Handle());
  Box->SetFocus();
  PumpIdle();
  // Accepting "Custom..." from the popup.
  Box->DropDown();
  Box->ListBox()->SetItemIndex(16);
  Changes = 0;
  PressKey(VK_RETURN);
  EXPECT_EQ(Dialogs, 1);
  EXPECT_EQ(Box->Selected(), TColor(0x00AA00));
  EXPECT_GE(Changes, 1);
  // Enter on the selected custom item asks again, preset with its colour.
  Answer = TColor(0x0A0B0C);
  PressKey(VK_RETURN);
  EXPECT_EQ(Dialogs, 2);
  EXPECT_EQ(Preset, TColor(0x00AA00));
  EXPECT_EQ(Box->Selected(), TColor(0x0A0B0C));
  // A cancelled dialog changes nothing.
  Answer = NoAnswer;
  PressKey(VK_RETURN);
  EXPECT_EQ(Dialogs, 3);
  EXPECT_EQ(Box->Selected(), TColor(0x0A0B0C));
}

// The message box's buttons, captions and layout, with a fixed-width text measure.
#include <gtest/gtest.h>

#include "dialogs/QvMessageBoxLayout.h"

using namespace qv;

namespace {

// 7 px per character, 15 px per line; wrapped at MaxWidth when given.
TSize Measure(int Chars, int MaxWidth) {
  const int Natural = Chars * 7;
  if (MaxWidth <= 0 || Natural <= MaxWidth) return {Natural, 15};
  const int PerLine = std::max(1, MaxWidth / 7);
  return {PerLine * 7, (Chars + PerLine - 1) / PerLine * 15};
}

TMsgBoxLayoutInput Input(TQvMsgBoxButtons Buttons, int Chars) {
  TMsgBoxLayoutInput In;
  In.Buttons = Buttons;
  In.InitialLabel = Rect(0, 0, 65, 17);
  In.MeasureText = [Chars](int MaxWidth) { return Measure(Chars, MaxWidth); };
  return In;
}

struct TClearOverrides {
  ~TClearOverrides() { ClearMsgBoxOverrides(); }
};

}  // namespace

TEST(MessageBoxLayout, DefaultAndCancelButtons) {
  struct {
    TQvMsgBoxButtons Set;
    TQvMsgBoxButton Default, Cancel;
    int Count;
  } const Cases[] = {
      {{}, mbOK, mbOK, 1},
      {{mbYes, mbNo}, mbYes, mbNo, 2},
      {{mbOK, mbCancel}, mbOK, mbCancel, 2},
      {{mbYes, mbNo, mbCancel}, mbYes, mbCancel, 3},
      {{mbAbort, mbRetry, mbIgnore}, mbRetry, mbOK, 3},  // no cancel button to press
  };
  for (const auto& C : Cases) {
    const TMsgBoxLayout L = LayoutMessageBox(Input(C.Set, 5));
    ASSERT_EQ(int(L.Buttons.size()), C.Count);
    int Defaults = 0, Cancels = 0;
    for (const auto& B : L.Buttons) {
      if (B.Default) {
        EXPECT_EQ(B.Button, C.Default);
        ++Defaults;
      }
      if (B.Cancel) {
        EXPECT_EQ(B.Button, C.Cancel);
        ++Cancels;
      }
    }
    EXPECT_EQ(Defaults, 1);
    EXPECT_EQ(Cancels, C.Set.Contains(C.Cancel) || C.Set.Empty() ? 1 : 0);
  }
  EXPECT_EQ(MsgBoxModalResult(mbNo), 7);
  EXPECT_EQ(MsgBoxModalResult(mbOK), 1);
  EXPECT_EQ(MsgBoxModalResult(mbIgnore), 5);
}

TEST(MessageBoxLayout, ThreeButtonsCentredUnderAShortMessage) {
  const TMsgBoxLayout L = LayoutMessageBox(Input({mbYes, mbNo, mbCancel}, 5));
  EXPECT_EQ(L.ClientWidth, 290);  // 60 + E, E = 3 * 70 + 2 * 10
  EXPECT_EQ(L.ClientHeight, 60 + 27 + 15);
  const int Xs[] = {30, 110, 190};
  for (int I = 0; I < 3; ++I) EXPECT_EQ(L.Buttons[I].Bounds, Rect(Xs[I], 5, Xs[I] + 70, 32)) << I;
  EXPECT_EQ(L.Buttons[0].Button, mbYes);
  EXPECT_EQ(L.Message, Rect(10, 25, 45, 40));
  EXPECT_FALSE(L.Icon);
}

TEST(MessageBoxLayout, IconPlacesTheMessage) {
  struct {
    TRect Initial;
    bool LineBreak;
    int IconTop, MessageTop;
  } const Cases[] = {
      {Rect(0, 0, 65, 17), false, 15, 25},
      {Rect(0, 0, 65, 17), true, 15, 15},
      {Rect(0, 30, 65, 50), true, 20, 20},
  };
  for (const auto& C : Cases) {
    TMsgBoxLayoutInput In = Input({mbOK}, 5);
    In.HasIcon = true;
    In.InitialLabel = C.Initial;
    In.TextHasLineBreak = C.LineBreak;
    const TMsgBoxLayout L = LayoutMessageBox(In);
    ASSERT_TRUE(L.Icon);
    EXPECT_EQ(*L.Icon, Rect(10, C.IconTop, 50, C.IconTop + 40));
    EXPECT_EQ(L.Message.Left, 65);
    EXPECT_EQ(L.Message.Top, C.MessageTop);
  }
}

TEST(MessageBoxLayout, LongMessageWidensTheDialog) {
  const TMsgBoxLayout L = LayoutMessageBox(Input({mbOK}, 60));  // R = 10 + 420
  EXPECT_EQ(L.ClientWidth, 490);
  EXPECT_EQ(L.Buttons[0].Bounds.Left, (490 - 70) / 2);
}

TEST(MessageBoxLayout, CheckBoxPushesTheButtonsRight) {
  struct {
    int Chars, CheckText, ClientWidth;
  } const Cases[] = {
      {5, 100, 130 + 40 + 150},  // the box and the buttons side by side
      {80, 100, 630},            // the message is wide enough already
  };
  for (const auto& C : Cases) {
    TMsgBoxLayoutInput In = Input({mbOK, mbCancel}, C.Chars);
    In.CheckBox = true;
    In.CheckTextWidth = C.CheckText;
    const TMsgBoxLayout L = LayoutMessageBox(In);
    ASSERT_TRUE(L.CheckBox);
    EXPECT_EQ(*L.CheckBox, Rect(5, 9, 5 + C.CheckText + 30, 26));
    EXPECT_EQ(L.ClientWidth, C.ClientWidth);
    EXPECT_EQ(L.Buttons[0].Bounds.Left, C.ClientWidth - 150 - 8);
    EXPECT_GE(L.Buttons[0].Bounds.Left, L.CheckBox->Right);
  }
}

TEST(MessageBoxLayout, SevenButtonsAndAHugeMessageStayOnTheScreen) {
  TMsgBoxLayoutInput In = Input({mbOK, mbYes, mbNo, mbCancel, mbAbort, mbRetry, mbIgnore}, 100000);
  In.MaxClientWidth = 1000;
  In.MaxClientHeight = 600;
  const TMsgBoxLayout L = LayoutMessageBox(In);
  ASSERT_EQ(L.Buttons.size(), 7u);
  EXPECT_EQ(L.Buttons[6].Bounds.Right - L.Buttons[0].Bounds.Left, 7 * 70 + 6 * 10);
  EXPECT_TRUE(L.Wrapped);
  EXPECT_TRUE(L.Clipped);
  EXPECT_LE(L.ClientWidth, 1000);
  EXPECT_LE(L.ClientHeight, 600);
  EXPECT_LE(L.Message.Right + 60, 1000);
  EXPECT_GE(L.Buttons[0].Bounds.Left, 0);
  EXPECT_LE(L.Buttons[6].Bounds.Right, L.ClientWidth);
}

TEST(MessageBoxLayout, CaptionsFollowLanguageAndOverrides) {
  TClearOverrides Restore;
  EXPECT_EQ(MsgBoxText(mtOK, true), L"确定");
  EXPECT_EQ(MsgBoxText(mtOK, false), L"OK");
  EXPECT_EQ(MsgBoxText(mtDonotShowAgain, true), L"下次不再显示");
  SetMsgBoxLanguage(mlEnglish);
  EXPECT_EQ(MsgBoxText(mtNo, true), L"No");
  SetMsgBoxLanguage(mlChinese);
  EXPECT_EQ(MsgBoxText(mtNo, false), L"否");
  SetMsgBoxTextOverride(mtOK, L"Go");
  EXPECT_EQ(MsgBoxText(mtOK, false), L"Go");
  SetMsgBoxTextOverride(mtOK, L"");
  EXPECT_EQ(MsgBoxText(mtOK, false), L"确定");
  EXPECT_STREQ(MsgBoxIconID(biConfirmation), L"QvSkinMsgIcon_Question");
  EXPECT_STREQ(MsgBoxIconID(biWarning), L"QvSkinMsgIcon_Warn");
  EXPECT_STREQ(MsgBoxIconID(biNone), L"");
}

// The library's components in palette order. A component that lands is one line here.
#include "controls/QvHLSTrackBar.h"
#include "controls/QvLikeMenuDlg.h"
#include "controls/QvSkinAnimation.h"
#include "controls/QvSkinBorderPanel.h"
#include "controls/QvSkinButton.h"
#include "controls/QvSkinButtonURL.h"
#include "controls/QvSkinCalendar.h"
#include "controls/QvSkinCalloutPanel.h"
#include "controls/QvSkinCheckBox.h"
#include "controls/QvSkinCircleProgress.h"
#include "controls/QvSkinCircleShape.h"
#include "controls/QvSkinColorButton.h"
#include "controls/QvSkinColorComboBox.h"
#include "controls/QvSkinComboBox.h"
#include "controls/QvSkinComboBoxEx.h"
#include "controls/QvSkinCornerButton.h"
#include "controls/QvSkinCountBar.h"
#include "controls/QvSkinDatetimePicker.h"
#include "controls/QvSkinEdit.h"
#include "controls/QvSkinExpandBox.h"
#include "controls/QvSkinGroupBox.h"
#include "controls/QvSkinGroupControls.h"
#include "controls/QvSkinHint.h"
#include "controls/QvSkinHtmlLabel.h"
#include "controls/QvSkinIconButtonList.h"
#include "controls/QvSkinImageSlider.h"
#include "controls/QvSkinLabel.h"
#include "controls/QvSkinLine.h"
#include "controls/QvSkinListBox.h"
#include "controls/QvSkinListView.h"
#include "controls/QvSkinMarker.h"
#include "controls/QvSkinMemo.h"
#include "controls/QvSkinPageControl.h"
#include "controls/QvSkinPanel.h"
#include "controls/QvSkinPasswordEdit.h"
#include "controls/QvSkinProgressBar.h"
#include "controls/QvSkinScrollBar.h"
#include "controls/QvSkinScrollBox.h"
#include "controls/QvSkinScrollMsgBar.h"
#include "controls/QvSkinSearchEdit.h"
#include "controls/QvSkinShape.h"
#include "controls/QvSkinSizeGrip.h"
#include "controls/QvSkinSpeedometer.h"
#include "controls/QvSkinSpinEdit.h"
#include "controls/QvSkinSplitter.h"
#include "controls/QvSkinTabset.h"
#include "controls/QvSkinTagsBox.h"
#include "controls/QvSkinTips.h"
#include "controls/QvSkinToolbar.h"
#include "controls/QvSkinVirtualTree.h"
#include "design/QvComponentRegistry.h"
#include "design/QvComponentRegistryNC.h"
#include "dialogs/QvMessageBox.h"
#include "dialogs/QvSkinDragFile.h"
#include "dialogs/QvSkinPopupMessage.h"
#include "dialogs/QvTrayIcon.h"
#include "forms/QvAlphaForm.h"
#include "forms/QvEdgeDock.h"
#include "forms/QvFormBorder.h"
#include "forms/QvSkinForm.h"
#include "forms/QvSkinMenu.h"
#include "forms/QvSkinNCCtrls.h"
#include "forms/QvSkinRes.h"
#include "resources/QvSkinImageList.h"
#include "resources/QvSkinPng.h"
#include "resources/QvSkinSvgImageList.h"

namespace qv {

namespace {
void RegisterQvSkinComponents(TQvComponentRegistry& R) {
  R.Register<TQvSkinForm>();
  R.Register<TQvFormLayerBorder>();
  R.Register(L"TQvSkinNCButton", NewQvSkinNCButton);
  R.Register(L"TQvSkinSystemButton", NewQvSkinSystemButton);
  R.Register<TQvSkinNCLabel>();
  R.Register<TQvSkinNCImage>();
  R.Register<TQvSkinNCMessage>();
  R.Register<TQvSkinPopupMessage>();
  R.Register<TQvSkinAlphaForm>();
  R.Register<TQvSkinImageButton>();
  R.Register<TQvSkinButton>();
  R.Register<TQvSkinToolbar>();
  R.Register<TQvSkinToolButton>();
  R.Register<TQvSkinAnimateButton>();
  R.Register<TQvURLButton>();
  R.Register<TQvSkinColorButton>();
  R.Register<TQvSkinSwitchButton>();
  R.Register<TQvSkinCornerButton>();
  R.Register<TQvSkinEdit>();
  R.Register<TQvSkinPasswordEdit>();
  R.Register<TQvSkinSearchEdit>();
  R.Register<TQvSkinSpinEdit>();
  R.Register<TQvSkinDatetimePicker>();
  R.Register<TQvSkinCalendar>();
  R.Register<TQvSkinLabel>();
  R.Register<TQvSkinHtmlLabel>();
  R.Register<TQvSkinTips>();
  R.Register<TQvSkinHint>();
  R.Register<TQvSkinScrollMsgBar>();
  R.Register<TQvSkinPanel>();
  R.Register<TQvSkinBorderPanel>();
  R.Register<TQvSkinLine>();
  R.Register<TQvSkinSplitter>();
  R.Register<TQvSkinSizeGrip>();
  R.Register<TQvSkinAnimation>();
  R.Register<TQvSkinShape>();
  R.Register<TQvSkinCalloutPanel>();
  R.Register<TQvSkinTagsBox>();
  R.Register<TQvSkinGroupControls>();
  R.Register<TQvSkinPageControl>();
  R.Register<TQvTrayIcon>();
  R.Register<TQvHLSTrackBar>();
  R.Register<TQvSkinIconButtonList>();
  R.Register<TQvSkinCountBar>();
  R.Register<TQvSkinTabset>();
  R.Register<TQvSkinListBox>();
  R.Register<TQvSkinComboBox>();
  R.Register<TQvSkinComboBoxEx>();
  R.Register<TQvSkinColorComboBox>();
  R.Register<TQvSkinGroupBox>();
  R.Register<TQvSkinExpandBox>();
  R.Register<TQvSkinCheckBox>();
  R.Register<TQvSkinRadioBox>();
  R.Register<TQvSkinMemo>();
  R.Register<TQvSkinMemoEx>();
  R.Register<TQvSkinMenu>();
  R.Register<TQvSkinProgressBar>();
  R.Register<TQvSkinCircleProgress>();
  R.Register<TQvSkinSpeedometer>();
  R.Register<TQvSkinScrollBar>();
  R.Register<TQvSkinScrollBox>();
  R.Register<TQvSkinRes>();
  R.Register<TQvSkinMessageBoxStyle>();
  R.Register<TQvLikeMenuDlg>();
  R.Register<TQvSkinPng>();
  R.Register<TQvSkinDragFile>();
  R.Register<TQvQQAlign>();
  R.Register<TQvSkinCircleMarker>();
  R.Register<TQvSkinCircleShape>();
  R.Register<TQvSkinListView>();
  R.Register<TQvSkinVirtualStringTree>();
  R.Register<TQvSkinVirtualDrawTree>();
  R.Register<TQvSkinImageList>();
  R.Register<TQvSkinImageSlider>();
  R.Register<TQvSkinSvgImageList>();
  R.RegisterNoIcon<TQvSkinTabSheet>();
}
}  // namespace

TQvComponentRegistry& QvComponentRegistry() {
  // Each class registers itself for reading in its own unit; this is the palette.
  static TQvComponentRegistry Registry = [] {
    TQvComponentRegistry R;
    RegisterQvSkinComponents(R);
    return R;
  }();
  return Registry;
}

}  // namespace qv

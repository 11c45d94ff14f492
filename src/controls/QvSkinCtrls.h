#pragma once
// The skinned control base and its closest relatives: the see-through control base, the
// panels, the lighter paint-box and layer bases and the edit's layout value objects; the
// labels and the HTML label.
#include "controls/QvCustomControl.h"
#include "controls/QvLocateObj.h"
#include "controls/QvSkinBorderPanel.h"
#include "controls/QvSkinCustomControl.h"
#include "controls/QvSkinHtmlLabel.h"
#include "controls/QvSkinLabel.h"
#include "controls/QvSkinLayerControl.h"
#include "controls/QvSkinPanel.h"
// Decorative controls: lines, shapes, pictures in a circle, image-list animations.
#include "controls/QvSkinAnimation.h"
#include "controls/QvSkinCircleShape.h"
#include "controls/QvSkinLine.h"
#include "controls/QvSkinShape.h"
// Layout controls: the splitter and the expand box.
#include "controls/QvSkinExpandBox.h"
#include "controls/QvSkinSplitter.h"
// Value controls: the scroll bar, the progress bar and the colour track bar.
#include "controls/QvHLSTrackBar.h"
#include "controls/QvSkinProgressBar.h"
#include "controls/QvSkinScrollBar.h"
// Buttons and two-state controls.
#include "controls/QvSkinButton.h"
#include "controls/QvSkinButtonURL.h"
#include "controls/QvSkinCheckBox.h"
// Containers of the toggles: the group box and the grid of radio or check items.
#include "controls/QvSkinGroupBox.h"
#include "controls/QvSkinGroupControls.h"
#include "controls/QvSkinColorButton.h"
#include "controls/QvSkinCornerButton.h"
// Text input: the self-drawn edit and its password and spin variants.
#include "controls/QvSkinEdit.h"
#include "controls/QvSkinPasswordEdit.h"
#include "controls/QvSkinSpinEdit.h"
// The size grip for a form's corner.
#include "controls/QvSkinSizeGrip.h"
// Pages and toolbars: the page control with its sheets, the toolbar and the tab set.
#include "controls/QvSkinPageControl.h"
#include "controls/QvSkinTabset.h"
#include "controls/QvSkinToolbar.h"
// Lists: the list box, the popup list, the combo box and the colour combo box.
#include "controls/QvSkinColorComboBox.h"
#include "controls/QvSkinComboBox.h"
#include "controls/QvSkinListBox.h"
// The message bar, the callout panel and the marker badges.
#include "controls/QvSkinCalloutPanel.h"
#include "controls/QvSkinMarker.h"
#include "controls/QvSkinScrollMsgBar.h"
// Gauges and the picture carousel: the circle progress, the speedometer, the image slider.
#include "controls/QvSkinCircleProgress.h"
#include "controls/QvSkinImageSlider.h"
#include "controls/QvSkinSpeedometer.h"
// Dates: the month calendar, the hour and minute boxes, the date-time picker.
#include "controls/QvSkinCalendar.h"
#include "controls/QvSkinDatetimePicker.h"
#include "controls/QvSkinTimeBox.h"

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
// The size grip for a form's corner.
#include "controls/QvSkinSizeGrip.h"

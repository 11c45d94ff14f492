// The skinned form's hit-test zones, and its maximised rectangle and tracking limits.
#include <gtest/gtest.h>

#include "forms/QvFormGeometry.h"

using namespace qv;

namespace {

// A 400 x 300 window with frame 2, title 27: client (2, 27) - (398, 298).
TQvFormHitTest Form(bool Sizing = true, TRect MaxButton = {}) {
  TQvFormHitTest In;
  In.Window = TSize{400, 300};
  In.HitTestWidth = 5;
  In.TitleHeight = 27;
  In.Client = TRect{2, 27, 398, 298};
  In.SizingZones = Sizing;
  In.MaxButton = MaxButton;
  return In;
}

struct THitCase {
  const char* Name;
  bool Sizing;
  TPoint P;
  int Expected;
};

// clang-format off
const THitCase kHitCases[] = {
    {"(4, 4) top-left corner", true, {4, 4}, qhtTopLeft},
    {"(5, 0) top edge", true, {5, 0}, qhtTop},
    {"(Width - 5, 0) top-right", true, {395, 0}, qhtTopRight},
    {"(Width - 6, 0) still top", true, {394, 0}, qhtTop},
    {"right edge", true, {399, 150}, qhtRight},
    {"bottom-right", true, {399, 299}, qhtBottomRight},
    {"bottom edge", true, {200, 299}, qhtBottom},
    {"bottom-left", true, {0, 299}, qhtBottomLeft},
    {"left edge", true, {0, 150}, qhtLeft},
    {"title below the zone", true, {200, 10}, qhtCaption},
    {"client", true, {200, 150}, qhtClient},
    {"bsSingle: top band is caption", false, {0, 0}, qhtCaption},
    {"bsSingle: no right zone", false, {399, 150}, qhtNowhere},
    {"bsSingle: bottom frame is nowhere", false, {200, 298}, qhtNowhere},
    {"bsSingle: left frame is nowhere", false, {1, 150}, qhtNowhere},
    {"bsSingle: client near its right edge", false, {397, 150}, qhtClient},
};
// clang-format on

TEST(FormGeometryTest, HitTestZones) {
  for (const THitCase& C : kHitCases)
    EXPECT_EQ(FormHitTest(Form(C.Sizing), C.P), C.Expected) << C.Name;
}

TEST(FormGeometryTest, ZonesComeBeforeTheMaxButtonAndItBeforeTheCaption) {
  // A maximise button reaching into the top sizing band.
  TQvFormHitTest In = Form(true, TRect{332, 0, 360, 19});
  EXPECT_EQ(FormHitTest(In, {340, 2}), qhtTop);
  EXPECT_EQ(FormHitTest(In, {340, 10}), qhtMaxButton);
  EXPECT_EQ(FormHitTest(In, {331, 10}), qhtCaption);
  EXPECT_EQ(FormHitTest(In, {360, 10}), qhtCaption);
}

TEST(FormGeometryTest, ZeroHitTestWidthHasNoZones) {
  TQvFormHitTest In = Form();
  In.HitTestWidth = 0;
  EXPECT_EQ(FormHitTest(In, {0, 0}), qhtCaption);
  EXPECT_EQ(FormHitTest(In, {0, 299}), qhtNowhere);
}

struct TMaxCase {
  const char* Name;
  TRect Monitor, Work;
  TSides AutoHide;
  bool CreatedMaximized;
  bool Flat;
  TSize Min, Max;
  TPoint Pos;
  TSize Size, MinTrack, MaxTrack;
};

const TRect kPrimary{0, 0, 1920, 1080};
const TRect kSecondary{-1280, -200, 0, 824};  // left of and above the primary

// clang-format off
const TMaxCase kMaxCases[] = {
    {"primary, taskbar at the bottom", kPrimary, {0, 0, 1920, 1040}, {}, false, false, {}, {},
     {0, 0}, {1920, 1040}, {120, 33}, {0, 0}},
    {"primary, taskbar at the left", kPrimary, {60, 0, 1920, 1080}, {}, false, false, {}, {},
     {60, 0}, {1860, 1080}, {120, 33}, {0, 0}},
    {"primary, taskbar at the top", kPrimary, {0, 40, 1920, 1080}, {}, false, false, {}, {},
     {0, 40}, {1920, 1040}, {120, 33}, {0, 0}},
    {"secondary at negative coordinates, taskbar at its bottom", kSecondary,
     {-1280, -200, 0, 784}, {}, false, false, {}, {}, {0, 0}, {1280, 984}, {120, 33}, {0, 0}},
    {"secondary, taskbar at its left", kSecondary, {-1220, -200, 0, 824}, {}, false, false,
     {}, {}, {60, 0}, {1220, 1024}, {120, 33}, {0, 0}},
    {"auto-hidden taskbar at the bottom leaves 2 px", kPrimary, kPrimary, {sdBottom}, false,
     false, {}, {}, {0, 0}, {1920, 1078}, {120, 33}, {0, 0}},
    {"auto-hidden taskbar at the left leaves 2 px", kPrimary, kPrimary, {sdLeft}, false,
     false, {}, {}, {2, 0}, {1918, 1080}, {120, 33}, {0, 0}},
    {"auto-hidden taskbar at the top on the secondary", kSecondary, kSecondary, {sdTop},
     false, false, {}, {}, {0, 2}, {1280, 1022}, {120, 33}, {0, 0}},
    {"flat frame: minimum height 57", kPrimary, kPrimary, {}, false, true, {}, {},
     {0, 0}, {1920, 1080}, {120, 57}, {0, 0}},
    {"constraints", kPrimary, kPrimary, {}, false, false, {300, 200}, {800, 600},
     {0, 0}, {1920, 1080}, {300, 200}, {800, 600}},
    {"work area smaller than the minimum", TRect{0, 0, 640, 480}, TRect{0, 0, 640, 440}, {},
     false, false, {800, 600}, {}, {0, 0}, {640, 440}, {640, 440}, {0, 0}},
    {"maximum below the clamped minimum", TRect{0, 0, 640, 480}, TRect{0, 0, 640, 480}, {},
     false, false, {800, 600}, {500, 0}, {0, 0}, {640, 480}, {640, 480}, {640, 0}},
    {"created maximised is one pixel short", kPrimary, {0, 0, 1920, 1040}, {}, true, false,
     {}, {}, {0, 0}, {1920, 1039}, {120, 33}, {0, 0}},
};
// clang-format on

TEST(FormGeometryTest, MaximisedRectangleAndTrackingLimits) {
  for (const TMaxCase& C : kMaxCases) {
    TQvMaxInfoInput In;
    In.Monitor = C.Monitor;
    In.WorkArea = C.Work;
    In.AutoHideEdges = C.AutoHide;
    In.CreatedMaximized = C.CreatedMaximized;
    In.FlatFrame = C.Flat;
    In.MinSize = C.Min;
    In.MaxSize = C.Max;
    TQvMaxInfo Out = FormMaxInfo(In);
    EXPECT_EQ(Out.MaxPosition, C.Pos) << C.Name;
    EXPECT_EQ(Out.MaxSize, C.Size) << C.Name;
    EXPECT_EQ(Out.MinTrack, C.MinTrack) << C.Name;
    EXPECT_EQ(Out.MaxTrack, C.MaxTrack) << C.Name;
  }
}

}  // namespace

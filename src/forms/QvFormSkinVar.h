#pragma once
// Library-wide skin variables shared by skinned forms and the skin configuration.

namespace qv {

// A shift of hue, saturation and brightness; all zero means "no shift".
struct THSBRec {
  int H = 0;
  int S = 0;
  int B = 0;
};

// The shift applied to every skinned form's colours and background picture.
extern THSBRec gHSB;

}  // namespace qv

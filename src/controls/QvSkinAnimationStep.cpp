#include "controls/QvSkinAnimationStep.h"

namespace qv {

TQvAnimationTick StepAnimation(int& Frame, bool& Forth, int Count, bool Loop, bool Reverse) {
  if (Reverse && Loop) {
    Frame += Forth ? 1 : -1;
    if (Frame <= 0)
      Forth = true;
    else if (Frame >= Count - 1)
      Forth = false;
    return atNone;
  }
  // A reverse run counts down from Count (one past the last frame) through −1.
  const int Limit = Reverse ? Count + 1 : Count - 1;
  if (Frame >= 0 && Frame < Limit) {
    Frame += Reverse ? -1 : 1;
    return Frame >= 0 && Frame <= Count - 1 ? atProcess : atNone;
  }
  if (Loop) {
    Frame = 0;
    return atLooped;
  }
  return atFinish;
}

int AnimationStartFrame(int Count, bool Loop, bool Reverse) {
  return Reverse && !Loop ? Count : 0;
}

}  // namespace qv

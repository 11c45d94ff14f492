#pragma once
// The frame stepping of the image-list animation, one timer tick at a time. Portable.
namespace qv {

// What a tick did besides moving the frame.
enum TQvAnimationTick {
  atNone,     // nothing to report (a swing step, or a step past the frames)
  atProcess,  // advanced to a frame in 0 .. Count − 1
  atLooped,   // ran past the end and starts again at 0
  atFinish,   // a run without Loop ended: stop the timer
};

// One tick over Count frames. Reverse with Loop swings back and forth (Forth: the
// direction, true = forward) and reports nothing. Otherwise the frame moves forward up to
// Count − 1 or, with Reverse, down to −1; the step after that loops back to 0 or finishes.
TQvAnimationTick StepAnimation(int& Frame, bool& Forth, int Count, bool Loop, bool Reverse);

// The frame a run starts at: one past the last for a reverse run without Loop, else 0.
int AnimationStartFrame(int Count, bool Loop, bool Reverse);

}  // namespace qv

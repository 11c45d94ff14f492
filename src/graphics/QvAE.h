#pragma once
// Easing curves for animated controls. The curves are plain functions of the normalised
// time p, the start value b and the change c; GenerateValues precomputes one curve as a
// table that a control steps through from its own timer. An instance can also run a curve
// by itself from a timer and report each value through OnTick. Portable.
#include <functional>
#include <memory>
#include <vector>

#include "host/Classes.h"

namespace qv {

class TSimpleTimer;

enum TEasingType {
  etBackEaseIn,
  etbackEaseOut,
  etBackEaseInOut,
  etBounceEaseIn,
  etBounceEaseOut,
  etCircEaseIn,
  etCircEaseOut,
  etCircEaseInOut,
  etCubicEaseIn,
  etCubicEaseOut,
  etCubicEaseInOut,
  etElasticEaseIn,
  etElasticEaseOut,
  etExpoEaseIn,
  etExpoEaseOut,
  etExpoEaseInOut,
  etQuadEaseIn,
  etQuadEaseOut,
  etQuadEaseInOut,
  etQuartEaseIn,
  etQuartEaseOut,
  etQuartEaseInOut,
  etQuintEaseIn,
  etQuintEaseOut,
  etQuintEaseInOut,
  etSineEaseIn,
  etSineEaseOut,
  etSineEaseInOut,
};
constexpr int EasingTypeCount = etSineEaseInOut + 1;

using Extended = long double;
// (p: normalised time, firstNum: start value b, diff: change c) -> value.
using TEasingFunction = Extended (*)(Extended p, Integer firstNum, Integer diff);
using TResultArray = std::vector<Extended>;
using TAnimateTickEvent = std::function<void(TObject* Sender, Extended Value)>;
using TANotifyEvent = std::function<void(TObject* Sender)>;

// The curve's name as written in code ("quartEaseInOut"); "" outside the enumeration.
const wchar_t* EasingTypeName(TEasingType Easing);

class TQvAnimateEasing : public TObject {
 public:
  TQvAnimateEasing();
  ~TQvAnimateEasing() override;
  TQvAnimateEasing(const TQvAnimateEasing&) = delete;
  TQvAnimateEasing& operator=(const TQvAnimateEasing&) = delete;
  String ClassName() const override { return L"TQvAnimateEasing"; }

  // Runs the curve from StartPos to StartPos + Different over AnimLength milliseconds,
  // evaluating it every Interval ms after an optional Delay (-1: none). OnTick receives each
  // value, the last one being exactly the end value; OnFinish follows it. Handlers given
  // here replace the stored ones; unassigned ones leave the stored ones as they are.
  void Animating(Integer StartPos, Integer Different, Integer AnimLength, TEasingType Easing);
  void Animating(Integer StartPos, Integer Different, Integer AnimLength, TEasingType Easing,
                 TAnimateTickEvent OnTick, TANotifyEvent OnFinish);
  void Animating(Integer StartPos, Integer Different, Integer AnimLength, TEasingType Easing,
                 Integer Interval);
  void Animating(Integer StartPos, Integer Different, Integer AnimLength, TEasingType Easing,
                 Integer Interval, Integer Delay);
  void Animating(Integer StartPos, Integer Different, Integer AnimLength, TEasingType Easing,
                 Integer Interval, Integer Delay, TAnimateTickEvent OnTick, TANotifyEvent OnFinish);
  // Stops the timers; a running animation then raises OnFinish.
  void StopAnimating();
  bool IsAnimating() const;

  const TAnimateTickEvent& OnTick() const { return FOnTick; }
  void SetOnTick(TAnimateTickEvent Value) { FOnTick = std::move(Value); }
  const TANotifyEvent& OnFinish() const { return FOnFinish; }
  void SetOnFinish(TANotifyEvent Value) { FOnFinish = std::move(Value); }

  // StepCount values of the curve from 0 towards Different: value i is the curve at
  // i / StepCount, so the end value itself is not among them. A StepCount of 0 or below
  // leaves Result as it was.
  static void GenerateValues(Integer Different, Integer StepCount, TEasingType Easing,
                             TResultArray& Result);
  static TResultArray GenerateValues(Integer Different, Integer StepCount, TEasingType Easing);
  // The curve of that name; quartEaseInOut for a value outside the enumeration.
  static TEasingFunction GetEasingFunc(TEasingType Easing);

  static Extended backEaseIn(Extended p, Integer firstNum, Integer diff);
  static Extended backEaseOut(Extended p, Integer firstNum, Integer diff);
  static Extended backEaseInOut(Extended p, Integer firstNum, Integer diff);
  static Extended bounceEaseIn(Extended p, Integer firstNum, Integer diff);
  static Extended bounceEaseOut(Extended p, Integer firstNum, Integer diff);
  static Extended circEaseIn(Extended p, Integer firstNum, Integer diff);
  static Extended circEaseOut(Extended p, Integer firstNum, Integer diff);
  static Extended circEaseInOut(Extended p, Integer firstNum, Integer diff);
  static Extended cubicEaseIn(Extended p, Integer firstNum, Integer diff);
  static Extended cubicEaseOut(Extended p, Integer firstNum, Integer diff);
  static Extended cubicEaseInOut(Extended p, Integer firstNum, Integer diff);
  static Extended elasticEaseIn(Extended p, Integer firstNum, Integer diff);
  static Extended elasticEaseOut(Extended p, Integer firstNum, Integer diff);
  static Extended expoEaseIn(Extended p, Integer firstNum, Integer diff);
  static Extended expoEaseOut(Extended p, Integer firstNum, Integer diff);
  static Extended expoEaseInOut(Extended p, Integer firstNum, Integer diff);
  static Extended quadEaseIn(Extended p, Integer firstNum, Integer diff);
  static Extended quadEaseOut(Extended p, Integer firstNum, Integer diff);
  static Extended quadEaseInOut(Extended p, Integer firstNum, Integer diff);
  static Extended quartEaseIn(Extended p, Integer firstNum, Integer diff);
  static Extended quartEaseOut(Extended p, Integer firstNum, Integer diff);
  static Extended quartEaseInOut(Extended p, Integer firstNum, Integer diff);
  static Extended quintEaseIn(Extended p, Integer firstNum, Integer diff);
  static Extended quintEaseOut(Extended p, Integer firstNum, Integer diff);
  static Extended quintEaseInOut(Extended p, Integer firstNum, Integer diff);
  static Extended sineEaseIn(Extended p, Integer firstNum, Integer diff);
  static Extended sineEaseOut(Extended p, Integer firstNum, Integer diff);
  static Extended sineEaseInOut(Extended p, Integer firstNum, Integer diff);

 private:
  void FTimerTimer(TObject* Sender);
  void FDelayTimerTimer(TObject* Sender);
  void FinishAnim();
  Integer ElapsedMs() const;

  Integer FStartPos = 0;
  Integer FAnimLength = 0;
  Integer FDifferent = 0;
  double FStartTime = 0;  // days
  TEasingFunction FEasingFunc = nullptr;
  std::unique_ptr<TSimpleTimer> FTimer;
  std::unique_ptr<TSimpleTimer> FDelayTimer;
  TAnimateTickEvent FOnTick;
  TANotifyEvent FOnFinish;
  bool FRunning = false;
  unsigned FRun = 0;  // bumped by every start and stop, so a handler can tell it was overtaken
};

}  // namespace qv

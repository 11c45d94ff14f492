#include "graphics/QvAE.h"

#include <chrono>
#include <cmath>

#include "graphics/SimpleTimer.h"

namespace qv {

namespace {

constexpr Extended Pi = 3.14159265358979323846264338327950288L;
constexpr Extended BackS = 1.70158L;
constexpr Extended BackInOutS = 2.5949095L;  // 1.70158 × 1.525
constexpr Extended ElasticP = 0.25L;
constexpr Extended ElasticS = ElasticP / 4;

Extended Pow2(Extended X) {
  return std::exp2(X);
}

struct TCurve {
  TEasingFunction Func;
  const wchar_t* Name;
};

// In the order of TEasingType.
const TCurve Curves[EasingTypeCount] = {
    {&TQvAnimateEasing::backEaseIn, L"backEaseIn"},
    {&TQvAnimateEasing::backEaseOut, L"backEaseOut"},
    {&TQvAnimateEasing::backEaseInOut, L"backEaseInOut"},
    {&TQvAnimateEasing::bounceEaseIn, L"bounceEaseIn"},
    {&TQvAnimateEasing::bounceEaseOut, L"bounceEaseOut"},
    {&TQvAnimateEasing::circEaseIn, L"circEaseIn"},
    {&TQvAnimateEasing::circEaseOut, L"circEaseOut"},
    {&TQvAnimateEasing::circEaseInOut, L"circEaseInOut"},
    {&TQvAnimateEasing::cubicEaseIn, L"cubicEaseIn"},
    {&TQvAnimateEasing::cubicEaseOut, L"cubicEaseOut"},
    {&TQvAnimateEasing::cubicEaseInOut, L"cubicEaseInOut"},
    {&TQvAnimateEasing::elasticEaseIn, L"elasticEaseIn"},
    {&TQvAnimateEasing::elasticEaseOut, L"elasticEaseOut"},
    {&TQvAnimateEasing::expoEaseIn, L"expoEaseIn"},
    {&TQvAnimateEasing::expoEaseOut, L"expoEaseOut"},
    {&TQvAnimateEasing::expoEaseInOut, L"expoEaseInOut"},
    {&TQvAnimateEasing::quadEaseIn, L"quadEaseIn"},
    {&TQvAnimateEasing::quadEaseOut, L"quadEaseOut"},
    {&TQvAnimateEasing::quadEaseInOut, L"quadEaseInOut"},
    {&TQvAnimateEasing::quartEaseIn, L"quartEaseIn"},
    {&TQvAnimateEasing::quartEaseOut, L"quartEaseOut"},
    {&TQvAnimateEasing::quartEaseInOut, L"quartEaseInOut"},
    {&TQvAnimateEasing::quintEaseIn, L"quintEaseIn"},
    {&TQvAnimateEasing::quintEaseOut, L"quintEaseOut"},
    {&TQvAnimateEasing::quintEaseInOut, L"quintEaseInOut"},
    {&TQvAnimateEasing::sineEaseIn, L"sineEaseIn"},
    {&TQvAnimateEasing::sineEaseOut, L"sineEaseOut"},
    {&TQvAnimateEasing::sineEaseInOut, L"sineEaseInOut"},
};

bool InRange(TEasingType Easing) {
  return int(Easing) >= 0 && int(Easing) < EasingTypeCount;
}

double NowDays() {
  using namespace std::chrono;
  return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count() / 86400000.0;
}

}  // namespace

const wchar_t* EasingTypeName(TEasingType Easing) {
  return InRange(Easing) ? Curves[Easing].Name : L"";
}

// ---- the curves: t = p, b = firstNum, c = diff ----

Extended TQvAnimateEasing::quadEaseIn(Extended t, Integer b, Integer c) {
  return c * t * t + b;
}

Extended TQvAnimateEasing::quadEaseOut(Extended t, Integer b, Integer c) {
  return -c * t * (t - 2) + b;
}

Extended TQvAnimateEasing::quadEaseInOut(Extended t, Integer b, Integer c) {
  Extended u = t / 0.5L;
  if (u < 1) return Extended(c) / 2 * u * u + b;
  Extended v = u - 1;
  return -Extended(c) / 2 * (v * (v - 2) - 1) + b;
}

Extended TQvAnimateEasing::cubicEaseIn(Extended t, Integer b, Integer c) {
  return c * t * t * t + b;
}

Extended TQvAnimateEasing::cubicEaseOut(Extended t, Integer b, Integer c) {
  Extended v = t - 1;
  return c * (v * v * v + 1) + b;
}

Extended TQvAnimateEasing::cubicEaseInOut(Extended t, Integer b, Integer c) {
  Extended u = t / 0.5L;
  if (u < 1) return Extended(c) / 2 * u * u * u + b;
  Extended v = u - 2;
  return Extended(c) / 2 * (v * v * v + 2) + b;
}

Extended TQvAnimateEasing::quartEaseIn(Extended t, Integer b, Integer c) {
  return c * t * t * t * t + b;
}

Extended TQvAnimateEasing::quartEaseOut(Extended t, Integer b, Integer c) {
  Extended v = t - 1;
  return -c * (v * v * v * v - 1) + b;
}

Extended TQvAnimateEasing::quartEaseInOut(Extended t, Integer b, Integer c) {
  Extended u = t / 0.5L;
  if (u < 1) return Extended(c) / 2 * u * u * u * u + b;
  Extended v = u - 2;
  return -Extended(c) / 2 * (v * v * v * v - 2) + b;
}

Extended TQvAnimateEasing::quintEaseIn(Extended t, Integer b, Integer c) {
  return c * t * t * t * t * t + b;
}

Extended TQvAnimateEasing::quintEaseOut(Extended t, Integer b, Integer c) {
  Extended v = t - 1;
  return c * (v * v * v * v * v + 1) + b;
}

Extended TQvAnimateEasing::quintEaseInOut(Extended t, Integer b, Integer c) {
  Extended u = t / 0.5L;
  if (u < 1) return Extended(c) / 2 * u * u * u * u * u + b;
  Extended v = u - 2;
  return Extended(c) / 2 * (v * v * v * v * v + 2) + b;
}

Extended TQvAnimateEasing::sineEaseIn(Extended t, Integer b, Integer c) {
  return -c * std::cos(t * Pi / 2) + c + b;
}

Extended TQvAnimateEasing::sineEaseOut(Extended t, Integer b, Integer c) {
  return c * std::sin(t * Pi / 2) + b;
}

Extended TQvAnimateEasing::sineEaseInOut(Extended t, Integer b, Integer c) {
  return -Extended(c) / 2 * (std::cos(Pi * t) - 1) + b;
}

Extended TQvAnimateEasing::circEaseIn(Extended t, Integer b, Integer c) {
  return -c * (std::sqrt(1 - t * t) - 1) + b;
}

Extended TQvAnimateEasing::circEaseOut(Extended t, Integer b, Integer c) {
  Extended v = t - 1;
  return c * std::sqrt(1 - v * v) + b;
}

Extended TQvAnimateEasing::circEaseInOut(Extended t, Integer b, Integer c) {
  Extended u = t / 0.5L;
  if (u < 1) return -Extended(c) / 2 * (std::sqrt(1 - u * u) - 1) + b;
  Extended v = u - 2;
  return Extended(c) / 2 * (std::sqrt(1 - v * v) + 1) + b;
}

Extended TQvAnimateEasing::backEaseIn(Extended t, Integer b, Integer c) {
  return c * t * t * ((BackS + 1) * t - BackS) + b;
}

Extended TQvAnimateEasing::backEaseOut(Extended t, Integer b, Integer c) {
  Extended v = t - 1;
  return c * (v * v * ((BackS + 1) * v + BackS) + 1) + b;
}

Extended TQvAnimateEasing::backEaseInOut(Extended t, Integer b, Integer c) {
  Extended u = t / 0.5L;
  if (u < 1) return Extended(c) / 2 * (u * u * ((BackInOutS + 1) * u - BackInOutS)) + b;
  Extended v = u - 2;
  return Extended(c) / 2 * (v * v * ((BackInOutS + 1) * v + BackInOutS) + 2) + b;
}

Extended TQvAnimateEasing::bounceEaseOut(Extended t, Integer b, Integer c) {
  if (t < 1 / 2.75L) return c * (7.5625L * t * t) + b;
  if (t < 2 / 2.75L) {
    Extended v = t - 1.5L / 2.75L;
    return c * (7.5625L * v * v + 0.75L) + b;
  }
  if (t < 2.5L / 2.75L) {
    Extended v = t - 2.25L / 2.75L;
    return c * (7.5625L * v * v + 0.9375L) + b;
  }
  Extended v = t - 2.625L / 2.75L;
  return c * (7.5625L * v * v + 0.984375L) + b;
}

Extended TQvAnimateEasing::bounceEaseIn(Extended t, Integer b, Integer c) {
  return c - bounceEaseOut(1 - t, 0, c) + b;
}

Extended TQvAnimateEasing::expoEaseIn(Extended t, Integer b, Integer c) {
  if (t == 0) return b;
  return c * Pow2(10 * (t - 1)) + b - c * 0.001L;
}

Extended TQvAnimateEasing::expoEaseOut(Extended t, Integer b, Integer c) {
  if (t == 1) return Extended(b) + c;
  return c * 1.001L * (1 - Pow2(-10 * t)) + b;
}

Extended TQvAnimateEasing::expoEaseInOut(Extended t, Integer b, Integer c) {
  if (t == 0) return b;
  if (t == 1) return Extended(b) + c;
  Extended u = t / 0.5L;
  if (u < 1) return Extended(c) / 2 * Pow2(10 * (u - 1)) + b - c * 0.0005L;
  return Extended(c) / 2 * 1.0005L * (2 - Pow2(-10 * (u - 1))) + b;
}

Extended TQvAnimateEasing::elasticEaseIn(Extended t, Integer b, Integer c) {
  if (t == 0 || c == 0) return b;
  if (t == 1) return Extended(b) + c;
  Extended v = t - 1;
  return b - c * Pow2(10 * v) * std::sin((v - ElasticS) * (2 * Pi) / ElasticP);
}

Extended TQvAnimateEasing::elasticEaseOut(Extended t, Integer b, Integer c) {
  if (t == 0 || c == 0) return b;
  if (t == 1) return Extended(b) + c;
  return Extended(b) + c + c * Pow2(-10 * t) * std::sin((t - ElasticS) * (2 * Pi) / ElasticP);
}

// ---- tables ----

TEasingFunction TQvAnimateEasing::GetEasingFunc(TEasingType Easing) {
  return InRange(Easing) ? Curves[Easing].Func : &quartEaseInOut;
}

void TQvAnimateEasing::GenerateValues(Integer Different, Integer StepCount, TEasingType Easing,
                                      TResultArray& Result) {
  if (StepCount <= 0) return;
  TEasingFunction F = GetEasingFunc(Easing);
  Result.resize(size_t(StepCount));
  for (Integer I = 0; I < StepCount; ++I)
    Result[size_t(I)] = F(Extended(I) / Extended(StepCount), 0, Different);
}

TResultArray TQvAnimateEasing::GenerateValues(Integer Different, Integer StepCount,
                                              TEasingType Easing) {
  TResultArray Result;
  GenerateValues(Different, StepCount, Easing, Result);
  return Result;
}

// ---- the running animation ----

TQvAnimateEasing::TQvAnimateEasing()
    : FTimer(std::make_unique<TSimpleTimer>()), FDelayTimer(std::make_unique<TSimpleTimer>()) {
  FTimer->SetInterval(10);
  FTimer->SetOnTimer([this](TObject* S) { FTimerTimer(S); });
  FDelayTimer->SetOnTimer([this](TObject* S) { FDelayTimerTimer(S); });
}

TQvAnimateEasing::~TQvAnimateEasing() = default;

void TQvAnimateEasing::Animating(Integer StartPos, Integer Different, Integer AnimLength,
                                 TEasingType Easing) {
  Animating(StartPos, Different, AnimLength, Easing, 10, -1, nullptr, nullptr);
}

void TQvAnimateEasing::Animating(Integer StartPos, Integer Different, Integer AnimLength,
                                 TEasingType Easing, TAnimateTickEvent OnTick,
                                 TANotifyEvent OnFinish) {
  Animating(StartPos, Different, AnimLength, Easing, 10, -1, std::move(OnTick),
            std::move(OnFinish));
}

void TQvAnimateEasing::Animating(Integer StartPos, Integer Different, Integer AnimLength,
                                 TEasingType Easing, Integer Interval) {
  Animating(StartPos, Different, AnimLength, Easing, Interval, -1, nullptr, nullptr);
}

void TQvAnimateEasing::Animating(Integer StartPos, Integer Different, Integer AnimLength,
                                 TEasingType Easing, Integer Interval, Integer Delay) {
  Animating(StartPos, Different, AnimLength, Easing, Interval, Delay, nullptr, nullptr);
}

void TQvAnimateEasing::Animating(Integer StartPos, Integer Different, Integer AnimLength,
                                 TEasingType Easing, Integer Interval, Integer Delay,
                                 TAnimateTickEvent OnTick, TANotifyEvent OnFinish) {
  if (OnTick) FOnTick = std::move(OnTick);
  if (OnFinish) FOnFinish = std::move(OnFinish);
  ++FRun;
  FRunning = true;
  FEasingFunc = GetEasingFunc(Easing);
  FStartPos = StartPos;
  FStartTime = NowDays();
  FDifferent = Different;
  FAnimLength = AnimLength;
  FTimer->SetEnabled(false);
  FDelayTimer->SetEnabled(false);
  FTimer->SetInterval(Cardinal(Interval > 0 ? Interval : 1));
  if (Delay < 0) {
    FTimer->SetEnabled(true);
  } else {
    FDelayTimer->SetInterval(Cardinal(Delay > 0 ? Delay : 1));
    FDelayTimer->SetEnabled(true);
  }
}

void TQvAnimateEasing::StopAnimating() {
  FTimer->SetEnabled(false);
  FDelayTimer->SetEnabled(false);
  if (FRunning) FinishAnim();
}

bool TQvAnimateEasing::IsAnimating() const {
  return FRunning;
}

Integer TQvAnimateEasing::ElapsedMs() const {
  return Integer(std::llround((NowDays() - FStartTime) * 86400000.0));
}

void TQvAnimateEasing::FDelayTimerTimer(TObject*) {
  FDelayTimer->SetEnabled(false);
  FStartTime = NowDays();
  FTimer->SetEnabled(true);
}

void TQvAnimateEasing::FTimerTimer(TObject*) {
  FTimer->SetEnabled(false);
  if (!FRunning) return;
  // The last tick reports the curve's end exactly, whatever the timer's lateness; an
  // animation of no length finishes on its first tick.
  Integer Elapsed = ElapsedMs();
  bool Last = FAnimLength <= 0 || Elapsed >= FAnimLength;
  Extended T = Last ? 1 : Extended(Elapsed) / FAnimLength;
  Extended Value = FEasingFunc(T, FStartPos, FDifferent);
  unsigned Run = FRun;
  if (FOnTick) FOnTick(this, Value);
  if (Run != FRun) return;  // the handler restarted or stopped the animation
  if (Last)
    FinishAnim();
  else
    FTimer->SetEnabled(true);
}

void TQvAnimateEasing::FinishAnim() {
  FRunning = false;
  ++FRun;
  if (FOnFinish) FOnFinish(this);
}

}  // namespace qv

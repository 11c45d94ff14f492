#pragma once
// A small harness for window-level benchmarks, run as a Win64 program under Wine or on
// Windows. Each case measures its own steps against a reference measured in the same run
// (a GDI BitBlt, a plain Win32 window), because absolute times under Wine say little.
#include <functional>
#include <string>

namespace winbench {

class TReport {
 public:
  // Median wall time of one call of Step, in milliseconds, over Repeats calls after one
  // warm-up call.
  double TimeMs(const std::function<void()>& Step, int Repeats = 25);
  // One line of the report: "<case>  <label>  <value> <unit>".
  void Result(const std::string& Label, double Value, const std::string& Unit);

  std::string CaseName;
};

// A case registers itself with a static TRegistration; main runs them in name order,
// or only those whose name contains the filter given on the command line.
struct TRegistration {
  TRegistration(const std::string& Name, std::function<void(TReport&)> Body);
};

// Handles every queued message of the thread.
void DrainMessages();
// Median time of a screen BitBlt of W x H from a memory bitmap: the usual reference.
double ReferenceBlitMs(TReport& R, int W, int H);

}  // namespace winbench

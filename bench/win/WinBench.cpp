#include "WinBench.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

namespace winbench {

namespace {

std::map<std::string, std::function<void(TReport&)>>& Cases() {
  static std::map<std::string, std::function<void(TReport&)>> List;
  return List;
}

double NowMs() {
  static const double Freq = [] {
    LARGE_INTEGER F;
    QueryPerformanceFrequency(&F);
    return double(F.QuadPart);
  }();
  LARGE_INTEGER C;
  QueryPerformanceCounter(&C);
  return double(C.QuadPart) * 1000.0 / Freq;
}

}  // namespace

TRegistration::TRegistration(const std::string& Name, std::function<void(TReport&)> Body) {
  Cases()[Name] = std::move(Body);
}

double TReport::TimeMs(const std::function<void()>& Step, int Repeats) {
  Step();
  std::vector<double> Times;
  Times.reserve(size_t(std::max(Repeats, 1)));
  for (int I = 0; I < std::max(Repeats, 1); ++I) {
    const double Start = NowMs();
    Step();
    Times.push_back(NowMs() - Start);
  }
  std::nth_element(Times.begin(), Times.begin() + Times.size() / 2, Times.end());
  return Times[Times.size() / 2];
}

void TReport::Result(const std::string& Label, double Value, const std::string& Unit) {
  std::printf("%-28s %-44s %12.4f %s\n", CaseName.c_str(), Label.c_str(), Value, Unit.c_str());
  std::fflush(stdout);
}

void DrainMessages() {
  MSG M;
  while (PeekMessageW(&M, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&M);
}

double ReferenceBlitMs(TReport& R, int W, int H) {
  HDC Screen = GetDC(nullptr);
  HDC Mem = CreateCompatibleDC(Screen);
  HBITMAP Bmp = CreateCompatibleBitmap(Screen, W, H);
  HGDIOBJ Old = SelectObject(Mem, Bmp);
  const double Ms = R.TimeMs([&] {
    BitBlt(Screen, 0, 0, W, H, Mem, 0, 0, SRCCOPY);
    GdiFlush();
  });
  SelectObject(Mem, Old);
  DeleteObject(Bmp);
  DeleteDC(Mem);
  ReleaseDC(nullptr, Screen);
  return Ms;
}

}  // namespace winbench

int main(int argc, char** argv) {
  const std::string Filter = argc > 1 ? argv[1] : "";
  for (auto& [Name, Body] : winbench::Cases()) {
    if (!Filter.empty() && Name.find(Filter) == std::string::npos) continue;
    winbench::TReport Report;
    Report.CaseName = Name;
    Body(Report);
  }
  return 0;
}

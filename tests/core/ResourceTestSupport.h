#pragma once
// Small fixtures shared by the skin image and resource manager tests.
#include <chrono>
#include <filesystem>
#include <string>
#include <initializer_list>

#include "raster/Bitmap32.h"

namespace qvtest {

// A scratch folder, removed with everything in it at the end of the test. The name gets a
// unique suffix so that test runs of several build trees at once do not share it.
class TTempDir {
 public:
  explicit TTempDir(const wchar_t* Name) {
    auto Stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    FPath = std::filesystem::temp_directory_path() / (std::wstring(Name) + L"_" + std::to_wstring(Stamp));
    std::filesystem::remove_all(FPath);
    std::filesystem::create_directories(FPath);
  }
  ~TTempDir() {
    std::error_code Ec;
    std::filesystem::remove_all(FPath, Ec);
  }
  qv::String File(const wchar_t* Name) const { return (FPath / Name).wstring(); }
  const std::filesystem::path& Path() const { return FPath; }

 private:
  std::filesystem::path FPath;
};

// A surface of Width x 1 holding the given pixels, with a draw mode.
inline void MakeRow(qv::TCustomBitmap32& B, std::initializer_list<qv::TColor32> Pixels,
                    qv::TDrawMode Mode = qv::dmBlend) {
  B.SetSize(int(Pixels.size()), 1);
  int X = 0;
  for (qv::TColor32 C : Pixels) B.SetPixel(X++, 0, C);
  B.SetDrawMode(Mode);
}

inline std::vector<qv::TColor32> PixelsOf(const qv::TCustomBitmap32& B) {
  if (B.Empty()) return {};
  return std::vector<qv::TColor32>(B.Bits(), B.Bits() + size_t(B.Width()) * size_t(B.Height()));
}

}  // namespace qvtest

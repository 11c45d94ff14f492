#pragma once
// Small fixtures shared by the skin image and resource manager tests.
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

#include "raster/Bitmap32.h"

namespace qvtest {

// File contents as bytes, and back as text.
inline std::vector<uint8_t> Bytes(const std::string& S) {
  return std::vector<uint8_t>(S.begin(), S.end());
}
inline std::string Text(const std::vector<uint8_t>& B) {
  return std::string(B.begin(), B.end());
}

// A scratch folder, removed with everything in it at the end of the test.
class TTempDir {
 public:
  explicit TTempDir(const wchar_t* Name) {
    // Unique per run: the same suite may run in several checkouts at once.
    std::random_device Random;
    FPath = std::filesystem::temp_directory_path() /
            (std::wstring(Name) + L"_" + std::to_wstring(Random()) + std::to_wstring(Random()));
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

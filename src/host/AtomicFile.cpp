#include "host/AtomicFile.h"

#include <filesystem>
#include <random>

#include "host/Platform.h"
#include "host/Streams.h"

namespace qv {

void ForceDirectories(const String& Dir) {
  std::error_code Ec;
  const std::filesystem::path P = ToPlatformPath(Dir);
  if (std::filesystem::is_directory(P, Ec)) return;
  std::filesystem::create_directories(P, Ec);
  if (Ec || !std::filesystem::is_directory(P, Ec))
    throw EFCreateError(L"Cannot create folder \"" + Dir + L"\"");
}

void WriteFileAtomically(const String& FileName, const std::vector<uint8_t>& Data) {
  // A random part keeps two writers (even in two processes) off each other's file.
  static std::mt19937_64 Random{std::random_device{}()};
  for (int Attempt = 0; Attempt < 16; ++Attempt) {
    const String TempName = FileName + L"." + std::to_wstring(Random() % 1000000000u) + L".tmp";
    if (WriteAndReplaceFile(TempName, FileName, Data)) return;
  }
  throw EFCreateError(L"Cannot create file \"" + FileName + L"\"");
}

}  // namespace qv

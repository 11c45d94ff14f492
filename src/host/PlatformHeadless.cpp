// Native stand-ins for the Win32 side of the platform module: UTF-8 file names, no
// windows and one fixed screen, and POSIX paths combined and canonicalised as the
// platform's path combination does.
#include <unistd.h>

#include <vector>

#include "host/Platform.h"

namespace qv {

const wchar_t PathDelim = L'/';

std::filesystem::path ToPlatformPath(const String& FileName) {
  return std::filesystem::path(ToUtf8(FileName));
}

String FromPlatformPath(const std::filesystem::path& Path) {
  return FromUtf8(Path.string());
}

std::FILE* OpenPlatformFile(const String& FileName, const wchar_t* Mode) {
  return std::fopen(ToUtf8(FileName).c_str(), ToUtf8(Mode).c_str());
}

int64_t SeekPlatformFile(std::FILE* File, int64_t Offset, int Origin) {
  fseeko(File, Offset, Origin);
  return ftello(File);
}

namespace {
constexpr Integer kScreenWidth = 1920, kScreenHeight = 1080;
}

void GetMonitorWorkArea(HWND, bool, TRect& Rect) {
  Rect = TRect{0, 0, kScreenWidth, kScreenHeight};
}

void BringToFrontEx(HWND) {}

// There are no windows to hang here.
bool IsHungAppWindowNT(HWND) {
  return false;
}

Integer ScreenPixelsPerInch() {
  return 96;
}

// Without windows every control shows at the screen's DPI, and nothing declares awareness.
Integer GetControlPixelsPerInch(const TControl*) {
  return ScreenPixelsPerInch();
}

void SetWindowPixelsPerInch(HWND, Integer) {}

bool DeclareProcessDpiAwareness() {
  return false;
}

String GetAbsolutePathEx(const String& BasePath, const String& RelativePath) {
  if (BasePath.empty() && RelativePath.empty()) return String();
  String Joined;
  if (!RelativePath.empty() && RelativePath[0] == L'/')
    Joined = RelativePath;
  else if (RelativePath.empty())
    Joined = BasePath;
  else if (BasePath.empty())
    Joined = RelativePath;
  else
    Joined = BasePath + (BasePath.back() == L'/' ? L"" : L"/") + RelativePath;
  // Canonicalise: drop "." parts, let ".." remove the part before it.
  const bool Absolute = Joined[0] == L'/';
  std::vector<String> Parts;
  size_t i = 0;
  while (i <= Joined.size()) {
    size_t j = Joined.find(L'/', i);
    if (j == String::npos) j = Joined.size();
    String Part = Joined.substr(i, j - i);
    if (Part == L"..") {
      if (!Parts.empty() && Parts.back() != L"..")
        Parts.pop_back();
      else if (!Absolute)
        Parts.push_back(Part);
    } else if (!Part.empty() && Part != L".") {
      Parts.push_back(Part);
    }
    i = j + 1;
  }
  String Out = Absolute ? L"/" : L"";
  for (size_t k = 0; k < Parts.size(); ++k) Out += (k ? L"/" : L"") + Parts[k];
  if (Joined.back() == L'/' && !Parts.empty()) Out += L'/';
  return Out;
}

String GetExeFolder() {
  std::vector<char> Buffer(4096);
  ssize_t N = readlink("/proc/self/exe", Buffer.data(), Buffer.size() - 1);
  if (N <= 0) return String();
  String Path = FromPlatformPath(std::string(Buffer.data(), size_t(N)));
  size_t P = Path.rfind(L'/');
  return P == String::npos ? String() : Path.substr(0, P + 1);
}

}  // namespace qv

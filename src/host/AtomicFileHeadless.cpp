// POSIX side of the atomic file replacement.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "host/AtomicFile.h"
#include "host/Platform.h"

namespace qv {

bool WriteAndReplaceFile(const String& TempName, const String& FileName,
                         const std::vector<uint8_t>& Data) {
  const std::string Temp = ToPlatformPath(TempName).native(),
                    Target = ToPlatformPath(FileName).native();
  const int Fd = open(Temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (Fd < 0) {
    if (errno == EEXIST) return false;
    throw EFCreateError(L"Cannot create file \"" + TempName + L"\"");
  }
  bool Ok = true;
  for (size_t Done = 0; Ok && Done < Data.size();) {
    const ssize_t N = write(Fd, Data.data() + Done, Data.size() - Done);
    if (N < 0 && errno == EINTR) continue;
    Ok = N > 0;
    if (Ok) Done += size_t(N);
  }
  // The data must be on the disk before the name points at it.
  Ok = Ok && fsync(Fd) == 0;
  Ok = close(Fd) == 0 && Ok;
  if (!Ok) {
    unlink(Temp.c_str());
    throw EWriteError(L"Cannot write file \"" + TempName + L"\"");
  }
  std::error_code Ec;
  std::filesystem::rename(Temp, Target, Ec);
  if (Ec) {
    unlink(Temp.c_str());
    throw EFCreateError(L"Cannot create file \"" + FileName + L"\"");
  }
  // Make the new name itself durable.
  const size_t Slash = Target.rfind('/');
  const std::string Dir = Slash == std::string::npos ? "." : Target.substr(0, Slash + 1);
  const int DirFd = open(Dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (DirFd >= 0) {
    fsync(DirFd);
    close(DirFd);
  }
  return true;
}

}  // namespace qv

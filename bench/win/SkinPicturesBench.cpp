// Picture operations on a project holding the default skin (84 pictures): every change
// writes the whole module back, so a change is measured against writing the same module
// bytes atomically, the floor of any write-back. Opening reads the module file into the
// lists; exporting one picture encodes it as PNG.
#include <filesystem>
#include <random>
#include <string>

#include "WinBench.h"
#include "design/QvSkinFile.h"
#include "design/QvSkinPictures.h"
#include "host/AtomicFile.h"
#include "host/ImageCodec.h"
#include "host/Streams.h"
#include "resources/QvSkinResDM.h"

namespace {

namespace fs = std::filesystem;

const winbench::TRegistration gPictures("SkinPictures", [](winbench::TReport& R) {
  const fs::path Dir = fs::temp_directory_path() /
                       ("qvskinpictures-bench-" + std::to_string(std::random_device()()));
  fs::create_directories(Dir / "project");
  const qv::String Folder = (Dir / "project").wstring();
  const qv::String Png = (Dir / "pic.png").wstring();
  std::vector<uint8_t> Pixels(32 * 32 * 4, 0x80);
  qv::WriteFileBytes(Png, qv::EncodePng(Pixels.data(), 32, 32, 4));
  {
    qv::TQvSkinResDM Module(nullptr);
    qv::TQvSkinPictures Pictures(Folder, &Module, nullptr);
    Pictures.Open();
    Pictures.Add(Png, L"bench");
    const qv::String ModuleFile =
        qv::IncludeTrailingPathDelimiter(Folder) + qv::QvSkinModuleFileName;
    const std::vector<uint8_t> Bytes = qv::ReadFileBytes(ModuleFile);
    const double Floor = R.TimeMs([&] { qv::WriteFileAtomically(ModuleFile, Bytes); }, 9);
    const double Replace = R.TimeMs([&] { Pictures.Replace({qv::plBitmaps, L"bench"}, Png); }, 9);
    const double AddDelete = R.TimeMs(
        [&] {
          Pictures.Add(Png, L"extra");
          Pictures.Delete({qv::plBitmaps, L"extra"});
        },
        9);
    const double Open = R.TimeMs([&] { Pictures.Open(); }, 9);
    const double Export =
        R.TimeMs([&] { Pictures.ExportPng(L"bench", (Dir / "out.png").wstring()); }, 9);
    R.Result("module bytes", double(Bytes.size()) / 1024, "KiB");
    R.Result("atomic write of the module bytes (reference)", Floor, "ms");
    R.Result("replace a picture", Replace, "ms");
    R.Result("replace / reference", Replace / Floor, "x");
    R.Result("add and delete a picture", AddDelete, "ms");
    R.Result("open the project", Open, "ms");
    R.Result("export a picture as PNG", Export, "ms");
  }
  std::error_code Ec;
  fs::remove_all(Dir, Ec);
});

}  // namespace

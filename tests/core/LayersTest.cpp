// The source tree's layering: every include points down the layer order, and only the
// Win32 glue (files named *Win.cpp / *Win.h) includes <windows.h>.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::vector<std::string> kLayers = {"host",  "raster",   "resources", "graphics", "forms",
                                          "vtree", "controls", "dialogs",   "design"};

int Rank(const std::string& Layer) {
  for (size_t I = 0; I < kLayers.size(); ++I)
    if (kLayers[I] == Layer) return int(I);
  return -1;
}

// The library's sources, found from this file's place in the tree (the tests run in the
// build folder, where a relative __FILE__ also resolves).
fs::path SourceTree() {
  std::error_code Ec;
  fs::path Src = fs::path(__FILE__).parent_path().parent_path().parent_path() / "src";
  return fs::is_directory(Src / "host", Ec) ? Src : fs::path();
}

bool IsWin32Glue(const fs::path& File) {
  const std::string Stem = File.stem().string();
  return Stem.size() > 3 && Stem.compare(Stem.size() - 3, 3, "Win") == 0;
}

}  // namespace

TEST(Layers, IncludesPointDownAndWindowsHIsForTheGlueOnly) {
  const fs::path Src = SourceTree();
  if (Src.empty()) GTEST_SKIP() << "source tree not found from " << __FILE__;
  std::vector<std::string> Wrong;
  int Files = 0;
  for (const auto& Entry : fs::recursive_directory_iterator(Src)) {
    if (!Entry.is_regular_file()) continue;
    const fs::path& File = Entry.path();
    if (File.extension() != ".h" && File.extension() != ".cpp") continue;
    const std::string Layer = fs::relative(File, Src).begin()->string();
    const std::string Where = fs::relative(File, Src).generic_string();
    if (Rank(Layer) < 0) {
      Wrong.push_back(Where + ": folder " + Layer + " has no place in the layer order");
      continue;
    }
    ++Files;
    std::ifstream In(File);
    std::string Line;
    while (std::getline(In, Line)) {
      if (Line.rfind("#include", 0) != 0) continue;
      if (Line.find("<windows.h>") != std::string::npos && !IsWin32Glue(File))
        Wrong.push_back(Where + ": portable file includes <windows.h>");
      const size_t Open = Line.find('"'), Slash = Line.find('/', Open + 1);
      if (Open == std::string::npos || Slash == std::string::npos) continue;
      const std::string Target = Line.substr(Open + 1, Slash - Open - 1);
      if (Rank(Target) > Rank(Layer)) Wrong.push_back(Where + " includes upward: " + Line);
    }
  }
  EXPECT_GT(Files, 100);
  for (const std::string& W : Wrong) ADD_FAILURE() << W;
}

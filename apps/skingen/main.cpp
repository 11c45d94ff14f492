// skingen: draws the built-in skins' pictures, one PNG per resource ID, light into
// <skins>/default and dark into <skins>/dark, and each also at 150, 200 and 300 % as
// <ID>@DPI150.png and so on into <skins>/default-hidpi and <skins>/dark-hidpi.
//   skingen <skins folder>
// The list of pictures (IDs, sizes, draw modes, frames) is the library's own default-skin table.
// Files are rewritten only when their bytes change; stray PNGs in the folders are removed, since
// every PNG there is embedded into the library.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "Palette.h"
#include "PngFile.h"
#include "Recipes.h"
#include "resources/DefaultSkinTable.h"

namespace fs = std::filesystem;
using namespace skingen;

namespace {

std::string Narrow(const wchar_t* s) {
  std::string out;
  for (; *s; ++s) out.push_back(static_cast<char>(*s));
  return out;
}

std::vector<uint8_t> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Draws one picture at the current drawing scale; empty on failure (message already printed).
std::vector<uint8_t> Draw(const qv::TDefaultSkinEntry& e, int percent, const std::string& id,
                          const Recipe& recipe) {
  SetDrawingScale(percent);
  qv::TSkinPictureSize size = qv::DefaultSkinPictureSize(e, percent);
  Canvas canvas(e.Width, e.Height, size.Width, size.Height);
  recipe(canvas);
  if (e.Opaque && !canvas.IsOpaque()) {
    std::fprintf(stderr, "skingen: %s must be opaque everywhere\n", id.c_str());
    return {};
  }
  return EncodePng(canvas.ToRgba8(), size.Width, size.Height);
}

// Draws every picture of the table at the scales into folder with the theme's colours.
// Answers false on failure.
bool DrawSkin(const fs::path& folder, const Theme& theme, const std::vector<int>& scales,
              const RecipeBook& book) {
  fs::create_directories(folder);
  gTheme = theme;
  std::set<std::string> names;
  int written = 0;
  for (const qv::TDefaultSkinEntry& e : qv::gDefaultSkinTable) {
    std::string id = Narrow(e.ResID);
    auto recipe = book.find(id);
    if (recipe == book.end()) {
      std::fprintf(stderr, "skingen: no recipe for %s\n", id.c_str());
      return false;
    }
    for (int percent : scales) {
      std::string name = percent == 100 ? id : id + "@DPI" + std::to_string(percent);
      names.insert(name);
      std::vector<uint8_t> png = Draw(e, percent, name, recipe->second);
      if (png.empty()) return false;
      fs::path path = folder / (name + ".png");
      if (fs::exists(path) && ReadFile(path) == png) continue;
      std::ofstream(path, std::ios::binary)
          .write(reinterpret_cast<const char*>(png.data()), png.size());
      ++written;
    }
  }
  for (const fs::directory_entry& f : fs::directory_iterator(folder)) {
    if (f.path().extension() == ".png" && !names.count(f.path().stem().string())) {
      std::printf("removing %s\n", f.path().filename().string().c_str());
      fs::remove(f.path());
    }
  }
  std::printf("skingen: %zu pictures in %s, %d rewritten\n", names.size(), folder.string().c_str(),
              written);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: skingen <skins folder>\n");
    return 2;
  }
  const fs::path root = argv[1];
  RecipeBook book = AllRecipes();
  std::set<std::string> ids;
  for (const qv::TDefaultSkinEntry& e : qv::gDefaultSkinTable) ids.insert(Narrow(e.ResID));
  for (const auto& [id, recipe] : book) {
    if (!ids.count(id)) {
      std::fprintf(stderr, "skingen: recipe %s is not in the default skin table\n", id.c_str());
      return 1;
    }
  }
  const std::vector<int> plain = {100};
  const std::vector<int> hidpi(std::begin(qv::kDefaultSkinScales),
                               std::end(qv::kDefaultSkinScales));
  const std::pair<const char*, const Theme*> themes[] = {{"default", &kLightTheme},
                                                         {"dark", &kDarkTheme}};
  for (const auto& [folder, theme] : themes) {
    if (!DrawSkin(root / folder, *theme, plain, book)) return 1;
    if (!DrawSkin(root / (std::string(folder) + "-hidpi"), *theme, hidpi, book)) return 1;
  }
  return 0;
}

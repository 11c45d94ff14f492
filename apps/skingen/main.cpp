// skingen: draws the default skin's pictures into a folder, one PNG per resource ID.
//   skingen <folder>
// The list of pictures (IDs, sizes, draw modes) is the library's own default-skin table.
// Files are rewritten only when their bytes change; stray PNGs in the folder are removed, since
// every PNG there is embedded into the library.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

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

// Draws one picture; empty on failure (message already printed).
std::vector<uint8_t> Draw(const qv::TDefaultSkinEntry& e, const std::string& id,
                          const Recipe& recipe) {
  Canvas canvas(e.Width, e.Height);
  recipe(canvas);
  if (e.Opaque && !canvas.IsOpaque()) {
    std::fprintf(stderr, "skingen: %s must be opaque everywhere\n", id.c_str());
    return {};
  }
  return EncodePng(canvas.ToRgba8(), e.Width, e.Height);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: skingen <output folder>\n");
    return 2;
  }
  const fs::path folder = argv[1];
  fs::create_directories(folder);
  RecipeBook book = AllRecipes();
  std::set<std::string> ids;
  int written = 0;
  for (const qv::TDefaultSkinEntry& e : qv::gDefaultSkinTable) {
    std::string id = Narrow(e.ResID);
    ids.insert(id);
    auto recipe = book.find(id);
    if (recipe == book.end()) {
      std::fprintf(stderr, "skingen: no recipe for %s\n", id.c_str());
      return 1;
    }
    std::vector<uint8_t> png = Draw(e, id, recipe->second);
    if (png.empty()) return 1;
    fs::path path = folder / (id + ".png");
    if (fs::exists(path) && ReadFile(path) == png) continue;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), png.size());
    ++written;
  }
  for (const auto& [id, recipe] : book) {
    if (!ids.count(id)) {
      std::fprintf(stderr, "skingen: recipe %s is not in the default skin table\n", id.c_str());
      return 1;
    }
  }
  for (const fs::directory_entry& f : fs::directory_iterator(folder)) {
    if (f.path().extension() == ".png" && !ids.count(f.path().stem().string())) {
      std::printf("removing %s\n", f.path().filename().string().c_str());
      fs::remove(f.path());
    }
  }
  std::printf("skingen: %zu pictures in %s, %d rewritten\n", ids.size(), folder.string().c_str(),
              written);
  return 0;
}

#pragma once
// The pictures of the built-in default skin, in the order the default-skin module loads them.
// The PNG files themselves live in skins/<theme>/<ResID>.png and are embedded at build time,
// each also drawn for 150, 200 and 300 % as <ResID>@DPI150.png and so on.
namespace qv {

struct TDefaultSkinEntry {
  const wchar_t* ResID;
  int Width, Height;
  bool Opaque;           // dmOpaque when true, dmBlend (straight alpha) otherwise
  int Frames = 1;        // equal state frames, side by side
  bool Stacked = false;  // frames on top of each other instead
};

constexpr int kDefaultSkinCount = 84;
extern const TDefaultSkinEntry gDefaultSkinTable[kDefaultSkinCount];

// The scales the pictures are also drawn for, in percent.
constexpr int kDefaultSkinScales[] = {150, 200, 300};

struct TSkinPictureSize {
  int Width, Height;
};
// The size of the entry's picture drawn at Percent: every frame scaled on its own (rounded
// half up, as MulDiv rounds), so frames stay whole and equal.
TSkinPictureSize DefaultSkinPictureSize(const TDefaultSkinEntry& Entry, int Percent);

}  // namespace qv

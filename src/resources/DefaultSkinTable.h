#pragma once
// The pictures of the built-in default skin, in the order the default-skin module loads them.
// The PNG files themselves live in skins/default/<ResID>.png and are embedded at build time.
namespace qv {

struct TDefaultSkinEntry {
  const wchar_t* ResID;
  int Width, Height;
  bool Opaque;  // dmOpaque when true, dmBlend (straight alpha) otherwise
};

constexpr int kDefaultSkinCount = 84;
extern const TDefaultSkinEntry gDefaultSkinTable[kDefaultSkinCount];

}  // namespace qv

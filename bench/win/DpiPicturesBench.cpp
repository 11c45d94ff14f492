// The high-DPI pictures of the default skin: every picture looked up at 100 % (the plain
// list), looked up at 150, 200 and 300 % the first time (variants where the skin has them,
// else stand-ins scaled once by the bilinear resampler) and again from the kept stand-ins,
// against a GDI BitBlt of 800 x 600. Memory: the plain pictures against the stand-ins.
#include <vector>

#include "WinBench.h"
#include "resources/QvSkinResManager.h"

namespace {

using namespace qv;

const winbench::TRegistration Registration("DpiPictures", [](winbench::TReport& R) {
  TQvSkinImageList* Main = TQvSkinResManagerObj()->ImageList();
  TQvSkinImageList Skin(nullptr);
  Skin.Assign(Main);
  std::vector<String> Ids;
  int64_t PlainBytes = 0;
  for (int I = 0; I < Skin.Count(); ++I) {
    const String Id = Skin.Bitmaps()->Items(I)->ResID();
    if (GetDPIScaleFromResID(Id) != ds100) continue;  // variants are looked up through their ID
    Ids.push_back(Id);
    PlainBytes += GetQvSkinImageBytes(Skin.Bitmap(I));
  }
  R.Result("pictures", double(Ids.size()), "");
  R.Result("reference BitBlt 800x600", winbench::ReferenceBlitMs(R, 800, 600), "ms");
  auto LookUpAll = [&](TQvSkinResManager& M, double Scale) {
    for (const String& Id : Ids) M.GetImageForScale(Id, Scale);
  };
  {
    TQvSkinResManager M(&Skin);
    R.Result("every picture at 100 %", R.TimeMs([&] { LookUpAll(M, 1.0); }), "ms");
  }
  for (double Scale : {1.5, 2.0, 3.0}) {
    const std::string At = " at " + std::to_string(int(Scale * 100)) + " %";
    R.Result("first lookup of every picture" + At,
             R.TimeMs(
                 [&] {
                   TQvSkinResManager Fresh(&Skin);
                   LookUpAll(Fresh, Scale);
                 },
                 5),
             "ms");
    TQvSkinResManager M(&Skin);
    LookUpAll(M, Scale);
    R.Result("kept lookup of every picture" + At, R.TimeMs([&] { LookUpAll(M, Scale); }), "ms");
    R.Result("stand-ins" + At, M.ScaledPictureCount(), "");
    R.Result("stand-in memory" + At, double(M.ScaledPictureBytes()) / 1024, "KiB");
  }
  R.Result("plain picture memory", double(PlainBytes) / 1024, "KiB");
});

}  // namespace

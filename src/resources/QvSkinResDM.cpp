#include "resources/QvSkinResDM.h"

#include <memory>

#include "host/ScopeGuard.h"
#include "host/Streams.h"
#include "raster/Gr32Png.h"
#include "resources/DefaultSkinFiles.h"
#include "resources/DefaultSkinTable.h"
#include "resources/QvSkinTheme.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinResDM>(), true);

std::unique_ptr<TQvSkinResDM>& Instance() {
  static std::unique_ptr<TQvSkinResDM> P;
  return P;
}

}  // namespace

void LoadDefaultSkin(TQvSkinImageList* List) {
  TQvSkinBitmapCollection* Items = List->Bitmaps();
  auto Updating = UpdateScope(*Items);
  for (const TDefaultSkinEntry& E : gDefaultSkinTable) {
    const TEmbeddedFile* File = FindDefaultSkinFile(E.ResID, DefaultSkinTheme());
    if (!File) throw Exception(String(L"Default skin picture missing: ") + E.ResID);
    TMemoryStream Stream(std::vector<uint8_t>(File->Data, File->Data + File->Size));
    TQvSkinImage Image;
    bool AlphaChannelUsed = false;
    LoadPNGintoBitmap32(&Image, Stream, AlphaChannelUsed);
    if (Image.Width() != E.Width || Image.Height() != E.Height)
      throw Exception(String(L"Default skin picture ") + E.ResID + L" is " +
                      std::to_wstring(Image.Width()) + L"x" + std::to_wstring(Image.Height()) +
                      L", expected " + std::to_wstring(E.Width) + L"x" + std::to_wstring(E.Height));
    Image.SetDrawMode(E.Opaque ? dmOpaque : dmBlend);
    Image.SetResamplerClassName(L"TNearestResampler");
    TQvSkinBitmapItem* Item = Items->Add();
    Item->SetResID(E.ResID);
    Item->SetBitmap(&Image);
  }
}

TQvSkinResDM::TQvSkinResDM(TComponent* AOwner) : TComponent(AOwner) {
  SetName(L"QvSkinResDM");
  FQvSkinImageListMain = new TQvSkinImageList(this);
  FQvSkinImageListMain->SetName(L"QvSkinImageListMain");
  FQvSkinImageListMain->SetDesignInfo({151, 39});
  FQvSkinImageListSvg = new TQvSkinSvgImageList(this);
  FQvSkinImageListSvg->SetName(L"QvSkinImageListSvg");
  LoadDefaultSkin(FQvSkinImageListMain);
}

TQvSkinResDM::~TQvSkinResDM() = default;

TQvSkinResDM* QvSkinResDM() {
  std::unique_ptr<TQvSkinResDM>& P = Instance();
  if (!P) P = std::make_unique<TQvSkinResDM>(nullptr);
  return P.get();
}

TQvSkinResDM* QvSkinResDMAssigned() {
  return Instance().get();
}

TQvSkinResDM* RecreateQvSkinResDM() {
  FreeQvSkinResDM();
  return QvSkinResDM();
}

void FreeQvSkinResDM() {
  Instance().reset();
}

}  // namespace qv

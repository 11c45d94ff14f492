#include "resources/QvSkinResManager.h"

#include "host/DpiScale.h"
#include "host/ObjectText.h"
#include "host/Platform.h"
#include "host/ScopeGuard.h"
#include "host/Streams.h"
#include "raster/Gr32Png.h"
#include "resources/QvSkinResDM.h"

namespace qv {

namespace {

const String kBackupSuffix = L"_$Bak$";

int IndexOfKey(const TQvSkinImageList* List, const String& ResID) {
  return List ? List->Bitmaps()->IndexOfResID(ResID) : -1;
}

const String& ExeFolder() {
  static const String Folder = GetExeFolder();
  return Folder;
}

}  // namespace

// Forgets a list when its owner frees it, so the manager never reaches a freed list.
class TQvSkinResManager::TListWatcher : public TComponent {
 public:
  explicit TListWatcher(TQvSkinResManager* Manager) : TComponent(nullptr), FManager(Manager) {}

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FManager->FImageList) FManager->FImageList = nullptr;
    if (AComponent == FManager->FSvgImageList) FManager->FSvgImageList = nullptr;
  }

 private:
  TQvSkinResManager* FManager;
};

TQvSkinResManager::TQvSkinResManager(TQvSkinImageList* AImageList,
                                     TQvSkinSvgImageList* ASvgImageList)
    : FRunTimeImageList(std::make_unique<TQvSkinImageList>(nullptr)),
      FWatcher(std::make_unique<TListWatcher>(this)) {
  if (!AImageList) {
    TQvSkinResDM* DM = QvSkinResDM();
    AImageList = DM->QvSkinImageListMain();
    if (!ASvgImageList)
      ASvgImageList = dynamic_cast<TQvSkinSvgImageList*>(DM->FindComponent(L"QvSkinImageListSvg"));
  }
  AttachLists(AImageList, ASvgImageList);
}

TQvSkinResManager::~TQvSkinResManager() = default;

void TQvSkinResManager::AttachLists(TQvSkinImageList* AImageList,
                                    TQvSkinSvgImageList* ASvgImageList) {
  FImageList = AImageList;
  FSvgImageList = ASvgImageList;
  if (FImageList) {
    FWatcher->FreeNotification(FImageList);
    FImageList->EnableCacheMode();
  }
  if (FSvgImageList) FWatcher->FreeNotification(FSvgImageList);
}

TQvSkinImageList* TQvSkinResManager::MainList() const {
  if (!FImageList) throw Exception(L"QvSkinResDM is not assigned");
  return FImageList;
}

// ---- lookups ----

TQvSkinImage* TQvSkinResManager::RaiseGetImage(const String& ResID, TQvSkinImage* Image) {
  if (FOnGetImage) FOnGetImage(this, ResID, Image);
  return Image;
}

TQvSkinImage* TQvSkinResManager::GetImageByName(const TQvResID& ResID, bool UseDPIImage) {
  const bool Scaled = UseDPIImage && AppIsHighDPIMode();
  return LookupImage(ResID, Scaled ? GetDPIScaleValue(nullptr) : 1.0, Scaled);
}

TQvSkinImage* TQvSkinResManager::GetImageForScale(const TQvResID& ResID, double Scale) {
  return LookupImage(ResID, Scale, false);
}

TQvSkinImage* TQvSkinResManager::LookupImage(const TQvResID& ResID, double Scale, bool AskHook) {
  if (Trim(ResID).empty()) return nullptr;
  TQvSkinImage* Result = nullptr;
  if (FileExists(ResID)) Result = GetImageByFileName(ResID);
  if (!Result) Result = ListPicture(ResID, Scale, AskHook);
  if (!Result) {
    String Path = GetAbsolutePathEx(ExeFolder(), ResID);
    if (!Path.empty() && FileExists(Path)) Result = GetImageByFileName(Path);
  }
  return RaiseGetImage(ResID, Result);
}

TQvSkinImage* TQvSkinResManager::ListPicture(const TQvResID& ResID, double Scale, bool AskHook) {
  const TQvResDPIScale Suffix = ScaleToQvResDPIScale(Scale);
  if (Suffix != ds100) {
    const int Variant =
        AskHook ? GetResIDByDPIScale(ResID) : IndexOfRes(IncludeDPIScaleText(ResID, Suffix));
    if (Variant >= 0) return FImageList->Bitmap(Variant);
  }
  const int Index = IndexOfRes(ResID);
  if (Index < 0) return nullptr;
  TQvSkinImage* Plain = FImageList->Bitmap(Index);
  return Suffix == ds100 ? Plain : ScaledPicture(ResID, Plain, Suffix);
}

TQvSkinImage* TQvSkinResManager::ScaledPicture(const TQvResID& ResID, TQvSkinImage* Plain,
                                               TQvResDPIScale Suffix) {
  TScaledPicture& Entry = FScaled[{UpperCase(Trim(ResID)), Suffix}];
  if (Entry.Image && Entry.Source == Plain) return Entry.Image.get();
  if (!Entry.Image) Entry.Image = std::make_unique<TQvSkinImage>();
  // Sample a copy: the skin's own surface keeps its resampler and draw mode.
  TQvSkinImage Source;
  Source.Assign(Plain);
  Source.SetResamplerClassName(L"TLinearResampler");
  Source.SetDrawMode(dmOpaque);  // copy the samples, alpha included
  const double Factor = QvResDPIScaleFactor(Suffix);
  TQvSkinImage& Out = *Entry.Image;
  Out.SetSize(Integer(Plain->Width() * Factor + 0.5), Integer(Plain->Height() * Factor + 0.5));
  Out.Clear(0);
  if (!Source.Empty()) Source.DrawTo(&Out, Out.BoundsRect());
  Out.SetDrawMode(Plain->DrawMode());
  Out.SetCombineMode(Plain->CombineMode());
  Out.SetMasterAlpha(Plain->MasterAlpha());
  Out.SetOuterColor(Plain->OuterColor());
  Entry.Source = Plain;
  return Entry.Image.get();
}

int64_t TQvSkinResManager::ScaledPictureBytes() const {
  int64_t Bytes = 0;
  for (const auto& [Key, Entry] : FScaled) Bytes += GetQvSkinImageBytes(Entry.Image.get());
  return Bytes;
}

void TQvSkinResManager::InvalidateScaledPictures() {
  for (auto It = FScaled.begin(); It != FScaled.end();) {
    if (IndexOfRes(It->first.first) < 0) {
      It = FScaled.erase(It);
    } else {
      It->second.Source = nullptr;
      ++It;
    }
  }
}

void TQvSkinResManager::ImageChanged() {
  InvalidateScaledPictures();
  DoImageChanged();
}

TQvSkinImage* TQvSkinResManager::GetImageByFileName(const String& FileName) {
  int Index = IndexOfFileName_RunTime(FileName);
  TQvSkinBitmapCollection* Items = FRunTimeImageList->Bitmaps();
  if (Index < 0) {
    // Decode first: a file that cannot be read adds no item.
    TQvSkinImage Temp;
    LoadSkinImageFile(&Temp, FileName);
    TQvSkinBitmapItem* Item = Items->Add();
    {
      TScopeFail Drop([Item] { delete Item; });  // an item without its picture goes again
      Item->SetBitmap(&Temp);
    }
    Item->SetResID(FileName);
    Item->SetDescription(String());
    Index = Item->Index();
  }
  TQvSkinBitmapItem* Item = Items->Items(Index);
  return RaiseGetImage(Item->ResID(), Item->Bitmap());
}

int TQvSkinResManager::IndexOfRes(const TQvResID& ResID) const {
  return IndexOfKey(FImageList, ResID);
}

int TQvSkinResManager::IndexOfFileName_RunTime(const String& FileName) const {
  return IndexOfKey(FRunTimeImageList.get(), FileName);
}

int TQvSkinResManager::GetResIDByDPIScale(const TQvResID& SourceResID) {
  const TQvResID Variant = GetDPIScaleResID(SourceResID);
  return GetDPIScaleFromResID(Variant) == ds100 ? -1 : IndexOfRes(Variant);
}

TQvResID TQvSkinResManager::GetDPIScaleResID(const TQvResID& ResID) const {
  if (!AppIsHighDPIMode()) return ResID;
  return IncludeDPIScaleText(ResID, ScaleToQvResDPIScale(GetDPIScaleValue(nullptr)));
}

// ---- editing ----

int TQvSkinResManager::AddRes(TCustomBitmap32* AImage, const TQvResID& ResID,
                              const String& Description) {
  TQvSkinBitmapItem* Item = MainList()->Bitmaps()->Add();
  {
    TScopeFail Drop([Item] { delete Item; });  // an item without its picture goes again
    Item->SetBitmap(AImage);
  }
  Item->SetResID(ResID);
  Item->SetDescription(Description);
  ImageChanged();
  return Item->Index();
}

int TQvSkinResManager::AddRes(const String& AImageFileName, const TQvResID& ResID,
                              const String& Description) {
  TQvSkinImage Temp;
  LoadSkinImageFile(&Temp, AImageFileName);
  String Name = ResID;
  if (Name.empty()) {
    Name = ExtractFileName(AImageFileName);
    const String Ext = ExtractFileExt(AImageFileName);
    size_t Pos = Ext.empty() ? String::npos : Name.find(Ext);
    if (Pos != String::npos) Name.erase(Pos, Ext.size());
  }
  return AddRes(&Temp, Name, Description);
}

int TQvSkinResManager::AddRes(HINSTANCE Instance, const String& ResourceName, const TQvResID& ResID,
                              const String& Description) {
  TQvSkinImage Temp;
  Temp.LoadFromResourceName(Instance, ResourceName);
  return AddRes(&Temp, ResID, Description);
}

void TQvSkinResManager::ReplaceRes(const TQvResID& DestResID, TCustomBitmap32* AImage) {
  int Index = IndexOfRes(DestResID);
  if (Index < 0) return;
  FImageList->Bitmaps()->Items(Index)->SetBitmap(AImage);
  ImageChanged();
}

int TQvSkinResManager::ReplaceRes(const TQvResID& DestResID, const String& AImageFileName,
                                  const TQvResID&, const String&) {
  int Index = IndexOfRes(DestResID);
  if (Index >= 0) {
    TQvSkinImage Temp;
    LoadSkinImageFile(&Temp, AImageFileName);
    FImageList->Bitmaps()->Items(Index)->SetBitmap(&Temp);
    ImageChanged();
  }
  return Index;
}

void TQvSkinResManager::Delete(const TQvResID& ResID) {
  int Index = IndexOfRes(ResID);
  if (Index >= 0) {
    FImageList->Bitmaps()->Delete(Index);
    ImageChanged();
    return;
  }
  RemoveResID_RunTime(ResID);
}

void TQvSkinResManager::RemoveResID_RunTime(const TQvResID& ResID) {
  int Index = IndexOfFileName_RunTime(ResID);
  if (Index >= 0) FRunTimeImageList->Bitmaps()->Delete(Index);
}

void TQvSkinResManager::BackupImageByID(const TQvResID& ResID) {
  TQvSkinImage* Image = GetImageByName(ResID, false);
  const TQvResID BackupID = ResID + kBackupSuffix;
  if (IndexOfRes(BackupID) < 0)
    AddRes(Image, BackupID, String());
  else
    ReplaceRes(BackupID, Image);
}

void TQvSkinResManager::RestoreImageByID(const TQvResID& ResID, bool UseDPIImage) {
  TQvSkinImage* Image = GetImageByName(ResID, UseDPIImage);
  if (!Image) return;
  const TQvResID BackupID = ResID + kBackupSuffix;
  if (IndexOfRes(BackupID) < 0) return;
  TQvSkinImage* Backup = GetImageByName(BackupID, false);
  ReplaceRes(ResID, Backup);
  // Also brings back a picture that came from a file or from OnGetImage.
  if (Backup) Image->Assign(Backup);
}

TQvSkinImage* TQvSkinResManager::MakeGrayscaleImageByID(const TQvResID& ResID, bool UseDPIImage) {
  TQvSkinImage* Image = GetImageByName(ResID, UseDPIImage);
  if (!Image) return nullptr;
  const TQvResID BackupID = ResID + kBackupSuffix;
  if (IndexOfRes(BackupID) < 0)
    BackupImageByID(ResID);
  else
    ReplaceRes(ResID, GetImageByName(BackupID, false));  // start from the saved colours
  ColorToGrayscale(Image, Image);
  Image->Changed();
  return Image;
}

void TQvSkinResManager::BeginUpdate() {
  MainList()->Bitmaps()->BeginUpdate();
}

void TQvSkinResManager::EndUpdate() {
  MainList()->Bitmaps()->EndUpdate();
}

void TQvSkinResManager::SetImageList(TQvSkinImageList* Value) {
  if (Value == FImageList) return;
  MainList()->Assign(Value);
  InvalidateScaledPictures();
}

void TQvSkinResManager::SetSvgImageList(TQvSkinSvgImageList* Value) {
  if (Value != FSvgImageList && FSvgImageList) FSvgImageList->Assign(Value);
}

// ---- default skin and the design-time file ----

void TQvSkinResManager::ResetDefaultData(const String& FileName) {
  TQvSkinResDM* DM = QvSkinResDMAssigned();
  if (!DM) throw Exception(L"QvSkinResDM is not assigned");
  String Text = ComponentToText(*DM->QvSkinImageListMain());
  if (TComponent* Svg = DM->FindComponent(L"QvSkinImageListSvg")) Text += ComponentToText(*Svg);
  WriteUTF8File(Text, FileName.empty() ? QvSkinDesignTimeResFileName() : FileName);
}

void TQvSkinResManager::Refresh(const String& RunTimeResFileName) {
  const String FileName =
      RunTimeResFileName.empty() ? QvSkinDesignTimeResFileName() : RunTimeResFileName;
  if (!FileExists(FileName)) {
    try {
      ResetDefaultData(FileName);
    } catch (const Exception&) {
      // Reported below as the missing file.
    }
  }
  if (!FileExists(FileName)) throw Exception(L"Not found QvSkinDesignTimeRes.tmp file!");
  TStringList Lines;
  Lines.LoadFromFile(FileName);
  TStringList Part;
  if (!ExtractBetweenStrings(Lines, Part, L"object QvSkinImageListMain: TQvSkinImageList", false,
                             L"end>"))
    return;
  Part.Add(L"    Left = 151");
  Part.Add(L"    Top = 39");
  Part.Add(L"  end");
  // Read everything into a scratch list first: bad text raises before the main list
  // is touched.
  TObjectNode Node = ObjectTextToNode(Part.Text());
  TQvSkinImageList Scratch(nullptr);
  ReadComponentNode(Scratch, Node);
  MainList()->Bitmaps()->Assign(Scratch.Bitmaps());
  InvalidateScaledPictures();
}

void TQvSkinResManager::Reload() {
  TQvSkinResDM* DM = RecreateQvSkinResDM();
  AttachLists(DM->QvSkinImageListMain(), DM->QvSkinImageListSvg());
  InvalidateScaledPictures();
}

TQvSkinResManager* TQvSkinResManagerObj() {
  static std::unique_ptr<TQvSkinResManager> Instance;
  if (!Instance) Instance = std::make_unique<TQvSkinResManager>();
  return Instance.get();
}

TQvSkinImage* SkinPicture(const TQvResID& ID) {
  if (ID.empty()) return nullptr;
  TQvSkinResManager* Manager = TQvSkinResManagerObj();
  return Manager ? Manager->GetImageByName(ID, true) : nullptr;
}

// ---- files ----

void LoadSkinImageFile(TCustomBitmap32* Image, const String& FileName) {
  if (UpperCase(ExtractFileExt(FileName)) == L".PNG") {
    bool AlphaChannelUsed = false;
    LoadPNGintoBitmap32(Image, FileName, AlphaChannelUsed);
    Image->SetDrawMode(AlphaChannelUsed ? dmBlend : dmOpaque);
  } else {
    Image->LoadFromFile(FileName);
  }
}

String QvSkinDesignTimeResFileName() {
  return GetQvSkinInstallPath() + L"QvSkinDesignTimeRes.tmp";
}

// ---- high-DPI names ----

String GetDPIScaleTextFromResID(const TQvResID& ResID) {
  size_t Pos = ResID.find(L"@DPI");
  return Pos == String::npos ? String() : ResID.substr(Pos, 7);
}

TQvResDPIScale TextToQvResDPIScale(const String& Text) {
  if (Text == L"@DPI150") return ds150;
  if (Text == L"@DPI200") return ds200;
  if (Text == L"@DPI300") return ds300;
  return ds100;
}

TQvResDPIScale GetDPIScaleFromResID(const TQvResID& ResID) {
  return TextToQvResDPIScale(GetDPIScaleTextFromResID(ResID));
}

TQvResID TrimDPIScaleText(const TQvResID& ResID) {
  size_t Pos = ResID.find(L"@DPI");
  return Pos == String::npos ? ResID : ResID.substr(0, Pos);
}

String QvResDPIScaleToText(TQvResDPIScale Scale) {
  switch (Scale) {
    case ds150:
      return L"@DPI150";
    case ds200:
      return L"@DPI200";
    case ds300:
      return L"@DPI300";
    default:
      return String();
  }
}

TQvResID IncludeDPIScaleText(const TQvResID& ResID, TQvResDPIScale Scale) {
  return TrimDPIScaleText(ResID) + QvResDPIScaleToText(Scale);
}

TQvResDPIScale ScaleToQvResDPIScale(double Scale) {
  const Integer S = ScalePercent(Scale);
  return S <= 100 ? ds100 : S < 200 ? ds150 : S < 300 ? ds200 : ds300;
}

double QvResDPIScaleFactor(TQvResDPIScale Scale) {
  switch (Scale) {
    case ds150:
      return 1.5;
    case ds200:
      return 2;
    case ds300:
      return 3;
    default:
      return 1;
  }
}

int64_t GetQvSkinImageBytes(const TCustomBitmap32* Image) {
  if (!Image) return 0;
  return 54 + 4 * int64_t(Image->Width()) * Image->Height();
}

}  // namespace qv

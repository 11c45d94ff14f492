#pragma once
// The resource manager: maps resource IDs to skin pictures. IDs are compared trimmed and
// upper-cased; an ID naming an existing file (as given, or relative to the executable's
// folder) stands for that file, loaded once into the run-time list. The application can
// supply or replace any picture through OnGetImage, and edit the main list at run time.
#include <functional>
#include <map>
#include <memory>

#include "host/Classes.h"
#include "resources/QvSkinImageList.h"
#include "resources/QvSkinSvgImageList.h"

namespace qv {

using TQvResID = String;

enum TQvResDPIScale { ds100, ds150, ds200, ds300 };

// Lets the application supply or replace the picture of any ID (Image may be set to nil).
using TQvGetImageEvent =
    std::function<void(TObject* Sender, const String& ResID, TQvSkinImage*& Image)>;

class TQvSkinResManager : public TPersistent {
 public:
  // Uses the given lists, or the default-skin module's lists when they are nil; every
  // item of the main list goes to cache mode.
  explicit TQvSkinResManager(TQvSkinImageList* AImageList = nullptr,
                             TQvSkinSvgImageList* ASvgImageList = nullptr);
  ~TQvSkinResManager() override;
  TQvSkinResManager(const TQvSkinResManager&) = delete;
  TQvSkinResManager& operator=(const TQvSkinResManager&) = delete;
  String ClassName() const override { return L"TQvSkinResManager"; }

  // ---- lookups ----

  // The picture for the ID, or nil. The surface belongs to the manager. In high-DPI mode
  // with UseDPIImage the screen's scale applies as in GetImageForScale (through the
  // GetResIDByDPIScale hook); otherwise the plain picture.
  TQvSkinImage* GetImageByName(const TQvResID& ResID, bool UseDPIImage = true);
  // The picture for the ID at Scale, in any mode (for a control that knows its monitor's
  // scale). Above 100 %: the variant with the scale's suffix when the list has it, else the
  // plain picture scaled by the suffix's factor (1.5, 2, 3) with the bilinear resampler,
  // once per ID and suffix, and kept until the skin changes or the manager goes. Files and
  // OnGetImage as for GetImageByName.
  TQvSkinImage* GetImageForScale(const TQvResID& ResID, double Scale);
  // The picture of the file, loaded once and kept in the run-time list. A file that
  // cannot be read raises and adds nothing.
  TQvSkinImage* GetImageByFileName(const String& FileName);
  // First main-list item whose trimmed, upper-cased ResID equals the argument's; -1 if none.
  int IndexOfRes(const TQvResID& ResID) const;
  int IndexOfFileName_RunTime(const String& FileName) const;
  // Hook for finding the index of the ID's variant at the screen's scale: here the main
  // list's item of GetDPIScaleResID, -1 without a suffix (always while the mode is off).
  virtual int GetResIDByDPIScale(const TQvResID& SourceResID);
  // The ID with the suffix of the screen's scale (unchanged while the high-DPI mode is off).
  TQvResID GetDPIScaleResID(const TQvResID& ResID) const;

  // ---- scaled stand-ins for missing variants ----

  int ScaledPictureCount() const { return int(FScaled.size()); }
  // Their memory, counted as GetQvSkinImageBytes counts a picture.
  int64_t ScaledPictureBytes() const;
  // The skin changed outside the manager's own editing: every stand-in is scaled again on
  // its next lookup (into the same surface, so holders keep a valid picture); those whose
  // ID is gone are freed.
  void InvalidateScaledPictures();

  // ---- editing ----

  int AddRes(TCustomBitmap32* AImage, const TQvResID& ResID, const String& Description);
  // An empty ResID becomes the file name without folder and extension.
  int AddRes(const String& AImageFileName, const TQvResID& ResID, const String& Description);
  // A bitmap resource of the module (Windows; raises elsewhere).
  int AddRes(HINSTANCE Instance, const String& ResourceName, const TQvResID& ResID,
             const String& Description);
  void ReplaceRes(const TQvResID& DestResID, TCustomBitmap32* AImage);
  // Loads the file into the item of DestResID, which keeps its ID and description.
  // Answers IndexOfRes(DestResID).
  int ReplaceRes(const TQvResID& DestResID, const String& AImageFileName, const TQvResID& NewResID,
                 const String& NewDescription);
  void Delete(const TQvResID& ResID);
  void RemoveResID_RunTime(const TQvResID& ResID);
  // Keeps a copy of the picture under ResID + "_$Bak$".
  void BackupImageByID(const TQvResID& ResID);
  void RestoreImageByID(const TQvResID& ResID, bool UseDPIImage = true);
  // Greys the picture (from its backup colours when a backup exists); nil when missing.
  TQvSkinImage* MakeGrayscaleImageByID(const TQvResID& ResID, bool UseDPIImage = true);
  void BeginUpdate();
  void EndUpdate();

  // ---- the lists ----

  TQvSkinImageList* ImageList() const { return FImageList; }
  // Copies Value's items into the manager's own list.
  void SetImageList(TQvSkinImageList* Value);
  TQvSkinImageList* RunTimeImageList() const { return FRunTimeImageList.get(); }
  TQvSkinSvgImageList* SvgImageList() const { return FSvgImageList; }
  void SetSvgImageList(TQvSkinSvgImageList* Value);
  bool Designing() const { return FDesigning; }
  void SetDesigning(bool Value) { FDesigning = Value; }
  const TQvGetImageEvent& OnGetImage() const { return FOnGetImage; }
  void SetOnGetImage(TQvGetImageEvent Value) { FOnGetImage = std::move(Value); }

  // ---- the default skin and the design-time resource file ----

  // Reloads the main list from the stored text form in the file (the design-time file
  // when FileName is empty), written first when missing. The text is parsed completely
  // before the list's items are replaced, so a bad file raises and changes nothing.
  void Refresh(const String& RunTimeResFileName = String());
  // Frees the default-skin module, creates a new one and uses its lists.
  void Reload();
  // Writes the text form of the module's lists to FileName (the design-time file when empty).
  void ResetDefaultData(const String& FileName = String());

 protected:
  // Called after every change of the main list; nothing here.
  virtual void DoImageChanged() {}

 private:
  class TListWatcher;
  TQvSkinImageList* MainList() const;  // raises when the main list is gone
  void AttachLists(TQvSkinImageList* AImageList, TQvSkinSvgImageList* ASvgImageList);
  TQvSkinImage* RaiseGetImage(const String& ResID, TQvSkinImage* Image);
  TQvSkinImage* LookupImage(const TQvResID& ResID, double Scale, bool AskHook);
  TQvSkinImage* ListPicture(const TQvResID& ResID, double Scale, bool AskHook);
  TQvSkinImage* ScaledPicture(const TQvResID& ResID, TQvSkinImage* Plain, TQvResDPIScale Suffix);
  void ImageChanged();  // after an edit of the main list: stand-ins, then DoImageChanged

  // A plain picture scaled for a suffix; Source is the plain surface it was made from (nil
  // once the skin changed).
  struct TScaledPicture {
    const TQvSkinImage* Source = nullptr;
    std::unique_ptr<TQvSkinImage> Image;
  };

  TQvSkinImageList* FImageList = nullptr;
  TQvSkinSvgImageList* FSvgImageList = nullptr;
  std::unique_ptr<TQvSkinImageList> FRunTimeImageList;
  std::unique_ptr<TListWatcher> FWatcher;
  bool FDesigning = false;
  TQvGetImageEvent FOnGetImage;
  std::map<std::pair<String, TQvResDPIScale>, TScaledPicture> FScaled;  // trimmed upper-case ID
};

// The process's manager, created on the first call and freed at exit.
TQvSkinResManager* TQvSkinResManagerObj();
// The skin picture a control names by resource ID, with its high-DPI variant allowed; nil
// for an empty ID, a missing picture or no resource manager.
TQvSkinImage* SkinPicture(const TQvResID& ID);

// Loads a picture file: ".PNG" (any case) through the PNG glue, dmBlend when it has
// transparency and dmOpaque otherwise; anything else through the surface's LoadFromFile.
void LoadSkinImageFile(TCustomBitmap32* Image, const String& FileName);
// The library's install folder with a trailing delimiter (registry HKCU
// "Software\QvSkin", value "Path22"); "" when not recorded.
String GetQvSkinInstallPath();
// The design-time resource file in the install folder.
String QvSkinDesignTimeResFileName();

// ---- high-DPI names ----

// The 7 characters from the first "@DPI" ("" when there is none).
String GetDPIScaleTextFromResID(const TQvResID& ResID);
// "@DPI150" -> ds150 and so on, exact and case-sensitive; anything else ds100.
TQvResDPIScale TextToQvResDPIScale(const String& Text);
TQvResDPIScale GetDPIScaleFromResID(const TQvResID& ResID);
// ResID up to the first "@DPI".
TQvResID TrimDPIScaleText(const TQvResID& ResID);
// ds100 -> "" (no suffix), ds150 -> "@DPI150", ...
String QvResDPIScaleToText(TQvResDPIScale Scale);
TQvResID IncludeDPIScaleText(const TQvResID& ResID, TQvResDPIScale Scale);
// The suffix for a scale, by S = round(scale * 100): none up to 100, below 200 ds150, below
// 300 ds200, else ds300.
TQvResDPIScale ScaleToQvResDPIScale(double Scale);
// The factor a suffix stands for: 1, 1.5, 2, 3.
double QvResDPIScaleFactor(TQvResDPIScale Scale);
// Size of the picture saved as a 32-bit Windows bitmap: 54 + 4 * W * H.
int64_t GetQvSkinImageBytes(const TCustomBitmap32* Image);

}  // namespace qv

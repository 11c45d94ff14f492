#include "design/QvSkinPictures.h"

#include <filesystem>
#include <memory>

#include "design/QvSkinFile.h"
#include "design/QvSkinPicturesSvg.h"
#include "design/QvSkinProject.h"
#include "host/AtomicFile.h"
#include "host/ObjectText.h"
#include "host/ScopeGuard.h"
#include "host/Streams.h"
#include "raster/Gr32Png.h"
#include "resources/QvSkinResDM.h"

namespace qv {

namespace {

// The lists of a module file, read completely into lists of their own.
struct TModuleLists {
  TQvSkinImageList Main{nullptr};
  TQvSkinSvgImageList Svg{nullptr};
};

// A file that parses but whose lists do not read is no skin either: it is refused like
// one that does not parse.
std::unique_ptr<TModuleLists> ReadModuleLists(const std::vector<uint8_t>& Data) {
  const TObjectNode Root = ParseSkinFileData(Data);
  auto Lists = std::make_unique<TModuleLists>();
  try {
    for (const TObjectNode& Child : Root.Children) {
      if (Child.Name == L"QvSkinImageListMain" && Child.ClassName == L"TQvSkinImageList")
        ReadComponentNode(Lists->Main, Child);
      else if (Child.Name == L"QvSkinImageListSvg" && Child.ClassName == L"TQvSkinSvgImageList")
        ReadComponentNode(Lists->Svg, Child);
    }
  } catch (const Exception& E) {
    throw EParserError(L"Not a qvskin file: " + E.Message());
  }
  return Lists;
}

void FillModule(TQvSkinResDM& Module, TModuleLists& Lists) {
  Module.QvSkinImageListMain()->Assign(&Lists.Main);
  Module.QvSkinImageListSvg()->Assign(&Lists.Svg);
}

[[noreturn]] void NotAPicture(const String& FileName, const String& Reason) {
  throw EInvalidGraphic(L"\"" + ExtractFileName(FileName) + L"\" is not a picture (" + Reason +
                        L")");
}

// Decodes the whole picture file; only a file that cannot be opened raises as it is.
void LoadPictureFile(const String& FileName, TQvSkinImage& Image) {
  try {
    LoadSkinImageFile(&Image, FileName);
  } catch (const EInvalidGraphic& E) {
    NotAPicture(FileName, E.Message());
  } catch (const EReadError& E) {
    NotAPicture(FileName, E.Message());
  }
  if (Image.Empty()) NotAPicture(FileName, L"it holds no pixels");
}

void LoadSvgFile(const String& FileName, TSkSvgBrush& Data) {
  if (!FileExists(FileName)) throw EFOpenError(L"Cannot open file \"" + FileName + L"\"");
  std::error_code Ec;
  const auto Size = std::filesystem::file_size(std::filesystem::path(FileName), Ec);
  if (!Ec && Size > QvSvgFileMaxSize) NotAPicture(FileName, L"the SVG file is too large");
  try {
    ReadSvgDocument(ReadFileBytes(FileName), Data);
  } catch (const EInvalidGraphic& E) {
    NotAPicture(FileName, E.Message());
  }
}

[[noreturn]] void NotFound(const TQvResID& ID) {
  throw Exception(L"Picture not found: " + ID);
}

}  // namespace

TQvSkinPictureList PictureListOfFile(const String& FileName) {
  return SameText(ExtractFileExt(FileName), L".svg") ? plSvg : plBitmaps;
}

TQvSkinResDM* ReloadSkinResManager() {
  TQvSkinResManagerObj()->Reload();
  return QvSkinResDMAssigned();
}

TQvSkinPictures::TQvSkinPictures(const String& Folder)
    : FFolder(Folder), FModule(nullptr), FReload(ReloadSkinResManager) {}

TQvSkinPictures::TQvSkinPictures(const String& Folder, TQvSkinResDM* Module,
                                 TQvSkinModuleReload Reload)
    : FFolder(Folder), FModule(Module), FReload(std::move(Reload)) {
  if (!FModule) throw Exception(L"QvSkinResDM is not assigned");
}

TQvSkinResDM* TQvSkinPictures::Module() const {
  return FModule ? FModule : QvSkinResDM();
}

void TQvSkinPictures::Open() {
  OpenSkinProject(FFolder, Module());
  const auto Lists =
      ReadModuleLists(ReadFileBytes(IncludeTrailingPathDelimiter(FFolder) + QvSkinModuleFileName));
  FillModule(*Module(), *Lists);
}

int TQvSkinPictures::IndexOf(const TQvSkinPictureRef& Picture) const {
  const TQvSkinResDM& M = *Module();
  return Picture.List == plSvg ? M.QvSkinImageListSvg()->FindByResID(Picture.ID)
                               : M.QvSkinImageListMain()->Bitmaps()->IndexOfResID(Picture.ID);
}

void TQvSkinPictures::WriteBack() {
  WriteBackSkinProject(FFolder, Module());
}

TQvSkinPictureRef TQvSkinPictures::Add(const String& FileName, const String& IDBox, bool HighDPI,
                                       TQvResDPIScale Scale) {
  TQvSkinPictureRef Ref{PictureListOfFile(FileName), {}};
  auto Exists = [&](const TQvResID& ID) { return IndexOf({Ref.List, ID}) >= 0; };
  TQvSkinResDM& M = *Module();
  if (Ref.List == plSvg) {
    TSkSvgBrush Data;
    LoadSvgFile(FileName, Data);
    Ref.ID = NewPictureID(IDBox, FileName, Exists, HighDPI, Scale);
    TQvSkinSvgImageList& List = *M.QvSkinImageListSvg();
    const int Index = List.AddSvg(Ref.ID, &Data, String());
    TScopeFail Undo([&] { List.Images()->Delete(Index); });
    WriteBack();
    return Ref;
  }
  TQvSkinImage Image;
  LoadPictureFile(FileName, Image);
  Ref.ID = NewPictureID(IDBox, FileName, Exists, HighDPI, Scale);
  TQvSkinBitmapItem* Item = M.QvSkinImageListMain()->Bitmaps()->Add();
  TScopeFail Undo([Item] { delete Item; });
  Item->SetBitmap(&Image);
  Item->SetResID(Ref.ID);
  WriteBack();
  return Ref;
}

void TQvSkinPictures::Replace(const TQvSkinPictureRef& Picture, const String& FileName) {
  const int Index = IndexOf(Picture);
  if (Index < 0) NotFound(Picture.ID);
  if (PictureListOfFile(FileName) != Picture.List)
    NotAPicture(FileName, Picture.List == plSvg ? L"a vector item takes an SVG file"
                                                : L"an SVG file goes to the vector list");
  TQvSkinResDM& M = *Module();
  if (Picture.List == plSvg) {
    TSkSvgBrush Data;
    LoadSvgFile(FileName, Data);
    TQvSkinSvgImageItem* Item = M.QvSkinImageListSvg()->Images()->Items(Index);
    TSkSvgBrush Old;
    Old.Assign(Item->SVGData());
    TScopeFail Undo([&] { Item->SetSVGData(&Old); });
    Item->SetSVGData(&Data);
    WriteBack();
    return;
  }
  TQvSkinImage Image;
  LoadPictureFile(FileName, Image);
  TQvSkinBitmapItem* Item = M.QvSkinImageListMain()->Bitmaps()->Items(Index);
  TQvSkinImageList Saved(nullptr);
  Saved.Bitmaps()->Add()->Assign(Item);
  TScopeFail Undo([&] { Item->Assign(Saved.Bitmaps()->Items(0)); });
  Item->SetBitmap(&Image);
  WriteBack();
}

void TQvSkinPictures::Delete(const TQvSkinPictureRef& Picture) {
  const int Index = IndexOf(Picture);
  if (Index < 0) NotFound(Picture.ID);
  TQvSkinResDM& M = *Module();
  // A copy goes back to the same place when the write-back fails.
  auto DeleteFrom = [&](TCollection& Items, TCollection& Saved) {
    Saved.Add()->Assign(Items.Items(Index));
    Items.Delete(Index);
    TScopeFail Undo([&] { Items.Insert(Index)->Assign(Saved.Items(0)); });
    WriteBack();
  };
  if (Picture.List == plSvg) {
    TQvSkinSvgImageList Saved(nullptr);
    DeleteFrom(*M.QvSkinImageListSvg()->Images(), *Saved.Images());
  } else {
    TQvSkinImageList Saved(nullptr);
    DeleteFrom(*M.QvSkinImageListMain()->Bitmaps(), *Saved.Bitmaps());
  }
}

void TQvSkinPictures::ExportPng(const TQvResID& ID, const String& FileName) const {
  const int Index = IndexOf({plBitmaps, ID});
  if (Index < 0) NotFound(ID);
  TQvSkinImage* Image = Module()->QvSkinImageListMain()->Bitmap(Index);
  std::vector<uint8_t> Png;
  if (!SaveBitmap32ToPNG(Image, Png))
    throw EWriteError(L"The picture " + ID + L" cannot be written as PNG");
  WriteFileAtomically(FileName, Png);
}

void TQvSkinPictures::ExportSvg(const TQvResID& ID, const String& FileName) const {
  const int Index = IndexOf({plSvg, ID});
  if (Index < 0) NotFound(ID);
  const TQvSkinSvgImageList& List = *Module()->QvSkinImageListSvg();
  const TSkSvgBrush& Data = *List.Images()->Items(Index)->SVGData();
  WriteFileAtomically(FileName, WriteSvgDocument(Data, List.Width(), List.Height()));
}

void TQvSkinPictures::ExportSkin(const String& FileName) const {
  ExportSkinFile(FFolder, FileName);
}

void TQvSkinPictures::ImportSkin(const String& FileName) {
  // Everything is read before the project changes.
  const auto Lists = ReadModuleLists(ReadSkinFile(FileName));
  ImportSkinFile(FFolder, FileName);
  if (FReload) {
    TQvSkinResDM* Renewed = FReload();
    if (!Renewed) throw Exception(L"QvSkinResDM is not assigned");
    if (FModule) FModule = Renewed;
  }
  FillModule(*Module(), *Lists);
}

}  // namespace qv

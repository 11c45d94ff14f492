// Picture operations of a skin project: adding, replacing, deleting and exporting pictures
// and SVG items with the project written back, refusals and failed write-backs leaving the
// module and the files as they were, skin import renewing the module, and the SVG reader.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

#include "ResourceTestSupport.h"
#include "design/QvSkinFile.h"
#include "design/QvSkinPictures.h"
#include "design/QvSkinPicturesSvg.h"
#include "host/ImageCodec.h"
#include "host/ScopeGuard.h"
#include "host/Streams.h"
#include "resources/QvSkinResDM.h"

using namespace qv;
using namespace qvtest;
namespace fs = std::filesystem;

namespace {

// W × H RGBA pixels of a pattern set by Seed, with alpha from 0 to 255.
std::vector<uint8_t> Pixels(int W, int H, int Seed) {
  std::vector<uint8_t> P(size_t(W * H * 4));
  for (size_t I = 0; I < P.size(); ++I) P[I] = uint8_t(I * 37 + Seed * 11);
  return P;
}

std::vector<uint8_t> Png(int W, int H, int Seed) {
  return EncodePng(Pixels(W, H, Seed).data(), W, H, 4);
}

std::vector<TColor32> FileBits(const String& FileName) {
  TQvSkinImage Image;
  LoadSkinImageFile(&Image, FileName);
  return PixelsOf(Image);
}

class SkinPictures : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(Dir.Path() / "project");
    Folder = (Dir.Path() / "project").wstring();
    Module = NewModule();
    Pictures = std::make_unique<TQvSkinPictures>(Folder, Module.get(), [this] {
      ++Reloads;
      Module = NewModule();
      return Module.get();
    });
    Pictures->Open();
  }
  // A module with an empty main list: every write-back stays small.
  static std::unique_ptr<TQvSkinResDM> NewModule() {
    auto M = std::make_unique<TQvSkinResDM>(nullptr);
    M->QvSkinImageListMain()->Bitmaps()->Clear();
    return M;
  }
  String Path(const String& Name) const { return (Dir.Path() / "project" / Name).wstring(); }
  String Outside(const String& Name) const { return (Dir.Path() / Name).wstring(); }
  String Put(const String& Name, const std::vector<uint8_t>& Data) const {
    WriteFileBytes(Outside(Name), Data);
    return Outside(Name);
  }
  std::vector<uint8_t> ModuleBytes() const { return ReadFileBytes(Path(QvSkinModuleFileName)); }
  std::vector<uint8_t> DesignTimeBytes() const {
    return ReadFileBytes(Path(QvSkinDesignTimeFileName));
  }
  TQvSkinBitmapCollection& Bitmaps() const { return *Module->QvSkinImageListMain()->Bitmaps(); }
  TQvSkinSvgImageCollection& Svgs() const { return *Module->QvSkinImageListSvg()->Images(); }
  std::vector<String> IDs() const {
    std::vector<String> R;
    for (int I = 0; I < Bitmaps().Count(); ++I) R.push_back(Bitmaps().Items(I)->ResID());
    for (int I = 0; I < Svgs().Count(); ++I) R.push_back(L"svg:" + Svgs().Items(I)->ResID());
    return R;
  }
  // The project's module file read into a module of its own.
  std::vector<String> IDsOnDisk() {
    std::unique_ptr<TQvSkinResDM> Saved = std::move(Module);
    Module = NewModule();
    TQvSkinPictures(Folder, Module.get(), nullptr).Open();
    std::vector<String> R = IDs();
    Module = std::move(Saved);
    return R;
  }

  TTempDir Dir{L"qvskinpictures"};
  String Folder;
  std::unique_ptr<TQvSkinResDM> Module;
  std::unique_ptr<TQvSkinPictures> Pictures;
  int Reloads = 0;
};

const char* const Star =
    "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 24 24\">"
    "<path d=\"M12 2 L15 9 L22 9 L16 14 L18 21 L12 17 L6 21 L8 14 L2 9 L9 9 Z\" "
    "fill=\"#ff8000\"/></svg>";

TEST_F(SkinPictures, AddNamesWritesBackAndKeepsPixels) {
  TBitmap32 Bmp;
  Bmp.AssignPixels(3, 2, Pixels(3, 2, 5).data());
  Bmp.SaveToFile(Outside(L"bar.bmp"));
  struct TCase {
    String File;
    String IDBox;
    bool HighDPI;
    TQvResDPIScale Scale;
    TQvSkinPictureRef Expected;
  } Cases[] = {
      {Put(L"logo.png", Png(4, 3, 1)), L"", false, ds100, {plBitmaps, L"logo"}},
      {Outside(L"logo.png"), L"", false, ds100, {plBitmaps, L"logo_1"}},
      {Outside(L"logo.png"), L" LOGO ", false, ds100, {plBitmaps, L"LOGO_1_1"}},
      {Outside(L"logo.png"), L"", true, ds200, {plBitmaps, L"logo@DPI200"}},
      {Outside(L"bar.bmp"), L"", false, ds100, {plBitmaps, L"bar"}},
      {Put(L"photo.jpg", EncodeJpeg(Pixels(6, 5, 3).data(), 6, 5, 4)),
       L"",
       false,
       ds100,
       {plBitmaps, L"photo"}},
      {Put(L"star.svg", Bytes(Star)), L"", false, ds100, {plSvg, L"star"}},
      {Outside(L"star.svg"), L"", false, ds100, {plSvg, L"star_1"}},
      {Outside(L"star.svg"), L"logo", false, ds100, {plSvg, L"logo"}},  // lists name apart
  };
  for (const TCase& C : Cases) {
    const TQvSkinPictureRef Got = Pictures->Add(C.File, C.IDBox, C.HighDPI, C.Scale);
    EXPECT_EQ(Got, C.Expected) << C.Expected.ID;
    EXPECT_GE(Pictures->IndexOf(Got), 0) << C.Expected.ID;
  }
  const std::vector<String> Expected = {L"logo",        L"logo_1",     L"LOGO_1_1",
                                        L"logo@DPI200", L"bar",        L"photo",
                                        L"svg:star",    L"svg:star_1", L"svg:logo"};
  EXPECT_EQ(IDs(), Expected);
  EXPECT_EQ(IDsOnDisk(), Expected);
  EXPECT_EQ(PixelsOf(*Bitmaps().Items(0)->Bitmap()), FileBits(Outside(L"logo.png")));
  EXPECT_EQ(PixelsOf(*Bitmaps().Items(4)->Bitmap()), PixelsOf(Bmp));
  EXPECT_EQ(Bitmaps().Items(5)->Bitmap()->Width(), 6);
  EXPECT_EQ(Svgs().Items(0)->SVGData()->FillColor(), TColor(0x0080FF));
}

TEST_F(SkinPictures, ReplaceDeleteAndExportRoundTrip) {
  Pictures->Add(Put(L"a.png", Png(5, 4, 1)));
  Pictures->Add(Put(L"b.png", Png(2, 7, 2)));
  Bitmaps().Items(0)->SetDescription(L"kept");
  Pictures->ExportPng(L"a", Outside(L"a-out.png"));
  EXPECT_EQ(FileBits(Outside(L"a-out.png")), FileBits(Outside(L"a.png")));

  Pictures->Replace({plBitmaps, L"A"}, Put(L"c.png", Png(3, 3, 3)));
  EXPECT_EQ(Bitmaps().Items(0)->ResID(), L"a");
  EXPECT_EQ(Bitmaps().Items(0)->Description(), L"kept");
  Pictures->ExportPng(L"a", Outside(L"a-out.png"));
  EXPECT_EQ(FileBits(Outside(L"a-out.png")), FileBits(Outside(L"c.png")));

  Pictures->Delete({plBitmaps, L"a"});
  EXPECT_EQ(IDs(), std::vector<String>{L"b"});
  EXPECT_EQ(IDsOnDisk(), std::vector<String>{L"b"});

  // Vector items: the exported document reads back into the same data.
  Pictures->Add(Put(L"star.svg", Bytes(Star)));
  Pictures->ExportSvg(L"star", Outside(L"star-out.svg"));
  EXPECT_EQ(Text(ReadFileBytes(Outside(L"star-out.svg"))),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"24\" height=\"24\" "
            "viewBox=\"0 0 24 24\">\n"
            "  <path d=\"M12 2 L15 9 L22 9 L16 14 L18 21 L12 17 L6 21 L8 14 L2 9 L9 9 Z\" "
            "fill=\"#ff8000\"/>\n</svg>\n");
  Pictures->Replace({plSvg, L"star"}, Put(L"dot.svg", Bytes("<svg><circle r=\"2\" stroke=\"red\" "
                                                            "stroke-width=\"3\"/></svg>")));
  Pictures->Replace({plSvg, L"star"}, Outside(L"star-out.svg"));
  Pictures->ExportSvg(L"star", Outside(L"again.svg"));
  EXPECT_EQ(ReadFileBytes(Outside(L"again.svg")), ReadFileBytes(Outside(L"star-out.svg")));
  Pictures->Delete({plSvg, L"STAR"});
  EXPECT_EQ(IDsOnDisk(), std::vector<String>{L"b"});
}

TEST_F(SkinPictures, RefusalsChangeNothing) {
  Pictures->Add(Put(L"a.png", Png(2, 2, 1)));
  Pictures->Add(Put(L"s.svg", Bytes(Star)));
  const std::vector<uint8_t> Before = ModuleBytes(), DesignTimeBefore = DesignTimeBytes();
  const std::vector<String> IDsBefore = IDs();
  std::vector<uint8_t> Truncated = Png(8, 8, 1);
  Truncated.resize(Truncated.size() / 2);
  struct TCase {
    const char* Name;
    std::function<void()> Step;
    const wchar_t* Message;  // the start of it
  } Cases[] = {
      {"text as png", [&] { Pictures->Add(Put(L"t.png", Bytes("hello"))); },
       L"\"t.png\" is not a picture ("},
      {"text as bmp", [&] { Pictures->Add(Put(L"t.bmp", Bytes("BM hello"))); },
       L"\"t.bmp\" is not a picture ("},
      {"empty jpg", [&] { Pictures->Add(Put(L"e.jpg", {})); }, L"\"e.jpg\" is not a picture ("},
      {"truncated png", [&] { Pictures->Add(Put(L"h.png", Truncated)); },
       L"\"h.png\" is not a picture ("},
      {"replace with text",
       [&] {
         Pictures->Replace({plBitmaps, L"a"}, Outside(L"t.png"));
       },
       L"\"t.png\" is not a picture ("},
      {"not xml", [&] { Pictures->Add(Put(L"x.svg", Bytes("<svg"))); },
       L"\"x.svg\" is not a picture (Invalid SVG: "},
      {"svg into the main list",
       [&] {
         Pictures->Replace({plBitmaps, L"a"}, Outside(L"s.svg"));
       },
       L"\"s.svg\" is not a picture (an SVG file goes to the vector list)"},
      {"png into the vector list",
       [&] {
         Pictures->Replace({plSvg, L"s"}, Outside(L"a.png"));
       },
       L"\"a.png\" is not a picture (a vector item takes an SVG file)"},
      {"missing picture",
       [&] {
         Pictures->Delete({plBitmaps, L"zz"});
       },
       L"Picture not found: zz"},
      {"missing vector item", [&] { Pictures->ExportSvg(L"a", Outside(L"o.svg")); },
       L"Picture not found: a"},
  };
  for (const TCase& C : Cases) {
    try {
      C.Step();
      ADD_FAILURE() << C.Name << ": done";
    } catch (const Exception& E) {
      EXPECT_EQ(E.Message().rfind(C.Message, 0), 0u) << C.Name << ": " << ToUtf8(E.Message());
    }
    EXPECT_EQ(ModuleBytes(), Before) << C.Name;
    EXPECT_EQ(DesignTimeBytes(), DesignTimeBefore) << C.Name;
    EXPECT_EQ(IDs(), IDsBefore) << C.Name;
  }
  EXPECT_FALSE(fs::exists(Dir.Path() / "o.svg"));
}

TEST_F(SkinPictures, FailedWriteBackLeavesModuleAndFiles) {
  Pictures->Add(Put(L"a.png", Png(2, 2, 1)));
  Pictures->Add(Put(L"s.svg", Bytes(Star)));
  Put(L"b.png", Png(3, 1, 2));
  Put(L"dot.svg", Bytes("<svg><circle r=\"2\"/></svg>"));
  const std::vector<uint8_t> Before = ModuleBytes();
  const std::vector<TColor32> PixelsBefore = PixelsOf(*Bitmaps().Items(0)->Bitmap());
  const String PathBefore = Svgs().Items(0)->SVGData()->Path();
  // A folder where the design-time file goes: the write-back fails before the module.
  fs::remove(Dir.Path() / "project" / QvSkinDesignTimeFileName);
  fs::create_directories(Dir.Path() / "project" / QvSkinDesignTimeFileName / "x");
  const std::function<void()> Steps[] = {
      [&] { Pictures->Add(Outside(L"b.png")); },
      [&] { Pictures->Add(Outside(L"dot.svg")); },
      [&] {
        Pictures->Replace({plBitmaps, L"a"}, Outside(L"b.png"));
      },
      [&] {
        Pictures->Replace({plSvg, L"s"}, Outside(L"dot.svg"));
      },
      [&] {
        Pictures->Delete({plBitmaps, L"a"});
      },
      [&] {
        Pictures->Delete({plSvg, L"s"});
      },
  };
  for (size_t I = 0; I < std::size(Steps); ++I) {
    EXPECT_THROW(Steps[I](), Exception) << I;
    EXPECT_EQ(ModuleBytes(), Before) << I;
    EXPECT_EQ(IDs(), (std::vector<String>{L"a", L"svg:s"})) << I;
    EXPECT_EQ(PixelsOf(*Bitmaps().Items(0)->Bitmap()), PixelsBefore) << I;
    EXPECT_EQ(Svgs().Items(0)->SVGData()->Path(), PathBefore) << I;
  }
}

TEST_F(SkinPictures, ImportRenewsTheModule) {
  Pictures->Add(Put(L"a.png", Png(2, 2, 1)));
  Pictures->ExportSkin(Outside(L"one.qvskin"));
  Pictures->Add(Put(L"b.png", Png(2, 2, 2)));
  Pictures->Add(Put(L"s.svg", Bytes(Star)));
  const std::vector<uint8_t> Two = ModuleBytes();

  Pictures->ImportSkin(Outside(L"one.qvskin"));
  EXPECT_EQ(Reloads, 1);
  EXPECT_EQ(Pictures->Module(), Module.get());
  EXPECT_EQ(IDs(), std::vector<String>{L"a"});
  EXPECT_EQ(ModuleBytes(), ReadFileBytes(Outside(L"one.qvskin")));
  EXPECT_EQ(ReadFileBytes(Path(QvSkinModuleBackupName)), Two);

  // Text that parses as a skin module but whose lists do not read is refused unchanged.
  const std::string Bad =
      "object QvSkinResDM: TQvSkinResDM\r\n"
      "  object QvSkinImageListMain: TQvSkinImageList\r\n"
      "    NoSuchProperty = 1\r\n"
      "  end\r\n"
      "end\r\n";
  const std::vector<uint8_t> One = ModuleBytes();
  EXPECT_THROW(Pictures->ImportSkin(Put(L"bad.qvskin", Bytes(Bad))), EParserError);
  EXPECT_THROW(Pictures->ImportSkin(Put(L"empty.qvskin", {})), EParserError);
  EXPECT_EQ(Reloads, 1);
  EXPECT_EQ(ModuleBytes(), One);
  EXPECT_EQ(ReadFileBytes(Path(QvSkinModuleBackupName)), Two);
  EXPECT_EQ(IDs(), std::vector<String>{L"a"});
}

TEST_F(SkinPictures, OpenFillsTheModuleFromTheProject) {
  Pictures->Add(Put(L"a.png", Png(2, 2, 1)));
  Module = NewModule();
  TQvSkinPictures Other(Folder, Module.get(), nullptr);
  Other.Open();
  EXPECT_EQ(IDs(), std::vector<String>{L"a"});
  // A damaged project module raises and leaves the module as it was.
  WriteFileBytes(Path(QvSkinModuleFileName), Bytes("object QvSkinResDM: TQvSkinResDM\r\n"));
  EXPECT_THROW(Other.Open(), EParserError);
  EXPECT_EQ(IDs(), std::vector<String>{L"a"});
}

// The process's module: an import renews it through the resource manager, which then
// draws the imported pictures.
TEST(SkinPicturesProcess, ImportReachesTheResourceManager) {
  TScopeExit Restore([] { TQvSkinResManagerObj()->Reload(); });
  TTempDir Dir(L"qvskinpictures");
  const String Skin = (Dir.Path() / "mine.qvskin").wstring();
  const String Picture = (Dir.Path() / "mine.png").wstring();
  WriteFileBytes(Picture, Png(3, 2, 4));
  {
    fs::create_directories(Dir.Path() / "other");
    TQvSkinResDM Small(nullptr);
    Small.QvSkinImageListMain()->Bitmaps()->Clear();
    TQvSkinPictures Other((Dir.Path() / "other").wstring(), &Small, nullptr);
    Other.Open();
    Other.Add(Picture);
    Other.ExportSkin(Skin);
  }
  fs::create_directories(Dir.Path() / "project");
  TQvSkinPictures Pictures((Dir.Path() / "project").wstring());
  Pictures.Open();
  EXPECT_EQ(Pictures.Module(), QvSkinResDM());
  EXPECT_EQ(SkinPicture(L"mine"), nullptr);
  Pictures.ImportSkin(Skin);
  EXPECT_EQ(Pictures.Module(), QvSkinResDM());
  EXPECT_EQ(TQvSkinResManagerObj()->ImageList(), QvSkinResDM()->QvSkinImageListMain());
  EXPECT_EQ(QvSkinResDM()->QvSkinImageListMain()->Count(), 1);
  TQvSkinImage* Drawn = SkinPicture(L"mine");
  ASSERT_NE(Drawn, nullptr);
  EXPECT_EQ(PixelsOf(*Drawn), FileBits(Picture));
}

// ---- the SVG reader ----

TEST(SkinPicturesSvg, ShapesColoursAndSize) {
  struct TCase {
    const char* Svg;
    const char* Path;
    TColor Fill, Stroke;
    Integer StrokeWidth, ViewWidth, ViewHeight;
  } Cases[] = {
      {"<svg width=\"32px\" height=\"16\"><rect x=\"1\" y=\"2\" width=\"3\" height=\"4\"/></svg>",
       "M1 2 H4 V6 H1 Z", clBlack, clNone, 1, 32, 16},
      {"<svg width=\"100%\"><line x1=\"0\" y1=\"1\" x2=\"5\" y2=\"1.5\" stroke=\"#0f0\"/></svg>",
       "M0 1 L5 1.5", clBlack, 0x00FF00, 1, 0, 0},
      {"<svg><polygon points=\"1,1 4,1 4,4\"/><polyline points=\"0 0,2 2\"/></svg>",
       "M1 1 L4 1 L4 4 Z M0 0 L2 2", clBlack, clNone, 1, 0, 0},
      {"<svg><g fill=\"none\" style=\"stroke: rgb(255, 0, 0); stroke-width: 2px\">"
       "<path d=\"M1 1 h2\"/></g><path d=\"m3 3 v1\" fill=\"red\"/></svg>",
       "M1 1 h2 M0 0 m3 3 v1", clNone, 0x0000FF, 2, 0, 0},
      {"<svg viewBox=\"0,0,10,10\"><defs><path d=\"M9 9 L1 1\"/></defs><title>t</title>"
       "<circle cx=\"5\" cy=\"5\" r=\"2\" fill=\"navy\"/></svg>",
       "M7 5 C7 6.104569499661587 6.104569499661587 7 5 7 C3.8954305003384126 7 3 "
       "6.104569499661587 3 5 C3 3.8954305003384126 3.8954305003384126 3 5 3 C6.104569499661587 "
       "3 7 3.8954305003384126 7 5 Z",
       0x800000, clNone, 1, 10, 10},
  };
  for (const TCase& C : Cases) {
    TSkSvgBrush Data;
    ReadSvgDocument(Bytes(C.Svg), Data);
    EXPECT_EQ(ToUtf8(Data.Path()), C.Path) << C.Svg;
    EXPECT_EQ(Data.FillColor(), C.Fill) << C.Svg;
    EXPECT_EQ(Data.StrokeColor(), C.Stroke) << C.Svg;
    EXPECT_EQ(Data.StrokeWidth(), C.StrokeWidth) << C.Svg;
    EXPECT_EQ(Data.ViewWidth(), C.ViewWidth) << C.Svg;
    EXPECT_EQ(Data.ViewHeight(), C.ViewHeight) << C.Svg;
  }
}

TEST(SkinPicturesSvg, RefusesWhatItCannotHold) {
  struct TCase {
    std::string Svg;
    const char* Reason;
  } Cases[] = {
      {"", nullptr},
      {"<svg><path d=\"M1 1 L2 2\"></svg>", nullptr},
      {"<html/>", "the root element is not svg"},
      {"<svg/><svg/>", "more than one root element"},
      {"<svg/>", "it draws nothing"},
      {"<svg><rect width=\"0\" height=\"5\"/></svg>", "it draws nothing"},
      {"<svg><g transform=\"scale(2)\"><path d=\"M1 1 L2 2\"/></g></svg>",
       "transforms are not supported"},
      {"<svg><text>hi</text></svg>", "<text> elements are not supported"},
      {"<svg><svg><path d=\"M1 1 L2 2\"/></svg></svg>", "<svg> elements are not supported"},
      {"<svg viewBox=\"1 0 10 10\"><path d=\"M1 1 L2 2\"/></svg>",
       "a view box not starting at 0 0 is not supported"},
      {"<svg viewBox=\"0 0 10\"><path d=\"M1 1 L2 2\"/></svg>", "the view box is malformed"},
      {"<svg><path d=\"M1 1 L2 2\" fill=\"url(#g)\"/></svg>",
       "the colour \"url(#g)\" is not supported"},
      {"<svg><rect width=\"2em\" height=\"1\"/></svg>",
       "the length width=\"2em\" is not in user units"},
      {"<svg><path d=\"M1 1 X 2\"/></svg>", nullptr},
      {"<svg>" + std::string(QvSvgFileMaxTags, '<'), "too many elements"},
  };
  for (const TCase& C : Cases) {
    TSkSvgBrush Data;
    Data.SetPath(L"M0 0");
    try {
      ReadSvgDocument(Bytes(C.Svg), Data);
      ADD_FAILURE() << C.Svg << ": read";
    } catch (const EInvalidGraphic& E) {
      if (C.Reason)
        EXPECT_EQ(E.Message(), L"Invalid SVG: " + FromUtf8(C.Reason)) << C.Svg;
      else
        EXPECT_EQ(E.Message().rfind(L"Invalid SVG: ", 0), 0u) << C.Svg;
    }
    EXPECT_EQ(Data.Path(), L"M0 0") << C.Svg;
  }
}

}  // namespace

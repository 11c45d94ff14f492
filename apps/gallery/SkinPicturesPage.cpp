// The default skin: every picture with its resource ID and size, over a checkerboard so
// that transparency shows.
#include <algorithm>

#include "BufferedPage.h"
#include "raster/Bitmap32.h"
#include "resources/DefaultSkinTable.h"
#include "resources/QvSkinResManager.h"

namespace gallery {

namespace {

constexpr int kPad = 10;
constexpr int kLabelHeight = 26;
constexpr int kMinCellWidth = 172;

void FillChecker(qv::TBitmap32& B, const qv::TRect& R) {
  constexpr int kSquare = 6;
  for (int Y = R.Top; Y < R.Bottom; Y += kSquare)
    for (int X = R.Left; X < R.Right; X += kSquare) {
      bool Dark = ((X - R.Left) / kSquare + (Y - R.Top) / kSquare) % 2 != 0;
      B.FillRectS(X, Y, std::min(X + kSquare, R.Right), std::min(Y + kSquare, R.Bottom),
                  Dark ? qv::Color32(226, 229, 233) : qv::Color32(246, 247, 249));
    }
}

// Shows the pictures First..Last (1-based, table order).
class TSkinPicturesPage : public TBufferedPage {
 public:
  TSkinPicturesPage(int First, int Last) : FFirst(First), FLast(Last) {}
  qv::String Title() const override {
    return L"Default skin " + std::to_wstring(FFirst) + L"-" + std::to_wstring(FLast);
  }

 protected:
  void Compose(int Width, int Height) override {
    Buffer().Clear(qv::Color32(255, 255, 255));
    HDC DC = HDC(Buffer().Handle());
    HFONT Font = CreateFontW(-10, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                             ANTIALIASED_QUALITY, 0, L"Tahoma");
    HGDIOBJ Old = SelectObject(DC, Font);
    SetBkMode(DC, TRANSPARENT);
    SetTextColor(DC, RGB(60, 66, 74));

    auto* Manager = qv::TQvSkinResManagerObj();
    int X = kPad, Y = kPad, RowHeight = 0;
    for (int Index = FFirst; Index <= FLast; ++Index) {
      const qv::TDefaultSkinEntry& Entry = qv::gDefaultSkinTable[Index - 1];
      qv::TQvSkinImage* Image = Manager->GetImageByName(Entry.ResID, false);
      int W = Image ? Image->Width() : Entry.Width;
      int H = Image ? Image->Height() : Entry.Height;
      int CellW = std::max(W, kMinCellWidth);
      if (X + CellW > Width - kPad && X > kPad) {
        X = kPad;
        Y += RowHeight + kPad;
        RowHeight = 0;
      }
      FillChecker(Buffer(), qv::Bounds(X, Y, W, H));
      if (Image) Buffer().Draw(X, Y, Image);
      GdiFlush();
      std::wstring Label = std::wstring(Entry.ResID) + L"\n" + std::to_wstring(W) + L" x " +
                           std::to_wstring(H) + (Entry.Opaque ? L"  opaque" : L"");
      RECT LR{X, Y + H + 2, X + CellW, Y + H + 2 + kLabelHeight};
      DrawTextW(DC, Label.c_str(), -1, &LR, DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
      GdiFlush();
      X += CellW + kPad;
      RowHeight = std::max(RowHeight, H + 2 + kLabelHeight);
    }
    SelectObject(DC, Old);
    DeleteObject(Font);
  }

  int FFirst, FLast;
};

const TPageRegistration gFirstHalf(10, [] {
  return std::unique_ptr<TGalleryPage>(new TSkinPicturesPage(1, 42));
});
const TPageRegistration gSecondHalf(11, [] {
  return std::unique_ptr<TGalleryPage>(new TSkinPicturesPage(43, qv::kDefaultSkinCount));
});

}  // namespace

}  // namespace gallery

// The icon button list in normal and edit mode, the count bar over 20 pages (and one with
// first and last cells), and a tags box of three rows.
#include <memory>

#include "ControlsHost.h"
#include "GalleryPage.h"
#include "controls/QvSkinCountBar.h"
#include "controls/QvSkinTagsBox.h"
#include "host/Font.h"
#include "raster/Polygons.h"

namespace gallery {

namespace {

using namespace qv;

constexpr TColor kGround = TColor(0xF8F6F3);
constexpr TColor kMask = TColor(0xFF00FF);
constexpr int kIcon = 32;

struct TIconSpec {
  const wchar_t* Caption;
  TColor Color;  // $BBGGRR
  const wchar_t* Letter;
};
constexpr TIconSpec kIcons[] = {
    {L"Mail", TColor(0xD77800), L"M"},       {L"Photos", TColor(0x3C9E2E), L"P"},
    {L"Music", TColor(0x5A3CD8), L"\u00DC"}, {L"Calendar", TColor(0x2E7AE8), L"31"},
    {L"Notes", TColor(0x16B8F0), L"N"},      {L"Weather", TColor(0xC89A3A), L"W"},
    {L"Maps", TColor(0x5CA85C), L"G"},       {L"Clock", TColor(0x444444), L"C"},
    {L"Settings", TColor(0x808080), L"S"},
};

// One 32 x 32 picture per entry: a coloured square with cut corners and a white letter,
// masked on magenta.
void AddIcons(TCustomImageList* List) {
  List->SetSize(kIcon, kIcon);
  const int Count = int(std::size(kIcons));
  TBitmap Strip(kIcon * Count, kIcon, pf24bit);
  for (int I = 0; I < Count; ++I) {
    TBitmap32 Icon;
    Icon.SetSize(kIcon, kIcon);
    Icon.Clear(Color32(kMask));
    Icon.FillRectS(1, 0, kIcon - 1, kIcon, Color32(kIcons[I].Color));
    Icon.FillRectS(0, 1, kIcon, kIcon - 1, Color32(kIcons[I].Color));
    Icon.Font()->SetName(L"Tahoma");
    Icon.Font()->SetSize(13);
    Icon.Font()->SetStyle({fsBold});
    Icon.Font()->SetColor(clWhite);
    Icon.Textout(TRect{0, 0, kIcon, kIcon}, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                 kIcons[I].Letter);
    Icon.DrawTo(Strip.Canvas().Handle(), I * kIcon, 0);
  }
  List->AddMasked(&Strip, kMask);
}

// A tick in the top-right corner of a checked cell: the list leaves the checked look to
// its owner.
void DrawCheckMark(TObject*, TBitmap32* B, TQvIconButtonItemData* Item) {
  if (!Item->Checked()) return;
  const TRect& R = Item->Rect();
  const double X = R.Right - 12, Y = R.Top + 10;
  PolygonFS(B, Circle(X, Y, 8), Color32(TColor(0x3C9E2E)), pfWinding);
  PolylineFS(B, {{X - 4, Y}, {X - 1, Y + 3}, {X + 4, Y - 3}}, Color32(clWhite), false, 2);
}

class TItemListsPage : public TGalleryPage {
 public:
  String Title() const override { return L"Icon lists, count bar and tags"; }

  void Show(HWND Parent, const RECT& R) override {
    FHost = std::make_unique<TControlsHost>(nullptr);
    FHost->Ground = kGround;
    FHost->SetVisible(false);
    FHost->SetBounds(R.left, R.top, R.right - R.left, R.bottom - R.top);
    auto* Images = new TCustomImageList(FHost.get());
    AddIcons(Images);
    IconLists(Images, kPad, 16);
    CountBars(kPad, 400);
    Tags(kPad + 840, 16);
    FHost->SetParentWindow(Parent);
    FHost->SetVisible(true);
  }

  void Hide() override { FHost.reset(); }

 private:
  TQvSkinIconButtonList* NewList(TCustomImageList* Images, int X, int Y, int W, int H) {
    auto* L = AddControl<TQvSkinIconButtonList>(FHost.get(), FHost.get(), X, Y, W, H);
    L->SetImages(Images);
    for (int I = 0; I < int(std::size(kIcons)); ++I) {
      TQvIconButtonItem* Item = L->Items()->Add();
      Item->SetCaption(kIcons[I].Caption);
      Item->SetImageNormalIndex(I);
      Item->SetImageHotIndex(I);
    }
    L->OnDrawItem = DrawCheckMark;
    return L;
  }

  void IconLists(TCustomImageList* Images, int X, int Y) {
    FHost->Heading(X, Y, L"TQvSkinIconButtonList: single check, centred");
    auto* Normal = NewList(Images, X, Y + 26, 400, 300);
    Normal->SetMultiChecked(false);
    Normal->SetAlignWithItems(ihaCenter);
    Normal->SetItemHotImage(L"QvSkinMenu_hilight");
    Normal->Items()->Items(2)->SetChecked(true);
    Normal->Items()->Items(7)->SetEnabled(false);

    FHost->Heading(X + 420, Y, L"Edit mode: delete pictures, drag to reorder");
    auto* Edit = NewList(Images, X + 420, Y + 26, 400, 180);
    Edit->Items()->Items(0)->SetReadOnly(true);
    Edit->SetShakeInEdit(!AnimationsFrozen());
    Edit->EnterEdit();
    FHost->Label(X + 420, Y + 212, L"Mail is read-only; the second row does not fit, so the");
    FHost->Label(X + 420, Y + 228, L"skinned bar scrolls the cells");
  }

  void CountBars(int X, int Y) {
    FHost->Heading(X, Y, L"TQvSkinCountBar: 20 pages");
    auto* Bar = AddControl<TQvSkinCountBar>(FHost.get(), FHost.get(), X, Y + 26, 390, 34);
    Bar->SetNumCount(20);
    auto* Page = AddControl<TQvSkinCountBar>(FHost.get(), FHost.get(), X, Y + 90, 390, 34);
    Page->SetKinds({ckNum, ckFirst, ckPrevious, ckNext, ckLast});
    Page->SetNumCount(20);
    Page->SkipTo(15);
    FHost->Label(X, Y + 130, L"first and last cells; SkipTo(15) moved the window to 13 .. 20");
  }

  void Tags(int X, int Y) {
    FHost->Heading(X, Y, L"TQvSkinTagsBox: three rows");
    auto* Box = AddControl<TQvSkinTagsBox>(FHost.get(), FHost.get(), X, Y + 26, 300, 116);
    Box->SetText(L"C++,Win32,skins,GDI,Wine,tests,gallery,pills");
    auto* Plain = AddControl<TQvSkinTagsBox>(FHost.get(), FHost.get(), X, Y + 160, 300, 80);
    Plain->DeleteButton()->SetVisible(false);
    Plain->SetText(L"no, delete, buttons, here");
    Plain->Items()->Items(1)->Colors()->SetColor(TColor(0xF5D9B0));
    FHost->Label(X, Y + 246, L"the lower box hides the x buttons; one tag recoloured");
  }

  static constexpr int kPad = 16;
  std::unique_ptr<TControlsHost> FHost;
};

const TPageRegistration gRegistration(132, [] {
  return std::unique_ptr<TGalleryPage>(new TItemListsPage());
});

}  // namespace

}  // namespace gallery

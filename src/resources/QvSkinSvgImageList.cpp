#include "resources/QvSkinSvgImageList.h"

#include <cwchar>

#include "host/Colors.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"

namespace qv {

// ---- TSkSvgBrush -----------------------------------------------------------

void TSkSvgBrush::Assign(TPersistent* Source) {
  if (!AssignProperties(*this, Source)) TPersistent::Assign(Source);
}

// Only data that differs from an empty object is written, so a list without vector data
// keeps the plain form (ResID and Description).
const TPropTable& TSkSvgBrush::Properties() const {
  using C = TSkSvgBrush;
  static const TPropTable Table = TPersistent::Properties().With({
      Prop(L"Path", &C::Path, &C::SetPath),
      ColorProp(L"FillColor", &C::FillColor, &C::SetFillColor, DefFillColor),
      ColorProp(L"StrokeColor", &C::StrokeColor, &C::SetStrokeColor, DefStrokeColor),
      Prop(L"StrokeWidth", &C::StrokeWidth, &C::SetStrokeWidth, DefStrokeWidth),
      Prop(L"ViewWidth", &C::ViewWidth, &C::SetViewWidth),
      Prop(L"ViewHeight", &C::ViewHeight, &C::SetViewHeight),
  });
  return Table;
}

// ---- TQvSkinSvgImageItem ---------------------------------------------------

TQvSkinSvgImageItem::TQvSkinSvgImageItem(TCollection* ACollection)
    : TQvSkinNamedItem(ACollection), FSVGData(std::make_unique<TSkSvgBrush>()) {}

TQvSkinSvgImageItem::~TQvSkinSvgImageItem() = default;

void TQvSkinSvgImageItem::SetResID(const String& Value) {
  if (Value == FResID) return;
  StoreResID(Value);
  Changed(false);
}

void TQvSkinSvgImageItem::SetDescription(const String& Value) {
  if (Value == FDescription) return;
  FDescription = Value;
  Changed(false);
}

void TQvSkinSvgImageItem::SetSVGData(TSkSvgBrush* Value) {
  if (!Value) return;
  if (Value != FSVGData.get()) FSVGData->Assign(Value);
  Changed(false);
}

void TQvSkinSvgImageItem::AssignTo(TPersistent* Dest) {
  auto* D = dynamic_cast<TQvSkinSvgImageItem*>(Dest);
  if (!D) return TCollectionItem::AssignTo(Dest);
  D->AssignNames(*this);
  D->FSVGData->Assign(FSVGData.get());
}

const TPropTable& TQvSkinSvgImageItem::Properties() const {
  using C = TQvSkinSvgImageItem;
  static const TPropTable Table = TCollectionItem::Properties().With({
      ResIDProp(L"ResID", &C::ResID, &C::SetResID),
      ObjectProp(L"SVGData", &C::SVGData),
      Prop(L"Description", &C::Description, &C::SetDescription),
  });
  return Table;
}

// ---- TQvSkinSvgImageCollection ---------------------------------------------

TQvSkinSvgImageCollection::TQvSkinSvgImageCollection(TQvSkinSvgImageList* AOwner)
    : TOwnedCollection(AOwner, UpperCase) {}

void TQvSkinSvgImageCollection::Update(TCollectionItem*) {
  auto* List = static_cast<TQvSkinSvgImageList*>(Owner());
  List->MarkNeedsRefresh();
  List->Change();
}

// ---- TQvSkinSvgImageList ---------------------------------------------------

TQvSkinSvgImageList::TQvSkinSvgImageList(TComponent* AOwner)
    : TComponent(AOwner), FImages(std::make_unique<TQvSkinSvgImageCollection>(this)) {
  Initialize();
}

TQvSkinSvgImageList::~TQvSkinSvgImageList() {
  FComponentState.Include(csDestroying);
  FImages.reset();
}

void TQvSkinSvgImageList::SetImages(TQvSkinSvgImageCollection* Value) {
  if (Value && Value != FImages.get()) FImages->Assign(Value);
  MarkNeedsRefresh();
}

void TQvSkinSvgImageList::SetWidth(Integer Value) {
  if (Value == FWidth) return;
  FWidth = Value;
  MarkNeedsRefresh();
  Change();
}

void TQvSkinSvgImageList::SetHeight(Integer Value) {
  if (Value == FHeight) return;
  FHeight = Value;
  MarkNeedsRefresh();
  Change();
}

void TQvSkinSvgImageList::SetAutoRefresh(bool Value) {
  if (Value == FAutoRefresh) return;
  FAutoRefresh = Value;
  if (FAutoRefresh && FNeedsRefresh) DoAutoRefresh();
}

int TQvSkinSvgImageList::AddSvg(const String& AResID, TSkSvgBrush* ASvgData,
                                const String& ADescription) {
  FImages->BeginUpdate();
  TQvSkinSvgImageItem* Item = FImages->Add();
  Item->SetResID(AResID);
  Item->SetDescription(ADescription);
  Item->SetSVGData(ASvgData);
  MarkNeedsRefresh();
  FImages->EndUpdate();
  return Item->Index();
}

int TQvSkinSvgImageList::FindByResID(const String& AResID) const {
  return FImages->IndexOfResID(AResID);
}

String TQvSkinSvgImageList::ColorToHtmlColor(TColor Color) {
  uint32_t RGB = uint32_t(ColorToRGB(Color));
  wchar_t Buf[8];
  std::swprintf(Buf, 8, L"#%02x%02x%02x", RGB & 0xFF, (RGB >> 8) & 0xFF, (RGB >> 16) & 0xFF);
  return Buf;
}

void TQvSkinSvgImageList::DoAutoRefresh() {
  if (Loading() || ComponentState().Contains(csDestroying) || FRefreshing) return;
  {
    TScopedValue Refreshing(FRefreshing, true);
    RefreshImages();
  }
  FNeedsRefresh = false;
}

void TQvSkinSvgImageList::Change() {
  if (ComponentState().Contains(csDestroying)) return;
  if (OnChange) OnChange(this);
  if (FAutoRefresh && !Loading()) DoAutoRefresh();
}

void TQvSkinSvgImageList::Loaded() {
  TComponent::Loaded();
  if (FAutoRefresh) DoAutoRefresh();
}

void TQvSkinSvgImageList::Draw(TCanvas* Canvas, Integer X, Integer Y, int Index, bool Enabled) {
  DoDraw(Index, Canvas, X, Y, 0, Enabled);
}

void TQvSkinSvgImageList::DoDraw(int Index, TCanvas* Canvas, Integer X, Integer Y, unsigned Style,
                                 bool Enabled) {
  if (FAutoRefresh && FNeedsRefresh && !Loading()) DoAutoRefresh();
  DoDrawWithColor(Index, Canvas, X, Y, -1, -1, clDefault, Style, Enabled);
}

void TQvSkinSvgImageList::Assign(TPersistent* Source) {
  auto* Src = dynamic_cast<TQvSkinSvgImageList*>(Source);
  if (!Src) return TComponent::Assign(Source);
  if (Src == this) return;
  FImages->BeginUpdate();
  FImages->Assign(Src->FImages.get());
  FWidth = Src->FWidth;
  FHeight = Src->FHeight;
  MarkNeedsRefresh();
  FImages->EndUpdate();
}

const TPropTable& TQvSkinSvgImageList::Properties() const {
  using C = TQvSkinSvgImageList;
  static const TPropTable Table = TComponent::Properties().With({
      Prop(L"AutoRefresh", &C::AutoRefresh, [](C& List, bool V) { List.FAutoRefresh = V; }),
      Prop(L"Height", &C::Height, &C::SetHeight, DefSize),
      CollectionProp(L"Images", &C::Images),
      Prop(L"Width", &C::Width, &C::SetWidth, DefSize),
  });
  return Table;
}

}  // namespace qv

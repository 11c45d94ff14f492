#include "resources/QvSkinSvgImageList.h"

#include <cwchar>

#include "host/Colors.h"
#include "host/ObjectText.h"
#include "host/ScopeGuard.h"

namespace qv {

namespace {

void WriteColor(TPropertyWriter& Writer, const String& Name, TColor Color) {
  String Ident;
  if (ColorToIdent(Color, Ident))
    Writer.WriteIdent(Name, Ident);
  else
    Writer.WriteInteger(Name, Color);
}

TColor ReadColor(const String& Name, const TPropValue& Value) {
  if (Value.Type != vaIdent) return TColor(uint32_t(Value.AsInteger()));
  TColor C;
  if (!IdentToColor(Value.Str, C))
    throw EReadError(L"Invalid property value " + Value.Str + L" for " + Name);
  return C;
}

}  // namespace

// ---- TSkSvgBrush -----------------------------------------------------------

void TSkSvgBrush::Assign(TPersistent* Source) {
  auto* S = dynamic_cast<TSkSvgBrush*>(Source);
  if (!S) return TPersistent::Assign(Source);
  FPath = S->FPath;
  FFillColor = S->FFillColor;
  FStrokeColor = S->FStrokeColor;
  FStrokeWidth = S->FStrokeWidth;
  FViewWidth = S->FViewWidth;
  FViewHeight = S->FViewHeight;
}

// Only data that differs from an empty object is written, so a list without vector data
// keeps the plain form (ResID and Description).
void TSkSvgBrush::WriteProperties(TPropertyWriter& Writer) const {
  if (!FPath.empty()) Writer.WriteString(L"Path", FPath);
  if (FFillColor != clBlack) WriteColor(Writer, L"FillColor", FFillColor);
  if (FStrokeColor != clNone) WriteColor(Writer, L"StrokeColor", FStrokeColor);
  if (FStrokeWidth != 1) Writer.WriteInteger(L"StrokeWidth", FStrokeWidth);
  if (FViewWidth != 0) Writer.WriteInteger(L"ViewWidth", FViewWidth);
  if (FViewHeight != 0) Writer.WriteInteger(L"ViewHeight", FViewHeight);
}

bool TSkSvgBrush::ReadProperty(const String& Name, const TPropValue& Value) {
  if (SameText(Name, L"Path"))
    FPath = Value.AsString();
  else if (SameText(Name, L"FillColor"))
    FFillColor = ReadColor(Name, Value);
  else if (SameText(Name, L"StrokeColor"))
    FStrokeColor = ReadColor(Name, Value);
  else if (SameText(Name, L"StrokeWidth"))
    FStrokeWidth = Integer(Value.AsInteger());
  else if (SameText(Name, L"ViewWidth"))
    FViewWidth = Integer(Value.AsInteger());
  else if (SameText(Name, L"ViewHeight"))
    FViewHeight = Integer(Value.AsInteger());
  else
    return false;
  return true;
}

// ---- TQvSkinSvgImageItem ---------------------------------------------------

TQvSkinSvgImageItem::TQvSkinSvgImageItem(TCollection* ACollection)
    : TQvSkinNamedItem(ACollection), FSVGData(std::make_unique<TSkSvgBrush>()) {}

TQvSkinSvgImageItem::~TQvSkinSvgImageItem() = default;

void TQvSkinSvgImageItem::SetResID(const String& Value) {
  if (Value == FResID) return;
  FResID = Value;
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

void TQvSkinSvgImageItem::WriteProperties(TPropertyWriter& Writer) const {
  if (!FResID.empty()) Writer.WriteString(L"ResID", FResID);
  Writer.WriteNested(L"SVGData", *FSVGData);
  if (!FDescription.empty()) Writer.WriteString(L"Description", FDescription);
}

bool TQvSkinSvgImageItem::ReadProperty(const String& Name, const TPropValue& Value) {
  if (ReadNameProperty(Name, Value)) return true;
  if (ReadNestedProperty(Name, L"SVGData", *FSVGData, Value)) return true;
  return TCollectionItem::ReadProperty(Name, Value);
}

// ---- TQvSkinSvgImageCollection ---------------------------------------------

TQvSkinSvgImageCollection::TQvSkinSvgImageCollection(TQvSkinSvgImageList* AOwner)
    : TOwnedCollection<TQvSkinSvgImageItem>(AOwner) {}

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
  for (int I = 0; I < FImages->Count(); ++I)
    if (SameText(FImages->Items(I)->ResID(), AResID)) return I;
  return -1;
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

void TQvSkinSvgImageList::WriteProperties(TPropertyWriter& Writer) const {
  TComponent::WriteProperties(Writer);
  if (FAutoRefresh) Writer.WriteBoolean(L"AutoRefresh", true);
  if (FHeight != 16) Writer.WriteInteger(L"Height", FHeight);
  Writer.WriteCollection(L"Images", *FImages);
  if (FWidth != 16) Writer.WriteInteger(L"Width", FWidth);
}

bool TQvSkinSvgImageList::ReadProperty(const String& Name, const TPropValue& Value) {
  if (SameText(Name, L"Images")) {
    ReadCollection(*FImages, Value);
    MarkNeedsRefresh();
  } else if (SameText(Name, L"Width")) {
    SetWidth(Integer(Value.AsInteger()));
  } else if (SameText(Name, L"Height")) {
    SetHeight(Integer(Value.AsInteger()));
  } else if (SameText(Name, L"AutoRefresh")) {
    FAutoRefresh = Value.AsBoolean();
  } else {
    return TComponent::ReadProperty(Name, Value);
  }
  return true;
}

}  // namespace qv

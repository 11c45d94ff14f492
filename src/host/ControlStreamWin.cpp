// The object text form of controls, forms, menus and timers: their properties, the
// nesting of controls in their parents and of menu items in their menus, and the
// registration of the classes a form file may name.
#include "host/Colors.h"
#include "host/ControlsWin.h"  // the platform's names come before ours
#include "host/Font.h"
#include "host/Form.h"
#include "host/ImageList.h"
#include "host/Menus.h"
#include "host/ObjectText.h"
#include "host/Timer.h"

namespace qv {

namespace {

template <size_t N>
using TNames = const wchar_t* const[N];

const wchar_t* const kAlignNames[] = {L"alNone",  L"alTop",    L"alBottom", L"alLeft",
                                      L"alRight", L"alClient", L"alCustom"};
const wchar_t* const kAnchorNames[] = {L"akLeft", L"akTop", L"akRight", L"akBottom"};
const wchar_t* const kBorderStyleNames[] = {L"bsNone",   L"bsSingle",     L"bsSizeable",
                                            L"bsDialog", L"bsToolWindow", L"bsSizeToolWin"};
const wchar_t* const kBorderIconNames[] = {L"biSystemMenu", L"biMinimize", L"biMaximize",
                                           L"biHelp"};
const wchar_t* const kWindowStateNames[] = {L"wsNormal", L"wsMinimized", L"wsMaximized"};
const wchar_t* const kFormStyleNames[] = {L"fsNormal", L"fsMDIChild", L"fsMDIForm", L"fsStayOnTop"};
const wchar_t* const kPositionNames[] = {
    L"poDesigned",     L"poDefault",       L"poDefaultPosOnly", L"poDefaultSizeOnly",
    L"poScreenCenter", L"poDesktopCenter", L"poMainFormCenter", L"poOwnerFormCenter"};

// The member of an enumeration named by a value; EReadError for another name.
template <size_t N>
int EnumOf(const TPropValue& Value, const wchar_t* const (&Names)[N]) {
  const String& S = Value.AsString();
  for (size_t I = 0; I < N; ++I)
    if (SameText(S, Names[I])) return int(I);
  throw EReadError(L"Invalid property value " + S);
}

template <size_t N, typename E>
TSet<E> SetOf(const TPropValue& Value, const wchar_t* const (&Names)[N]) {
  if (Value.Type != vaSet) throw EReadError(L"Invalid property value");
  TSet<E> Result;
  for (const String& M : Value.SetItems) {
    TPropValue One = TPropValue::OfIdent(M);
    Result.Include(E(EnumOf(One, Names)));
  }
  return Result;
}

template <size_t N, typename E>
std::vector<String> SetNames(TSet<E> Set, const wchar_t* const (&Names)[N]) {
  std::vector<String> Result;
  for (size_t I = 0; I < N; ++I)
    if (Set.Contains(E(I))) Result.push_back(Names[I]);
  return Result;
}

void WriteColor(TPropertyWriter& W, const String& Name, TColor Color) {
  String Ident;
  if (ColorToIdent(Color, Ident))
    W.WriteIdent(Name, Ident);
  else
    W.WriteInteger(Name, Color);
}

TColor ReadColor(const TPropValue& Value) {
  if (Value.Type == vaIdent) {
    TColor C;
    if (!IdentToColor(Value.Str, C)) throw EReadError(L"Invalid property value " + Value.Str);
    return C;
  }
  return TColor(Value.AsInteger());
}

struct TRegistrar {
  TRegistrar() {
    RegisterComponentClass<TForm>();
    RegisterComponentClass<TMenuItem>();
    RegisterComponentClass<TMainMenu>();
    RegisterComponentClass<TPopupMenu>();
    RegisterComponentClass<TTimer>();
  }
} gRegistrar;

}  // namespace

// ---- TSizeConstraints ---------------------------------------------------------------

void TSizeConstraints::WriteProperties(TPropertyWriter& W) const {
  if (FMaxHeight) W.WriteInteger(L"MaxHeight", FMaxHeight);
  if (FMaxWidth) W.WriteInteger(L"MaxWidth", FMaxWidth);
  if (FMinHeight) W.WriteInteger(L"MinHeight", FMinHeight);
  if (FMinWidth) W.WriteInteger(L"MinWidth", FMinWidth);
}

bool TSizeConstraints::ReadProperty(const String& Name, const TPropValue& Value) {
  if (SameText(Name, L"MaxHeight"))
    SetMaxHeight(int(Value.AsInteger()));
  else if (SameText(Name, L"MaxWidth"))
    SetMaxWidth(int(Value.AsInteger()));
  else if (SameText(Name, L"MinHeight"))
    SetMinHeight(int(Value.AsInteger()));
  else if (SameText(Name, L"MinWidth"))
    SetMinWidth(int(Value.AsInteger()));
  else
    return false;
  return true;
}

// ---- TControl -------------------------------------------------------------------------

void TControl::WriteProperties(TPropertyWriter& W) const {
  TComponent::WriteProperties(W);
  if (FAlign != alNone) W.WriteIdent(L"Align", kAlignNames[FAlign]);
  if (FAnchors != AnchorAlign[FAlign])
    W.WriteSet(L"Anchors", SetNames<4, TAnchorKind>(FAnchors, kAnchorNames));
  if (FAutoSize) W.WriteBoolean(L"AutoSize", true);
  W.WriteInteger(L"Left", FLeft);
  W.WriteInteger(L"Top", FTop);
  W.WriteInteger(L"Width", FWidth);
  W.WriteInteger(L"Height", FHeight);
  if (!FText.empty() && FControlStyle.Contains(csSetCaption)) W.WriteString(L"Caption", FText);
  if (!FParentColor) WriteColor(W, L"Color", FColor);
  W.WriteNested(L"Constraints", *FConstraints);
  if (FCursor != crDefault) W.WriteInteger(L"Cursor", FCursor);
  if (FDoubleBuffered) W.WriteBoolean(L"DoubleBuffered", true);
  if (!FEnabled) W.WriteBoolean(L"Enabled", false);
  if (!FParentFont) W.WriteNested(L"Font", *FFont);
  if (!FHint.empty()) W.WriteString(L"Hint", FHint);
  if (!FParentFont) W.WriteBoolean(L"ParentFont", false);
  if (FPopupMenu && !FPopupMenu->Name().empty()) W.WriteIdent(L"PopupMenu", FPopupMenu->Name());
  if (!FParentShowHint) W.WriteBoolean(L"ShowHint", FShowHint);
  bool DefaultVisible = !dynamic_cast<const TCustomForm*>(this);
  if (FVisible != DefaultVisible) W.WriteBoolean(L"Visible", FVisible);
}

bool TControl::ReadProperty(const String& Name, const TPropValue& Value) {
  auto Is = [&](const wchar_t* N) { return SameText(Name, N); };
  if (Is(L"Left"))
    SetLeft(int(Value.AsInteger()));
  else if (Is(L"Top"))
    SetTop(int(Value.AsInteger()));
  else if (Is(L"Width"))
    SetWidth(int(Value.AsInteger()));
  else if (Is(L"Height"))
    SetHeight(int(Value.AsInteger()));
  else if (Is(L"ClientWidth"))
    SetClientWidth(int(Value.AsInteger()));
  else if (Is(L"ClientHeight"))
    SetClientHeight(int(Value.AsInteger()));
  else if (Is(L"Align"))
    SetAlign(TAlign(EnumOf(Value, kAlignNames)));
  else if (Is(L"Anchors"))
    SetAnchors(SetOf<4, TAnchorKind>(Value, kAnchorNames));
  else if (Is(L"AutoSize"))
    SetAutoSize(Value.AsBoolean());
  else if (Is(L"Caption") || Is(L"Text"))
    SetText(Value.AsString());
  else if (Is(L"Color"))
    SetColor(ReadColor(Value));
  else if (Is(L"ParentColor"))
    SetParentColor(Value.AsBoolean());
  else if (Is(L"Cursor"))
    SetCursor(TCursor(Value.AsInteger()));
  else if (Is(L"DoubleBuffered"))
    SetDoubleBuffered(Value.AsBoolean());
  else if (Is(L"Enabled"))
    SetEnabled(Value.AsBoolean());
  else if (Is(L"Hint"))
    SetHint(Value.AsString());
  else if (Is(L"ParentFont"))
    SetParentFont(Value.AsBoolean());
  else if (Is(L"ShowHint"))
    SetShowHint(Value.AsBoolean());
  else if (Is(L"ParentShowHint"))
    SetParentShowHint(Value.AsBoolean());
  else if (Is(L"Visible"))
    SetVisible(Value.AsBoolean());
  else if (Is(L"PopupMenu"))
    FPendingPopupMenu = Value.AsString();
  else if (ReadNestedProperty(Name, L"Font", *FFont, Value))
    return true;
  else if (ReadNestedProperty(Name, L"Constraints", *FConstraints, Value))
    return true;
  else
    return TComponent::ReadProperty(Name, Value);
  return true;
}

void TControl::ResolveReferences() {
  if (!FPendingPopupMenu.empty()) {
    auto* Menu = dynamic_cast<TPopupMenu*>(FindReferencedComponent(this, FPendingPopupMenu));
    FPendingPopupMenu.clear();
    if (Menu) SetPopupMenu(Menu);
  }
}

void TControl::SetParentComponent(TComponent* Value) {
  if (auto* W = dynamic_cast<TWinControl*>(Value)) SetParent(W);
}

TComponent* TControl::GetChildOwner(TComponent* Root) {
  return Root;
}

// ---- TWinControl ----------------------------------------------------------------------

void TWinControl::WriteProperties(TPropertyWriter& W) const {
  TControl::WriteProperties(W);
  if (Parent()) W.WriteInteger(L"TabOrder", TabOrder());
  W.WriteBoolean(L"TabStop", FTabStop);
}

bool TWinControl::ReadProperty(const String& Name, const TPropValue& Value) {
  if (SameText(Name, L"TabOrder")) {
    FPendingTabOrder = int(Value.AsInteger());
    SetTabOrder(FPendingTabOrder);
  } else if (SameText(Name, L"TabStop")) {
    SetTabStop(Value.AsBoolean());
  } else {
    return TControl::ReadProperty(Name, Value);
  }
  return true;
}

void TWinControl::Loaded() {
  TControl::Loaded();
  if (FPendingTabOrder >= 0) SetTabOrder(FPendingTabOrder);
  FPendingTabOrder = -1;
  UpdateControlState();
}

void TWinControl::GetChildren(std::vector<TComponent*>& Children, const TComponent* Root) const {
  for (TControl* C : FControls)
    if (C->Owner() == Root) Children.push_back(C);
}

// ---- TCustomForm ----------------------------------------------------------------------

void TCustomForm::WriteProperties(TPropertyWriter& W) const {
  TCustomControl::WriteProperties(W);
  if (FAlphaBlend) W.WriteBoolean(L"AlphaBlend", true);
  if (FAlphaBlendValue != 255) W.WriteInteger(L"AlphaBlendValue", FAlphaBlendValue);
  if (!FAutoScroll) W.WriteBoolean(L"AutoScroll", false);
  if (FBorderIcons != TBorderIcons{biSystemMenu, biMinimize, biMaximize})
    W.WriteSet(L"BorderIcons", SetNames<4, TBorderIcon>(FBorderIcons, kBorderIconNames));
  if (FBorderStyle != bsSizeable) W.WriteIdent(L"BorderStyle", kBorderStyleNames[FBorderStyle]);
  if (FFormStyle != fsNormal) W.WriteIdent(L"FormStyle", kFormStyleNames[FFormStyle]);
  if (FKeyPreview) W.WriteBoolean(L"KeyPreview", true);
  if (FMenu && !FMenu->Name().empty()) W.WriteIdent(L"Menu", FMenu->Name());
  if (FPosition != poDesigned) W.WriteIdent(L"Position", kPositionNames[FPosition]);
  if (!FScaled) W.WriteBoolean(L"Scaled", false);
  if (FWindowState != wsNormal) W.WriteIdent(L"WindowState", kWindowStateNames[FWindowState]);
}

bool TCustomForm::ReadProperty(const String& Name, const TPropValue& Value) {
  auto Is = [&](const wchar_t* N) { return SameText(Name, N); };
  if (Is(L"AlphaBlend"))
    SetAlphaBlend(Value.AsBoolean());
  else if (Is(L"AlphaBlendValue"))
    SetAlphaBlendValue(Byte(Value.AsInteger()));
  else if (Is(L"AutoScroll"))
    SetAutoScroll(Value.AsBoolean());
  else if (Is(L"BorderIcons"))
    SetBorderIcons(SetOf<4, TBorderIcon>(Value, kBorderIconNames));
  else if (Is(L"BorderStyle"))
    SetBorderStyle(TFormBorderStyle(EnumOf(Value, kBorderStyleNames)));
  else if (Is(L"FormStyle"))
    SetFormStyle(TFormStyle(EnumOf(Value, kFormStyleNames)));
  else if (Is(L"KeyPreview"))
    SetKeyPreview(Value.AsBoolean());
  else if (Is(L"Menu"))
    FPendingMenu = Value.AsString();
  else if (Is(L"Position"))
    SetPosition(TPosition(EnumOf(Value, kPositionNames)));
  else if (Is(L"Scaled"))
    SetScaled(Value.AsBoolean());
  else if (Is(L"WindowState"))
    SetWindowState(TWindowState(EnumOf(Value, kWindowStateNames)));
  else if (Is(L"PixelsPerInch") || Is(L"TextHeight"))
    return true;  // 96 dots per inch here
  else
    return TCustomControl::ReadProperty(Name, Value);
  return true;
}

void TCustomForm::GetChildren(std::vector<TComponent*>& Children, const TComponent* Root) const {
  // Components without a place of their own first (controls go in their parents, menu
  // items in their menus), then the form's controls.
  for (int I = 0; I < ComponentCount(); ++I) {
    TComponent* C = Components(I);
    auto* Control = dynamic_cast<TControl*>(C);
    auto* Item = dynamic_cast<TMenuItem*>(C);
    if ((Control && Control->Parent()) || (Item && Item->Parent())) continue;
    Children.push_back(C);
  }
  TCustomControl::GetChildren(Children, Root);
}

// ---- menus and timers -----------------------------------------------------------------

void TMenuItem::WriteProperties(TPropertyWriter& W) const {
  TComponent::WriteProperties(W);
  if (FAutoCheck) W.WriteBoolean(L"AutoCheck", true);
  if (!FCaption.empty()) W.WriteString(L"Caption", FCaption);
  if (FChecked) W.WriteBoolean(L"Checked", true);
  if (FDefault) W.WriteBoolean(L"Default", true);
  if (!FEnabled) W.WriteBoolean(L"Enabled", false);
  if (FGroupIndex) W.WriteInteger(L"GroupIndex", FGroupIndex);
  if (FHelpContext) W.WriteInteger(L"HelpContext", FHelpContext);
  if (!FHint.empty()) W.WriteString(L"Hint", FHint);
  if (FImageIndex != -1) W.WriteInteger(L"ImageIndex", FImageIndex);
  if (FRadioItem) W.WriteBoolean(L"RadioItem", true);
  if (FShortCut != scNone) W.WriteInteger(L"ShortCut", FShortCut);
  if (!FVisible) W.WriteBoolean(L"Visible", false);
}

bool TMenuItem::ReadProperty(const String& Name, const TPropValue& Value) {
  auto Is = [&](const wchar_t* N) { return SameText(Name, N); };
  if (Is(L"AutoCheck"))
    SetAutoCheck(Value.AsBoolean());
  else if (Is(L"Caption"))
    SetCaption(Value.AsString());
  else if (Is(L"Checked"))
    SetChecked(Value.AsBoolean());
  else if (Is(L"Default"))
    SetDefault(Value.AsBoolean());
  else if (Is(L"Enabled"))
    SetEnabled(Value.AsBoolean());
  else if (Is(L"GroupIndex"))
    SetGroupIndex(Byte(Value.AsInteger()));
  else if (Is(L"HelpContext"))
    SetHelpContext(int(Value.AsInteger()));
  else if (Is(L"Hint"))
    SetHint(Value.AsString());
  else if (Is(L"ImageIndex"))
    SetImageIndex(int(Value.AsInteger()));
  else if (Is(L"RadioItem"))
    SetRadioItem(Value.AsBoolean());
  else if (Is(L"ShortCut"))
    SetShortCut(Value.Type == vaInteger ? TShortCut(Value.AsInteger())
                                        : TextToShortCut(Value.AsString()));
  else if (Is(L"Visible"))
    SetVisible(Value.AsBoolean());
  else
    return TComponent::ReadProperty(Name, Value);
  return true;
}

void TMenuItem::GetChildren(std::vector<TComponent*>& Children, const TComponent*) const {
  for (TMenuItem* I : FItems) Children.push_back(I);
}

TComponent* TMenuItem::GetChildOwner(TComponent* Root) {
  return Root;
}

void TMenuItem::SetParentComponent(TComponent* Value) {
  if (FParent) FParent->Remove(this);
  if (auto* Menu = dynamic_cast<TMenu*>(Value))
    Menu->Items()->Add(this);
  else if (auto* Item = dynamic_cast<TMenuItem*>(Value))
    Item->Add(this);
}

void TMenu::WriteProperties(TPropertyWriter& W) const {
  TComponent::WriteProperties(W);
  if (FImages && !FImages->Name().empty()) W.WriteIdent(L"Images", FImages->Name());
  if (FOwnerDraw) W.WriteBoolean(L"OwnerDraw", true);
}

bool TMenu::ReadProperty(const String& Name, const TPropValue& Value) {
  if (SameText(Name, L"OwnerDraw"))
    SetOwnerDraw(Value.AsBoolean());
  else if (SameText(Name, L"Images"))
    FPendingImages = Value.AsString();
  else if (SameText(Name, L"AutoHotkeys") || SameText(Name, L"AutoLineReduction"))
    return true;
  else
    return TComponent::ReadProperty(Name, Value);
  return true;
}

void TMenu::GetChildren(std::vector<TComponent*>& Children, const TComponent* Root) const {
  FItems->GetChildren(Children, Root);
}

TComponent* TMenu::GetChildOwner(TComponent* Root) {
  return Root;
}

void TMenu::Loaded() {
  TComponent::Loaded();
  if (!FPendingImages.empty()) {
    auto* Images = dynamic_cast<TCustomImageList*>(FindReferencedComponent(this, FPendingImages));
    FPendingImages.clear();
    if (Images) SetImages(Images);
  }
}

void TPopupMenu::WriteProperties(TPropertyWriter& W) const {
  TMenu::WriteProperties(W);
  if (!FAutoPopup) W.WriteBoolean(L"AutoPopup", false);
}

bool TPopupMenu::ReadProperty(const String& Name, const TPropValue& Value) {
  if (!SameText(Name, L"AutoPopup")) return TMenu::ReadProperty(Name, Value);
  SetAutoPopup(Value.AsBoolean());
  return true;
}

void TTimer::WriteProperties(TPropertyWriter& W) const {
  TComponent::WriteProperties(W);
  if (!FEnabled) W.WriteBoolean(L"Enabled", false);
  if (FInterval != 1000) W.WriteInteger(L"Interval", FInterval);
}

bool TTimer::ReadProperty(const String& Name, const TPropValue& Value) {
  if (SameText(Name, L"Enabled"))
    SetEnabled(Value.AsBoolean());
  else if (SameText(Name, L"Interval"))
    SetInterval(Cardinal(Value.AsInteger()));
  else
    return TComponent::ReadProperty(Name, Value);
  return true;
}

}  // namespace qv

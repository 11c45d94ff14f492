// The object text form of controls, forms, menus and timers: their properties, the
// nesting of controls in their parents and of menu items in their menus, and the
// registration of the classes a form file may name.
#include "host/ControlsWin.h"  // the platform's names come before ours
#include "host/Font.h"
#include "host/Form.h"
#include "host/ImageList.h"
#include "host/Menus.h"
#include "host/Properties.h"
#include "host/Timer.h"

namespace qv {

namespace {

const wchar_t* const kBorderStyleNames[] = {L"bsNone",   L"bsSingle",     L"bsSizeable",
                                            L"bsDialog", L"bsToolWindow", L"bsSizeToolWin"};
const wchar_t* const kBorderIconNames[] = {L"biSystemMenu", L"biMinimize", L"biMaximize",
                                           L"biHelp"};
const wchar_t* const kWindowStateNames[] = {L"wsNormal", L"wsMinimized", L"wsMaximized"};
const wchar_t* const kFormStyleNames[] = {L"fsNormal", L"fsMDIChild", L"fsMDIForm", L"fsStayOnTop"};
const wchar_t* const kPositionNames[] = {
    L"poDesigned",     L"poDefault",       L"poDefaultPosOnly", L"poDefaultSizeOnly",
    L"poScreenCenter", L"poDesktopCenter", L"poMainFormCenter", L"poOwnerFormCenter"};

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

const TPropTable& TSizeConstraints::Properties() const {
  using C = TSizeConstraints;
  static const TPropTable Table = TPersistent::Properties().With({
      Prop(L"MaxHeight", &C::MaxHeight, &C::SetMaxHeight),
      Prop(L"MaxWidth", &C::MaxWidth, &C::SetMaxWidth),
      Prop(L"MinHeight", &C::MinHeight, &C::SetMinHeight),
      Prop(L"MinWidth", &C::MinWidth, &C::SetMinWidth),
  });
  return Table;
}

// ---- TControl -------------------------------------------------------------------------

// Position and size are always written; Color, Font and ShowHint only when not taken from
// the parent. A form is hidden by default, every other control visible.
const TPropTable& TControl::Properties() const {
  using C = TControl;
  static const TPropTable Table = TComponent::Properties().With({
      EnumProp(L"Align", &C::Align, &C::SetAlign, TAlignNames),
      SetProp(L"Anchors", &C::Anchors, &C::SetAnchors, TAnchorKindNames).Stored([](const C& Ctl) {
        return Ctl.FAnchors != AnchorAlign[Ctl.FAlign];
      }),
      Prop(L"AutoSize", &C::AutoSize, &C::SetAutoSize),
      Prop(L"Left", &C::Left, &C::SetLeft).Stored(Always),
      Prop(L"Top", &C::Top, &C::SetTop).Stored(Always),
      Prop(L"Width", &C::Width, &C::SetWidth).Stored(Always),
      Prop(L"Height", &C::Height, &C::SetHeight).Stored(Always),
      Prop(L"Caption", &C::Caption, &C::SetText).Stored([](const C& Ctl) {
        return !Ctl.FText.empty() && Ctl.FControlStyle.Contains(csSetCaption);
      }),
      Prop(L"Text", &C::Caption, &C::SetText).Stored(Never),
      ColorProp(L"Color", &C::Color, &C::SetColor).Stored([](const C& Ctl) {
        return !Ctl.FParentColor;
      }),
      Prop(L"ParentColor", &C::ParentColor, &C::SetParentColor).Stored(Never),
      Prop(L"ClientWidth", &C::ClientWidth, &C::SetClientWidth).Stored(Never),
      Prop(L"ClientHeight", &C::ClientHeight, &C::SetClientHeight).Stored(Never),
      ObjectProp(L"Constraints", &C::Constraints),
      Prop(L"Cursor", &C::Cursor, &C::SetCursor),
      Prop(L"DoubleBuffered", &C::DoubleBuffered, &C::SetDoubleBuffered),
      Prop(L"Enabled", &C::Enabled, &C::SetEnabled, DefaultEnabled),
      ObjectProp(L"Font", &C::Font).Stored([](const C& Ctl) { return !Ctl.FParentFont; }),
      Prop(L"Hint", &C::Hint, &C::SetHint),
      Prop(L"ParentFont", &C::ParentFont, &C::SetParentFont, DefaultParentFont),
      RefProp(L"PopupMenu", &C::PopupMenu,
              [](C& Ctl, const String& Name) { Ctl.FPendingPopupMenu = Name; }),
      Prop(L"ShowHint", &C::ShowHint, &C::SetShowHint).Stored([](const C& Ctl) {
        return !Ctl.FParentShowHint;
      }),
      Prop(L"ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint).Stored(Never),
      Prop(L"Visible", &C::Visible, &C::SetVisible).Stored([](const C& Ctl) {
        return Ctl.FVisible != !dynamic_cast<const TCustomForm*>(&Ctl);
      }),
  });
  return Table;
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

const TPropTable& TWinControl::Properties() const {
  using C = TWinControl;
  static const TPropTable Table = TControl::Properties().With({
      Prop(L"TabOrder", &C::TabOrder,
           [](C& Ctl, int Value) {
             Ctl.FPendingTabOrder = Value;
             Ctl.SetTabOrder(Value);
           })
          .Stored([](const C& Ctl) { return Ctl.Parent() != nullptr; }),
      Prop(L"TabStop", &C::TabStop, &C::SetTabStop).Stored(Always),
  });
  return Table;
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

const TPropTable& TCustomForm::Properties() const {
  using C = TCustomForm;
  static const TPropTable Table = TCustomControl::Properties().With({
      Prop(L"AlphaBlend", &C::AlphaBlend, &C::SetAlphaBlend),
      Prop(L"AlphaBlendValue", &C::AlphaBlendValue, &C::SetAlphaBlendValue, DefaultAlphaBlendValue),
      Prop(L"AutoScroll", &C::AutoScroll, &C::SetAutoScroll, DefaultAutoScroll),
      SetProp(L"BorderIcons", &C::BorderIcons, &C::SetBorderIcons, DefaultBorderIcons,
              kBorderIconNames),
      EnumProp(L"BorderStyle", &C::BorderStyle, &C::SetBorderStyle, DefaultBorderStyle,
               kBorderStyleNames),
      EnumProp(L"FormStyle", &C::FormStyle, &C::SetFormStyle, kFormStyleNames),
      Prop(L"KeyPreview", &C::KeyPreview, &C::SetKeyPreview),
      RefProp(L"Menu", &C::Menu, [](C& Form, const String& Name) { Form.FPendingMenu = Name; }),
      EnumProp(L"Position", &C::Position, &C::SetPosition, kPositionNames),
      Prop(L"Scaled", &C::Scaled, &C::SetScaled, DefaultScaled),
      EnumProp(L"WindowState", &C::WindowState, &C::SetWindowState, kWindowStateNames),
      IgnoredProp(L"PixelsPerInch"),  // 96 dots per inch here
      IgnoredProp(L"TextHeight"),
  });
  return Table;
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

const TPropTable& TMenuItem::Properties() const {
  using C = TMenuItem;
  static const TPropTable Table = TComponent::Properties().With({
      Prop(L"AutoCheck", &C::AutoCheck, &C::SetAutoCheck),
      Prop(L"Caption", &C::Caption, &C::SetCaption),
      Prop(L"Checked", &C::Checked, &C::SetChecked),
      Prop(L"Default", &C::Default, &C::SetDefault),
      Prop(L"Enabled", &C::Enabled, &C::SetEnabled, DefaultEnabled),
      Prop(L"GroupIndex", &C::GroupIndex, &C::SetGroupIndex),
      Prop(L"HelpContext", &C::HelpContext, &C::SetHelpContext),
      Prop(L"Hint", &C::Hint, &C::SetHint),
      Prop(L"ImageIndex", &C::ImageIndex, &C::SetImageIndex, DefaultImageIndex),
      Prop(L"RadioItem", &C::RadioItem, &C::SetRadioItem),
      // Read as a number or as text ("Ctrl+S").
      Prop(L"ShortCut", &C::ShortCut, &C::SetShortCut)
          .ReadWith([](C& Item, const TPropValue& Value) {
            Item.SetShortCut(Value.Type == vaInteger ? TShortCut(Value.AsInteger())
                                                     : TextToShortCut(Value.AsString()));
          }),
      Prop(L"Visible", &C::Visible, &C::SetVisible, DefaultVisible),
  });
  return Table;
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

const TPropTable& TMenu::Properties() const {
  using C = TMenu;
  static const TPropTable Table = TComponent::Properties().With({
      RefProp(L"Images", &C::Images,
              [](C& Menu, const String& Name) { Menu.FPendingImages = Name; }),
      Prop(L"OwnerDraw", &C::OwnerDraw, &C::SetOwnerDraw),
      IgnoredProp(L"AutoHotkeys"),
      IgnoredProp(L"AutoLineReduction"),
  });
  return Table;
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

const TPropTable& TPopupMenu::Properties() const {
  using C = TPopupMenu;
  static const TPropTable Table = TMenu::Properties().With({
      Prop(L"AutoPopup", &C::AutoPopup, &C::SetAutoPopup, DefaultAutoPopup),
  });
  return Table;
}

const TPropTable& TTimer::Properties() const {
  using C = TTimer;
  static const TPropTable Table = TComponent::Properties().With({
      Prop(L"Enabled", &C::Enabled, &C::SetEnabled, DefaultEnabled),
      Prop(L"Interval", &C::Interval, &C::SetInterval, DefaultInterval),
  });
  return Table;
}

}  // namespace qv

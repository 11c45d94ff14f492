#include <windows.h>

#include "forms/QvSkinForm.h"
#include "forms/QvSkinFormTheme.h"
#include "forms/QvSkinHelper.h"
#include "forms/QvSkinRes.h"

namespace qv {

namespace {

// Takes the new colour where the old one is the old theme's.
void Follow(TColor& Value, TColor Old, TColor New) {
  if (Value == Old) Value = New;
}

void FollowForm(TQvSkinForm* F, const TQvThemeFormColors& Old, const TQvThemeFormColors& New) {
  TColor Color = F->Color(), Titler = F->TitlerColor();
  Follow(Color, Old.Color, New.Color);
  Follow(Titler, Old.TitlerColor, New.TitlerColor);
  F->SetColor(Color);
  F->SetTitlerColor(Titler);
  if (F->Style() == ssColor) F->ResetBkColor();
}

}  // namespace

TQvThemeFormColors ThemeFormColors(TQvSkinTheme Theme) {
  if (Theme == stDark) return {0x2B2826, 0x382A1F};
  return {TQvSkinForm::DefaultColor, TQvSkinForm::DefaultTitlerColor};
}

void SetSkinTheme(TQvSkinTheme Theme) {
  const TQvSkinTheme OldTheme = DefaultSkinTheme();
  if (Theme == OldTheme) return;
  const TQvThemeFormColors Old = ThemeFormColors(OldTheme), New = ThemeFormColors(Theme);
  if (gQvFormStyle) {
    TColor Color = gQvFormStyle->Color(), Titler = gQvFormStyle->TitlerColor();
    Follow(Color, Old.Color, New.Color);
    Follow(Titler, Old.TitlerColor, New.TitlerColor);
    gQvFormStyle->BeginUpdate();
    gQvFormStyle->SetColor(Color);
    gQvFormStyle->SetTitlerColor(Titler);
    gQvFormStyle->EndUpdate();
  }
  TQvFormSkinHelper* Forms = TQvFormSkinHelperObj();
  for (int I = 0; Forms && I < Forms->Count(); ++I) {
    if (TQvSkinForm* F = Forms->Items(I)->SkinForm) FollowForm(F, Old, New);
  }
  // Pictures, system colours, then the repaint of every window.
  SetDefaultSkinTheme(Theme);
  for (int I = 0; Forms && I < Forms->Count(); ++I)
    if (TQvSkinForm* F = Forms->Items(I)->SkinForm) F->DoChanged();
}

void UseSkinThemeColors(TQvSkinForm* Form) {
  if (Form) FollowForm(Form, ThemeFormColors(stLight), ThemeFormColors(DefaultSkinTheme()));
}

void FollowSystemAppTheme() {
  SetSkinTheme(SystemAppsUseLightTheme() ? stLight : stDark);
}

}  // namespace qv

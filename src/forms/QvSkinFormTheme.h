#pragma once
// Switching the built-in skin between light and dark for a running application: the
// pictures and system colours (SetDefaultSkinTheme), and the client and title colours of
// every skinned form and of the style dialogs share.
#include "host/Types.h"
#include "resources/QvSkinTheme.h"

namespace qv {

class TQvSkinForm;

// The client and title colours a skinned form gets from a theme.
struct TQvThemeFormColors {
  TColor Color, TitlerColor;
};
TQvThemeFormColors ThemeFormColors(TQvSkinTheme Theme);

// Switches the theme. Forms (and the shared style) whose colours are the old theme's get the
// new theme's; colours an application chose itself stay. Then every skinned form applies
// them and every window repaints. Nothing when Theme is the current one.
void SetSkinTheme(TQvSkinTheme Theme);

// Gives a form created after a switch the current theme's colours where it has the light
// theme's (the defaults).
void UseSkinThemeColors(TQvSkinForm* Form);

// Follows the user's Windows app theme (light or dark) now; call it again on
// WM_SETTINGCHANGE with the text "ImmersiveColorSet".
void FollowSystemAppTheme();

}  // namespace qv

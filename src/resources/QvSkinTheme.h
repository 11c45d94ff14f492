#pragma once
// The built-in skin's theme (light or dark) and its high-DPI picture variants.
//
// Switching the theme puts the chosen theme's pictures into the default-skin module's items in
// place: a control that holds a picture keeps a valid surface and shows the new pixels at its
// next paint. The dark theme also replaces the system colours of faces and text (window,
// button face, menu, info and their texts) for the process; the light theme clears every
// replacement. Then the listeners hear of it and every window of the process repaints.
#include <functional>

#include "resources/DefaultSkinFiles.h"
#include "resources/QvSkinResManager.h"

namespace qv {

enum TQvSkinTheme { stLight, stDark };

TQvSkinTheme DefaultSkinTheme();
// Nothing when Theme is already the current one. Pictures an application put in place of a
// default picture are replaced by the theme's default picture.
void SetDefaultSkinTheme(TQvSkinTheme Theme);

// The embedded PNG of the theme with the given name ("QvSkinButton", "QvSkinButton@DPI200");
// nil when there is none.
const TEmbeddedFile* FindDefaultSkinFile(const String& Name, TQvSkinTheme Theme);

// The current theme's embedded high-DPI variant of a default-skin picture, such as
// "QvSkinButton@DPI150" (compared trimmed, case-insensitively); nil when the ID names no
// variant. Decoded on the first request only, so unused variants cost no pixel memory; the
// surface stays valid for the process's life and follows theme switches.
TQvSkinImage* DefaultSkinVariant(const TQvResID& VariantID);
// Pixel memory of the variants decoded so far, in bytes (4 per pixel).
int64_t DefaultSkinVariantBytes();

// Called after every theme switch, once the pictures are in place. Answers a key for removal.
int AddSkinThemeListener(std::function<void(TQvSkinTheme)> Listener);
void RemoveSkinThemeListener(int Key);

// Whether the user's Windows app theme is light (registry HKCU ...\Themes\Personalize,
// AppsUseLightTheme); true when unknown and natively.
bool SystemAppsUseLightTheme();
// Platform part: repaints every window of the process (frames and children); nothing natively.
void RepaintAllWindows();

}  // namespace qv

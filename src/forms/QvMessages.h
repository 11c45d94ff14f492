#pragma once
// The library's own window messages: the one place their numbers are declared.
#include <cstdint>

namespace qv {

constexpr uint32_t QV_WM_USER = 0x0400;

// Re-capture the parent's picture and repaint (posted to skinned children).
constexpr uint32_t CWM_CHECKPARENTBG = QV_WM_USER + 2001;
// Repaint the non-client area of a skinned form (or its border window, or an alpha form).
constexpr uint32_t MM_INVALIDATE = QV_WM_USER + 2003;
// Rebuild the colour background of a skinned form, then apply the change.
constexpr uint32_t MM_REFRESHSKIN = QV_WM_USER + 2004;
// The skin configuration changed; sent to every registered skinned form.
constexpr uint32_t MM_SKINRESCHANGED = QV_WM_USER + 2005;
// WParam is a title-bar control that asks its form to take it on.
constexpr uint32_t MM_ADDNCCTRL = QV_WM_USER + 2006;
// WParam is a title-bar control that leaves its form (sent, so it is gone on return).
constexpr uint32_t MM_REMOVENCCTRL = QV_WM_USER + 2007;
// Tray icon callback on the icon's hidden window: WParam icon id, LParam mouse or notify code.
constexpr uint32_t MM_TRAYICON = QV_WM_USER + 2008;
// Posted to its owner form by an outside-click capture component. Shares its number with
// MM_TRAYICON: the two go to different windows and never meet.
constexpr uint32_t MM_MENUDLGCREATED = QV_WM_USER + 2008;
// Performed on the active form by the replacement popup list.
constexpr uint32_t MM_MENUCLOSED = 0xCB59;
constexpr uint32_t MM_ENTERMENULOOP = 0xCB5A;
constexpr uint32_t MM_EXITMENULOOP = 0xCB5B;

}  // namespace qv

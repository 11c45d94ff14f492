#pragma once
// What assistive technology is told about a skinned control: a small portable model that
// each control fills in. The Win32 glue answers WM_GETOBJECT with an MSAA IAccessible
// built from it and raises the matching WinEvents when the control reports a change.
#include "host/Types.h"

namespace qv {

// What the control is. The glue maps each to its ROLE_SYSTEM_ value.
enum TQvAccRole {
  arClient,
  arPushButton,
  arDropDownButton,
  arCheckButton,
  arRadioButton,
  arLink,
  arScrollBar,
  arProgressBar,
  arSlider,
  arSpinButton,
  arGrouping,
  arStaticText,
  arEditableText,
  arComboBox,
  arList,
  arListItem,
  arOutline,
  arOutlineItem,
  arPageTabList,
  arPageTab,
  arToolBar,
  arMenuItem,
  arDialog,
  arToolTip,
  arGraphic,
  arTable,
  arCell
};

enum TQvAccStateFlag {
  asFocusable,
  asFocused,
  asHot,
  asPressed,
  asChecked,
  asMixed,
  asDisabled,
  asReadOnly,
  asProtected,  // password text: the value is never told
  asSelectable,
  asSelected,
  asExpanded,
  asCollapsed,
  asHasPopup,
  asInvisible
};
using TQvAccStates = TSet<TQvAccStateFlag>;

// A change worth telling: focus moved to the control, its state or its value changed.
enum TQvAccEvent { aeFocus, aeStateChange, aeValueChange, aeNameChange };

struct TQvAccessibleInfo {
  TQvAccRole Role = arClient;
  String Name;   // the caption without its '&' marks
  String Value;  // text, position or percentage; empty when none
  TQvAccStates State;
  String DefaultAction;     // "Press", "Check", ...; empty when none
  String KeyboardShortcut;  // "Alt+F" for a caption "&File"; empty when none
};

// Implemented by every window that tells assistive technology about itself; the Win32
// glue answers WM_GETOBJECT for such a window from these.
class IQvAccessibleSource {
 public:
  virtual TQvAccessibleInfo AccessibleInfo() const = 0;
  // Performs the default action (a click, a toggle); false when the window has none.
  virtual bool DoAccessibleDefaultAction() { return false; }

 protected:
  ~IQvAccessibleSource() = default;
};

// One part of a control that assistive technology sees as an object of its own: a tab, a
// toolbar item, a cell. Bounds are in the control's client coordinates.
struct TQvAccessibleChild {
  TQvAccessibleInfo Info;
  TRect Bounds;
};

// Implemented by a control made of such parts, beside its AccessibleInfo. Parts are told
// by index from 0; the Win32 glue numbers them from 1 as MSAA child ids.
class IQvAccessibleChildren {
 public:
  virtual int AccessibleChildCount() const = 0;
  virtual TQvAccessibleChild AccessibleChild(int Index) const = 0;
  // Performs the part's default action (select, press, delete); false when it has none.
  virtual bool DoAccessibleChildAction(int Index) { return false; }
  // The part at a client point, -1 for none. This asks every part for its bounds; a
  // control with many parts finds it directly.
  virtual int AccessibleChildAt(TPoint P) const;

 protected:
  ~IQvAccessibleChildren() = default;
};

// The MSAA numbers of a role (ROLE_SYSTEM_...) and of a state set (STATE_SYSTEM_... bits),
// kept here so that the mapping is portable and checked natively.
uint32_t AccessibleRoleValue(TQvAccRole Role);
uint32_t AccessibleStateBits(TQvAccStates States);
// Fills Name and KeyboardShortcut from a caption: "&File" gives "File" and "Alt+F".
void SetAccessibleCaption(TQvAccessibleInfo& Info, const String& Caption);

}  // namespace qv

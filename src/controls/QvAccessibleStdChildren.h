#pragma once
// Asked for by a window whose children are child windows of its own (a dialog's texts and
// buttons): the Win32 glue leaves every child id, hit test and the focus inside the window
// to the platform's standard proxy, and answers only for the window itself from its model.
namespace qv {

class IQvAccessibleStdChildren {
 protected:
  ~IQvAccessibleStdChildren() = default;
};

}  // namespace qv

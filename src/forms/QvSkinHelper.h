#pragma once
// The two process-wide registries through which skinned forms and skinned controls find
// each other: every skinned form with its skin component, and every live skinned
// windowed control. Both are created on first use and freed when the library unloads.
#include <memory>
#include <vector>

#include "host/PlatformTypes.h"

namespace qv {

class TCustomForm;
class TWinControl;
class TQvSkinForm;

// A form and the skin component that hooks it.
struct TQvFormSkinPair {
  TCustomForm* Form = nullptr;
  TQvSkinForm* SkinForm = nullptr;
};

class TQvFormSkinHelper {
 public:
  // Appends a pair; a form registered twice has two pairs.
  void Add(TCustomForm* AForm, TQvSkinForm* ASkinForm);
  // Index of the first pair of AForm, or -1.
  int IndexOf(const TCustomForm* AForm) const;
  // The first pair of AForm, or nil.
  TQvFormSkinPair* Get(const TCustomForm* AForm) const;
  // Takes out the first pair of AForm; nothing when there is none.
  void Remove(const TCustomForm* AForm);
  int Count() const { return int(FList.size()); }
  // Pairs in registration order.
  TQvFormSkinPair* Items(int Index) const { return FList.at(size_t(Index)).get(); }

 private:
  std::vector<std::unique_ptr<TQvFormSkinPair>> FList;
};

// Every live skinned windowed control, in registration order; the registry does not own them.
class TQvWinControlHelper {
 public:
  void Add(TWinControl* Control) { FItems.push_back(Control); }
  // Takes out the first entry of Control; nothing when absent.
  void Remove(const TWinControl* Control);
  int IndexOf(const TWinControl* Control) const;
  int Count() const { return int(FItems.size()); }
  TWinControl* Items(int Index) const { return FItems.at(size_t(Index)); }

 private:
  std::vector<TWinControl*> FItems;
};

// The registries, created on first use. After the library has unloaded (static
// destruction) they answer nil, so late destructors must check.
TQvFormSkinHelper* TQvFormSkinHelperObj();
TQvWinControlHelper* TQvWinControlHelperObj();

// Whether a window has a frame or bars around its client area (Windows only): a repaint
// of the skin asks only those windows for a non-client paint.
bool HasNonClientArea(HWND Window);

}  // namespace qv

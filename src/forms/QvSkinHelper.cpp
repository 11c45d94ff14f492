#include "forms/QvSkinHelper.h"

#include <algorithm>

namespace qv {

void TQvFormSkinHelper::Add(TCustomForm* AForm, TQvSkinForm* ASkinForm) {
  FList.push_back(std::make_unique<TQvFormSkinPair>(TQvFormSkinPair{AForm, ASkinForm}));
}

int TQvFormSkinHelper::IndexOf(const TCustomForm* AForm) const {
  for (size_t I = 0; I < FList.size(); ++I)
    if (FList[I]->Form == AForm) return int(I);
  return -1;
}

TQvFormSkinPair* TQvFormSkinHelper::Get(const TCustomForm* AForm) const {
  const int Index = IndexOf(AForm);
  return Index >= 0 ? FList[size_t(Index)].get() : nullptr;
}

void TQvFormSkinHelper::Remove(const TCustomForm* AForm) {
  const int Index = IndexOf(AForm);
  if (Index >= 0) FList.erase(FList.begin() + Index);
}

void TQvWinControlHelper::Remove(const TWinControl* Control) {
  auto It = std::find(FItems.begin(), FItems.end(), Control);
  if (It != FItems.end()) FItems.erase(It);
}

int TQvWinControlHelper::IndexOf(const TWinControl* Control) const {
  auto It = std::find(FItems.begin(), FItems.end(), Control);
  return It == FItems.end() ? -1 : int(It - FItems.begin());
}

namespace {

// Set once the registries are gone; a plain flag outlives every static object.
bool gFinalized = false;

// Holds both registries; its destructor is the unit's finalization (form registry first).
struct TRegistries {
  std::unique_ptr<TQvFormSkinHelper> Forms;
  std::unique_ptr<TQvWinControlHelper> Controls;
  ~TRegistries() {
    Forms.reset();
    Controls.reset();
    gFinalized = true;
  }
};

TRegistries& Registries() {
  static TRegistries Instance;
  return Instance;
}

}  // namespace

TQvFormSkinHelper* TQvFormSkinHelperObj() {
  if (gFinalized) return nullptr;
  TRegistries& R = Registries();
  if (!R.Forms) R.Forms = std::make_unique<TQvFormSkinHelper>();
  return R.Forms.get();
}

TQvWinControlHelper* TQvWinControlHelperObj() {
  if (gFinalized) return nullptr;
  TRegistries& R = Registries();
  if (!R.Controls) R.Controls = std::make_unique<TQvWinControlHelper>();
  return R.Controls.get();
}

}  // namespace qv

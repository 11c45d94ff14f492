#pragma once
// The component editors' verbs as functions a design tool calls. The tool hands in what the
// designer offers: its root component, a "changed" notice and a collection editor.
#include <functional>
#include <memory>

#include "host/Classes.h"

namespace qv {

class TQvSkinPageControl;
class TQvSkinTabSheet;

struct TQvDesigner {
  TComponent* Root = nullptr;      // owner of new components (nil: the target's owner)
  std::function<void()> Modified;  // the form changed
  // Opens the collection editor on Component's collection property PropertyName.
  std::function<void(TComponent* Component, TCollection* Collection, const String& PropertyName)>
      EditCollection;
  // Shows an information message; nil: the skinned message box.
  std::function<void(const String& Caption, const String& Text)> ShowInformation;
  std::function<void(TComponent* Component)> DefaultEdit;  // the designer's own double click
};

class TQvComponentEditor {
 public:
  TQvComponentEditor(TComponent* AComponent, TQvDesigner& ADesigner)
      : FComponent(AComponent), FDesigner(ADesigner) {}
  virtual ~TQvComponentEditor() = default;
  virtual int GetVerbCount() const = 0;
  virtual String GetVerb(int Index) const = 0;
  virtual void ExecuteVerb(int Index) = 0;
  // Double click: the first verb.
  virtual void Edit() {
    if (GetVerbCount() > 0) ExecuteVerb(0);
  }
  TComponent* Component() const { return FComponent; }

 protected:
  TComponent* FComponent;
  TQvDesigner& FDesigner;
};

// The editor of a component; nil for a class without one.
std::unique_ptr<TQvComponentEditor> GetComponentEditor(TComponent* Component,
                                                       TQvDesigner& Designer);

// Page control (or a sheet's page control): "New page" answers the new sheet, owned by the
// designer's root, named by the unique-name rule, captioned with its name. "Delete page"
// frees the active page (nothing without one).
TQvSkinTabSheet* QvNewPage(TQvSkinPageControl* PageControl, TQvDesigner& Designer);
void QvDeletePage(TQvSkinPageControl* PageControl, TQvDesigner& Designer);

}  // namespace qv

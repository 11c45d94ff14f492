#include "controls/QvSkinPageControl.h"
#include "controls/QvSkinToolbar.h"
#include "design/QvComponentEditors.h"
#include "design/QvComponentRegistry.h"
#include "dialogs/QvMessageBox.h"
#include "resources/QvSkinSvgImageList.h"

namespace qv {

namespace {
void Notify(TQvDesigner& D) {
  if (D.Modified) D.Modified();
}

TQvSkinPageControl* PageControlOf(TComponent* C) {
  if (auto* P = dynamic_cast<TQvSkinPageControl*>(C)) return P;
  if (auto* S = dynamic_cast<TQvSkinCustomTabSheet*>(C)) return S->PageControl();
  return nullptr;
}

class TQvSkinPageControlEditor : public TQvComponentEditor {
 public:
  using TQvComponentEditor::TQvComponentEditor;
  int GetVerbCount() const override { return 2; }
  String GetVerb(int Index) const override { return Index == 0 ? L"New page" : L"Delete page"; }
  void ExecuteVerb(int Index) override {
    TQvSkinPageControl* P = PageControlOf(FComponent);
    if (!P) return;
    if (Index == 0)
      QvNewPage(P, FDesigner);
    else
      QvDeletePage(P, FDesigner);
  }
};

class TQvSkinToolbarEditor : public TQvComponentEditor {
 public:
  using TQvComponentEditor::TQvComponentEditor;
  int GetVerbCount() const override { return 1; }
  String GetVerb(int) const override { return L"&Items Editor..."; }
  void ExecuteVerb(int) override {
    if (FDesigner.EditCollection)
      FDesigner.EditCollection(FComponent, static_cast<TQvSkinToolbar*>(FComponent)->Items(),
                               L"Items");
  }
};

class TQvSkinSvgImageListNoEditor : public TQvComponentEditor {
 public:
  using TQvComponentEditor::TQvComponentEditor;
  int GetVerbCount() const override { return 1; }
  String GetVerb(int) const override { return L"Tips"; }
  void ExecuteVerb(int) override {
    const String Caption = L"Tips", Text = L"Please use the Images property to edit SVG images.";
    if (FDesigner.ShowInformation)
      FDesigner.ShowInformation(Caption, Text);
    else
      QvMessageBox(Caption, Text, biInformation, {mbOK});
  }
  void Edit() override {
    if (FDesigner.DefaultEdit) FDesigner.DefaultEdit(FComponent);
  }
};
}  // namespace

std::unique_ptr<TQvComponentEditor> GetComponentEditor(TComponent* C, TQvDesigner& D) {
  if (PageControlOf(C) || dynamic_cast<TQvSkinCustomTabSheet*>(C))
    return std::make_unique<TQvSkinPageControlEditor>(C, D);
  if (dynamic_cast<TQvSkinToolbar*>(C)) return std::make_unique<TQvSkinToolbarEditor>(C, D);
  if (dynamic_cast<TQvSkinSvgImageList*>(C))
    return std::make_unique<TQvSkinSvgImageListNoEditor>(C, D);
  return nullptr;
}

TQvSkinTabSheet* QvNewPage(TQvSkinPageControl* PageControl, TQvDesigner& Designer) {
  TComponent* Root = Designer.Root          ? Designer.Root
                     : PageControl->Owner() ? PageControl->Owner()
                                            : PageControl;
  auto* Sheet = new TQvSkinTabSheet(Root);
  Sheet->SetName(UniqueComponentName(Root, TQvSkinTabSheet::StaticClassName));
  Sheet->SetPageControl(PageControl);
  Sheet->SetCaption(Sheet->Name());
  Notify(Designer);
  return Sheet;
}

void QvDeletePage(TQvSkinPageControl* PageControl, TQvDesigner& Designer) {
  TQvSkinCustomTabSheet* Page = PageControl->ActivePage();
  if (!Page) return;
  Page->SetPageControl(nullptr);
  delete Page;
  Notify(Designer);
}

}  // namespace qv

// The component registry of the library: palette order, every component through the object
// text form with its declared defaults, the resource-ID properties the picker edits, and
// the component editors' verbs.
#include <memory>

#include "ControlsTestSupport.h"
#include "controls/QvSkinPageControl.h"
#include "controls/QvSkinToolbar.h"
#include "design/QvComponentEditors.h"
#include "design/QvComponentRegistry.h"
#include "host/Form.h"
#include "host/ObjectText.h"
#include "resources/QvSkinSvgImageList.h"

using namespace qv;

namespace {

using ComponentRegistry = qvtest::ControlsTest;

TEST_F(ComponentRegistry, RegistersThePaletteInItsOrder) {
  const TQvComponentRegistry& R = QvComponentRegistry();
  EXPECT_TRUE(R.Missing().empty());
  std::vector<String> Expected, Registered;
  for (const TQvPaletteEntry& E : QvSkinPalette()) Expected.emplace_back(E.ClassName);
  for (const TQvComponentClass* C : R.PaletteClasses()) Registered.push_back(C->ClassName);
  EXPECT_EQ(Expected.size(), 75u);
  EXPECT_EQ(Registered, Expected);
  const TQvComponentClass* Sheet = R.Find(L"TQvSkinTabSheet");
  ASSERT_TRUE(Sheet);
  EXPECT_FALSE(Sheet->OnPalette());
}

// Each component as the designer holds it: owned by a form (a control also parented to it),
// written with the form, read back into a fresh form.
TEST_F(ComponentRegistry, EveryComponentRoundTripsWithItsDefaults) {
  for (const TQvComponentClass& Class : QvComponentRegistry().Classes()) {
    SCOPED_TRACE(ToUtf8(Class.ClassName));
    auto Place = [&](TForm& Form) {
      TComponent* C = Class.Create(&Form);
      if (auto* Control = dynamic_cast<TControl*>(C)) Control->SetParent(&Form);
      return C;
    };
    auto Form = std::make_unique<TForm>(nullptr);
    Form->SetName(L"Form1");
    TComponent* Original = Place(*Form);
    Original->SetName(L"Original");
    ASSERT_EQ(Original->ClassName(), Class.ClassName);
    const String Text = ComponentToText(*Form);
    auto Fresh = std::make_unique<TForm>(nullptr);
    try {
      TextToComponent(Text, *Fresh);
    } catch (const Exception& E) {
      ADD_FAILURE() << E.what();
      continue;
    }
    TComponent* Copy = Fresh->FindComponent(L"Original");
    ASSERT_TRUE(Copy);
    ASSERT_EQ(Copy->ClassName(), Class.ClassName);
    for (const TPropDecl& D : Copy->Properties().Decls()) {
      if (D.Same) {
        EXPECT_TRUE(D.Same(*Original, *Copy)) << ToUtf8(D.Name);
      }
    }
    EXPECT_EQ(ComponentToText(*Fresh), Text);
  }
}

TEST_F(ComponentRegistry, ListsTheResourceIDPropertiesOfAComponent) {
  struct {
    const wchar_t* ClassName;
    std::vector<String> Some;  // a few of the paths that must be there
  } Cases[] = {
      {L"TQvSkinTabSheet", {L"TabNormalImage", L"TabHotImage", L"TabDownImage"}},
      {L"TQvSkinImageList", {}},
  };
  auto Form = std::make_unique<TForm>(nullptr);
  for (const auto& C : Cases) {
    SCOPED_TRACE(ToUtf8(C.ClassName));
    TComponent* Obj = QvComponentRegistry().Create(C.ClassName, Form.get());
    ASSERT_TRUE(Obj);
    std::vector<String> Paths;
    for (const TQvResIDProperty& P : ResIDProperties(*Obj)) {
      EXPECT_TRUE(P.Decl->IsResID());
      Paths.push_back(P.Path);
    }
    for (const String& S : C.Some) {
      EXPECT_NE(std::find(Paths.begin(), Paths.end(), S), Paths.end()) << ToUtf8(S);
    }
    if (C.Some.empty()) {
      EXPECT_TRUE(Paths.empty());
    }
  }
}

}  // namespace

namespace {

using ComponentEditors = qvtest::ControlsTest;

TEST_F(ComponentEditors, PageControlVerbsAddAndDeletePages) {
  auto Form = std::make_unique<TForm>(nullptr);
  auto* Pages = new TQvSkinPageControl(Form.get());
  Pages->SetParent(Form.get());
  int Changes = 0;
  TQvDesigner Designer;
  Designer.Root = Form.get();
  Designer.Modified = [&] { ++Changes; };
  auto Editor = GetComponentEditor(Pages, Designer);
  ASSERT_TRUE(Editor);
  ASSERT_EQ(Editor->GetVerbCount(), 2);
  EXPECT_EQ(Editor->GetVerb(0), L"New page");
  EXPECT_EQ(Editor->GetVerb(1), L"Delete page");
  Editor->ExecuteVerb(0);
  auto SheetEditor = GetComponentEditor(Pages->Pages(0), Designer);  // a sheet's editor too
  ASSERT_TRUE(SheetEditor);
  SheetEditor->ExecuteVerb(0);
  ASSERT_EQ(Pages->PageCount(), 2);
  for (int I = 0; I < 2; ++I) {
    TQvSkinCustomTabSheet* S = Pages->Pages(I);
    const String Name = L"QvSkinTabSheet" + std::to_wstring(I + 1);
    EXPECT_EQ(S->Name(), Name);
    EXPECT_EQ(S->Caption(), Name);
    EXPECT_EQ(S->Owner(), Form.get());
    EXPECT_EQ(S->Parent(), Pages);
  }
  EXPECT_EQ(Changes, 2);
  Pages->SetActivePageIndex(0);
  Editor->ExecuteVerb(1);
  ASSERT_EQ(Pages->PageCount(), 1);
  EXPECT_EQ(Pages->Pages(0)->Name(), L"QvSkinTabSheet2");
  EXPECT_FALSE(Form->FindComponent(L"QvSkinTabSheet1"));
  Editor->ExecuteVerb(0);  // the freed name is free again
  EXPECT_TRUE(Form->FindComponent(L"QvSkinTabSheet1"));
  EXPECT_EQ(Changes, 4);
}

TEST_F(ComponentEditors, ToolbarAndSvgListVerbs) {
  auto Form = std::make_unique<TForm>(nullptr);
  auto* Bar = new TQvSkinToolbar(Form.get());
  auto* Svg = new TQvSkinSvgImageList(Form.get());
  TQvDesigner Designer;
  TCollection* Edited = nullptr;
  String Property, Caption, Text;
  int DefaultEdits = 0;
  Designer.EditCollection = [&](TComponent* C, TCollection* Items, const String& Name) {
    EXPECT_EQ(C, Bar);
    Edited = Items;
    Property = Name;
  };
  Designer.ShowInformation = [&](const String& C, const String& T) {
    Caption = C;
    Text = T;
  };
  Designer.DefaultEdit = [&](TComponent*) { ++DefaultEdits; };
  auto BarEditor = GetComponentEditor(Bar, Designer);
  ASSERT_TRUE(BarEditor);
  EXPECT_EQ(BarEditor->GetVerb(0), L"&Items Editor...");
  BarEditor->Edit();
  EXPECT_EQ(Edited, Bar->Items());
  EXPECT_EQ(Property, L"Items");
  auto SvgEditor = GetComponentEditor(Svg, Designer);
  ASSERT_TRUE(SvgEditor);
  ASSERT_EQ(SvgEditor->GetVerbCount(), 1);
  SvgEditor->ExecuteVerb(0);
  EXPECT_EQ(Caption, L"Tips");
  EXPECT_EQ(Text, L"Please use the Images property to edit SVG images.");
  SvgEditor->Edit();
  EXPECT_EQ(DefaultEdits, 1);
  EXPECT_FALSE(GetComponentEditor(Form.get(), Designer));
}

}  // namespace

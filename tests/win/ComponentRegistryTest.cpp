// The component registry of the library: palette order, every component through the object
// text form with its declared defaults, and the resource-ID properties the picker edits.
#include <memory>

#include "ControlsTestSupport.h"
#include "design/QvComponentRegistry.h"
#include "host/Form.h"
#include "host/ObjectText.h"

using namespace qv;

namespace {

using ComponentRegistry = qvtest::ControlsTest;

// Palette components still being built elsewhere; the registry names exactly these.
const std::vector<String> kNotYetBuilt = {
    L"TQvSkinDatetimePicker", L"TQvSkinCalendar",    L"TQvSkinScrollMsgBar", L"TQvSkinCalloutPanel",
    L"TQvSkinCircleProgress", L"TQvSkinSpeedometer", L"TQvSkinCircleMarker", L"TQvSkinImageSlider"};

TEST_F(ComponentRegistry, RegistersThePaletteInItsOrder) {
  const TQvComponentRegistry& R = QvComponentRegistry();
  EXPECT_EQ(R.Missing(), kNotYetBuilt);
  std::vector<String> Expected, Registered;
  for (const TQvPaletteEntry& E : QvSkinPalette())
    if (R.Find(E.ClassName)) Expected.emplace_back(E.ClassName);
  for (const TQvComponentClass* C : R.PaletteClasses()) Registered.push_back(C->ClassName);
  EXPECT_EQ(Registered, Expected);
  EXPECT_EQ(QvSkinPalette().size() - kNotYetBuilt.size(), Registered.size());
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

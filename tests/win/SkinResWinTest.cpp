// The skin configuration tells every registered skinned form through its window: the last
// registered first, with pending messages handled before each send.
#include <memory>
#include <string>
#include <vector>

#include "ControlsTestSupport.h"
#include "core/ResourceTestSupport.h"
#include "forms/QvFormSkinVar.h"
#include "forms/QvMessages.h"
#include "forms/QvSkinHelper.h"
#include "forms/QvSkinRes.h"
#include "host/Form.h"

using namespace qv;

namespace {

constexpr UINT WM_PROBE = WM_APP + 7;

// Two real forms in the form registry whose window procedures record what reaches them.
// The skinned-form components are stand-ins: the registry only carries them.
class SkinResWin : public qvtest::ControlsTest {
 protected:
  void SetUp() override {
    qvtest::ControlsTest::SetUp();
    for (int I = 0; I < 2; ++I) {
      auto F = std::make_unique<TForm>(nullptr);
      F->HandleNeeded();
      const std::string Name = I == 0 ? "A" : "B";
      TWndMethod Old = F->WindowProc;
      F->WindowProc = [this, Name, Old](TMessage& M) {
        if (M.Msg == MM_SKINRESCHANGED) Log.push_back(Name + ":changed");
        if (M.Msg == WM_PROBE) Log.push_back(Name + ":probe");
        if (M.Msg == MM_SKINRESCHANGED && OnChanged) OnChanged(Name);
        Old(M);
      };
      TQvFormSkinHelperObj()->Add(F.get(), reinterpret_cast<TQvSkinForm*>(uintptr_t(0x100 + I)));
      Forms.push_back(std::move(F));
    }
    Res = std::make_unique<TQvSkinRes>(nullptr, Dir.Path().wstring());
    Log.clear();
  }
  void TearDown() override {
    for (auto& F : Forms)
      if (F) TQvFormSkinHelperObj()->Remove(F.get());
    gHSB = THSBRec{};
    qvtest::ControlsTest::TearDown();
  }

  qvtest::TTempDir Dir{L"qv_skinres_win"};
  std::vector<std::unique_ptr<TForm>> Forms;
  std::unique_ptr<TQvSkinRes> Res;
  std::vector<std::string> Log;
  std::function<void(const std::string&)> OnChanged;
};

TEST_F(SkinResWin, ANotifyingChangeReachesTheLastRegisteredFormFirst) {
  // The probe is handled before the first send.
  PostMessageW(Forms[0]->Handle(), WM_PROBE, 0, 0);
  Res->Form()->SetTitleHeight(40);
  EXPECT_EQ(Log, (std::vector<std::string>{"A:probe", "B:changed", "A:changed"}));

  Log.clear();
  Res->Form()->SetFillStyle(mfs9Block);  // stored only
  Res->Form()->SetCustomPictureName(L"x.png");
  EXPECT_TRUE(Log.empty());

  Res->ApplyDefault();  // one round for the whole reset
  EXPECT_EQ(Log, (std::vector<std::string>{"B:changed", "A:changed"}));
}

TEST_F(SkinResWin, AFormFreedDuringTheRoundIsNotSentTo) {
  OnChanged = [this](const std::string& Name) {
    if (Name != "B" || !Forms[0]) return;
    TQvFormSkinHelperObj()->Remove(Forms[0].get());
    Forms[0].reset();
  };
  Res->Apply();
  EXPECT_EQ(Log, (std::vector<std::string>{"B:changed"}));
}

}  // namespace

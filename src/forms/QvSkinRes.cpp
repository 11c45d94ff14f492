#include "forms/QvSkinRes.h"

#include "forms/QvFormSkinVar.h"
#include "forms/QvSkinResConfig.h"
#include "graphics/QvComm.h"
#include "host/AtomicFile.h"
#include "host/Properties.h"
#include "host/Streams.h"

namespace qv {

// ---- TQvFormSkinRes ----------------------------------------------------------

void TQvFormSkinRes::SetCustomPicture(const TQvResID& Value) {
  if (FCustomPicture == Value) return;
  FCustomPicture = Value;
  PictureChanged();
}

void TQvFormSkinRes::EndUpdate() {
  if (FUpdateCount == 0) return;  // unbalanced: nothing was begun
  if (--FUpdateCount == 0) DoChanged();
}

void TQvFormSkinRes::DoChanged() {
  if (FUpdateCount > 0 || FLockCount > 0) return;
  if (FOwner) FOwner->Apply();
  if (OnChanged) OnChanged(this);
}

void TQvFormSkinRes::Assign(TPersistent* Source) {
  auto* S = dynamic_cast<TQvFormSkinRes*>(Source);
  if (!S) return TPersistent::Assign(Source);
  if (S == this) return;
  BeginUpdate();
  FStyle = S->FStyle;
  FCustomPicture = S->FCustomPicture;
  FCustomPictureName = S->FCustomPictureName;
  FDefaultSkinOrder = S->FDefaultSkinOrder;
  FHitTestWidth = S->FHitTestWidth;
  FGradientHeight = S->FGradientHeight;
  FTitleHeight = S->FTitleHeight;
  FTitlerColor = S->FTitlerColor;
  FColor = S->FColor;
  FFramWidth = S->FFramWidth;
  FActiveGradient = S->FActiveGradient;
  FDoubleFrame = S->FDoubleFrame;
  FFillStyle = S->FFillStyle;
  FFlatFrame = S->FFlatFrame;
  FRoundWindow = S->FRoundWindow;
  FImageBorder = S->FImageBorder;
  EndUpdate();
}

// The layered border is a reference to another component and is not streamed here.
const TPropTable& TQvFormSkinRes::Properties() const {
  using C = TQvFormSkinRes;
  static const TPropTable Table = TPersistent::Properties().With({
      EnumProp(L"Style", &C::Style, &C::SetStyle, TQvSkinStyleNames),
      ResIDProp(L"CustomPicture", &C::CustomPicture, &C::SetCustomPicture),
      Prop(L"CustomPictureName", &C::CustomPictureName, &C::SetCustomPictureName),
      Prop(L"DefaultSkinOrder", &C::DefaultSkinOrder, &C::SetDefaultSkinOrder),
      Prop(L"HitTestWidth", &C::HitTestWidth, &C::SetHitTestWidth, DefaultHitTestWidth),
      Prop(L"GradientHeight", &C::GradientHeight, &C::SetGradientHeight, DefaultGradientHeight),
      Prop(L"TitleHeight", &C::TitleHeight, &C::SetTitleHeight, DefaultTitleHeight),
      ColorProp(L"TitlerColor", &C::TitlerColor, &C::SetTitlerColor, DefaultTitlerColor),
      ColorProp(L"Color", &C::Color, &C::SetColor, DefaultColor),
      Prop(L"FramWidth", &C::FramWidth, &C::SetFramWidth, DefaultFramWidth),
      Prop(L"ActiveGradient", &C::ActiveGradient, &C::SetActiveGradient, DefaultActiveGradient),
      Prop(L"DoubleFrame", &C::DoubleFrame, &C::SetDoubleFrame, DefaultDoubleFrame),
      Prop(L"FlatFrame", &C::FlatFrame, &C::SetFlatFrame),
      Prop(L"RoundWindow", &C::RoundWindow, &C::SetRoundWindow, DefaultRoundWindow),
      EnumProp(L"FillStyle", &C::FillStyle, &C::SetFillStyle, TQvFillStyleNames),
  });
  return Table;
}

// ---- gQvFormStyle ----------------------------------------------------------------

TQvFormSkinRes* gQvFormStyle = nullptr;

namespace {

// Its lifetime is the unit's: created at initialisation, freed (and the pointer cleared)
// at finalisation.
struct TFormStyleHolder {
  std::unique_ptr<TQvFormSkinRes> Style = std::make_unique<TQvFormSkinRes>();
  TFormStyleHolder() { gQvFormStyle = Style.get(); }
  ~TFormStyleHolder() { gQvFormStyle = nullptr; }
} gFormStyleHolder;

}  // namespace

void ShareFormStyle(const TQvFormSkinRes& Source) {
  TQvFormSkinRes* Dest = gQvFormStyle;
  if (!Dest || Dest == &Source) return;
  Dest->BeginUpdate();
  Dest->SetColor(Source.Color());
  Dest->SetCustomPicture(Source.CustomPicture());
  Dest->SetFramWidth(Source.FramWidth());
  Dest->SetHitTestWidth(Source.HitTestWidth());
  Dest->SetStyle(Source.Style());
  Dest->SetTitlerColor(Source.TitlerColor());
  Dest->EndUpdate();
}

// ---- TQvSkinRes ------------------------------------------------------------------

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinRes>(), true);

// A bare file name: a name taken from the file must not lead out of its folder.
bool IsPlainFileName(const String& Name) {
  return !Name.empty() && Name != L"." && Name != L".." &&
         Name.find_first_of(String(L"\\/:\0", 4)) == String::npos;
}

// Clears a lock however the scope ends.
struct TLockGuard {
  TQvFormSkinRes& Form;
  explicit TLockGuard(TQvFormSkinRes& F) : Form(F) { Form.Lock(); }
  ~TLockGuard() { Form.UnLock(); }
};

std::vector<uint8_t> ReadConfigFile(const String& FileName) {
  TFileStream S(FileName, fmOpenRead);
  if (S.Size() > int64_t(QvSkinConfigMaxSize))
    throw EParserError(L"Invalid skin configuration file: the file is too large");
  return ReadStreamRest(S);
}

}  // namespace

TQvSkinRes::TQvSkinRes(TComponent* AOwner) : TQvSkinRes(AOwner, GetExeFolder()) {}

TQvSkinRes::TQvSkinRes(TComponent* AOwner, const String& AppFolder)
    : TComponent(AOwner),
      FAppFolder(AppFolder.empty() ? AppFolder : IncludeTrailingPathDelimiter(AppFolder)),
      FForm(std::make_unique<TQvFormSkinRes>(this)),
      FXmlFileName(SkinFolder() + L"Config.xml") {
  LoadConfigKeepingSettings();
}

TQvSkinRes::~TQvSkinRes() = default;

String TQvSkinRes::SkinFolder() const {
  return FAppFolder + L"Skin" + PathDelim;
}

String TQvSkinRes::DefaultPicture() const {
  return SkinFolder() + L"Default" + PathDelim + L"skin_bk_leaf.jpg";
}

void TQvSkinRes::Loaded() {
  TComponent::Loaded();
  if (FUseSkinFile)
    LoadConfigKeepingSettings();
  else
    SaveConfig();
}

void TQvSkinRes::LoadConfigKeepingSettings() {
  try {
    LoadConfig();
  } catch (const Exception&) {
    // The damaged file stays as it is until the settings are saved again.
  }
}

void TQvSkinRes::LoadConfig() {
  const String Leaf = DefaultPicture();
  if (!FileExists(FXmlFileName)) {
    if (FileExists(Leaf) &&
        (FForm->CustomPicture() != Leaf || FForm->CustomPictureName() != ExtractFileName(Leaf))) {
      FForm->BeginUpdate();
      FForm->SetCustomPictureName(ExtractFileName(Leaf));
      FForm->SetCustomPicture(Leaf);
      FForm->EndUpdate();
    }
    return;
  }
  // Everything is read and checked before any setting changes.
  const TQvSkinConfig Config = ParseSkinConfig(ReadConfigFile(FXmlFileName));
  if (Config.Style && *Config.Style != ssColor && *Config.Style != ssPicture)
    throw EParserError(L"Invalid skin configuration file: Style is out of range");
  String Picture;
  if (Config.FormBg) {
    const String Custom = SkinFolder() + L"Custom" + PathDelim + *Config.FormBg;
    if (IsPlainFileName(*Config.FormBg) && FileExists(Custom))
      Picture = Custom;
    else if (FileExists(Leaf))
      Picture = Leaf;
  }

  TLockGuard Guard(*FForm);
  if (Config.Style) FForm->SetStyle(TQvSkinStyle(*Config.Style));
  if (Config.DefaultSkinOrder) FForm->SetDefaultSkinOrder(*Config.DefaultSkinOrder);
  if (!Picture.empty()) {
    FForm->SetCustomPictureName(ExtractFileName(Picture));
    FForm->SetCustomPicture(Picture);
  }
  if (Config.GradientHeight) FForm->SetGradientHeight(*Config.GradientHeight);
  if (Config.HitTestWidth) FForm->SetHitTestWidth(*Config.HitTestWidth);
  if (Config.TitleHeight) FForm->SetTitleHeight(*Config.TitleHeight);
  if (Config.TitlerColor) FForm->SetTitlerColor(*Config.TitlerColor);
  if (Config.Color) FForm->SetColor(*Config.Color);
  if (Config.FramWidth) FForm->SetFramWidth(*Config.FramWidth);
  if (Config.HSB_H) gHSB.H = *Config.HSB_H;
  if (Config.HSB_S) gHSB.S = *Config.HSB_S;
  if (Config.HSB_B) gHSB.B = *Config.HSB_B;
}

bool TQvSkinRes::SaveConfig() {
  TQvSkinConfig Config;
  Config.Style = Integer(FForm->Style());
  Config.FormBg = FForm->CustomPictureName();
  Config.DefaultSkinOrder = FForm->DefaultSkinOrder();
  Config.HitTestWidth = FForm->HitTestWidth();
  Config.GradientHeight = FForm->GradientHeight();
  Config.TitleHeight = FForm->TitleHeight();
  Config.TitlerColor = FForm->TitlerColor();
  Config.Color = FForm->Color();
  Config.FramWidth = FForm->FramWidth();
  Config.HSB_H = gHSB.H;
  Config.HSB_S = gHSB.S;
  Config.HSB_B = gHSB.B;
  try {
    ForceDirectories(ExtractFilePath(FXmlFileName));
    WriteFileAtomically(FXmlFileName, FormatSkinConfig(Config));
    return true;
  } catch (const Exception&) {
    if (ComponentState().Contains(csDesigning)) ShowSkinResSaveWarning();
    return false;
  }
}

void TQvSkinRes::Apply() {
  if (ComponentState().Contains(csDesigning)) {
    SaveConfig();
    return;
  }
  // Streaming sets the settings one by one; they are taken over once the form has loaded.
  if (ComponentState().Contains(csLoading)) return;
  ShareFormStyle(*FForm);
  SendSkinResChanged();
}

void TQvSkinRes::ApplyDefault() {
  if (ComponentState().Contains(csDesigning)) return;
  FForm->BeginUpdate();
  FForm->SetStyle(ssColor);
  FForm->SetDefaultSkinOrder(0);
  FForm->SetCustomPicture(TQvResID());
  // The name goes too, or saving would bring the old picture back at the next start.
  FForm->SetCustomPictureName(String());
  FForm->SetHitTestWidth(TQvFormSkinRes::DefaultHitTestWidth);
  FForm->SetTitleHeight(TQvFormSkinRes::DefaultTitleHeight);
  FForm->SetGradientHeight(TQvFormSkinRes::DefaultGradientHeight);
  FForm->SetTitlerColor(TQvFormSkinRes::DefaultTitlerColor);
  FForm->SetColor(TQvFormSkinRes::DefaultColor);
  FForm->SetFramWidth(TQvFormSkinRes::DefaultFramWidth);
  gHSB = THSBRec{};
  FForm->EndUpdate();
}

const TPropTable& TQvSkinRes::Properties() const {
  using C = TQvSkinRes;
  static const TPropTable Table = TComponent::Properties().With({
      ObjectProp(L"Form", &C::Form),
      Prop(L"UseSkinFile", &C::UseSkinFile, &C::SetUseSkinFile, DefaultUseSkinFile),
      // Read from older files, never written.
      EnumProp(L"About", &C::About, &C::SetAbout, TQvAboutInfoNames).Stored(Never),
  });
  return Table;
}

}  // namespace qv

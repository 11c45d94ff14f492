#include "forms/QvSkinRes.h"

#include "forms/QvFormSkinVar.h"
#include "forms/QvSkinResConfig.h"
#include "graphics/QvComm.h"
#include "host/AtomicFile.h"
#include "host/Streams.h"
#include "resources/QvSkinIntfStreaming.h"

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

namespace {

// The streamed properties of TQvFormSkinRes that are numbers or flags, with their defaults.
struct TIntProperty {
  const wchar_t* Name;
  Integer (TQvFormSkinRes::*Get)() const;
  void (TQvFormSkinRes::*Set)(Integer);
  Integer Default;
  bool IsColor;
};
const TIntProperty kIntProperties[] = {
    {L"DefaultSkinOrder", &TQvFormSkinRes::DefaultSkinOrder, &TQvFormSkinRes::SetDefaultSkinOrder,
     0, false},
    {L"HitTestWidth", &TQvFormSkinRes::HitTestWidth, &TQvFormSkinRes::SetHitTestWidth,
     TQvFormSkinRes::DefaultHitTestWidth, false},
    {L"GradientHeight", &TQvFormSkinRes::GradientHeight, &TQvFormSkinRes::SetGradientHeight,
     TQvFormSkinRes::DefaultGradientHeight, false},
    {L"TitleHeight", &TQvFormSkinRes::TitleHeight, &TQvFormSkinRes::SetTitleHeight,
     TQvFormSkinRes::DefaultTitleHeight, false},
    {L"TitlerColor", &TQvFormSkinRes::TitlerColor, &TQvFormSkinRes::SetTitlerColor,
     TQvFormSkinRes::DefaultTitlerColor, true},
    {L"Color", &TQvFormSkinRes::Color, &TQvFormSkinRes::SetColor, TQvFormSkinRes::DefaultColor,
     true},
    {L"FramWidth", &TQvFormSkinRes::FramWidth, &TQvFormSkinRes::SetFramWidth,
     TQvFormSkinRes::DefaultFramWidth, false},
};
struct TBoolProperty {
  const wchar_t* Name;
  bool (TQvFormSkinRes::*Get)() const;
  void (TQvFormSkinRes::*Set)(bool);
  bool Default;
};
const TBoolProperty kBoolProperties[] = {
    {L"ActiveGradient", &TQvFormSkinRes::ActiveGradient, &TQvFormSkinRes::SetActiveGradient, true},
    {L"DoubleFrame", &TQvFormSkinRes::DoubleFrame, &TQvFormSkinRes::SetDoubleFrame, true},
    {L"FlatFrame", &TQvFormSkinRes::FlatFrame, &TQvFormSkinRes::SetFlatFrame, false},
    {L"RoundWindow", &TQvFormSkinRes::RoundWindow, &TQvFormSkinRes::SetRoundWindow, true},
};

}  // namespace

// The layered border is a reference to another component and is not streamed here.
void TQvFormSkinRes::WriteProperties(TPropertyWriter& Writer) const {
  if (FStyle != ssColor) Writer.WriteIdent(L"Style", EnumToIdent(FStyle, TQvSkinStyleNames));
  if (!FCustomPicture.empty()) Writer.WriteString(L"CustomPicture", FCustomPicture);
  if (!FCustomPictureName.empty()) Writer.WriteString(L"CustomPictureName", FCustomPictureName);
  for (const TIntProperty& P : kIntProperties) {
    const Integer V = (this->*P.Get)();
    if (V == P.Default) continue;
    if (P.IsColor)
      WriteColorProperty(Writer, P.Name, V);
    else
      Writer.WriteInteger(P.Name, V);
  }
  for (const TBoolProperty& P : kBoolProperties)
    if ((this->*P.Get)() != P.Default) Writer.WriteBoolean(P.Name, !P.Default);
  if (FFillStyle != mfsBlur)
    Writer.WriteIdent(L"FillStyle", EnumToIdent(FFillStyle, TQvFillStyleNames));
}

bool TQvFormSkinRes::ReadProperty(const String& Name, const TPropValue& Value) {
  if (SameText(Name, L"Style")) {
    SetStyle(ReadEnumProperty<TQvSkinStyle>(Value, TQvSkinStyleNames));
  } else if (SameText(Name, L"CustomPicture")) {
    SetCustomPicture(Value.AsString());
  } else if (SameText(Name, L"CustomPictureName")) {
    SetCustomPictureName(Value.AsString());
  } else if (SameText(Name, L"FillStyle")) {
    SetFillStyle(ReadEnumProperty<TQvFillStyle>(Value, TQvFillStyleNames));
  } else {
    for (const TIntProperty& P : kIntProperties)
      if (SameText(Name, P.Name)) {
        (this->*P.Set)(P.IsColor ? ReadColorProperty(Value) : Integer(Value.AsInteger()));
        return true;
      }
    for (const TBoolProperty& P : kBoolProperties)
      if (SameText(Name, P.Name)) {
        (this->*P.Set)(Value.AsBoolean());
        return true;
      }
    return false;
  }
  return true;
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

void TQvSkinRes::WriteProperties(TPropertyWriter& Writer) const {
  TComponent::WriteProperties(Writer);
  Writer.WriteNested(L"Form", *FForm);
  if (!FUseSkinFile) Writer.WriteBoolean(L"UseSkinFile", false);
}

bool TQvSkinRes::ReadProperty(const String& Name, const TPropValue& Value) {
  if (ReadNestedProperty(Name, L"Form", *FForm, Value)) return true;
  if (SameText(Name, L"UseSkinFile")) {
    FUseSkinFile = Value.AsBoolean();
  } else if (SameText(Name, L"About")) {
    FAbout = ReadEnumProperty<TQvAboutInfo>(Value, TQvAboutInfoNames);
  } else {
    return TComponent::ReadProperty(Name, Value);
  }
  return true;
}

}  // namespace qv

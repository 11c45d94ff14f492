#pragma once
// The skin configuration: the form settings every skinned form can share (TQvFormSkinRes),
// the process-wide style that dialogs created later read (gQvFormStyle), and the component
// that keeps the settings in "Skin\Config.xml" beside the executable and tells every
// skinned form to take them over (TQvSkinRes).
#include <memory>

#include "host/Classes.h"
#include "resources/QvSkinIntfTypes.h"
#include "resources/QvSkinResManager.h"

namespace qv {

class TQvFormLayerBorder;
class TQvSkinRes;

// Form settings. Setters of the settings a form shows store a different value and call
// DoChanged; the others only store.
class TQvFormSkinRes : public TPersistent {
 public:
  static constexpr const wchar_t* StaticClassName = L"TQvFormSkinRes";
  String ClassName() const override { return StaticClassName; }
  static constexpr Integer DefaultHitTestWidth = 5;
  static constexpr Integer DefaultGradientHeight = 168;
  static constexpr Integer DefaultTitleHeight = 27;
  static constexpr TColor DefaultTitlerColor = 16761926;  // 0xFFC446
  static constexpr TColor DefaultColor = 15920353;        // 0xF2ECE1
  static constexpr Integer DefaultFramWidth = 2;
  static constexpr bool DefaultActiveGradient = true, DefaultDoubleFrame = true,
                        DefaultRoundWindow = true;

  explicit TQvFormSkinRes(TQvSkinRes* AOwner = nullptr) : FOwner(AOwner) {}
  TQvFormSkinRes(const TQvFormSkinRes&) = delete;
  TQvFormSkinRes& operator=(const TQvFormSkinRes&) = delete;
  TQvSkinRes* Owner() const { return FOwner; }

  TQvSkinStyle Style() const { return FStyle; }
  void SetStyle(TQvSkinStyle Value) { Update(FStyle, Value); }
  // Full path (or resource ID) of the background picture.
  const TQvResID& CustomPicture() const { return FCustomPicture; }
  void SetCustomPicture(const TQvResID& Value);
  // The background picture's file name only, as the configuration file keeps it.
  const String& CustomPictureName() const { return FCustomPictureName; }
  void SetCustomPictureName(const String& Value) { FCustomPictureName = Value; }
  Integer DefaultSkinOrder() const { return FDefaultSkinOrder; }
  void SetDefaultSkinOrder(Integer Value) { Update(FDefaultSkinOrder, Value); }
  Integer HitTestWidth() const { return FHitTestWidth; }
  void SetHitTestWidth(Integer Value) { Update(FHitTestWidth, Value); }
  Integer GradientHeight() const { return FGradientHeight; }
  void SetGradientHeight(Integer Value) { Update(FGradientHeight, Value); }
  Integer TitleHeight() const { return FTitleHeight; }
  void SetTitleHeight(Integer Value) { Update(FTitleHeight, Value); }
  TColor TitlerColor() const { return FTitlerColor; }
  void SetTitlerColor(TColor Value) { Update(FTitlerColor, Value); }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { Update(FColor, Value); }
  Integer FramWidth() const { return FFramWidth; }
  // Negative widths are ignored.
  void SetFramWidth(Integer Value) {
    if (Value >= 0) Update(FFramWidth, Value);
  }
  bool ActiveGradient() const { return FActiveGradient; }
  void SetActiveGradient(bool Value) { FActiveGradient = Value; }
  bool DoubleFrame() const { return FDoubleFrame; }
  void SetDoubleFrame(bool Value) { FDoubleFrame = Value; }
  TQvFillStyle FillStyle() const { return FFillStyle; }
  void SetFillStyle(TQvFillStyle Value) { FFillStyle = Value; }
  bool FlatFrame() const { return FFlatFrame; }
  void SetFlatFrame(bool Value) { FFlatFrame = Value; }
  bool RoundWindow() const { return FRoundWindow; }
  void SetRoundWindow(bool Value) { FRoundWindow = Value; }
  // A reference to the layered border component; not owned.
  TQvFormLayerBorder* ImageBorder() const { return FImageBorder; }
  void SetImageBorder(TQvFormLayerBorder* Value) { FImageBorder = Value; }

  // Changes between BeginUpdate and the matching EndUpdate notify once, at the end.
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }
  // While locked, changes do not notify at all.
  void Lock() { ++FLockCount; }
  void UnLock() {
    if (FLockCount > 0) --FLockCount;
  }
  bool Locked() const { return FLockCount > 0; }
  // Outside an update or a lock: the owner's Apply, then OnChanged.
  virtual void DoChanged();

  // Copies every setting of another TQvFormSkinRes and notifies once.
  void Assign(TPersistent* Source) override;
  const TPropTable& Properties() const override;

  TNotifyEvent OnChanged;

 protected:
  virtual void PictureChanged() { DoChanged(); }

 private:
  template <typename T>
  void Update(T& Field, const T& Value) {
    if (Field == Value) return;
    Field = Value;
    DoChanged();
  }
  TQvSkinRes* FOwner;
  TQvSkinStyle FStyle = ssColor;
  TQvResID FCustomPicture;
  String FCustomPictureName;
  Integer FDefaultSkinOrder = 0;
  Integer FHitTestWidth = DefaultHitTestWidth;
  Integer FGradientHeight = DefaultGradientHeight;
  Integer FTitleHeight = DefaultTitleHeight;
  TColor FTitlerColor = DefaultTitlerColor;
  TColor FColor = DefaultColor;
  Integer FFramWidth = DefaultFramWidth;
  bool FActiveGradient = DefaultActiveGradient;
  bool FDoubleFrame = DefaultDoubleFrame;
  TQvFillStyle FFillStyle = mfsBlur;
  bool FFlatFrame = false;
  bool FRoundWindow = DefaultRoundWindow;
  TQvFormLayerBorder* FImageBorder = nullptr;
  int FUpdateCount = 0;
  int FLockCount = 0;
};

// The style skinned forms share with the library's dialogs; it has no owner. Nil before
// the library has initialised and after it has unloaded.
extern TQvFormSkinRes* gQvFormStyle;

// Copies the shared part of a form style (Color, CustomPicture, FramWidth, HitTestWidth,
// Style, TitlerColor) into gQvFormStyle within one update.
void ShareFormStyle(const TQvFormSkinRes& Source);

// Keeps the form settings and the global HSB shift in the configuration file
// <folder>Skin\Config.xml and applies them to every skinned form.
class TQvSkinRes : public TComponent {
  QV_CLASS(TQvSkinRes)
 public:
  // The folder is the executable's.
  explicit TQvSkinRes(TComponent* AOwner);
  // AppFolder stands for the executable's folder: the file and the picture folders
  // "Skin\Custom\" and "Skin\Default\" are looked up under it.
  TQvSkinRes(TComponent* AOwner, const String& AppFolder);
  ~TQvSkinRes() override;

  TQvFormSkinRes* Form() const { return FForm.get(); }
  // Takes over Value's settings.
  void SetForm(TQvFormSkinRes* Value) { FForm->Assign(Value); }
  static constexpr bool DefaultUseSkinFile = true;
  bool UseSkinFile() const { return FUseSkinFile; }
  void SetUseSkinFile(bool Value) { FUseSkinFile = Value; }
  TQvAboutInfo About() const { return FAbout; }
  void SetAbout(TQvAboutInfo Value) { FAbout = Value; }
  const String& XmlFileName() const { return FXmlFileName; }

  // After streaming: reads the file when UseSkinFile, otherwise writes it.
  void Loaded() override;
  void Load() { LoadConfig(); }
  bool Save() { return SaveConfig(); }
  // Reads the file into Form and gHSB without notifying. A missing file sets the default
  // background picture when there is one. A file that cannot be read, or is no valid
  // configuration, raises (EStreamError or EParserError) and changes nothing; a setting
  // the file lacks keeps its value.
  void LoadConfig();
  // Writes Form and gHSB to the file (replacing it in one step, creating its folders).
  // Failure raises nothing; the answer tells whether the file was written.
  bool SaveConfig();
  // Designing: saves. Otherwise shares the style through gQvFormStyle and sends
  // MM_SKINRESCHANGED to every registered skinned form, the last registered first.
  void Apply();
  // Resets Form and gHSB to the defaults and applies once (nothing while designing).
  void ApplyDefault();

  const TPropTable& Properties() const override;

 private:
  // LoadConfig for the constructor and Loaded: a bad file keeps the current settings, so
  // that a damaged file cannot stop the application from starting.
  void LoadConfigKeepingSettings();
  String SkinFolder() const;
  String DefaultPicture() const;

  String FAppFolder;
  std::unique_ptr<TQvFormSkinRes> FForm;
  bool FUseSkinFile = DefaultUseSkinFile;
  TQvAboutInfo FAbout = aiQvSkinComponent;
  String FXmlFileName;
};

// Platform part. Sends MM_SKINRESCHANGED (both parameters 0) to the window of every form
// in the form registry, from the last entry to the first, letting the application handle
// pending messages before each send; nothing natively.
void SendSkinResChanged();
// Tells the developer, once per run, that the configuration could not be saved while
// designing.
void ShowSkinResSaveWarning();

}  // namespace qv

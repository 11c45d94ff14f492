#pragma once
// The skin editor's window: a skinned form (title bar, system buttons, shadow border) with
// the project's picture list and filter on the left, the chosen picture on a checkered
// ground, the picture and skin-file commands, and the picture previewed on a skinned
// button, panel and the title bar with the global hue/saturation/brightness shift.
#include <functional>
#include <memory>
#include <vector>

#include "SkinEditorProject.h"
#include "resources/QvSkinIntf.h"

namespace qv {
class TForm;
class TQvSkinForm;
class TQvSkinNCLabel;
class TQvSkinNCImage;
class TQvSkinListBox;
class TQvSkinEdit;
class TQvSkinButton;
class TQvSkinPanel;
class TQvSkinLabel;
class TQvSkinCheckBox;
class TQvHLSTrackBar;
class TQvSkinRes;
struct TQvSkinPictureRef;
}  // namespace qv

namespace skineditor {

class TPictureView;

// The ID under which the preview controls find the chosen picture with the shift applied.
inline constexpr const wchar_t* PreviewPictureID = L"QvSkinEditor_Preview";

class TSkinEditorForm {
 public:
  TSkinEditorForm();
  ~TSkinEditorForm();
  TSkinEditorForm(const TSkinEditorForm&) = delete;
  TSkinEditorForm& operator=(const TSkinEditorForm&) = delete;

  qv::TForm* Form() const { return FForm.get(); }
  void Show();
  TSkinEditorProject& Project() { return FProject; }

  // Failures go here; the default shows them in the skinned message box. Tests count.
  std::function<void(const String& Message)> ShowError;
  // The file dialogs; each answers "" when cancelled. Filter in the "Name|*.a;*.b" form.
  std::function<String(const String& Filter)> ChooseOpenFile;
  std::function<String(const String& Filter, const String& DefaultExt)> ChooseSaveFile;
  std::function<String()> ChooseFolder;
  // After the window was asked to close (it stays until the editor is freed).
  std::function<void()> OnClose;

  // The commands, as the buttons run them once a file or folder is chosen. Each answers
  // whether it succeeded; a failure is shown through ShowError and changes nothing.
  bool OpenProject(const String& Folder);
  bool ImportSkin(const String& FileName);
  bool ExportSkin(const String& FileName);
  // The picture commands: Add names the picture by the ID box (see SetNewPictureID) and
  // selects it; the others work on the selected entry. Export writes a picture as PNG and
  // a vector item as SVG.
  bool AddPicture(const String& FileName);
  bool ReplacePicture(const String& FileName);
  bool DeletePicture();
  bool ExportPicture(const String& FileName);
  // The ID box and the high-DPI variant (@DPI200) box of a new picture.
  void SetNewPictureID(const String& ID, bool HighDPI = false);

  // The list: the filter text and the entries it shows.
  void SetFilter(const String& Text);
  const std::vector<TSkinEntry>& Shown() const { return FShown; }
  // Selects the entry with this ID (ignoring case) when the list shows it.
  bool Select(const String& ID);
  // The chosen entry's ID; "" when none.
  String Selected() const;
  // The hue (-180..180), saturation and brightness (-100..100) shift: set in the skin
  // configuration and applied to every skinned form and to the preview picture.
  void SetShift(int H, int S, int B);
  // The chosen picture with the shift, as the preview controls draw it (empty: none).
  const qv::TQvSkinImage& Preview() const { return FPreview; }

 private:
  void BuildControls();
  void FillList(const String& Keep);
  void SelectionChanged();
  void UpdatePreview();
  void UpdateCaption();
  template <typename F>
  bool Run(F Step);
  void OpenClick();
  void ImportClick();
  void ExportClick();
  void AddClick();
  void ReplaceClick();
  void ExportPictureClick();
  // The selected entry as the picture operations name it.
  bool SelectedRef(qv::TQvSkinPictureRef& Ref) const;

  TSkinEditorProject FProject;
  std::unique_ptr<qv::TForm> FForm;
  qv::TQvSkinForm* FSkin = nullptr;
  qv::TQvSkinNCLabel* FTitle = nullptr;
  qv::TQvSkinNCImage* FTitleImage = nullptr;
  qv::TQvSkinEdit* FFilter = nullptr;
  qv::TQvSkinListBox* FList = nullptr;
  TPictureView* FView = nullptr;
  qv::TQvSkinLabel* FInfo = nullptr;
  qv::TQvSkinEdit* FIDBox = nullptr;
  qv::TQvSkinCheckBox* FHighDPI = nullptr;
  qv::TQvSkinButton* FPreviewButton = nullptr;
  qv::TQvSkinPanel* FPreviewPanel = nullptr;
  qv::TQvHLSTrackBar* FShift[3] = {};
  qv::TQvSkinRes* FConfig = nullptr;
  std::vector<TSkinEntry> FShown;
  String FListedFilter;
  qv::TQvSkinImage FPicture;       // the chosen picture as it is
  qv::TQvSkinImage FPreview;       // the chosen picture shifted
  qv::TQvSkinImage FTitlePreview;  // that, fitted into the title bar
  bool FFilling = false;
};

}  // namespace skineditor

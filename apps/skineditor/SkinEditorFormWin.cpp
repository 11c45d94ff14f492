#include <windows.h>
// After <windows.h>, which they need.
#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>

#include "../gallery/ControlsHost.h"
#include "SkinEditorForm.h"
#include "controls/QvHLSTrackBar.h"
#include "controls/QvSkinButton.h"
#include "controls/QvSkinCheckBox.h"
#include "controls/QvSkinCustomControl.h"
#include "controls/QvSkinEdit.h"
#include "controls/QvSkinLabel.h"
#include "controls/QvSkinListBox.h"
#include "controls/QvSkinPanel.h"
#include "design/QvSkinPictures.h"
#include "dialogs/QvMessageBox.h"
#include "forms/QvFormBorder.h"
#include "forms/QvFormSkinVar.h"
#include "forms/QvSkinForm.h"
#include "forms/QvSkinNCButton.h"
#include "forms/QvSkinNCCtrls.h"
#include "forms/QvSkinRes.h"
#include "graphics/QvGR32LibColor.h"
#include "graphics/SvgImageRender.h"
#include "host/Font.h"
#include "host/Form.h"
#include "host/ScopeGuard.h"
#include "raster/Resamplers.h"
#include "resources/QvSkinResDM.h"
#include "resources/QvSkinResManager.h"

namespace skineditor {

using namespace qv;

namespace {

constexpr const wchar_t* kCaption = L"QvSkin Skin Editor";
constexpr const wchar_t* kTitlePreviewID = L"QvSkinEditor_TitlePreview";
constexpr int kTitlePictureHeight = 22;
constexpr int kChecker = 8;
constexpr const wchar_t* kPictureFilter =
    L"Images(.png;.bmp;.jpg)|*.png;*.bmp;*.jpg|Svg Image(.svg)|*.svg";
constexpr const wchar_t* kSvgFilter = L"Svg Image(.svg)|*.svg";

// "Name|*.a;*.b" as the dialogs want it: pairs separated and ended by NULs.
std::wstring DialogFilter(const String& Filter) {
  std::wstring R = Filter;
  std::replace(R.begin(), R.end(), L'|', L'\0');
  R.push_back(L'\0');
  R.push_back(L'\0');
  return R;
}

// The open dialog, or with Save the save dialog (DefaultExt with or without its dot).
String AskFile(HWND Owner, const String& Filter, bool Save, const String& DefaultExt = String()) {
  wchar_t File[MAX_PATH] = {};
  const std::wstring F = DialogFilter(Filter);
  const String Ext =
      !DefaultExt.empty() && DefaultExt[0] == L'.' ? DefaultExt.substr(1) : DefaultExt;
  OPENFILENAMEW O = {};
  O.lStructSize = sizeof(O);
  O.hwndOwner = Owner;
  O.lpstrFilter = F.c_str();
  O.lpstrFile = File;
  O.nMaxFile = MAX_PATH;
  O.lpstrDefExt = Ext.empty() ? nullptr : Ext.c_str();
  O.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | (Save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  const bool Chosen = Save ? GetSaveFileNameW(&O) : GetOpenFileNameW(&O);
  return Chosen ? String(File) : String();
}

String AskFolder(HWND Owner) {
  BROWSEINFOW B = {};
  B.hwndOwner = Owner;
  B.lpszTitle = L"Project folder";
  B.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  PIDLIST_ABSOLUTE List = SHBrowseForFolderW(&B);
  if (!List) return String();
  wchar_t Path[MAX_PATH] = {};
  const bool Ok = SHGetPathFromIDListW(List, Path);
  CoTaskMemFree(List);
  return Ok ? String(Path) : String();
}

// Src scaled into a W × H box (down only, keeping its proportions) into Dst.
void FitInto(TCustomBitmap32& Src, int W, int H, TBitmap32& Dst) {
  if (Src.Empty() || W <= 0 || H <= 0) {
    Dst.SetSize(0, 0);
    return;
  }
  const double Scale = std::min({1.0, double(W) / Src.Width(), double(H) / Src.Height()});
  const int DW = std::max(1, int(Src.Width() * Scale + 0.5));
  const int DH = std::max(1, int(Src.Height() * Scale + 0.5));
  Dst.SetSize(DW, DH);
  Dst.Clear(0);
  TDrawMode Old = Src.DrawMode();
  Src.SetDrawMode(dmOpaque);
  Dst.Draw(Rect(0, 0, DW, DH), Rect(0, 0, Src.Width(), Src.Height()), &Src);
  Src.SetDrawMode(Old);
  Dst.SetDrawMode(dmBlend);
}

}  // namespace

// The chosen picture on a checkered ground, scaled down to fit, never up.
class TPictureView : public TQvSkinCustomControl {
 public:
  TPictureView(TComponent* AOwner, TQvSkinImage& Picture)
      : TQvSkinCustomControl(AOwner), FPicture(Picture) {}
  String ClassName() const override { return L"TSkinEditorPictureView"; }

 protected:
  void DrawBody(TBitmap32* Bitmap) override {
    const int W = Bitmap->Width(), H = Bitmap->Height();
    for (int Y = 0; Y < H; Y += kChecker)
      for (int X = 0; X < W; X += kChecker)
        Bitmap->FillRectS(X, Y, X + kChecker, Y + kChecker,
                          ((X + Y) / kChecker) % 2 ? 0xFFCCCCCC : 0xFFFFFFFF);
    Bitmap->FrameRectTS(0, 0, W, H, 0xFF8C8C8C);
    TBitmap32 Fitted;
    FitInto(FPicture, W - 8, H - 8, Fitted);
    if (Fitted.Empty()) return;
    Bitmap->Draw((W - Fitted.Width()) / 2, (H - Fitted.Height()) / 2, &Fitted);
  }

 private:
  TQvSkinImage& FPicture;
};

using gallery::AddControl;

TSkinEditorForm::TSkinEditorForm() {
  ShowError = [](const String& Message) { QvMessageBox(kCaption, Message, biError, {mbOK}); };
  ChooseOpenFile = [this](const String& Filter) {
    return AskFile(HWND(FForm->Handle()), Filter, false);
  };
  ChooseSaveFile = [this](const String& Filter, const String& Ext) {
    return AskFile(HWND(FForm->Handle()), Filter, true, Ext);
  };
  ChooseFolder = [this] { return AskFolder(HWND(FForm->Handle())); };
  BuildControls();
  // The preview controls find the chosen picture, shifted, under their own IDs.
  TQvSkinResManagerObj()->SetOnGetImage([this](TObject*, const String& ID, TQvSkinImage*& Image) {
    if (SameText(ID, PreviewPictureID) && !FPreview.Empty()) Image = &FPreview;
    if (SameText(ID, kTitlePreviewID) && !FTitlePreview.Empty()) Image = &FTitlePreview;
  });
}

TSkinEditorForm::~TSkinEditorForm() {
  TQvSkinResManagerObj()->SetOnGetImage(nullptr);
  FForm.reset();
}

void TSkinEditorForm::BuildControls() {
  FForm = std::make_unique<TForm>(nullptr);
  FForm->SetBounds(40, 30, 980, 660);
  FSkin = new TQvSkinForm(FForm.get());
  FSkin->SetImageBorder(new TQvFormLayerBorder(FForm.get()));
  for (TSystemButtonKind K : {bkClose, bkMaximize, bkMinimize})
    (new TQvSkinSystemButton(FForm.get()))->SetKind(K);
  FTitle = new TQvSkinNCLabel(FForm.get());
  FTitle->Pos()->SetXValue(12);
  FTitle->Font()->SetName(L"Tahoma");
  FTitle->Font()->SetSize(10);
  FTitle->Font()->SetColor(clWhite);
  FTitle->SetRenderText(true);
  FTitleImage = new TQvSkinNCImage(FForm.get());
  FTitleImage->Pos()->SetAlign(caRight);
  FTitleImage->Pos()->SetXValue(330);
  FTitleImage->Pos()->SetYValue(4);
  FTitleImage->SetCaptureMouse(false);
  TWndMethod Old = FForm->WindowProc;
  FForm->WindowProc = [this, Old](TMessage& M) {
    if (M.Msg == WM_CLOSE && OnClose) {
      OnClose();
      return;
    }
    Old(M);
  };
  // Hue, saturation and brightness go through the skin configuration to every skinned form.
  FConfig = new TQvSkinRes(FForm.get());

  TForm* F = FForm.get();
  auto* Open = AddControl<TQvSkinButton>(F, F, 12, 10, 120, 27);
  Open->SetCaption(L"Open folder...");
  Open->OnClick = [this](TObject*) { OpenClick(); };
  auto* Import = AddControl<TQvSkinButton>(F, F, 140, 10, 120, 27);
  Import->SetCaption(L"Import skin...");
  Import->OnClick = [this](TObject*) { ImportClick(); };
  auto* Export = AddControl<TQvSkinButton>(F, F, 268, 10, 120, 27);
  Export->SetCaption(L"Export skin...");
  Export->OnClick = [this](TObject*) { ExportClick(); };

  FFilter = AddControl<TQvSkinEdit>(F, F, 12, 48, 280, 26);
  FFilter->SetTextHint(L"Filter pictures");
  FFilter->OnChange = [this](TObject*) { FillList(Selected()); };
  FList = AddControl<TQvSkinListBox>(F, F, 12, 80, 280, 520);
  FList->OnListBoxClick = [this](TObject*) { SelectionChanged(); };

  FView = new TPictureView(F, FPicture);
  FView->SetBounds(304, 48, 400, 300);
  FView->SetParent(F);
  // The picture commands beside the view.
  AddControl<TQvSkinLabel>(F, F, 716, 48, 230, 18)->SetCaption(L"ID of a new picture:");
  FIDBox = AddControl<TQvSkinEdit>(F, F, 716, 68, 230, 26);
  FIDBox->SetTextHint(L"the file name");
  FHighDPI = AddControl<TQvSkinCheckBox>(F, F, 716, 100, 230, 20);
  FHighDPI->SetCaption(L"High-DPI variant (@DPI200)");
  const std::pair<const wchar_t*, std::function<void()>> Commands[] = {
      {L"Add picture...", [this] { AddClick(); }},
      {L"Replace picture...", [this] { ReplaceClick(); }},
      {L"Delete picture", [this] { DeletePicture(); }},
      {L"Export picture...", [this] { ExportPictureClick(); }},
  };
  int Y = 130;
  for (const auto& [Caption, Run] : Commands) {
    auto* B = AddControl<TQvSkinButton>(F, F, 716, Y, 230, 27);
    B->SetCaption(Caption);
    B->OnClick = [Run](TObject*) { Run(); };
    Y += 36;
  }
  FInfo = AddControl<TQvSkinLabel>(F, F, 304, 354, 400, 20);
  FInfo->SetCaption(String());

  AddControl<TQvSkinLabel>(F, F, 304, 390, 400, 20)->SetCaption(L"On a skinned button and panel:");
  FPreviewButton = AddControl<TQvSkinButton>(F, F, 304, 414, 140, 32);
  FPreviewButton->SetCaption(L"Button");
  FPreviewPanel = AddControl<TQvSkinPanel>(F, F, 456, 414, 248, 120);

  static const wchar_t* const Names[3] = {L"Hue", L"Saturation", L"Brightness"};
  for (int I = 0; I < 3; ++I) {
    AddControl<TQvSkinLabel>(F, F, 716, 390 + I * 50, 230, 18)->SetCaption(Names[I]);
    FShift[I] = AddControl<TQvHLSTrackBar>(F, F, 716, 408 + I * 50, 230, 28);
    FShift[I]->SetKind(THLSKindRec(I));
    FShift[I]->OnChange = [this](TObject*) {
      SetShift(FShift[0]->Value(), FShift[1]->Value(), FShift[2]->Value());
    };
  }
  // Opening, the shift of the configuration shows.
  const int Now[3] = {gHSB.H, gHSB.S, gHSB.B};
  for (int I = 0; I < 3; ++I) {
    FShift[I]->Lock();
    FShift[I]->SetValue(Now[I]);
    FShift[I]->UnLock();
  }
  UpdateCaption();
}

void TSkinEditorForm::Show() {
  FForm->Show();
}

template <typename F>
bool TSkinEditorForm::Run(F Step) {
  try {
    Step();
    return true;
  } catch (const Exception& E) {
    if (ShowError) ShowError(E.Message());
    return false;
  }
}

bool TSkinEditorForm::OpenProject(const String& Folder) {
  const String Keep = Selected();
  if (!Run([&] { FProject.Open(Folder); })) return false;
  UpdateCaption();
  FillList(Keep);
  return true;
}

bool TSkinEditorForm::ImportSkin(const String& FileName) {
  const String Keep = Selected();
  if (!Run([&] { FProject.ImportSkin(FileName); })) return false;
  FillList(Keep);
  return true;
}

bool TSkinEditorForm::ExportSkin(const String& FileName) {
  return Run([&] { FProject.ExportSkin(FileName); });
}

void TSkinEditorForm::OpenClick() {
  const String Folder = ChooseFolder();
  if (!Folder.empty()) OpenProject(Folder);
}

void TSkinEditorForm::ImportClick() {
  const String File = ChooseOpenFile(L"*.qvskin|*.qvskin");
  if (!File.empty()) ImportSkin(File);
}

void TSkinEditorForm::ExportClick() {
  const String File = ChooseSaveFile(L"*.qvskin|*.qvskin", L".qvskin");
  if (!File.empty()) ExportSkin(File);
}

bool TSkinEditorForm::SelectedRef(TQvSkinPictureRef& Ref) const {
  const int I = FList->ItemIndex();
  if (I < 0 || I >= int(FShown.size())) return false;
  Ref = {FShown[size_t(I)].Svg ? plSvg : plBitmaps, FShown[size_t(I)].ID};
  return true;
}

void TSkinEditorForm::SetNewPictureID(const String& ID, bool HighDPI) {
  FIDBox->SetText(ID);
  FHighDPI->SetChecked(HighDPI);
}

bool TSkinEditorForm::AddPicture(const String& FileName) {
  TQvSkinPictureRef Added;
  if (!Run([&] {
        Added = FProject.Pictures().Add(FileName, FIDBox->Text(), FHighDPI->Checked(), ds200);
      }))
    return false;
  FillList(Added.ID);
  return true;
}

bool TSkinEditorForm::ReplacePicture(const String& FileName) {
  TQvSkinPictureRef Ref;
  if (!SelectedRef(Ref)) return false;
  if (!Run([&] { FProject.Pictures().Replace(Ref, FileName); })) return false;
  FillList(Ref.ID);
  return true;
}

bool TSkinEditorForm::DeletePicture() {
  TQvSkinPictureRef Ref;
  if (!SelectedRef(Ref)) return false;
  if (!Run([&] { FProject.Pictures().Delete(Ref); })) return false;
  FillList(String());
  return true;
}

bool TSkinEditorForm::ExportPicture(const String& FileName) {
  TQvSkinPictureRef Ref;
  if (!SelectedRef(Ref)) return false;
  return Run([&] {
    if (Ref.List == plSvg)
      FProject.Pictures().ExportSvg(Ref.ID, FileName);
    else
      FProject.Pictures().ExportPng(Ref.ID, FileName);
  });
}

void TSkinEditorForm::AddClick() {
  const String File = ChooseOpenFile(kPictureFilter);
  if (!File.empty()) AddPicture(File);
}

void TSkinEditorForm::ReplaceClick() {
  TQvSkinPictureRef Ref;
  if (!SelectedRef(Ref)) return;
  const String File = ChooseOpenFile(Ref.List == plSvg ? kSvgFilter : kPictureFilter);
  if (!File.empty()) ReplacePicture(File);
}

void TSkinEditorForm::ExportPictureClick() {
  TQvSkinPictureRef Ref;
  if (!SelectedRef(Ref)) return;
  const String File = Ref.List == plSvg ? ChooseSaveFile(kSvgFilter, L".svg")
                                        : ChooseSaveFile(L"PngImage(*.Png)|*.png", L".png");
  if (!File.empty()) ExportPicture(File);
}

void TSkinEditorForm::SetFilter(const String& Text) {
  if (FFilter->Text() != Text) FFilter->SetText(Text);  // may fill the list through OnChange
  if (FListedFilter != Text) FillList(Selected());
}

void TSkinEditorForm::FillList(const String& Keep) {
  FListedFilter = FFilter->Text();
  FShown = FProject.Entries(FListedFilter);
  TStringList Lines;
  for (const TSkinEntry& E : FShown) Lines.Add(E.Svg ? E.ID + L"  (SVG)" : E.ID);
  {
    TScopedValue<bool> Filling(FFilling, true);
    FList->SetItems(&Lines);
    FList->SetItemIndex(-1);
  }
  if (!Select(Keep)) SelectionChanged();
}

bool TSkinEditorForm::Select(const String& ID) {
  if (ID.empty()) return false;
  for (size_t I = 0; I < FShown.size(); ++I)
    if (SameText(FShown[I].ID, ID)) {
      FList->SetItemIndex(int(I));
      SelectionChanged();
      return true;
    }
  return false;
}

String TSkinEditorForm::Selected() const {
  const int I = FList->ItemIndex();
  return I >= 0 && I < int(FShown.size()) ? FShown[size_t(I)].ID : String();
}

void TSkinEditorForm::SelectionChanged() {
  if (FFilling) return;
  FPicture.SetSize(0, 0);
  String Info;
  const int I = FList->ItemIndex();
  if (I >= 0 && I < int(FShown.size())) {
    const TSkinEntry& E = FShown[size_t(I)];
    TQvSkinResDM* DM = FProject.Module();
    if (E.Svg) {
      try {
        RenderSvgImage(*DM->QvSkinImageListSvg(), E.ID, FPicture, 96, 96);
      } catch (const Exception&) {
        // A malformed path shows as an empty picture.
      }
    } else {
      const int Index = DM->QvSkinImageListMain()->Bitmaps()->IndexOfResID(E.ID);
      if (Index >= 0) FPicture.Assign(DM->QvSkinImageListMain()->Bitmap(Index));
    }
    Info = E.ID + L"   " + std::to_wstring(FPicture.Width()) + L" × " +
           std::to_wstring(FPicture.Height()) + (E.Svg ? L"   vector" : L"");
  }
  FInfo->SetCaption(Info);
  FView->Invalidate();
  UpdatePreview();
}

void TSkinEditorForm::SetShift(int H, int S, int B) {
  const int Values[3] = {H, S, B};
  for (int I = 0; I < 3; ++I)
    if (FShift[I]->Value() != Values[I]) {
      FShift[I]->Lock();
      FShift[I]->SetValue(Values[I]);
      FShift[I]->UnLock();
    }
  gHSB = THSBRec{FShift[0]->Value(), FShift[1]->Value(), FShift[2]->Value()};
  FConfig->Apply();
  UpdatePreview();
}

void TSkinEditorForm::UpdatePreview() {
  FPreview.Assign(&FPicture);
  if (!FPreview.Empty()) {
    FPreview.SetDrawMode(dmBlend);
    ApplyHSL(&FPreview, gHSB.H, gHSB.S, gHSB.B);
  }
  FitInto(FPreview, 200, kTitlePictureHeight, FTitlePreview);
  // The controls keep what they looked up: set the IDs again so they look again.
  const String ID = FPreview.Empty() ? String() : String(PreviewPictureID);
  FPreviewButton->Pictures()->SetImage(String());
  FPreviewButton->Pictures()->SetCount(GuessStateCount(FPreview.Width(), FPreview.Height()));
  FPreviewButton->Pictures()->SetImage(ID);
  FPreviewPanel->SetBackgroundImage(String());
  FPreviewPanel->SetBackgroundImage(ID);
  FTitleImage->SetPicture(String());
  FTitleImage->SetPicture(FPreview.Empty() ? String() : String(kTitlePreviewID));
}

void TSkinEditorForm::UpdateCaption() {
  const String Caption =
      FProject.IsOpen() ? String(kCaption) + L" - " + FProject.Folder() : String(kCaption);
  FForm->SetCaption(Caption);
  FTitle->SetCaption(Caption);
}

}  // namespace skineditor

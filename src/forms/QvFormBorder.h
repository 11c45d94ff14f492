#pragma once
// TQvFormLayerBorder: a soft shadow (or, opaque, a visible frame) around a form, drawn from
// one skin image into four borderless per-pixel-alpha popup windows kept glued to the form
// and directly below it in stacking order. The skinned form drives it through the calls
// below; the border never hooks the form's window procedure.
#include <memory>
#include <vector>

#include "forms/QvFormBorderGeometry.h"
#include "host/Form.h"

namespace qv {

class TQvFormLayerBorder;
class TQvSkinNCCtrlBase;

// One of the four border windows. Transparent: click-through decoration. Opaque: takes the
// mouse without activating, and a press drags the form when Drag is set.
class TqvFormLayerWindow : public TForm {
  QV_CLASS(TqvFormLayerWindow)
 public:
  TqvFormLayerWindow(TQvFormLayerBorder* ABorder, TqvFormLayerBorderType AType);
  TqvFormLayerBorderType BorderType = mpflLeft;
  bool Drag = true;
  // Pushes the window's piece to the screen: at full alpha when AFlag is 0 and the window
  // is not hidden, fully transparent otherwise.
  void DrawSelf(int AFlag);
  bool Hided() const { return FHided; }
  void SetHided(bool Value) { FHided = Value; }
  bool Transparent() const { return FTransparent; }
  void WndProc(TMessage& Message) override;

 protected:
  void CreateParams(TCreateParams& Params) override;

 private:
  // Offers a press or release to the title-bar controls; true when one took it.
  bool OfferMouse(bool Down);
  // The title-bar controls of this window's side (All: also those not hosted here yet).
  std::vector<TQvSkinNCCtrlBase*> HostedControls(bool All) const;
  bool FTransparent = true;
  bool FHided = false;
  TQvFormLayerBorder* FLayerBorder;
  TCustomForm* FForm;
};

class TQvFormLayerBorder : public TComponent {
  QV_CLASS(TQvFormLayerBorder)
 public:
  static constexpr const wchar_t* DefaultImage = L"QvSkinSlider_Aio_light_bkg";
  static constexpr bool DefaultTransparent = true, DefaultDragEnabled = true;
  explicit TQvFormLayerBorder(TComponent* AOwner);
  ~TQvFormLayerBorder() override;

  // ---- published ----
  const String& Image() const { return FImage; }
  void SetImage(const String& Value) { FImage = Value; }
  TQvBorderSize* Size() { return &FSize; }
  void SetSize(TQvBorderSize* Value) { FSize.Assign(Value); }
  TQvBorderSize* InflateSize() { return &FInflateSize; }
  void SetInflateSize(TQvBorderSize* Value) { FInflateSize.Assign(Value); }
  TQvStretchKind StretchKind() const { return FStretchKind; }
  void SetStretchKind(TQvStretchKind Value) { FStretchKind = Value; }
  bool Transparent() const { return FTransparent; }
  // Windows made before keep their mode until they are made again (next Show).
  void SetTransparent(bool Value);
  bool DragEnabled() const { return FDragEnabled; }
  void SetDragEnabled(bool Value) { FDragEnabled = Value; }

  // The skinned form's title-bar controls, handed over by ShowWithForm; in opaque mode each
  // window paints and feeds those of its side.
  std::vector<TObject*> NCCtrlList;
  // The skinned-form component; not used by the border itself.
  TObject* QvSkinForm = nullptr;

  // ---- calls of the skinned form ----
  void InitFrame(TCustomForm* AForm);
  void ShowWithForm(const std::vector<TObject*>& NCItems);
  void Show(int ALeft, int ATop, int AWidth, int AHeight);
  void Show();
  void Hide();
  void Minimizing();
  void Restoring();
  void ReAlign();
  void SetBoundsWithForm();
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  void MoveWithForm(int ALeft, int ATop);
  void CheckFormAlpha(bool AUpdate);
  void FreeLayerWindow();

  // ---- state ----
  TCustomForm* Form() const { return FForm; }
  bool Visible() const { return FVisible; }
  bool Hidden() const { return FHide; }
  bool Minimized() const { return FMinimized; }
  bool FormClosed() const { return FFormClosed; }
  TqvFormLayerWindow* Window(TqvFormLayerBorderType Side) const { return FWindows[Side]; }
  TBitmap32* Piece(TqvFormLayerBorderType Side) const { return FPieces[Side].get(); }

  const TPropTable& Properties() const override;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  struct TFormLink;
  void InitFrameImages();
  TQvBorderLayout Layout(int ALeft, int ATop) const;
  void DrawAll(int AFlag);
  bool AllWindows() const;
  bool FormMinimized() const;
  // Places the windows below the form; Deferred batches the four moves.
  void PlaceWindows(int ALeft, int ATop, bool Deferred);

  String FImage = DefaultImage;
  TQvBorderSize FSize{8, 8, 8, 8};
  TQvBorderSize FInflateSize{5, 5, -5, -5};
  TQvStretchKind FStretchKind = skAuto;
  bool FTransparent = DefaultTransparent;
  bool FDragEnabled = DefaultDragEnabled;

  TCustomForm* FForm = nullptr;
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  TQvBorderPieces FPieces;               // indexed by TqvFormLayerBorderType
  TqvFormLayerWindow* FWindows[4] = {};  // owned (components of the border)
  bool FVisible = false;
  bool FHide = false;
  bool FMinimized = false;
  bool FFormClosed = false;
  bool FInited = false;
  bool FNeedReCreateLayerWindow = true;
  // Shared with the handlers chained into the form, so they outlive the border safely.
  std::shared_ptr<TFormLink> FLink;
};

}  // namespace qv

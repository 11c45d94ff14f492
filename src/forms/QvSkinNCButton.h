#pragma once
// Title-bar buttons: a state strip drawn at the control's place with an optional caption
// (TQvSkinCustomNCButton, published as TQvSkinNCButton), group latching through Down and
// GroupIndex, and the three system buttons close, maximise/restore and minimise.
#include "forms/QvSkinNCCtrlBase.h"
#include "resources/QvSkinIntfPictures.h"
#include "resources/QvSkinIntfTypes.h"

namespace qv {

class TFont;

enum TNCButtonState { bsNormal, bsHot, bsPressed };

class TQvSkinCustomNCButton : public TQvSkinNCCtrlBase {
  QV_CLASS(TQvSkinCustomNCButton)
 public:
  static constexpr bool DefaultEnabled = true;
  explicit TQvSkinCustomNCButton(TComponent* AOwner);
  ~TQvSkinCustomNCButton() override;

  // The state strip (normal, hot, pressed); its size sets the control's size.
  TPngPictures* Picture() const { return FPicture.get(); }
  void SetPicture(TPngPictures* Value) { FPicture->Assign(Value); }
  bool Down() const { return FDown; }
  // Down pressed raises the other buttons of the group.
  void SetDown(bool Value);
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value) { FGroupIndex = Value; }
  // A release toggles Down.
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value) { FAllowAllUp = Value; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  // The screen cursor while the mouse is over the button; 0: none of its own.
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value) { FCursor = Value; }
  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  TQvOffset* CaptionOffset() const { return FCaptionOffset.get(); }
  void SetCaptionOffset(TQvOffset* Value) { FCaptionOffset->Assign(Value); }
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* Value);
  TFont* HotFont() const { return FHotFont.get(); }
  void SetHotFont(TFont* Value);
  TNCButtonState State() const { return FState; }
  void SetState(TNCButtonState Value) { FState = Value; }

  void MouseEnter() override;
  void MouseLeave() override;
  void MouseMove() override;
  void LMouseDown() override;
  void LMouseUp() override;
  void Paint(TBitmap32* Canvas) override;

  virtual void DoPictureChanged(TObject* Sender);
  // Raises every other button of the same group in the host's list.
  virtual void TurnSiblingsOff();
  // OnClick when enabled.
  virtual void Click();

  const TPropTable& Properties() const override;

  TNotifyEvent OnClick;

 private:
  std::unique_ptr<TPngPictures> FPicture;
  bool FDown = false;
  int FGroupIndex = 0;
  bool FAllowAllUp = false;
  bool FEnabled = DefaultEnabled;
  TCursor FCursor = 0;
  String FCaption;
  std::unique_ptr<TQvOffset> FCaptionOffset;
  std::unique_ptr<TFont> FFont;
  std::unique_ptr<TFont> FHotFont;
  TNCButtonState FState = bsNormal;
};

// The button with caption, caption offset and fonts published.
class TQvSkinNCButton : public TQvSkinCustomNCButton {
  QV_CLASS(TQvSkinNCButton)
 public:
  using TQvSkinCustomNCButton::TQvSkinCustomNCButton;
  const TPropTable& Properties() const override;
};

enum TSystemButtonKind { bkClose, bkMinimize, bkMaximize };
inline constexpr const wchar_t* TSystemButtonKindNames[] = {L"bkClose", L"bkMinimize",
                                                            L"bkMaximize"};

// Close, maximise/restore or minimise: sends the system command to its form on release.
class TQvSkinSystemButton : public TQvSkinCustomNCButton {
  QV_CLASS(TQvSkinSystemButton)
 public:
  static constexpr const wchar_t* DefaultCloseImage = L"QvSkinBtn_close";
  static constexpr const wchar_t* DefaultMinimizeImage = L"QvSkinBtn_mini";
  static constexpr const wchar_t* DefaultMaximizeImage = L"QvSkinBtn_max";
  static constexpr const wchar_t* DefaultRestoresizeImage = L"QvSkinBtn_restore";
  explicit TQvSkinSystemButton(TComponent* AOwner);

  TSystemButtonKind Kind() const { return FKind; }
  void SetKind(TSystemButtonKind Value);
  const String& CloseImage() const { return FCloseImage; }
  void SetCloseImage(const String& Value) { SetImageName(FCloseImage, Value); }
  const String& MinimizeImage() const { return FMinimizeImage; }
  void SetMinimizeImage(const String& Value) { SetImageName(FMinimizeImage, Value); }
  const String& MaximizeImage() const { return FMaximizeImage; }
  void SetMaximizeImage(const String& Value) { SetImageName(FMaximizeImage, Value); }
  const String& RestoresizeImage() const { return FRestoresizeImage; }
  void SetRestoresizeImage(const String& Value) { SetImageName(FRestoresizeImage, Value); }

  // With UseDefault the image and the position follow the kind; otherwise only the image.
  virtual void ResetDestImage();
  void Paint(TBitmap32* Canvas) override;
  void LMouseUp() override;
  void DoPictureChanged(TObject* Sender) override;

  const TPropTable& Properties() const override;

 private:
  void SetImageName(String& Field, const String& Value);
  TSystemButtonKind FKind = bkClose;
  String FCloseImage = DefaultCloseImage;
  String FMinimizeImage = DefaultMinimizeImage;
  String FMaximizeImage = DefaultMaximizeImage;
  String FRestoresizeImage = DefaultRestoresizeImage;
  bool FResetting = false;
};

}  // namespace qv

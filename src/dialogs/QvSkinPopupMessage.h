#pragma once
// TQvSkinPopupMessage: small notifications (toasts) above the work area's bottom-right
// corner, stacked upwards, in new columns to the left when a column is full, each with a
// skinned title, an optional icon, a wrapped message and an optional button.
#include <memory>
#include <vector>

#include "dialogs/QvSkinPopupForm.h"
#include "host/Classes.h"

namespace qv {

class TFont;
class TPngPictures;

enum TQvMessageIcon { miSuccess, miFailue, miInformation, miNone };

// The optional button of every toast.
class TMsgButton : public TPersistent {
 public:
  static constexpr const wchar_t* StaticClassName = L"TMsgButton";
  String ClassName() const override { return StaticClassName; }
  static constexpr const wchar_t* DefaultCaption = L"OK";
  TMsgButton();
  ~TMsgButton() override;

  bool Visible() const { return FVisible; }
  void SetVisible(bool Value) { FVisible = Value; }
  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value) { FCaption = Value; }
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* Value);
  TFont* HotFont() const { return FHotFont.get(); }
  void SetHotFont(TFont* Value);
  TPngPictures* Pictures() const { return FPictures.get(); }
  void SetPictures(TPngPictures* Value);
  void Assign(TPersistent* Source) override;
  const TPropTable& Properties() const override;

 private:
  bool FVisible = false;
  String FCaption = DefaultCaption;
  std::unique_ptr<TFont> FFont, FHotFont;
  std::unique_ptr<TPngPictures> FPictures;
};

class TQvSkinPopupMessage : public TComponent {
  QV_CLASS(TQvSkinPopupMessage)
 public:
  static constexpr int DefaultWidth = 228, DefaultMinHeight = 100, DefaultTextOffsetX = 10,
                       DefaultTextOffsetY = 20;
  static constexpr Cardinal DefaultClosePause = 5000;
  static constexpr bool DefaultActiveAnimate = true, DefaultAutoAlign = true, DefaultHeapUp = true;
  static constexpr TColor DefaultTitileColor = 16761926, DefaultClientColor = 15920353;
  static constexpr const wchar_t* DefaultIcon_Success = L"QvSkinMsgIcon_OK";
  static constexpr const wchar_t* DefaultIcon_Failue = L"QvSkinMsgIcon_Error";
  static constexpr const wchar_t* DefaultIcon_Information = L"QvSkinMsgIcon_Info";

  explicit TQvSkinPopupMessage(TComponent* AOwner);
  // Open toasts stay (the application owns them) but no longer call back.
  ~TQvSkinPopupMessage() override;

  int Width() const { return FWidth; }
  void SetWidth(int Value) { FWidth = Value; }
  int MinHeight() const { return FMinHeight; }
  void SetMinHeight(int Value) { FMinHeight = Value; }
  // Milliseconds from showing (or from the mouse leaving) to closing; 0: only after the
  // mouse has left the toast once.
  Cardinal ClosePause() const { return FClosePause; }
  void SetClosePause(Cardinal Value) { FClosePause = Value; }
  bool ActiveAnimate() const { return FActiveAnimate; }
  void SetActiveAnimate(bool Value) { FActiveAnimate = Value; }
  // A full column continues left of the last toast (otherwise over the first column).
  bool AutoAlign() const { return FAutoAlign; }
  void SetAutoAlign(bool Value) { FAutoAlign = Value; }
  // Stored only.
  bool HeapUp() const { return FHeapUp; }
  void SetHeapUp(bool Value) { FHeapUp = Value; }
  TColor TitileColor() const { return FTitileColor; }
  void SetTitileColor(TColor Value) { FTitileColor = Value; }
  TColor ClientColor() const { return FClientColor; }
  void SetClientColor(TColor Value) { FClientColor = Value; }
  TFont* TitleFont() const { return FTitleFont.get(); }
  void SetTitleFont(TFont* Value);
  TFont* TextFont() const { return FTextFont.get(); }
  void SetTextFont(TFont* Value);
  int TextOffsetX() const { return FTextOffsetX; }
  void SetTextOffsetX(int Value) { FTextOffsetX = Value; }
  int TextOffsetY() const { return FTextOffsetY; }
  void SetTextOffsetY(int Value) { FTextOffsetY = Value; }
  const String& Icon_Success() const { return FIcon_Success; }
  void SetIcon_Success(const String& Value) { FIcon_Success = Value; }
  const String& Icon_Failue() const { return FIcon_Failue; }
  void SetIcon_Failue(const String& Value) { FIcon_Failue = Value; }
  const String& Icon_Information() const { return FIcon_Information; }
  void SetIcon_Information(const String& Value) { FIcon_Information = Value; }
  TMsgButton* Button() const { return FButton.get(); }
  void SetButton(TMsgButton* Value) { FButton->Assign(Value); }

  TQvSkinPopupForm* Popup(const String& ACaption, const String& AText);
  TQvSkinPopupForm* Popup(const String& ACaption, const String& AText, TQvMessageIcon AIcon);
  // X > 0: near (X, Y), after closing every open toast of this component.
  TQvSkinPopupForm* Popup(const String& ACaption, const String& AText, TQvMessageIcon AIcon,
                          const String& AID, int X, int Y);
  TQvSkinPopupForm* PopupXY(const String& ACaption, const String& AText, TQvMessageIcon AIcon,
                            int X, int Y);
  // The open toasts, in the order they were shown.
  const std::vector<TQvSkinPopupForm*>& List() const { return FList; }
  // The work area toasts are placed on; empty: the primary monitor's.
  TRect WorkArea;

  const TPropTable& Properties() const override;

  TNotifyEvent OnClick;
  TNotifyEvent OnButtonClick;
  TCloseEvent OnClose;

 private:
  void Forget(TQvSkinPopupForm* Toast);
  int FWidth = DefaultWidth;
  int FMinHeight = DefaultMinHeight;
  Cardinal FClosePause = DefaultClosePause;
  bool FActiveAnimate = DefaultActiveAnimate;
  bool FAutoAlign = DefaultAutoAlign;
  bool FHeapUp = DefaultHeapUp;
  TColor FTitileColor = DefaultTitileColor;
  TColor FClientColor = DefaultClientColor;
  std::unique_ptr<TFont> FTitleFont, FTextFont;
  int FTextOffsetX = DefaultTextOffsetX;
  int FTextOffsetY = DefaultTextOffsetY;
  String FIcon_Success = DefaultIcon_Success;
  String FIcon_Failue = DefaultIcon_Failue;
  String FIcon_Information = DefaultIcon_Information;
  std::unique_ptr<TMsgButton> FButton;
  std::vector<TQvSkinPopupForm*> FList;
};

}  // namespace qv

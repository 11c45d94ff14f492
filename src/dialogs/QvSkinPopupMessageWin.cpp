#include <windows.h>

#include <algorithm>

#include "controls/QvMeasureCanvas.h"
#include "controls/QvSkinButton.h"
#include "controls/QvSkinLabel.h"
#include "controls/QvSkinPanel.h"
#include "dialogs/QvMessageBoxLayout.h"
#include "dialogs/QvSkinPopupMessage.h"
#include "forms/QvSkinForm.h"
#include "forms/QvSkinNCCtrls.h"
#include "host/Application.h"
#include "host/Font.h"
#include "host/Platform.h"
#include "host/Properties.h"
#include "host/Screen.h"
#include "resources/QvSkinIntfPictures.h"
#include "resources/QvSkinResManager.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinPopupMessage>(), true);

}  // namespace

// ---- TMsgButton ----------------------------------------------------------------------

TMsgButton::TMsgButton()
    : FFont(std::make_unique<TFont>()),
      FHotFont(std::make_unique<TFont>()),
      FPictures(std::make_unique<TPngPictures>()) {
  UseDialogButtonPictures(*FPictures);
}

TMsgButton::~TMsgButton() = default;

void TMsgButton::SetFont(TFont* Value) {
  FFont->Assign(Value);
}
void TMsgButton::SetHotFont(TFont* Value) {
  FHotFont->Assign(Value);
}
void TMsgButton::SetPictures(TPngPictures* Value) {
  FPictures->Assign(Value);
}

void TMsgButton::Assign(TPersistent* Source) {
  if (auto* S = dynamic_cast<TMsgButton*>(Source)) {
    FVisible = S->FVisible;
    FCaption = S->FCaption;
    SetFont(S->Font());
    SetHotFont(S->HotFont());
    SetPictures(S->Pictures());
    return;
  }
  TPersistent::Assign(Source);
}

const TPropTable& TMsgButton::Properties() const {
  using C = TMsgButton;
  static const TPropTable Table = TPersistent::Properties().With({
      Prop(L"Caption", &C::Caption, &C::SetCaption, DefaultCaption),
      ObjectProp(L"Font", &C::Font),
      ObjectProp(L"HotFont", &C::HotFont),
      ObjectProp(L"Pictures", &C::Pictures),
      Prop(L"Visible", &C::Visible, &C::SetVisible),
  });
  return Table;
}

// ---- TQvSkinPopupMessage -----------------------------------------------------------------

TQvSkinPopupMessage::TQvSkinPopupMessage(TComponent* AOwner)
    : TComponent(AOwner),
      FTitleFont(std::make_unique<TFont>()),
      FTextFont(std::make_unique<TFont>()),
      FButton(std::make_unique<TMsgButton>()) {}

TQvSkinPopupMessage::~TQvSkinPopupMessage() {
  for (TQvSkinPopupForm* Toast : FList) {
    Toast->OnClose = nullptr;
    Toast->OnClick = nullptr;
    for (int I = 0; I < Toast->ControlCount(); ++I) Toast->Controls(I)->OnClick = nullptr;
  }
}

void TQvSkinPopupMessage::SetTitleFont(TFont* Value) {
  FTitleFont->Assign(Value);
}
void TQvSkinPopupMessage::SetTextFont(TFont* Value) {
  FTextFont->Assign(Value);
}

TQvSkinPopupForm* TQvSkinPopupMessage::Popup(const String& ACaption, const String& AText) {
  return Popup(ACaption, AText, miNone, L"", 0, 0);
}

TQvSkinPopupForm* TQvSkinPopupMessage::Popup(const String& ACaption, const String& AText,
                                             TQvMessageIcon AIcon) {
  return Popup(ACaption, AText, AIcon, L"", 0, 0);
}

TQvSkinPopupForm* TQvSkinPopupMessage::PopupXY(const String& ACaption, const String& AText,
                                               TQvMessageIcon AIcon, int X, int Y) {
  return Popup(ACaption, AText, AIcon, L"", X, Y);
}

void TQvSkinPopupMessage::Forget(TQvSkinPopupForm* Toast) {
  FList.erase(std::remove(FList.begin(), FList.end(), Toast), FList.end());
}

TQvSkinPopupForm* TQvSkinPopupMessage::Popup(const String& ACaption, const String& AText,
                                             TQvMessageIcon AIcon, const String& AID, int X,
                                             int Y) {
  const int W = GetDPIScaledPixels(nullptr, FWidth);
  const String* IconIDs[] = {&FIcon_Success, &FIcon_Failue, &FIcon_Information};
  TQvSkinImage* Icon = nullptr;
  if (AIcon != miNone)
    if (TQvSkinResManager* Manager = TQvSkinResManagerObj())
      Icon = Manager->GetImageByName(*IconIDs[AIcon], true);
  if (Icon && Icon->Empty()) Icon = nullptr;
  const int IconW = Icon ? Icon->Width() : 0, IconH = Icon ? Icon->Height() : 0;
  const int IconLeft = Icon ? 10 : 0, IconTop = Icon ? 20 : 0;

  TFont TextFont;
  TextFont.Assign(FTextFont.get());
  SetDPIScaledFont(static_cast<const TControl*>(nullptr), &TextFont);
  const int MW = std::max(1, W - IconW - IconLeft - 2 * FTextOffsetX);
  auto Canvas = NewMeasureCanvas();
  Canvas->Font().Assign(&TextFont);
  const int MH = CalcTextSize(*Canvas, AText, DT_WORDBREAK, MW).cy;
  const int D = PopupToastHeight(FTextOffsetY, FMinHeight, IconH, MH, FButton->Visible());

  TPopupPlaceInput Place;
  Place.WorkArea = WorkArea.IsEmpty() ? Screen->WorkAreaRect() : WorkArea;
  Place.Width = W;
  Place.Height = GetDPIScaledPixels(nullptr, D);
  Place.AutoAlign = FAutoAlign;
  Place.X = X;
  Place.Y = Y;
  TRect Last;
  if (X > 0) {
    // A positioned toast replaces this component's open ones, the most recent first.
    while (!FList.empty()) {
      TQvSkinPopupForm* Old = FList.back();
      FList.pop_back();
      Old->Close();
    }
  } else if (!FList.empty()) {
    TQvSkinPopupForm* L = FList.back();
    Last = Rect(L->Left(), L->Top(), L->Left() + L->Width(), L->Top() + L->Height());
    Place.Last = &Last;
  }
  const TPoint P = PlacePopupToast(Place);

  auto* Toast = new TQvSkinPopupForm(Application, FActiveAnimate, FClosePause, P.Y, P.X);
  Toast->ID = AID;
  Toast->SetBounds(P.X, P.Y, W, Place.Height);

  if (Icon) {
    auto* IconPanel = new TQvSkinPanel(Toast);
    IconPanel->SetParent(Toast);
    IconPanel->SetAlpha(0);
    IconPanel->SetBorderSides({});
    IconPanel->SetBackgroundImage(*IconIDs[AIcon]);
    IconPanel->SetBounds(IconLeft, IconTop, IconW, IconH);
    IconPanel->OnClick = [this](TObject* Sender) {
      if (OnClick) OnClick(Sender);
    };
  }
  Toast->FQvSkinForm->SetTitlerColor(FTitileColor);
  Toast->FQvSkinForm->SetColor(FClientColor);
  TFont TitleFont;
  TitleFont.Assign(FTitleFont.get());
  SetDPIScaledFont(static_cast<const TControl*>(nullptr), &TitleFont);
  Toast->FCaption->SetFont(&TitleFont);
  Toast->FCaption->SetCaption(ACaption);
  Toast->FCaption->Light()->SetActive(false);
  Toast->SetCaption(ACaption);

  TQvSkinLabel* Msg = Toast->FMsg;
  Msg->SetAutoSize(false);
  Msg->SetWordWap(true);
  Msg->Light()->SetActive(false);
  Msg->Font()->Assign(&TextFont);
  Msg->SetCaption(AText);
  Msg->SetBounds(IconLeft + IconW + FTextOffsetX, FTextOffsetY, MW, MH);
  Msg->OnClick = [this](TObject* Sender) {
    if (OnClick) OnClick(Sender);
  };

  if (FButton->Visible()) {
    auto* B = new TQvSkinButton(Toast);
    B->SetParent(Toast);
    B->SetPictures(FButton->Pictures());
    B->Font()->Assign(FButton->Font());
    B->SetHotFont(FButton->HotFont());
    B->SetCaption(FButton->Caption());
    B->SetBounds((Toast->ClientWidth() - B->Width()) / 2, Toast->Height() - B->Height() - 31,
                 B->Width(), B->Height());
    B->SetAnchors({akLeft, akBottom});
    B->OnClick = [this, Toast](TObject* Sender) {
      if (OnButtonClick) OnButtonClick(Sender);
      Toast->Close();
    };
  }

  Toast->OnClose = [this](TObject* Sender, TCloseAction& Action) {
    if (OnClose) OnClose(Sender, Action);
    Forget(static_cast<TQvSkinPopupForm*>(Sender));
  };
  Toast->OnClick = [this](TObject* Sender) {
    if (OnClick) OnClick(Sender);
  };
  FList.push_back(Toast);
  Toast->ShowNoActivate();
  return Toast;
}

const TPropTable& TQvSkinPopupMessage::Properties() const {
  using C = TQvSkinPopupMessage;
  static const TPropTable Table = TComponent::Properties().With({
      Prop(L"ActiveAnimate", &C::ActiveAnimate, &C::SetActiveAnimate, DefaultActiveAnimate),
      Prop(L"AutoAlign", &C::AutoAlign, &C::SetAutoAlign, DefaultAutoAlign),
      ObjectProp(L"Button", &C::Button),
      ColorProp(L"ClientColor", &C::ClientColor, &C::SetClientColor, DefaultClientColor),
      Prop(L"ClosePause", &C::ClosePause, &C::SetClosePause, DefaultClosePause),
      Prop(L"HeapUp", &C::HeapUp, &C::SetHeapUp, DefaultHeapUp),
      ResIDProp(L"Icon_Failue", &C::Icon_Failue, &C::SetIcon_Failue, DefaultIcon_Failue),
      ResIDProp(L"Icon_Information", &C::Icon_Information, &C::SetIcon_Information,
                DefaultIcon_Information),
      ResIDProp(L"Icon_Success", &C::Icon_Success, &C::SetIcon_Success, DefaultIcon_Success),
      Prop(L"MinHeight", &C::MinHeight, &C::SetMinHeight, DefaultMinHeight),
      ObjectProp(L"TextFont", &C::TextFont),
      Prop(L"TextOffsetX", &C::TextOffsetX, &C::SetTextOffsetX, DefaultTextOffsetX),
      Prop(L"TextOffsetY", &C::TextOffsetY, &C::SetTextOffsetY, DefaultTextOffsetY),
      ColorProp(L"TitileColor", &C::TitileColor, &C::SetTitileColor, DefaultTitileColor),
      ObjectProp(L"TitleFont", &C::TitleFont),
      Prop(L"Width", &C::Width, &C::SetWidth, DefaultWidth),
  });
  return Table;
}

}  // namespace qv

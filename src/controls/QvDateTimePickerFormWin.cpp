#include <windows.h>

#include <cmath>
#include <cstdio>
#include <limits>

#include "controls/QvDateMath.h"
#include "controls/QvDateTimePickerForm.h"
#include "controls/QvDateTimePickerFormGeometry.h"
#include "controls/QvLikeMenuDlg.h"
#include "controls/QvSkinColorButton.h"
#include "controls/QvSkinEdit.h"
#include "controls/QvSkinLabel.h"
#include "controls/QvSkinPanel.h"
#include "controls/QvSkinTimeBox.h"
#include "host/Screen.h"

namespace qv {

TQvDateTimePickerForm* QvDateTimePickerForm = nullptr;

namespace {

constexpr TColor kFrameColor = TColor(0xC6C6C6);
constexpr TColor kHeaderColor = TColor(0xF6F6F6);

void SetTahoma(TFont* Font, int Height) {
  Font->SetName(L"Tahoma");
  Font->SetHeight(Height);
  Font->SetColor(clBlack);
}

template <class T>
T* Place(TComponent* Owner, TWinControl* Parent, int L, int T_, int W, int H) {
  T* C = new T(Owner);
  C->SetParent(Parent);
  C->SetBounds(L, T_, W, H);
  return C;
}

String TwoDigits(int N) {
  wchar_t Buf[16];
  std::swprintf(Buf, 16, L"%.2d", N);
  return Buf;
}

// The caption as an integer; false when it is not one.
bool ToInt(const String& S, int& N) {
  const String T = Trim(S);
  if (T.empty() || T.size() > 9) return false;
  N = 0;
  for (wchar_t C : T) {
    if (C < L'0' || C > L'9') return false;
    N = N * 10 + (C - L'0');
  }
  return true;
}

std::vector<TQvMonitorArea> MonitorAreas() {
  std::vector<TQvMonitorArea> Areas;
  if (!Screen) return Areas;
  for (int I = 0, N = Screen->MonitorCount(); I < N; ++I)
    if (TMonitor* M = Screen->Monitors(I)) Areas.push_back({M->BoundsRect(), M->WorkareaRect()});
  return Areas;
}

}  // namespace

TQvDateTimePickerForm::TQvDateTimePickerForm(TComponent* AOwner)
    : TForm(AOwner), FDateTime(std::numeric_limits<double>::quiet_NaN()) {
  SetBorderStyle(bsNone);
  SetAutoScroll(false);
  SetColor(clWhite);
  SetTahoma(Font(), -11);
  SetBounds(0, 0, FormWidth, FormHeight);
  TextHour = L"小时";
  TextMinute = L"分钟";
  TextSecond = L"秒钟";
  TextSu = TQvSkinCalendar::DefaultTextSu;
  TextMo = TQvSkinCalendar::DefaultTextMo;
  TextTu = TQvSkinCalendar::DefaultTextTu;
  TextWe = TQvSkinCalendar::DefaultTextWe;
  TextTh = TQvSkinCalendar::DefaultTextTh;
  TextFr = TQvSkinCalendar::DefaultTextFr;
  TextSa = TQvSkinCalendar::DefaultTextSa;

  Fpnl5 = Place<TQvSkinPanel>(this, this, 0, 0, FormWidth, FormHeight);
  Fpnl5->SetAlign(alClient);
  Fpnl5->SetAlpha(255);
  Fpnl5->SetBorderColor(kFrameColor);
  Fpnl5->SetDoubleBorder(false);

  auto Button = [this](int L, int T, int W, int H, const wchar_t* Caption,
                       void (TQvDateTimePickerForm::*Click)(TObject*)) {
    auto* B = Place<TQvSkinColorButton>(this, Fpnl5, L, T, W, H);
    B->SetCaption(Caption);
    B->SetNormalColor(kHeaderColor);
    B->SetPressedColor(TColor(0xDA9956));
    B->SetHotColor(clWhite);
    B->SetBorderColor(kFrameColor);
    B->SetBorderSides({sdLeft, sdTop, sdRight, sdBottom});
    B->SetCaptionVisible(true);
    SetTahoma(B->Font(), -12);
    SetTahoma(B->HotFont(), -12);
    B->SetAutoInvalidate(true);
    B->SetTabStop(true);
    B->OnClick = [this, Click](TObject* S) { (this->*Click)(S); };
    return B;
  };
  auto FramedPanel = [this](int L, int T, int W, int H, TSides Sides) {
    auto* P = Place<TQvSkinPanel>(this, Fpnl5, L, T, W, H);
    P->SetBorderSides(Sides);
    P->SetBorderColor(kFrameColor);
    return P;
  };
  auto Label = [this](TWinControl* Parent, int L, int T, int W, int H, const wchar_t* Caption,
                      int FontHeight, bool Clickable) {
    auto* Lbl = Place<TQvSkinLabel>(this, Parent, L, T, W, H);
    Lbl->SetAutoSize(false);
    Lbl->SetBounds(L, T, W, H);
    Lbl->SetAlignmentHorizontal(taCenter);
    Lbl->SetCaption(Caption);
    SetTahoma(Lbl->Font(), FontHeight);
    if (Clickable) Lbl->SetCursor(crHandPoint);
    return Lbl;
  };

  FbtnDecYear = Button(8, 8, 20, 25, L"<", &TQvDateTimePickerForm::btnDecYearClick);
  Fpnl1 = FramedPanel(28, 8, 63, 25, {sdTop, sdBottom});
  FlblYear = Label(Fpnl1, 6, 5, 51, 14, L"2015", -12, true);
  FlblYear->OnClick = [this](TObject* S) { lblYearClick(S); };
  FbtnAddYear = Button(91, 8, 20, 25, L">", &TQvDateTimePickerForm::btnAddYearClick);
  FbtnDecMonth = Button(160, 8, 20, 25, L"<", &TQvDateTimePickerForm::btnDecMonthClick);
  Fpnl2 = FramedPanel(180, 8, 40, 25, {sdTop, sdBottom});
  FlblMonth = Label(Fpnl2, 4, 5, 32, 14, L"06", -12, true);
  FlblMonth->OnClick = [this](TObject* S) { lblMonthClick(S); };
  FbtnAddMonth = Button(220, 8, 20, 25, L">", &TQvDateTimePickerForm::btnAddMonthClick);

  Fqvsknclndr1 = Place<TQvSkinCalendar>(this, Fpnl5, 8, 38, 232, 157);
  Fqvsknclndr1->SetHeaderColor(kHeaderColor);
  Fqvsknclndr1->SetHeaderHeight(24);
  SetTahoma(Fqvsknclndr1->HeaderFont(), -12);
  Fqvsknclndr1->SetCellColor(clWhite);
  Fqvsknclndr1->SetCellFocusColor(TColor(0xE3E3E3));
  SetTahoma(Fqvsknclndr1->CellFont(), -11);
  Fqvsknclndr1->SetHolidayTextColor(clBlack);
  Fqvsknclndr1->SetFrameColor(kFrameColor);
  Fqvsknclndr1->SetPadding(0);
  Fqvsknclndr1->SetAlpha(0);
  Fqvsknclndr1->OnCellClick = [this](TObject* S, TDayCell& D) { qvsknclndr1CellClick(S, D); };
  Fqvsknclndr1->OnChanged = [this](TObject* S) { qvsknclndr1Changed(S); };

  Fpnl4 = FramedPanel(8, 201, 36, 23, {sdLeft, sdTop, sdRight, sdBottom});
  Fpnl4->SetColor(kHeaderColor);
  FlblTime = Label(Fpnl4, 2, 4, 33, 14, L"时间", -12, false);
  FpnlTime = FramedPanel(41, 201, 84, 23, {sdTop, sdRight, sdBottom});
  const int TimeX[] = {9, 36, 65};
  TQvSkinLabel** TimeLabels[] = {&FlblHour, &FlblMinute, &FlblSecond};
  for (int I = 0; I < 3; ++I) {
    TQvSkinLabel* L = Label(FpnlTime, TimeX[I], 4, 12, 13, L"00", -11, true);
    L->SetTag(I);
    L->OnClick = [this](TObject* S) { lblHourClick(S); };
    *TimeLabels[I] = L;
  }
  Label(FpnlTime, 26, 3, 4, 13, L":", -11, false);
  Label(FpnlTime, 54, 3, 4, 13, L":", -11, false);

  FbtnClear = Button(131, 201, 37, 23, L"清空", &TQvDateTimePickerForm::btnClearClick);
  FbtnGoToday = Button(167, 201, 37, 23, L"今天", &TQvDateTimePickerForm::btnGoTodayClick);
  FbtnOK = Button(203, 201, 37, 23, L"确认", &TQvDateTimePickerForm::btnOKClick);

  FQvLikeMenuDlg1 = new TQvLikeMenuDlg(this);

  FEdit = new TQvSkinEdit(this);
  FEdit->SetBorderVisible(false);
  FEdit->SetBounds(0, 0, 50, 16);
  FEdit->Font()->SetSize(9);
  FEdit->SetVisible(false);
  FEdit->OnKeyPress = [this](TObject* S, wchar_t& K) { DoEditOnKeyDown(S, K); };
  FEdit->OnExit = [this](TObject* S) { DoEditOnExit(S); };
}

TQvDateTimePickerForm::~TQvDateTimePickerForm() {
  if (QvDateTimePickerForm == this) QvDateTimePickerForm = nullptr;
}

void TQvDateTimePickerForm::CreateParams(TCreateParams& Params) {
  TForm::CreateParams(Params);
  HWND Active = GetActiveWindow();
  Params.WndParent = Active ? Active : (Application ? Application->Handle() : nullptr);
  Params.Style = WS_POPUP | WS_CLIPCHILDREN;
  Params.ExStyle = WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW;
  Params.WindowClass.Style = (Params.WindowClass.Style | CS_SAVEBITS) & ~uint32_t(CS_DROPSHADOW);
}

void TQvDateTimePickerForm::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_MOUSEACTIVATE:
      // A press on the popup leaves the picker's form active, unless the year or month
      // editor is taking the keyboard.
      if (!FEdit->Visible()) {
        Message.Result = MA_NOACTIVATE;
        return;
      }
      break;
    case WM_WINDOWPOSCHANGING:
      // Showing the form never takes the activation from the picker's form.
      if (FNoActivate) reinterpret_cast<WINDOWPOS*>(Message.LParam)->flags |= SWP_NOACTIVATE;
      break;
  }
  TForm::WndProc(Message);
}

void TQvDateTimePickerForm::Popup(const TRect& ControlScreen) {
  const TRect R = PickerPopupBounds(ControlScreen, {Width(), Height()}, MonitorAreas());
  SetBounds(R.Left, R.Top, R.Width(), R.Height());
  HandleNeeded();
  FNoActivate = true;
  SetWindowPos(Handle(), HWND_TOPMOST, R.Left, R.Top, R.Width(), R.Height(),
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  SetVisible(true);
  FNoActivate = false;
}

void TQvDateTimePickerForm::DoShow() {
  Fqvsknclndr1->SetTextSu(TextSu);
  Fqvsknclndr1->SetTextMo(TextMo);
  Fqvsknclndr1->SetTextTu(TextTu);
  Fqvsknclndr1->SetTextWe(TextWe);
  Fqvsknclndr1->SetTextTh(TextTh);
  Fqvsknclndr1->SetTextFr(TextFr);
  Fqvsknclndr1->SetTextSa(TextSa);
  TForm::DoShow();
}

void TQvDateTimePickerForm::DoClose(TCloseAction& Action) {
  TForm::DoClose(Action);
  Action = caFree;
  if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
  if (QvDateTimePickerForm == this) QvDateTimePickerForm = nullptr;
}

// ---- value ------------------------------------------------------------------------------

void TQvDateTimePickerForm::SetKind(TQvDateTimeKind Value) {
  if (FKind == Value) return;
  FKind = Value;
  Fpnl4->SetVisible(Value == tkDateTime);
  FpnlTime->SetVisible(Value == tkDateTime);
}

TQvSkinLabel* TQvDateTimePickerForm::TimeLabel(int Index) const {
  return Index == 0 ? FlblHour : Index == 1 ? FlblMinute : FlblSecond;
}

TDateTime TQvDateTimePickerForm::GetDateTime() {
  // The calendar itself, not its labels: they follow only its next rebuild.
  int H = 0, M = 0, S = 0;
  if (FKind == tkDateTime && !(ToInt(FlblHour->Caption(), H) && ToInt(FlblMinute->Caption(), M) &&
                               ToInt(FlblSecond->Caption(), S)))
    H = M = S = 0;
  TDateTime V = 0;
  if (!TryEncodeDateTime(Fqvsknclndr1->Year(), Fqvsknclndr1->Month(), Fqvsknclndr1->FocusDay(), H,
                         M, S, ChoiceMSec, V) &&
      !TryEncodeDateTime(Fqvsknclndr1->Year(), Fqvsknclndr1->Month(), Fqvsknclndr1->FocusDay(), 0,
                         0, 0, ChoiceMSec, V))
    V = ComposeDateTime(Fqvsknclndr1->Date(), EncodeTime(0, 0, 0, ChoiceMSec));
  FDateTime = V;
  return V;
}

void TQvDateTimePickerForm::SetDateTime(TDateTime Value) {
  if (Value == FDateTime) return;
  int Y, Mo, D;
  if (!DecodeDate(Value, Y, Mo, D)) return;  // no moment: the calendar keeps its own
  FDateTime = Value;
  Fqvsknclndr1->SetYear(Y);
  Fqvsknclndr1->SetMonth(Mo);
  Fqvsknclndr1->SetFocusDay(D);
  Fqvsknclndr1->ResetCells();
  if (FKind != tkDateTime) return;
  int H, Mi, S, Ms;
  DecodeTime(Value, H, Mi, S, Ms);
  FlblHour->SetCaption(TwoDigits(H));
  FlblMinute->SetCaption(TwoDigits(Mi));
  FlblSecond->SetCaption(TwoDigits(S));
}

void TQvDateTimePickerForm::SetMinDate(TDate Value) {
  if (Value == FMinDate) return;
  Fqvsknclndr1->SetMinDate(Value);
  FMinDate = Value;
}

void TQvDateTimePickerForm::SetMaxDate(TDate Value) {
  if (Value == FMaxDate) return;
  Fqvsknclndr1->SetMaxDate(Value);
  FMaxDate = Value;
}

const String& TQvDateTimePickerForm::TextClear() const {
  return FbtnClear->Caption();
}
void TQvDateTimePickerForm::SetTextClear(const String& Value) {
  FbtnClear->SetCaption(Value);
}
const String& TQvDateTimePickerForm::TextToday() const {
  return FbtnGoToday->Caption();
}
void TQvDateTimePickerForm::SetTextToday(const String& Value) {
  FbtnGoToday->SetCaption(Value);
}
const String& TQvDateTimePickerForm::TextOK() const {
  return FbtnOK->Caption();
}
void TQvDateTimePickerForm::SetTextOK(const String& Value) {
  FbtnOK->SetCaption(Value);
}
const String& TQvDateTimePickerForm::TextTime() const {
  return FlblTime->Caption();
}
void TQvDateTimePickerForm::SetTextTime(const String& Value) {
  FlblTime->SetCaption(Value);
}

// ---- working in the popup -----------------------------------------------------------------

void TQvDateTimePickerForm::btnDecYearClick(TObject*) {
  if (Fqvsknclndr1->Year() > MinDateYear) Fqvsknclndr1->SetYear(Fqvsknclndr1->Year() - 1);
  Fqvsknclndr1->ResetCells();
}

void TQvDateTimePickerForm::btnAddYearClick(TObject*) {
  if (Fqvsknclndr1->Year() < MaxDateYear) Fqvsknclndr1->SetYear(Fqvsknclndr1->Year() + 1);
  Fqvsknclndr1->ResetCells();
}

void TQvDateTimePickerForm::btnDecMonthClick(TObject*) {
  Fqvsknclndr1->SetMonth(Fqvsknclndr1->Month() - 1);
  Fqvsknclndr1->ResetCells();
}

void TQvDateTimePickerForm::btnAddMonthClick(TObject*) {
  Fqvsknclndr1->SetMonth(Fqvsknclndr1->Month() + 1);
  Fqvsknclndr1->ResetCells();
}

void TQvDateTimePickerForm::qvsknclndr1Changed(TObject*) {
  FlblYear->SetCaption(std::to_wstring(Fqvsknclndr1->Year()));
  FlblMonth->SetCaption(std::to_wstring(Fqvsknclndr1->Month()));
}

void TQvDateTimePickerForm::qvsknclndr1CellClick(TObject*, TDayCell& Data) {
  if (!Data.IsValidDayOfMonth) {
    int Y, M, D;
    if (DecodeDate(Data.Date, Y, M, D)) {
      FlblYear->SetCaption(std::to_wstring(Y));
      FlblMonth->SetCaption(std::to_wstring(M));
    }
  }
  if (FAutoClose) btnOKClick(this);
}

void TQvDateTimePickerForm::btnGoTodayClick(TObject*) {
  Fqvsknclndr1->SetDate(Now());
  Fqvsknclndr1->ResetCells();
}

void TQvDateTimePickerForm::btnClearClick(TObject*) {
  for (int I = 0; I < 3; ++I) TimeLabel(I)->SetCaption(L"00");
}

void TQvDateTimePickerForm::btnOKClick(TObject*) {
  if (OnSelected) OnSelected(this);
  FQvLikeMenuDlg1->Stop();
}

// ---- the inline year and month editor -------------------------------------------------------

void TQvDateTimePickerForm::OpenEditor(TQvSkinPanel* Panel, int Value, int Tag) {
  FEditTag = Tag;
  FEdit->SetParent(Panel);
  FEdit->SetDisableIME(true);  // digits only: the input method stays closed
  FEdit->SetBounds((Panel->Width() - FEdit->Width()) / 2, (Panel->Height() - FEdit->Height()) / 2,
                   FEdit->Width(), FEdit->Height());
  FEdit->SetText(std::to_wstring(Value));
  FEdit->SetVisible(true);
  FEdit->BringToFront();
  if (FEdit->CanFocus()) FEdit->SetFocus();
  FEdit->SelectAll();
}

void TQvDateTimePickerForm::lblYearClick(TObject*) {
  OpenEditor(Fpnl1, Fqvsknclndr1->Year(), 1);
}

void TQvDateTimePickerForm::lblMonthClick(TObject*) {
  OpenEditor(Fpnl2, Fqvsknclndr1->Month(), 2);
}

void TQvDateTimePickerForm::DoEditOnKeyDown(TObject* Sender, wchar_t& Key) {
  if (Key == L'\r' || Key == 27) {
    Key = 0;
    DoEditOnExit(Sender);
  } else if (Key != 8 && (Key < L'0' || Key > L'9')) {
    Key = 0;
  }
}

void TQvDateTimePickerForm::DoEditOnExit(TObject*) {
  if (FEditTag == 0) return;  // already applied (Enter, then the focus leaving)
  const int Tag = FEditTag;
  FEditTag = 0;
  int N = 0;
  if (ToInt(FEdit->Text(), N)) {
    // Years outside 1..9999 name no date: the calendar keeps its year.
    if (Tag == 1 && N >= MinDateYear && N <= MaxDateYear) Fqvsknclndr1->SetYear(N);
    if (Tag == 2 && N >= 1 && N <= 12) Fqvsknclndr1->SetMonth(N);
    Fqvsknclndr1->ResetCells();
  }
  FEdit->SetVisible(false);
}

// ---- the time box -------------------------------------------------------------------------

void TQvDateTimePickerForm::lblHourClick(TObject* Sender) {
  auto* L = dynamic_cast<TQvSkinLabel*>(Sender);
  if (!L) return;
  delete FQvSkinTimeBox;
  FQvSkinTimeBox = new TQvSkinTimeBox(this);
  FQvSkinTimeBox->SetKind(TQvBoxKind(L->Tag()));
  FQvSkinTimeBox->SetTextHour(TextHour);
  FQvSkinTimeBox->SetTextMinute(TextMinute);
  FQvSkinTimeBox->SetTextSecond(TextSecond);
  FQvSkinTimeBox->OnCellClick = [this](TObject* S, TQvNumCell& C) { DoTimeBoxOnCellClick(S, C); };
  int N = 0;
  FQvSkinTimeBox->SetFocusNum(ToInt(L->Caption(), N) ? N : 0);
  const TQvSkinCalendar* Cal = Fqvsknclndr1;
  if (L->Tag() == bkHour)
    FQvSkinTimeBox->SetBounds(Cal->Left(), FpnlTime->Top() - 125 + 1, 127, 125);
  else
    FQvSkinTimeBox->SetBounds(Cal->Left(), Cal->Top(), Cal->Width(),
                              FpnlTime->Top() - Cal->Top() + 1);
  FQvSkinTimeBox->SetParent(this);
  FQvSkinTimeBox->BringToFront();
}

void TQvDateTimePickerForm::DoTimeBoxOnCellClick(TObject* Sender, TQvNumCell& Cell) {
  auto* Box = dynamic_cast<TQvSkinTimeBox*>(Sender);
  if (!Box) return;
  TimeLabel(int(Box->Kind()))->SetCaption(TwoDigits(Cell.Num));
}

}  // namespace qv

// Dates: the month calendar with a range and a plain one with English captions, the hour
// and minute boxes, and on the right the date-time pickers, the first with its popup open
// in the still picture.
#include <memory>
#include <string>

#include "ControlsHost.h"
#include "GalleryPage.h"
#include "controls/QvDateTimePickerForm.h"
#include "controls/QvLikeMenuDlg.h"
#include "controls/QvSkinButton.h"
#include "controls/QvSkinCalendar.h"
#include "controls/QvSkinDatetimePicker.h"
#include "controls/QvSkinLabel.h"
#include "controls/QvSkinTimeBox.h"
#include "host/Font.h"
#include "host/Timer.h"

namespace gallery {

namespace {

using namespace qv;

constexpr TColor kGround = TColor(0xF8F6F3);

class TDatesPage : public TGalleryPage {
 public:
  String Title() const override { return L"Dates and gauges"; }

  void Show(HWND Parent, const RECT& R) override {
    FHost = std::make_unique<TControlsHost>(nullptr);
    FHost->Ground = kGround;
    FHost->SetVisible(false);
    FHost->SetBounds(R.left, R.top, R.right - R.left, R.bottom - R.top);
    Calendars(kPad, 16);
    TimeBoxes(kPad, 300);
    Pickers(kPad + 880, 16);
    FHost->SetParentWindow(Parent);
    FHost->SetVisible(true);
    if (!AnimationsFrozen()) return;
    // Opened after the first paint, so the popup sits over a finished page; disarmed, so
    // the still picture keeps it shown whatever the cursor does.
    FTimer = std::make_unique<TTimer>(nullptr);
    FTimer->SetInterval(60);
    FTimer->OnTimer = [this](TObject*) {
      FTimer->SetEnabled(false);
      if (!FPicker->DropDown()) return;
      TQvLikeMenuDlg* Capture = FPicker->Popup()->QvLikeMenuDlg1();
      Capture->OnMouseClickOutside = nullptr;
      Capture->Stop();
    };
    FTimer->SetEnabled(true);
  }

  bool Settled() const override { return !FTimer || !FTimer->Enabled(); }

  void Hide() override {
    FTimer.reset();
    FHost.reset();
  }

 private:
  void Calendars(int X, int Y) {
    FHost->Heading(X, Y, L"TQvSkinCalendar: days 5 to 24 of June");
    auto* Ranged = AddControl<TQvSkinCalendar>(FHost.get(), FHost.get(), X, Y + 26, 232, 157);
    Ranged->SetDate(EncodeDate(2015, 6, 10));
    Ranged->SetRange(EncodeDate(2015, 6, 5), EncodeDate(2015, 6, 24));
    FHost->Label(X, Y + 190, L"Other months grey, days outside the range lighter");

    const int X2 = X + 330;
    FHost->Heading(X2, Y, L"English captions, red weekends");
    auto* Plain = AddControl<TQvSkinCalendar>(FHost.get(), FHost.get(), X2, Y + 26, 280, 180);
    const wchar_t* Days[] = {L"Su", L"Mo", L"Tu", L"We", L"Th", L"Fr", L"Sa"};
    void (TQvSkinCalendar::*Setters[])(const String&) = {
        &TQvSkinCalendar::SetTextSu, &TQvSkinCalendar::SetTextMo, &TQvSkinCalendar::SetTextTu,
        &TQvSkinCalendar::SetTextWe, &TQvSkinCalendar::SetTextTh, &TQvSkinCalendar::SetTextFr,
        &TQvSkinCalendar::SetTextSa};
    for (int I = 0; I < 7; ++I) (Plain->*Setters[I])(Days[I]);
    Plain->SetHolidayTextColor(TColor(0x2020D0));
    Plain->HeaderFont()->SetName(L"Tahoma");
    Plain->CellFont()->SetName(L"Tahoma");
    Plain->SetDate(EncodeDate(2015, 8, 21));
    FCalendarInfo = AddControl<TQvSkinLabel>(FHost.get(), FHost.get(), X2, Y + 212, 560, 20);
    FCalendarInfo->SetCaption(L"Click a day, or use the arrows, Page Up/Down, Home and End.");
    const auto Tell = [this](TObject* Sender, TDayCell& Cell) {
      const auto* C = static_cast<TQvSkinCalendar*>(Sender);
      FCalendarInfo->SetCaption(L"Picked " + IsoDateText(Cell.Date) + L"; the calendar shows " +
                                std::to_wstring(C->Year()) + L"-" + std::to_wstring(C->Month()));
    };
    Ranged->OnCellClick = Tell;
    Plain->OnCellClick = Tell;
  }

  void TimeBoxes(int X, int Y) {
    FHost->Heading(X, Y, L"TQvSkinTimeBox: hours (127 x 125) and minutes (232 x 164)");
    FHour = AddControl<TQvSkinTimeBox>(FHost.get(), FHost.get(), X, Y + 26, 127, 125);
    FHour->SetFocusNum(9);
    FMinute = AddControl<TQvSkinTimeBox>(FHost.get(), FHost.get(), X + 150, Y + 26, 232, 164);
    FMinute->SetKind(bkMinute);
    FMinute->SetFocusNum(30);
    FTimeInfo = AddControl<TQvSkinLabel>(FHost.get(), FHost.get(), X, Y + 200, 560, 20);
    FTimeInfo->SetCaption(L"A number or the cross hides its box.");
    const auto Tell = [this](TObject* Sender, TQvNumCell& Cell) {
      const bool Hour = static_cast<TQvSkinTimeBox*>(Sender)->Kind() == bkHour;
      FTimeInfo->SetCaption((Hour ? L"Hour " : L"Minute ") + std::to_wstring(Cell.Num) +
                            L" picked.");
    };
    FHour->OnCellClick = Tell;
    FMinute->OnCellClick = Tell;
    auto* Again = AddControl<TQvSkinButton>(FHost.get(), FHost.get(), X, Y + 228, 160, 27);
    Again->SetCaption(L"Show the boxes again");
    Again->OnClick = [this](TObject*) {
      FHour->SetVisible(true);
      FMinute->SetVisible(true);
    };
  }

  void Pickers(int X, int Y) {
    FHost->Heading(X, Y, L"TQvSkinDatetimePicker: date and time");
    FPicker = AddControl<TQvSkinDatetimePicker>(FHost.get(), FHost.get(), X, Y + 26, 160, 26);
    FPicker->SetDateTime(EncodeDateTime(2015, 6, 18, 10, 20, 30, 0));
    FPicker->SetMinDate(EncodeDate(2015, 6, 3));
    FPickInfo = AddControl<TQvSkinLabel>(FHost.get(), FHost.get(), X, Y + 300, 400, 20);
    FPickInfo->SetCaption(L"The icon opens the popup (or F4); pick a day to confirm.");
    FPicker->OnPickDone = [this](TObject*) {
      FPickInfo->SetCaption(L"Picked " +
                            FormatDateTime(L"yyyy-mm-dd hh:nn:ss.zzz", FPicker->DateTime()));
    };
    FHost->Heading(X, Y + 340, L"Date only, own format");
    auto* DateOnly =
        AddControl<TQvSkinDatetimePicker>(FHost.get(), FHost.get(), X, Y + 366, 160, 26);
    DateOnly->SetDateTime(EncodeDate(2015, 8, 21));
    DateOnly->SetKind(tkDate);
    DateOnly->SetFormat(L"dddd, d mmmm yyyy");
  }

  static constexpr int kPad = 16;
  std::unique_ptr<TControlsHost> FHost;
  TQvSkinLabel* FCalendarInfo = nullptr;
  TQvSkinLabel* FTimeInfo = nullptr;
  TQvSkinTimeBox* FHour = nullptr;
  TQvSkinTimeBox* FMinute = nullptr;
  TQvSkinDatetimePicker* FPicker = nullptr;
  TQvSkinLabel* FPickInfo = nullptr;
  std::unique_ptr<TTimer> FTimer;
};

const TPageRegistration gRegistration(150, [] {
  return std::unique_ptr<TGalleryPage>(new TDatesPage());
});

}  // namespace

}  // namespace gallery

// Dates: the month calendar with a range and a plain one with English captions, the hour
// and minute boxes. The right part of the page is left to the date-time picker and its
// open popup.
#include <memory>
#include <string>

#include "ControlsHost.h"
#include "GalleryPage.h"
#include "controls/QvSkinButton.h"
#include "controls/QvSkinCalendar.h"
#include "controls/QvSkinLabel.h"
#include "controls/QvSkinTimeBox.h"
#include "host/Font.h"

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
    FHost->SetParentWindow(Parent);
    FHost->SetVisible(true);
  }

  void Hide() override { FHost.reset(); }

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

  static constexpr int kPad = 16;
  std::unique_ptr<TControlsHost> FHost;
  TQvSkinLabel* FCalendarInfo = nullptr;
  TQvSkinLabel* FTimeInfo = nullptr;
  TQvSkinTimeBox* FHour = nullptr;
  TQvSkinTimeBox* FMinute = nullptr;
};

const TPageRegistration gRegistration(150, [] {
  return std::unique_ptr<TGalleryPage>(new TDatesPage());
});

}  // namespace

}  // namespace gallery

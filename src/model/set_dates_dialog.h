#pragma once
// The dialog "Set Start and End Dates for the New Month": the user moves the
// first and last date of the new month by a day or by whole months, and OK
// fills the document's calendar.

#include <string>
#include <string_view>

#include "model/calendar.h"
#include "platform/dialog_model.h"

namespace lumora {

class Clock;
class Ui;

class SetDatesDialog final : public DialogModel {
 public:
  static constexpr std::string_view kTitle = "Set Start and End Dates for the New Month";

  // Control ids of the dialog resource.
  static constexpr int kFirstBack = 100;
  static constexpr int kFirstForward = 101;
  static constexpr int kLastBack = 102;
  static constexpr int kLastForward = 103;
  static constexpr int kFirstDateText = 104;
  static constexpr int kLastDateText = 105;
  static constexpr int kNextMonth = 107;      // ">>"
  static constexpr int kPreviousMonth = 108;  // "<<"

  // Opens on the month after the clock's current one, with its default
  // period; OK fills `calendar`.
  SetDatesDialog(const Clock& clock, TCalendar& calendar);

  std::string_view title() const override { return kTitle; }

  DayNumber firstDate() const { return first_; }
  DayNumber lastDate() const { return last_; }
  int month() const { return month_; }  // 1 to 12
  int year() const { return year_; }

  void firstBack() { --first_; }
  void firstForward() { ++first_; }
  void lastBack() { --last_; }
  void lastForward() { ++last_; }
  // Both reset the dates to the default period of the month they reach.
  void previousMonth();
  void nextMonth();

  // Runs the button with that control id; false for an id that is no button.
  bool press(int id);

  // The texts of controls 104 and 105 ("Mon 01 Feb 2027"); empty for other ids.
  std::string text(int controlId) const;
  static std::string DateText(DayNumber day);

  // OK: refuses a period of more than 31 days or one that ends before it
  // starts with a message (the dialog then stays open and false is returned);
  // otherwise fills the calendar and returns true. The month's daylight-saving
  // data is not touched: the caller sets it up after ok() returns true.
  // Cancel leaves the calendar as it was.
  bool accept(Ui& ui) override;

 private:
  void resetPeriod();

  TCalendar& calendar_;

  int month_ = 1;
  int year_ = 0;
  DayNumber first_ = 0;
  DayNumber last_ = 0;
};

}  // namespace lumora

#include "model/set_dates_dialog.h"

#include <array>
#include <cstdint>
#include <cstdio>

#include "platform/captions.h"
#include "platform/clock.h"
#include "platform/ui.h"

namespace lumora {

SetDatesDialog::SetDatesDialog(const Clock& clock, TCalendar& calendar) : calendar_(calendar) {
  const LocalDateTime now = clock.now();
  // A clock that reports no sensible month is taken as December, so the
  // dialog still opens on January.
  month_ = (now.month >= 1 && now.month <= 12) ? now.month : 12;
  year_ = now.year;
  nextMonth();
}

void SetDatesDialog::previousMonth() {
  if (month_ == 1) {
    month_ = 12;
    --year_;
  } else {
    --month_;
  }
  resetPeriod();
}

void SetDatesDialog::nextMonth() {
  if (month_ == 12) {
    month_ = 1;
    ++year_;
  } else {
    ++month_;
  }
  resetPeriod();
}

void SetDatesDialog::resetPeriod() {
  const Period period = DefaultPeriod(month_, year_);
  first_ = period.first;
  last_ = period.last;
}

bool SetDatesDialog::press(int id) {
  switch (id) {
    case kFirstBack:
      firstBack();
      return true;
    case kFirstForward:
      firstForward();
      return true;
    case kLastBack:
      lastBack();
      return true;
    case kLastForward:
      lastForward();
      return true;
    case kNextMonth:
      nextMonth();
      return true;
    case kPreviousMonth:
      previousMonth();
      return true;
    default:
      return false;
  }
}

std::string SetDatesDialog::text(int controlId) const {
  if (controlId == kFirstDateText) return DateText(first_);
  if (controlId == kLastDateText) return DateText(last_);
  return {};
}

std::string SetDatesDialog::DateText(DayNumber day) {
  static constexpr std::array<const char*, 7> kDays = {"Sun", "Mon", "Tue", "Wed",
                                                       "Thu", "Fri", "Sat"};
  static constexpr std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const CivilDate date = FromDayNumber(day);
  const auto weekday = static_cast<std::size_t>(WeekdayOf(day));
  const char* month = (date.month >= 1 && date.month <= 12)
                          ? kMonths[static_cast<std::size_t>(date.month - 1)]
                          : "???";
  std::array<char, 40> buffer{};
  const int n = std::snprintf(buffer.data(), buffer.size(), "%s %02d %s %d", kDays[weekday],
                              date.day, month, date.year);
  if (n <= 0) return {};
  return std::string(buffer.data(), static_cast<std::size_t>(n));
}

bool SetDatesDialog::accept(Ui& ui) {
  TCalendar& calendar = calendar_;
  const std::int64_t length = static_cast<std::int64_t>(last_) - first_ + 1;
  if (length >= 32) {
    ui.message("The new Month cannot contain more than 31 days.", kAppCaption, Icon::Warning);
    return false;
  }
  // The length test alone lets a reversed period through as a month of zero
  // or fewer days, which the calendar cannot hold.
  if (length < 1) {
    ui.message("The last date of the month cannot be before its first date.", kAppCaption,
               Icon::Warning);
    return false;
  }
  FillCalendar(calendar, first_, last_);
  return true;
}

}  // namespace lumora

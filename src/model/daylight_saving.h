#pragma once
// The month's daylight-saving change. Pairing durations are elapsed time and
// report times are clock times, so a rest or duty that spans the change is
// an hour shorter (spring) or longer (autumn) than the clock shows.

#include <cstdint>

#include "model/calendar.h"

namespace lumora {

// The text shown when the set-up fails while the blocks are built.
inline constexpr const char* kDaylightSavingProblem =
    "Problem occured in Setting up Daylight Savings Time Data. Please contact support. You may "
    "continue to Build Blocks";

// Sets DstMoment and DstShift for the month (02:00 of the second Sunday of
// March, +60; 02:00 of the first Sunday of November, -60; 0 and 0 otherwise)
// and stores the year's two change dates. The month and the year are those of
// day index 14. Returns false when the month is March or November and the
// change does not fall on one of its days.
bool SetupDaylightSaving(TCalendar& cal);

// A report at clock moment `start` measured in elapsed time from a previous
// item that started at `previousStart`: an hour earlier across the spring
// change, an hour later across the autumn one.
inline std::int64_t DstCorrectedStart(const TCalendar& cal, std::int64_t previousStart,
                                      std::int64_t start) {
  if (cal.DstShift != 0 && previousStart < cal.DstMoment && cal.DstMoment <= start)
    return start - cal.DstShift;
  return start;
}

}  // namespace lumora

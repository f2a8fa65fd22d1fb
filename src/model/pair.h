#pragma once
// One crew position of one trip pattern of the month, with the days on which
// it starts (its instances).

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/calendar.h"
#include "model/capacity.h"

namespace lumora {

// Values of TPair::DayStatus; a negative sign marks an extra-crew copy.
inline constexpr std::int32_t kNoInstance = 0;
inline constexpr std::int32_t kOpenInstance = 1;
inline constexpr std::int32_t kAssignedInstance = 2;

using MonthDayArray = std::array<std::int32_t, kMonthDays>;

struct TPair {
  std::int32_t OnTime = 0;   // report time on the start day, 0 to 1440
  std::int32_t OffTime = 0;  // release time on the last day; 0 reads as 1440
  std::int32_t Credit = 0;
  std::int8_t Length = 0;     // calendar days spanned, 1 to 31
  std::int8_t AdjLength = 0;  // Length less one when released before 02:00
  std::int32_t TAFB = 0;
  std::int32_t Number = 0;
  std::string CrewPosition;  // "CA", "FO", "PU" or "FA"

  // Indexed by month day index.
  MonthDayArray DayStatus{};
  MonthDayArray DayExcludeCredit{};
  MonthDayArray DayPairingType{};  // 0 Normal, 1 Line Indoc, 2 Line Check, 3 Recurrent LCK

  // Indexed by pairing day (0 = the start day of any instance).
  MonthDayArray DailyStartTime{};
  MonthDayArray DailyStartTimeAtBase{};
  MonthDayArray DailyOnDutyBreak{};
  MonthDayArray DailyDutyTime{};
  MonthDayArray DailyHardTime{};
  MonthDayArray DailyCredit{};

  std::int32_t FatUnits = 0;
  std::int32_t MinRestAfter = 660;
  std::uint8_t Overnight = 0;
  std::uint8_t UsaSegments = 0;
  std::uint8_t FilterState = 0;
  std::uint8_t Valid = 0;
  std::uint8_t CreditClass = 0;
  // Whether DisplayText carries the French pairing mark. Kept with the text
  // by everything that writes it (NoteDisplayText) so that painting need not
  // search every text; never stored.
  std::uint8_t FrenchPairing = 0;
  std::string ValidationText;
  std::string DisplayText;
  std::string PairingText;
  std::string LayoverText;
  std::string Prefix;
  DayNumber ReservedDate = 0;

  // Resets the slot; CreditClass and ReservedDate keep their values.
  void Clear();
  // Copy is plain assignment: every field, stored or derived.
};

// Checks the pairing and derives AdjLength, Overnight, UsaSegments, the
// per-day start times at base and the on-duty breaks. `airportDetails` is the
// document's airport table, used for hotel transport times at layovers.
void ValidatePairing(TPair& p, int monthLength, std::string_view airportDetails);

// Sets FrenchPairing from DisplayText; called after every change of the text.
void NoteDisplayText(TPair& p);

// Credit per duty day class: 0 below 5:00, 1 below 6:00, 2 below 7:00, 3 above.
std::uint8_t CreditClassOf(const TPair& p);

}  // namespace lumora

#include "model/pair.h"

#include <algorithm>
#include <cstdio>

#include "model/airports.h"
#include "model/time_text.h"

namespace lumora {

void TPair::Clear() {
  OnTime = OffTime = Credit = 0;
  Length = AdjLength = 0;
  Number = TAFB = FatUnits = 0;
  // Whole-array assignment rather than an element loop: an import clears
  // every slot of the table, and this is most of what it writes.
  for (MonthDayArray* a :
       {&DayStatus, &DayExcludeCredit, &DayPairingType, &DailyStartTime, &DailyStartTimeAtBase,
        &DailyOnDutyBreak, &DailyDutyTime, &DailyHardTime, &DailyCredit})
    *a = MonthDayArray{};
  Overnight = FilterState = Valid = UsaSegments = FrenchPairing = 0;
  DisplayText.clear();
  PairingText.clear();
  LayoverText.clear();
  ValidationText.clear();
  Prefix.clear();
  CrewPosition.clear();
  MinRestAfter = 660;
}

namespace {

// A field of the pairing's source lines. Lines shorter than the field give
// what is there; outside data never reads past the text.
int FieldInt(std::string_view text, std::size_t position, std::size_t width) {
  if (position >= text.size()) return 0;
  return LeadingInt(text.substr(position, width));
}

std::string_view Field(std::string_view text, std::size_t position, std::size_t width) {
  if (position >= text.size()) return {};
  return text.substr(position, width);
}

// Number of per-day entries a pairing of this length covers, kept inside the
// arrays whatever a file or an import put into Length.
int CoveredDays(int length) {
  return std::clamp(length, 0, kMonthDays);
}

void Fail(TPair& p, std::string_view message) {
  p.ValidationText += message;
  p.Valid = 0;
}

void DeriveDutyStartsAndBreaks(TPair& p, std::string_view airportDetails) {
  const std::string_view text = p.PairingText;
  // Wide enough that no number of hand-edited lines can overflow the walk.
  long long f = 0;
  for (std::size_t n = text.find("\n3"); n != std::string_view::npos; n = text.find("\n3", n + 2)) {
    const int dutyLength = FieldInt(text, n + 48, 4);
    const int rest = FieldInt(text, n + 52, 5);
    if (dutyLength != 0) {
      f += dutyLength + rest;
      if (f >= p.TAFB) break;
      const long long moment = p.OnTime + f;
      const long long h = moment / kMinutesPerDay;
      if (h > 30) break;
      // A hand-edited file can carry negative lengths; such a day is outside the pairing.
      if (h < 0) break;
      long long timeOfDay = moment;
      while (timeOfDay >= kMinutesPerDay) timeOfDay -= kMinutesPerDay;
      p.DailyStartTimeAtBase[static_cast<std::size_t>(h)] = static_cast<std::int32_t>(timeOfDay);
    } else {
      const int transport = AirportTransportTime(airportDetails, Field(text, n + 57, 3));
      const long long h = (p.OnTime + f) / kMinutesPerDay;
      if (h < 0 || h > 30) continue;
      p.DailyOnDutyBreak[static_cast<std::size_t>(h)] = rest - 60 - 2 * transport;
    }
  }
}

}  // namespace

void ValidatePairing(TPair& p, int monthLength, std::string_view airportDetails) {
  p.ValidationText.clear();
  p.Valid = 1;
  p.DailyStartTimeAtBase.fill(-1);

  p.AdjLength = p.Length;
  if (p.OffTime < 120 && p.Length > 1) p.AdjLength = static_cast<std::int8_t>(p.Length - 1);

  if (p.PairingText.size() > 113) {
    if (p.PairingText[112] == 'Y') p.Overnight = 1;
  } else if (p.TAFB < 900 && p.OffTime < p.OnTime && p.OffTime > 119) {
    p.Overnight = 1;
  }

  const int days = CoveredDays(p.Length);
  long long creditSum = 0;
  for (int j = 0; j < days; ++j) creditSum += p.DailyCredit[static_cast<std::size_t>(j)];
  if (creditSum != p.Credit) Fail(p, "Credit for each Day does not add up to Total Credit\n");

  if (p.OffTime == 0) p.OffTime = 1440;
  if (p.OnTime < 0 || p.OnTime > 1440) Fail(p, "Duty Start Time < 00:01 or > 24:00. ");
  if (p.Length < 1 || p.Length > 31) Fail(p, "Pairing Length < 1 day or > 31 days. ");

  const int monthDays = std::clamp(monthLength, 0, kMonthDays);
  const bool operates = std::any_of(p.DayStatus.begin(), p.DayStatus.begin() + monthDays,
                                    [](std::int32_t s) { return s != 0; });
  if (!operates) Fail(p, "Never Operates ");

  char message[64];
  for (int j = 0; j < days; ++j) {
    const auto i = static_cast<std::size_t>(j);
    const auto daily = [&](const char* format) {
      std::snprintf(message, sizeof message, format, j + 1);
      Fail(p, message);
    };
    if (p.DailyCredit[i] < 0) daily("Daily Credit < 00:00 on Day %d. ");
    if (p.DailyHardTime[i] < 0) daily("Daily HardTime < 00:00 on Day %d. ");
    if (p.DailyStartTime[i] < 0 || p.DailyStartTime[i] > 1439)
      daily("Daily Start Time < 00:00 or > 23:59 on Day %d. ");
    if (p.DailyDutyTime[i] < 0) daily("Daily Duty Time < 00:00 on Day %d. ");
  }

  // The USA scan marks a pairing with "   USA SEGMENT "; the plural form of
  // older display texts contains it too.
  p.UsaSegments = p.DisplayText.find("USA SEGMENT") != std::string::npos ? 1 : 0;
  NoteDisplayText(p);
  p.DailyStartTimeAtBase[0] = p.OnTime;
  DeriveDutyStartsAndBreaks(p, airportDetails);
}

void NoteDisplayText(TPair& p) {
  p.FrenchPairing = p.DisplayText.find("FRENCH PAIRING") != std::string::npos ? 1 : 0;
}

std::uint8_t CreditClassOf(const TPair& p) {
  int perDay = 0;
  if (p.Overnight)
    perDay = p.Credit;
  else if (p.AdjLength != 0)
    perDay = p.Credit / p.AdjLength;
  if (perDay < 300) return 0;
  if (perDay < 360) return 1;
  if (perDay < 420) return 2;
  return 3;
}

}  // namespace lumora

#include "rules/days_off.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "building/block_figures.h"

namespace lumora {

namespace {

constexpr int kReserveMonthMinimum = 22;  // own minimum on a reserve line in a 31-day month
constexpr int kDraftStep = 270;           // credit minutes worth one day off

int MonthLengthOf(const TDocument& doc) {
  return std::clamp(doc.monthLength(), 0, kMonthDays);
}

bool ValidCrew(int crew) {
  return crew >= 0 && crew < kPilotSlots;
}

bool Is(const std::string& code, std::initializer_list<const char*> codes) {
  return std::any_of(codes.begin(), codes.end(), [&](const char* c) { return code == c; });
}

void MarkDays(std::array<bool, kBlockDays>& marked, int first, long long count) {
  for (long long d = first; d < first + count && d < kBlockDays; ++d)
    if (d >= 0) marked[static_cast<std::size_t>(d)] = true;
}

}  // namespace

bool OnReserveLine(const TPilot& pilot) {
  return pilot.BidReserve != 0 || pilot.BelowBlockHolderLine != 0;
}

int CountDaysOff(const TDocument& doc, int crew) {
  if (!ValidCrew(crew)) return 0;
  const TPilot& pilot = doc.pilot(crew);
  const int monthLength = MonthLengthOf(doc);
  std::array<bool, kBlockDays> marked{};

  // Carried-over work: the carry-in records from 31 on are this month's days.
  for (int d = 0; d + kPrevDays < kActivityDays; ++d)
    if (pilot.Activity[static_cast<std::size_t>(d + kPrevDays)][kActWorkedState] != 0)
      marked[static_cast<std::size_t>(d)] = true;

  for (int d = 0; d < kBlockDays; ++d) {
    const std::size_t day = static_cast<std::size_t>(d);
    const std::int32_t cell = pilot.DayCell[day];
    if (cell >= 0 && doc.isPairIndex(cell)) {
      const TPair& pair = doc.pair(cell);
      const long long span = (static_cast<long long>(pair.OnTime) + pair.TAFB - 120) / 1440 + 1;
      MarkDays(marked, d, span);
    } else if (cell == kOtherAssignmentCell && pilot.DayOther[day][kOtherContainsDuty] != 0) {
      const DayRecord& other = pilot.DayOther[day];
      const long long more =
          (static_cast<long long>(other[kOtherStartTime]) + other[kOtherHoursAtWork] - 121) / 1440;
      MarkDays(marked, d, 1 + std::max(0LL, more));
    }
  }

  int daysOff = monthLength;
  for (int d = 0; d < monthLength; ++d)
    if (marked[static_cast<std::size_t>(d)]) --daysOff;

  if (doc.crewKind() != CrewKind::FlightAttendants) {
    for (int d = 0; d < monthLength; ++d) {
      const std::size_t day = static_cast<std::size_t>(d);
      if (pilot.DayCell[day] != kOtherAssignmentCell) continue;
      if (pilot.DayOther[day][kOtherContainsDuty] != 0) continue;
      const std::string& code = pilot.DayCode[day];
      const std::int32_t credit = pilot.DayOther[day][kOtherCredit];
      if (Is(code, {"STT", "VAC", "VAU"}))
        daysOff -= 1;
      else if (Is(code, {"VCI", "SCI"}))
        daysOff -= credit / 240;
      else if (Is(code, {"VTP", "STP"}))
        daysOff -= credit / 318;
    }
  }
  return daysOff;
}

TotalStatus DaysOffStatus(const TDocument& doc, int crew) {
  if (!ValidCrew(crew)) return TotalStatus::InRange;
  const TPilot& pilot = doc.pilot(crew);
  const int monthLength = MonthLengthOf(doc);
  const bool cabin = doc.crewKind() == CrewKind::FlightAttendants;
  const bool reserveLine = OnReserveLine(pilot);

  double leave = 0;
  int statutory = 0;
  int moves = 0;
  int deferred = 0;
  int alb = 0;
  int growth = 0;
  for (int d = 0; d < monthLength; ++d) {
    const std::size_t day = static_cast<std::size_t>(d);
    if (pilot.DayCell[day] != kOtherAssignmentCell) continue;
    const std::string& code = pilot.DayCode[day];
    if (Is(code, {"LOA", "BST"}) || (cabin && Is(code, {"VAC", "VAU", "VTP"}))) leave += 1;
    if (Is(code, {"STT", "STA", "STP"}) || (!cabin && Is(code, {"VAC", "VAU", "VTP"}))) ++statutory;
    if (code == "MOV") ++moves;
    if (code == "DFD") ++deferred;
    if (code == "ALB") ++alb;
    if (Is(code, {"GRW", "SIW", "CRW"})) growth = std::min(growth + 1, 2);
  }

  const int off = CountDaysOff(doc, crew) - moves;
  const int have = off - deferred + alb;
  const int halfDeferred = deferred / 2;

  long long required = 0;
  if (pilot.MinDaysOffOverride() >= 1)
    required =
        (reserveLine && monthLength == 31) ? kReserveMonthMinimum : pilot.MinDaysOffOverride();
  else
    required = reserveLine ? doc.DaysOffReserve : doc.DaysOffBlockHolder;

  if (leave > 0 && monthLength > 0) {
    // Leave takes its own days and the rest of the requirement shrinks in
    // proportion to the days left.
    const double share = (monthLength - leave) / monthLength * static_cast<double>(required);
    const long long x = static_cast<long long>(share * 100);
    const long long up = x / 100 + (x % 100 != 0 ? 1 : 0);
    required = static_cast<long long>(leave + static_cast<double>(up));
  }
  const long long need = required - halfDeferred - growth;
  const long long tbbDays = pilot.TbbCredit / kDraftStep;

  if (!reserveLine) return have < need + tbbDays ? TotalStatus::OutsideRange : TotalStatus::InRange;

  const long long draftDays =
      pilot.DraftCredit > 0
          ? (static_cast<long long>(pilot.DraftCredit) + kDraftStep - 1) / kDraftStep
          : 0;
  return have == need + statutory + draftDays + tbbDays ? TotalStatus::Reserve
                                                        : TotalStatus::OutsideRange;
}

TotalStatus CreditStatus(const TDocument& doc, int crew) {
  if (!ValidCrew(crew)) return TotalStatus::InRange;
  const TPilot& pilot = doc.pilot(crew);
  if (OnReserveLine(pilot)) return TotalStatus::Reserve;
  const CreditLimits limits = CreditLimitsOf(doc, pilot);
  const std::int32_t credit = BlockCreditOf(pilot);
  return credit > limits.maximum || credit < limits.minimum ? TotalStatus::OutsideRange
                                                            : TotalStatus::InRange;
}

}  // namespace lumora

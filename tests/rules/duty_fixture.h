#pragma once
// Pilot months for the duty-limit, fatigue and duty-rule tests: pairings
// with their per-day duty figures, qualifying other duties, and previous-
// month activity.

#include <string>
#include <string_view>
#include <vector>

#include "rules/check_block.h"
#include "rules/rule_results.h"
#include "rules_fixture.h"

namespace lumora::testing {

class DutyFixture : public RulesFixture {
 protected:
  struct PairDay {
    int start = 0;  // local and at base alike
    int duty = 0;
    int hard = 0;
    int keyInHand = 0;
  };

  int PairWithDays(int onTime, int tafb, const std::vector<PairDay>& days, int fatUnits = 0) {
    const int p = AddPair(onTime, tafb, static_cast<int>(days.size()));
    TPair& pair = doc->Pairs[static_cast<std::size_t>(p)];
    for (std::size_t i = 0; i < days.size(); ++i) {
      pair.DailyStartTime[i] = pair.DailyStartTimeAtBase[i] = days[i].start;
      pair.DailyDutyTime[i] = days[i].duty;
      pair.DailyHardTime[i] = days[i].hard;
      pair.DailyOnDutyBreak[i] = days[i].keyInHand;
    }
    pair.FatUnits = fatUnits;
    return p;
  }

  // A qualifying duty that is not a pairing ("SIM").
  void CarsDuty(int crew, int day, int start, int hours, bool reserve = false, int hard = 0) {
    Other(crew, day, start, hours, true, reserve, "SIM");
    pilot(crew).DayOther[Day(day)][kOtherCarsDuty] = 1;
    pilot(crew).DayOther[Day(day)][kOtherHardTime] = hard;
  }

  // Previous-month activity on timeline day k: a qualifying duty.
  void PreviousDuty(int crew, int k, int start, int length) {
    DayRecord& rec = pilot(crew).Activity[Day(k)];
    rec[kActDutyStart] = rec[kActDutyStartHomeBase] = start;
    rec[kActTimeOnDuty] = length;
    rec[kActWorkedState] = 1;
    rec[kActCarsDuty] = 1;
    pilot(crew).ActivityText[Day(k)] = "SIM";
  }

  // The exception item that starts with `label`, or "" when there is none.
  std::string Item(int crew, std::string_view label, bool warnings = false) {
    const TPilot& p = pilot(crew);
    for (const std::string_view item : SplitItems(warnings ? p.WarningsText : p.ExceptionsText))
      if (item.starts_with(label)) return std::string(item);
    return {};
  }

  void Check(int crew, bool oldRules = false) { CheckBlock(*doc, crew, oldRules); }
};

}  // namespace lumora::testing

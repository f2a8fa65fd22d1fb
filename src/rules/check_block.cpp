#include "rules/check_block.h"

#include <array>

#include "rules/days_on_rules.h"
#include "rules/duty_limits.h"
#include "rules/duty_rule_checker.h"
#include "rules/fatigue_rules.h"
#include "rules/french_rule.h"
#include "rules/qualification_rules.h"
#include "rules/reserve_rules.h"
#include "rules/rest_rules.h"
#include "rules/two_captain_rule.h"

namespace lumora {

namespace {

constexpr std::int32_t kQualNoFams = 2;  // flight attendants
constexpr std::int32_t kQualChecker = 3;
constexpr std::int32_t kFlag65Plus = 1;

bool NoFams(const TPilot& p) {
  return p.SpecialQual() == kQualNoFams;
}
bool Checker(const TPilot& p) {
  return p.SpecialQual() == kQualChecker;
}
bool NoTimeZone(const TPilot& p) {
  return p.NoTimeZoneFlag() != 0;
}
bool NoYcg(const TPilot& p) {
  return p.NoYcgFlag() != 0;
}
bool SixtyFivePlus(const TPilot& p) {
  return (p.AgeMedFlags() & kFlag65Plus) != 0;
}

// Slots without a function are the rules still to come.
constexpr std::array kPilotRules{
    RuleSlot{"rest, pilots (CheckPilotRest)", &CheckPilotRest},
    RuleSlot{"fatigue units (CheckFatigueUnits)", &CheckFatigueUnits},
    RuleSlot{"112 hours hard time in 28 days (CheckHard28)", &CheckHard28},
    RuleSlot{"300 hours hard time in 90 days (CheckHard90)", &CheckHard90},
    RuleSlot{"three 12-hour duties (CheckThree12HourDuties)", &CheckThree12HourDuties},
    RuleSlot{"duty-rule checker with or without the fatigue rules (CheckDutyRules)",
             &CheckDutyRules},
    RuleSlot{"192 hours duty in 28 days (CheckDuty28)", &CheckDuty28},
    RuleSlot{"consecutive days on (CheckConsecutiveDaysOn)", &CheckConsecutiveDaysOn},
    RuleSlot{"reserve type mix (CheckReserveMix)", &CheckReserveMix},
    RuleSlot{"check-pilot credit, Checker only (CheckCheckPilotCredit)", &CheckCheckPilotCredit,
             &Checker},
    RuleSlot{"YTZ qualification, No TZ only (CheckYtzQualification)", &CheckYtzQualification,
             &NoTimeZone},
    RuleSlot{"YCG qualification, No YCG only (CheckYcgQualification)", &CheckYcgQualification,
             &NoYcg},
    RuleSlot{"USA pairings, 65+ only (CheckUsaPairings)", &CheckUsaPairings, &SixtyFivePlus},
};

constexpr std::array kCabinRules{
    RuleSlot{"rest, flight attendants (CheckCabinRest)", &CheckCabinRest},
    RuleSlot{"consecutive days on and off (CheckCabinDaysOnOff)", &CheckCabinDaysOnOff},
    RuleSlot{"French pairing (CheckFrenchPairings)", &CheckFrenchPairings},
    RuleSlot{"familiarization pairings, No Fams only (CheckFamPairings)", &CheckFamPairings,
             &NoFams},
    RuleSlot{"reserve RB periods (CheckRbPeriods)", &CheckRbPeriods},
};

constexpr RuleSlot kPreparation{"hard time by day (ComputeHardTimeByDay)", &PrepareHardTimeByDay};
constexpr RosterRuleSlot kTwoCaptain{"two-captain rule, captain files (CheckTwoCaptainRule)",
                                     &CheckTwoCaptainRule};

}  // namespace

std::span<const RuleSlot> PilotRuleSlots() {
  return kPilotRules;
}
std::span<const RuleSlot> CabinRuleSlots() {
  return kCabinRules;
}
const RuleSlot& PreparationSlot() {
  return kPreparation;
}
const RosterRuleSlot& TwoCaptainSlot() {
  return kTwoCaptain;
}

std::vector<std::string_view> EmptyRuleSlots() {
  std::vector<std::string_view> names;
  if (PreparationSlot().run == nullptr) names.push_back(kPreparation.name);
  for (const RuleSlot& slot : kPilotRules)
    if (slot.run == nullptr) names.push_back(slot.name);
  for (const RuleSlot& slot : kCabinRules)
    if (slot.run == nullptr) names.push_back(slot.name);
  if (TwoCaptainSlot().run == nullptr) names.push_back(kTwoCaptain.name);
  return names;
}

namespace {

void RunRules(TDocument& doc, int crew, bool oldRules, RuleFigures* figures) {
  if (crew < 0 || crew >= kPilotSlots) return;
  TPilot& pilot = doc.pilot(crew);
  if (pilot.EmpNumber == -1) return;
  ClearRuleResults(pilot);

  RuleScratch scratch;
  const RuleRun run{doc, crew, oldRules, scratch, figures};
  if (const RuleSlot& prepare = PreparationSlot(); prepare.run != nullptr) prepare.run(run);
  const std::span<const RuleSlot> slots =
      doc.crewKind() == CrewKind::FlightAttendants ? CabinRuleSlots() : PilotRuleSlots();
  for (const RuleSlot& slot : slots)
    if (slot.run != nullptr && (slot.applies == nullptr || slot.applies(pilot))) slot.run(run);
}

}  // namespace

void CheckBlock(TDocument& doc, int crew, bool oldRules) {
  RunRules(doc, crew, oldRules, nullptr);
}

void CheckBlockWithFigures(TDocument& doc, int crew, RuleFigures& figures) {
  figures.clear();
  RunRules(doc, crew, false, &figures);
}

void RunTwoCaptainRule(TDocument& doc, bool oldRules) {
  if (doc.crewKind() == CrewKind::Captains && TwoCaptainSlot().run != nullptr)
    TwoCaptainSlot().run(doc, oldRules);
}

void CheckAllBlocks(TDocument& doc, bool oldRules) {
  for (int crew = 0; crew < doc.PilotCount; ++crew) CheckBlock(doc, crew, oldRules);
  RunTwoCaptainRule(doc, oldRules);
}

AssignCheckResult LumoraRules::CheckAssignmentRest(const TDocument& doc, int crew, int pair,
                                                   int day) {
  return lumora::CheckAssignmentRest(doc, crew, pair, day);
}

void LumoraRules::CheckBlock(TDocument& doc, int crew) {
  lumora::CheckBlock(doc, crew, false);
  RunTwoCaptainRule(doc, false);
}

void LumoraRules::CheckAllBlocks(TDocument& doc) {
  lumora::CheckAllBlocks(doc, false);
}

}  // namespace lumora

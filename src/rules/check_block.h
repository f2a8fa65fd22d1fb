#pragma once
// The rule set of a block: which rules run for which crew type, in which
// order, and the implementation of the rules interface that block building
// calls.

#include <span>
#include <string_view>
#include <vector>

#include "building/block_rules.h"
#include "model/document.h"
#include "rules/rule_results.h"

namespace lumora {

using RuleFunction = void (*)(const RuleRun& run);
using RulePredicate = bool (*)(const TPilot& pilot);

// One place in the order of the rules. A slot whose rule is not built yet
// has no function and is skipped; it keeps its place so the order stays the
// one the rules are defined in.
struct RuleSlot {
  std::string_view name;
  RuleFunction run = nullptr;
  RulePredicate applies = nullptr;  // null: every crew member
};

// The rules of each crew type, in the order CheckBlock runs them.
std::span<const RuleSlot> PilotRuleSlots();
std::span<const RuleSlot> CabinRuleSlots();

// What CheckBlock computes before the rules (the daily hard time), and the
// rule of captain files that looks at two crew members at once and runs
// after the block checks.
const RuleSlot& PreparationSlot();
using RosterRuleFunction = void (*)(TDocument& doc, bool oldRules);
struct RosterRuleSlot {
  std::string_view name;
  RosterRuleFunction run = nullptr;
};
const RosterRuleSlot& TwoCaptainSlot();

// Names of the slots whose rule is not built yet, in order.
std::vector<std::string_view> EmptyRuleSlots();

// Runs the rules of the file's crew type over the block of crew member
// `crew` and rebuilds his findings. A pseudo line (employee number -1) keeps
// what it has. With `oldRules` the duty-rule checker runs without the
// fatigue rules. An index outside the crew slots does nothing.
void CheckBlock(TDocument& doc, int crew, bool oldRules = false);

// CheckBlock with the normal rules that also gathers what the rules measured
// where they flagged a day (emptied first).
void CheckBlockWithFigures(TDocument& doc, int crew, RuleFigures& figures);

// The two-captain rule over the roster, in captain files only.
void RunTwoCaptainRule(TDocument& doc, bool oldRules = false);

// CheckBlock for every crew member, then the two-captain rule once: the same
// findings as the rule after each block, since it reads the other captain's
// flags and cells and never his findings.
void CheckAllBlocks(TDocument& doc, bool oldRules = false);

class LumoraRules final : public BlockRules {
 public:
  AssignCheckResult CheckAssignmentRest(const TDocument& doc, int crew, int pair, int day) override;
  // The normal rules, then in captain files the two-captain rule.
  void CheckBlock(TDocument& doc, int crew) override;
  void CheckAllBlocks(TDocument& doc) override;
};

}  // namespace lumora

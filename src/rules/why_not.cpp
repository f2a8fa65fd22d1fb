#include "rules/why_not.h"

#include <algorithm>
#include <cstdio>

#include "building/block_figures.h"
#include "model/time_text.h"
#include "platform/ui.h"
#include "rules/rest_rules.h"
#include "rules/rule_results.h"
#include "rules/whos_legal.h"

namespace lumora {

namespace {

std::size_t U(int i) {
  return static_cast<std::size_t>(i);
}

// An item without the blanks the result texts put around and inside labels.
std::string Trimmed(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
    out += c;
  }
  if (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

std::string PairingNumber(const TPair& pair) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d", static_cast<int>(pair.Number));
  return text;
}

std::string CrewLine(const TDocument& doc, int crew) {
  char number[16];
  std::snprintf(number, sizeof number, "%03d ", crew + 1);
  return number + doc.pilot(crew).Name;
}

// What a taken day holds, as the scheduler sees it in the grid.
std::string HeldOn(const TDocument& doc, const TPilot& pilot, int day) {
  std::string text = BlockDayText(doc.cal, day) + " holds ";
  const std::int32_t cell = pilot.DayCell[U(day)];
  if (doc.isPairIndex(cell))
    text += "pairing " + PairingNumber(doc.pair(cell));
  else if (cell == kOtherAssignmentCell && !pilot.DayCode[U(day)].empty())
    text += pilot.DayCode[U(day)];
  else
    text += "another assignment";
  if (pilot.DayLocked[U(day)] != 0) text += ", locked in";
  return text;
}

// Refusals that need no rule run: the instance itself, the days it covers,
// and what keeps a crew member from taking pairings at all. True when nothing
// more is worth asking.
bool RefusedOutright(const TDocument& doc, int crew, int pair, int day, WhyNot& why) {
  auto refuse = [&why](std::string rule, std::string figures) {
    why.reasons.push_back({std::move(rule), std::move(figures)});
    return true;
  };
  if (!doc.isRosterIndex(crew)) return refuse("No such crew member", {});
  if (!doc.isPairIndex(pair)) return refuse("No such pairing", {});
  if (day < 0 || day >= doc.monthDays()) return refuse("No such day", {});
  const TPair& pairing = doc.pair(pair);
  const TPilot& pilot = doc.pilot(crew);
  const std::string instance = PairingNumber(pairing) + " on " + BlockDayText(doc.cal, day);
  if (pairing.DayStatus[U(day)] == kNoInstance)
    return refuse("No instance", "pairing " + PairingNumber(pairing) + " does not start on " +
                                     BlockDayText(doc.cal, day));
  // An instance someone else holds is refused, but the rules are still worth
  // reading: the scheduler may be thinking of moving it.
  if (!HasOpenInstance(doc, pair, day)) {
    if (pilot.DayCell[U(day)] == pair) return refuse("Assigned", instance + " is in his block");
    std::string holder = " is not open";
    for (int other = 0; other < doc.rosterSize(); ++other)
      if (doc.pilot(other).DayCell[U(day)] == pair)
        holder = " is assigned to " + CrewLine(doc, other);
    why.reasons.push_back({"Assigned", instance + holder});
  }
  const int last = std::min(day + std::max<int>(pairing.Length, 1), kBlockDays) - 1;
  for (int d = day; d <= last; ++d)
    if (pilot.DayCell[U(d)] != kEmptyCell) return refuse("Day taken", HeldOn(doc, pilot, d));
  if (pilot.BidReserve != 0) return refuse("Bidding reserve", "he bids reserve this month");
  if (pilot.BelowBlockHolderLine != 0)
    return refuse("Reserve line", "he is below the block-holder line");
  return false;
}

std::string RestText(std::int64_t rest, std::int32_t minimum, const std::string& where) {
  if (rest < 0) return "overlaps the duty " + where + " by " + HoursMinutes(-rest);
  return "rest " + HoursMinutes(rest) + " " + where + ", minimum " + HoursMinutes(minimum);
}

// The rest test block building runs before an assignment, then the stricter
// walk of the who-is-legal query.
void AddRestReasons(const TDocument& doc, int crew, int pair, int day, WhyNot& why) {
  const AssignCheckResult rest = CheckAssignmentRest(doc, crew, pair, day);
  if (!rest.accepted) {
    const std::string when = BlockDayText(doc.cal, day);
    if (rest.minutesBefore < rest.minimumRest)
      why.reasons.push_back(
          {"Rest", RestText(rest.minutesBefore, rest.minimumRest, "before " + when)});
    if (rest.minutesAfter < rest.minimumRest)
      why.reasons.push_back(
          {"Rest", RestText(rest.minutesAfter, rest.minimumRest, "after the pairing of " + when)});
    return;
  }
  const RestBreach breach = FirstRestBreach(doc, doc.pilot(crew), pair, day);
  if (breach.day < 0) return;
  const std::string when = BlockDayText(doc.cal, breach.day);
  if (breach.rest == 0) {
    why.reasons.push_back(
        {"Rest", "the duty before " + when + " ends after its midnight, a day without duty"});
    return;
  }
  why.reasons.push_back({"Rest", "the duty on " + when + " starts " + HoursMinutes(breach.shortBy) +
                                     " before the end of the " + HoursMinutes(breach.rest) +
                                     " rest it needs"});
}

bool Contains(const std::vector<std::string_view>& items, std::string_view item) {
  return std::find(items.begin(), items.end(), item) != items.end();
}

// The figures of a new item: preferably those of a day the instance newly
// flagged, else any the block without it did not have.
std::string FiguresOf(std::string_view item, const RuleFigures& after, const RuleFigures& before,
                      const ScratchFindings& with, const ScratchFindings& without) {
  const RuleFigure* fallback = nullptr;
  const RuleFigure* fresh = nullptr;
  for (const RuleFigure& figure : after) {
    if (!item.starts_with(figure.label)) continue;
    if (figure.day >= 0 && figure.day < kBlockDays && with.exceptionDays[U(figure.day)] != 0 &&
        without.exceptionDays[U(figure.day)] == 0)
      return figure.text;
    const bool known = std::any_of(before.begin(), before.end(), [&](const RuleFigure& old) {
      return old.label == figure.label && old.day == figure.day && old.text == figure.text;
    });
    if (!known && fresh == nullptr) fresh = &figure;
    if (fallback == nullptr) fallback = &figure;
  }
  if (fresh != nullptr) return fresh->text;
  return fallback != nullptr ? fallback->text : std::string();
}

void AddRuleReasons(TDocument& doc, int crew, int pair, int day, WhyNot& why) {
  RuleFigures before;
  RuleFigures after;
  const ScratchFindings without = CheckOnScratch(doc, crew, -1, -1, &before);
  const ScratchFindings with = CheckOnScratch(doc, crew, pair, day, &after);
  const std::vector<std::string_view> oldItems = SplitItems(without.exceptions);
  for (const std::string_view item : SplitItems(with.exceptions)) {
    if (item.empty() || Contains(oldItems, item)) continue;
    std::string figures = FiguresOf(item, after, before, with, without);
    // The block's rest rule often measures what the assignment test already said.
    const bool said = !figures.empty() && std::any_of(why.reasons.begin(), why.reasons.end(),
                                                      [&](const WhyNotReason& reason) {
                                                        return reason.figures == figures;
                                                      });
    if (!said) why.reasons.push_back({Trimmed(item), std::move(figures)});
  }
  const std::vector<std::string_view> oldWarnings = SplitItems(without.warnings);
  for (const std::string_view item : SplitItems(with.warnings))
    if (!item.empty() && !Contains(oldWarnings, item))
      why.notes.push_back("Warning: " + Trimmed(item));
}

void AddCreditReason(const TDocument& doc, int crew, int pair, int day, WhyNot& why) {
  const TPilot& pilot = doc.pilot(crew);
  const CreditLimits limits = CreditLimitsOf(doc, pilot);
  const std::int64_t credit = BlockCreditOf(pilot);
  const std::int64_t added = InstanceCreditInMonth(doc.pair(pair), day, doc.monthDays());
  if (limits.maximum <= 0 || credit + added <= limits.maximum) return;
  why.reasons.push_back({"Credit window", "block credit " + HoursMinutes(credit) + " + " +
                                              HoursMinutes(added) + " = " +
                                              HoursMinutes(credit + added) + ", maximum " +
                                              HoursMinutes(limits.maximum)});
}

void AddRequestNotes(const TDocument& doc, int crew, int pair, int day, WhyNot& why) {
  const TPilot& pilot = doc.pilot(crew);
  const int last = std::min(day + std::max<int>(doc.pair(pair).Length, 1), doc.monthDays()) - 1;
  for (int d = day; d <= last; ++d) {
    const int request = pilot.DayRequest[U(d)];
    if (request <= 0) continue;
    const std::string label = RequestLabel(request);
    why.notes.push_back("Request: " + (label.empty() ? std::string("a request") : label) + " on " +
                        BlockDayText(doc.cal, d));
  }
}

}  // namespace

WhyNot ExplainWhyNot(TDocument& doc, int crew, int pair, int day) {
  WhyNot why;
  if (RefusedOutright(doc, crew, pair, day, why)) return why;
  AddRestReasons(doc, crew, pair, day, why);
  AddRuleReasons(doc, crew, pair, day, why);
  AddCreditReason(doc, crew, pair, day, why);
  AddRequestNotes(doc, crew, pair, day, why);
  why.legal = why.reasons.empty();
  return why;
}

std::string WhyNotText(const TDocument& doc, int crew, int pair, int day, const WhyNot& why) {
  std::string text;
  if (doc.isPairIndex(pair) && day >= 0 && day < doc.monthDays() && doc.isRosterIndex(crew)) {
    text = PairingNumber(doc.pair(pair)) + " on " + BlockDayText(doc.cal, day) + " for " +
           CrewLine(doc, crew) + ": ";
  }
  text += why.legal ? "legal" : "not legal";
  for (const WhyNotReason& reason : why.reasons) {
    text += "\n" + reason.rule;
    if (!reason.figures.empty()) text += ": " + reason.figures;
  }
  for (const std::string& note : why.notes) text += "\n" + note;
  return text;
}

std::string ExplainWhyNotText(TDocument& doc, int crew, int pair, int day) {
  return WhyNotText(doc, crew, pair, day, ExplainWhyNot(doc, crew, pair, day));
}

void ShowWhyNot(TDocument& doc, Ui& ui, int crew, int pair, int day) {
  const WhyNot why = ExplainWhyNot(doc, crew, pair, day);
  ui.message(WhyNotText(doc, crew, pair, day, why), kWhyNotCaption,
             why.legal ? Icon::Information : Icon::Warning);
}

}  // namespace lumora

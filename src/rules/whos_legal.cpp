#include "rules/whos_legal.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>

#include "building/assign.h"
#include "platform/captions.h"
#include "platform/ui.h"
#include "rules/check_block.h"
#include "rules/days_off.h"
#include "rules/rule_results.h"
#include "rules/why_not.h"

namespace lumora {

namespace {

constexpr Moment kPilotRest = 660;
constexpr Moment kCabinRest = 720;
constexpr int kDaysAfterCounted = 6;  // exception days counted up to L + 5

int ExceptionDayCount(const std::array<std::uint8_t, kBlockDays>& days, int monthLength) {
  const int last = std::min(monthLength + kDaysAfterCounted, kBlockDays);
  return static_cast<int>(std::count_if(days.begin(), days.begin() + last,
                                        [](std::uint8_t flag) { return flag != 0; }));
}

std::string NumberedLine(int crew, std::string_view marker, const std::string& name) {
  char number[16];
  std::snprintf(number, sizeof number, "%03d ", crew + 1);
  std::string line = number;
  line += marker;
  line += name;
  return line;
}

// Whether the pairing filter's always-shown numbers (4-digit fields before
// "TEXT") hold `number`.
bool BidFor(const std::string& filter, int number) {
  const std::size_t end = filter.find("TEXT");
  if (end == std::string::npos) return false;
  for (std::size_t at = 0; at < end; at += 4) {
    const std::string_view field(filter.data() + at, std::min<std::size_t>(4, end - at));
    std::size_t first = field.find_first_not_of(' ');
    if (first == std::string_view::npos) first = field.size();
    int value = 0;
    std::from_chars(field.data() + first, field.data() + field.size(), value);
    if (value == number) return true;
  }
  return false;
}

}  // namespace

RestBreach FirstRestBreach(const TDocument& doc, const TPilot& pilot, int pair, int day) {
  const Moment rest = doc.crewKind() == CrewKind::FlightAttendants ? kCabinRest : kPilotRest;
  Moment legal = pilot.LegalCheckIn();
  for (int x = 0; x < doc.monthDays(); ++x) {
    const Moment midnight = MomentOf(x, 0);
    if (x == day) {
      const TPair& p = doc.pair(pair);
      const Moment start = midnight + p.OnTime;
      if (start < legal) return {x, legal - start, rest};
      legal = start + p.TAFB + rest;
      continue;
    }
    const BlockDay b = DayOf(doc, pilot, x);
    if (b.kind == BlockDay::Kind::Pairing) {
      const Moment start = midnight + b.pair->OnTime;
      if (start < legal) return {x, legal - start, rest};
      legal = start + b.pair->TAFB + rest;
    } else if (b.kind == BlockDay::Kind::Other) {
      if (b.containsDuty()) {
        const Moment start = midnight + b.startTime();
        if (start < legal) return {x, legal - start, rest};
        legal = start + b.hoursAtWork() + rest;
      } else if (midnight < legal - rest) {
        return {x, legal - rest - midnight, 0};  // the previous duty ends after that midnight
      }
    }
  }
  return {};
}

ScratchFindings CheckOnScratch(TDocument& doc, int crew, int pair, int day, RuleFigures* figures) {
  ScratchFindings found;
  if (!doc.isRosterIndex(crew)) return found;
  // The cabin rule marks the other holders of a trip for a new check; the
  // query must leave those marks as they were.
  const bool cabin = doc.crewKind() == CrewKind::FlightAttendants;
  std::array<std::uint8_t, kMaxRosterPilots> marks{};
  if (cabin)
    for (int i = 0; i < doc.rosterSize(); ++i)
      marks[static_cast<std::size_t>(i)] = doc.pilot(i).FaChecked;

  TPilot& scratch = doc.pilot(kScratchPilot);
  scratch = doc.pilot(crew);
  if (doc.isPairIndex(pair) && day >= 0 && day < doc.monthDays())
    scratch.DayCell[static_cast<std::size_t>(day)] = pair;
  if (figures != nullptr)
    CheckBlockWithFigures(doc, kScratchPilot, *figures);
  else
    CheckBlock(doc, kScratchPilot);
  found.exceptions = scratch.ExceptionsText;
  found.warnings = scratch.WarningsText;
  found.exceptionDays = scratch.ExceptionDays;
  scratch = TPilot{};
  scratch.RuleCheckLog.clear();

  if (cabin)
    for (int i = 0; i < doc.rosterSize(); ++i)
      doc.pilot(i).FaChecked = marks[static_cast<std::size_t>(i)];
  return found;
}

bool HasOpenInstance(const TDocument& doc, int pair, int day) {
  if (!doc.isPairIndex(pair) || day < 0 || day >= doc.monthDays()) return false;
  const std::int32_t status = doc.pair(pair).DayStatus[static_cast<std::size_t>(day)];
  return status == kOpenInstance || status == -kOpenInstance;
}

int TestLegalFor(TDocument& doc, int crew, int pair, int day) {
  if (!doc.isRosterIndex(crew) || !doc.isPairIndex(pair) || day < 0 || day >= doc.monthDays())
    return kNotLegal;
  const TPilot& pilot = doc.pilot(crew);
  if (pilot.DayCell[static_cast<std::size_t>(day)] != kEmptyCell || pilot.BidReserve != 0)
    return kNotLegal;
  if (FirstRestBreach(doc, pilot, pair, day).day >= 0) return kNotLegal;
  const int before = ExceptionDayCount(pilot.ExceptionDays, doc.monthDays());
  const ScratchFindings found = CheckOnScratch(doc, crew, pair, day, nullptr);
  const int after = ExceptionDayCount(found.exceptionDays, doc.monthDays());
  return after > before ? kLegalWithException : kLegal;
}

WhosLegalLists WhosLegalFor(TDocument& doc, int pair, int day) {
  WhosLegalLists lists;
  if (!doc.isPairIndex(pair) || day < 0 || day >= doc.monthDays()) return lists;
  const int number = doc.pair(pair).Number;
  char caption[64];
  std::snprintf(caption, sizeof caption, "Lumora - %04d on %02d %s", number,
                static_cast<int>(doc.cal.MonthDays[static_cast<std::size_t>(day)][0]),
                doc.cal.MonthText.c_str());
  lists.caption = caption;

  std::array<bool, kMaxRosterPilots> legal{};
  for (int i = 0; i < doc.rosterSize(); ++i) {
    const TPilot& pilot = doc.pilot(i);
    if (OnReserveLine(pilot)) continue;
    const int result = TestLegalFor(doc, i, pair, day);
    if (result == kNotLegal) continue;
    legal[static_cast<std::size_t>(i)] = true;
    lists.legal.push_back(
        NumberedLine(i, result == kLegalWithException ? "Exception-> " : "", pilot.Name));
  }
  for (int i = 0; i < doc.rosterSize(); ++i) {
    const TPilot& pilot = doc.pilot(i);
    if (!BidFor(pilot.PairingFilterText, number)) continue;
    lists.bidders.push_back(
        NumberedLine(i, legal[static_cast<std::size_t>(i)] ? "<<< " : "", pilot.Name));
  }
  return lists;
}

WhosLegalDialog::WhosLegalDialog(BlockEditContext ctx, int pair, int day)
    : ctx_(ctx), pair_(pair), day_(day), lists_(WhosLegalFor(ctx.doc, pair, day)) {}

std::vector<std::string> WhosLegalDialog::crewChoices() const {
  std::vector<std::string> lines;
  for (int i = 0; i < ctx_.doc.rosterSize(); ++i)
    lines.push_back(NumberedLine(i, "", ctx_.doc.pilot(i).Name));
  return lines;
}

void WhosLegalDialog::whyNot(Ui& ui, int crew) {
  ShowWhyNot(ctx_.doc, ui, crew, pair_, day_);
}

bool WhosLegalDialog::accept(Ui& ui) {
  if (selected_ < 0 || static_cast<std::size_t>(selected_) >= lists_.legal.size()) {
    ui.message(kNoSelection, kAppCaption, Icon::Warning);
    return false;
  }
  const std::string& line = lists_.legal[static_cast<std::size_t>(selected_)];
  int number = 0;
  std::from_chars(line.data(), line.data() + std::min<std::size_t>(3, line.size()), number);
  const int result = AssignPair(ctx_, number - 1, pair_, day_, false);
  static constexpr std::array<std::string_view, 6> kRefusals = {
      "",
      "Can't Assign. Previous Assignment that day",
      "Can't Assign. Pairing not Operating that day",
      "Can't Assign. Pairing allready Assigned",
      "Can't Assign. Employee out of Range",
      "Can't Assign. Pairing out of Range"};
  if (result >= kAssignRefused && result <= kPairingOutOfRange) {
    ui.message(kRefusals[static_cast<std::size_t>(result)], kAppCaption, Icon::Warning);
    return false;
  }
  return true;
}

void OpenWhosLegal(BlockEditContext& ctx, int pair, int day) {
  const TDocument& doc = ctx.doc;
  if (!doc.isPairIndex(pair) || day < 0 || day >= doc.monthDays()) return;
  if (doc.pair(pair).DayStatus[static_cast<std::size_t>(day)] == kNoInstance) return;
  WhosLegalDialog dialog(ctx, pair, day);
  ctx.ui.run(dialog);
}

}  // namespace lumora

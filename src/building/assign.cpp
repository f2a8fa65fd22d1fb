#include "building/assign.h"

#include <algorithm>
#include <string>

#include "building/block_figures.h"
#include "building/block_rules.h"
#include "building/french_cabin.h"
#include "building/roster_bounds.h"
#include "platform/captions.h"
#include "platform/event_log.h"
#include "platform/ui.h"

namespace lumora {

namespace {

bool IsOpen(std::int32_t status) {
  return status == kOpenInstance || status == -kOpenInstance;
}
bool IsAssigned(std::int32_t status) {
  return status == kAssignedInstance || status == -kAssignedInstance;
}

// Open to assigned and back, keeping the extra-crew sign.
std::int32_t Assigned(std::int32_t status) {
  return status < 0 ? -kAssignedInstance : kAssignedInstance;
}
std::int32_t Opened(std::int32_t status) {
  return status < 0 ? -kOpenInstance : kOpenInstance;
}

int SpanOf(const TPair& pair) {
  return std::max<int>(1, pair.Length);
}

bool Confirmed(Ui& ui, const std::string& text, std::string_view caption, Icon icon) {
  return ui.ask(text, caption, Buttons::YesNo, icon) == Answer::Yes;
}

std::string FrenchQuestion(const TDocument& doc, int crew, int otherMember) {
  const std::string name = ShownName(doc.pilot(crew));
  if (otherMember == crew || otherMember < 0) {
    return "Employee " + name +
           " is not French Qualified and is the Junior Cabin Member. One Cabin Member must be "
           "French for this pairing. Do you want to assign it anyway";
  }
  return "Employee " + name + " is not French Qualified and is Senior to " +
         ShownName(doc.pilot(otherMember)) +
         ". One Cabin Member must be French for this pairing. Do you want to assign it anyway";
}

// The refresh every assignment and removal ends with.
void RefreshAfterChange(BlockEditContext& ctx, int crew) {
  RecalcBlockCredit(ctx.doc, crew, false, ctx.ui, ctx.views);
  ctx.doc.Modified = 1;
  const HolderMarks before = HolderMarksOf(ctx.doc);
  RefreshDocumentFigures(ctx.doc, ctx.views);
  RecheckAcrossHolderLine(ctx, before);
}

void RecordTransaction(TDocument& doc, std::int32_t kind, int crew, int pair, int day) {
  doc.History.add(TransactionRecord{kind, day, crew, pair});
}

// The pairing window shows every instance, or lays out the open ones again.
void TellPairingWindow(BlockEditContext& ctx) {
  ctx.views.pairingWindowChanged(ctx.doc.ShowAssignedPairs == 0);
}

}  // namespace

void CheckBlockAndCabin(BlockEditContext& ctx, int crew) {
  TDocument& doc = ctx.doc;
  ctx.rules.CheckBlock(doc, crew);
  // The two-captain rule that follows the block checks in captain files
  // looks at every crew member.
  ctx.views.rowsChanged(doc.crewKind() == CrewKind::Captains ? BlockViewSink::kAllRows : crew);
  if (doc.crewKind() != CrewKind::FlightAttendants) return;

  const int count = doc.rosterSize();
  std::vector<int> marked;
  for (int k = 0; k < count; ++k) {
    if (IsMarkedForCabinCheck(doc.pilot(k))) marked.push_back(k);
  }
  // One round: marks the checks themselves leave wait for the next change.
  ClearCabinCheckMarks(doc);
  for (const int k : marked) {
    ctx.rules.CheckBlock(doc, k);
    ctx.views.rowsChanged(k);
  }
  ClearCabinCheckMarks(doc);
}

int AssignPair(BlockEditContext& ctx, int crew, int pair, int day, bool skipRestChecks) {
  TDocument& doc = ctx.doc;
  if (!doc.isRosterIndex(crew)) return kCrewOutOfRange;
  if (!doc.isPairIndex(pair)) return kPairingOutOfRange;
  TPilot& pilot = doc.pilot(crew);
  TPair& pairing = doc.pair(pair);

  if (day >= 0 && day < kBlockDays && pilot.DayCell[static_cast<std::size_t>(day)] != kEmptyCell) {
    return kAssignRefused;
  }
  if (day < 0 || day >= doc.monthDays()) return kPairingNotOnDay;
  const auto d = static_cast<std::size_t>(day);
  const std::int32_t status = pairing.DayStatus[d];
  if (IsAssigned(status)) return kInstanceAssigned;
  // No instance, or a status no operation writes (a damaged file).
  if (!IsOpen(status)) return kPairingNotOnDay;

  if (pilot.BidReserve != 0 &&
      !Confirmed(ctx.ui, "Employee Bidding Reserve. Do you want to assign this pairing anyways", "",
                 Icon::None)) {
    return kReserveDeclined;
  }

  if (ctx.log.isOpen()) {
    ctx.log.write("AssignPair " + std::to_string(pairing.Number) + " to " + ShownName(pilot) +
                  " on " + std::to_string(CalendarDayOf(doc, day)) + "\n");
  }

  if (!skipRestChecks) {
    const AssignCheckResult rest = ctx.rules.CheckAssignmentRest(doc, crew, pair, day);
    if (!rest.accepted) return kAssignRefused;
    if (doc.crewKind() == CrewKind::FlightAttendants) {
      const FrenchCabinResult french = CheckFrenchCabin(doc, crew, pair, day);
      if (!french.passed && !Confirmed(ctx.ui, FrenchQuestion(doc, crew, french.otherMember),
                                       kAppCaption, Icon::Question)) {
        // The marks belong to an assignment that did not happen.
        ClearCabinCheckMarks(doc);
        return kAssignRefused;
      }
    }
    if (pilot.EmpNumber > 0 && (!rest.restBefore.empty() || !rest.restAfter.empty()) &&
        !Confirmed(ctx.ui,
                   "This Assignment Provides Only " + rest.restBefore + rest.restAfter +
                       ".  Do You want to Assign It Anyway",
                   kAppCaption, Icon::Question)) {
      ClearCabinCheckMarks(doc);
      return kAssignRefused;
    }
  }

  pilot.DayCell[d] = pair;
  pairing.DayStatus[d] = Assigned(status);
  RecordTransaction(doc, TransactionRecord::kAssign, crew, pair, day);
  ctx.views.cellsChanged(crew, day, SpanOf(pairing));

  CheckBlockAndCabin(ctx, crew);

  PairSelection& selection = doc.view.selection;
  if (selection.pair == pair && selection.day == day) {
    doc.view.previousSelection = selection;
    selection = PairSelection{};
  }
  TellPairingWindow(ctx);
  RefreshAfterChange(ctx, crew);
  return kAssigned;
}

int RemovePair(BlockEditContext& ctx, int crew, int pair, int day) {
  TDocument& doc = ctx.doc;
  if (!doc.isRosterIndex(crew)) return kCrewOutOfRange;
  if (!doc.isPairIndex(pair)) return kPairingOutOfRange;
  if (day < 0 || day >= kBlockDays) return kPairingNotOnDay;
  TPilot& pilot = doc.pilot(crew);
  TPair& pairing = doc.pair(pair);
  const auto d = static_cast<std::size_t>(day);

  if (pilot.DayCell[d] < 0) return kCellHoldsNoPairing;
  if (day >= doc.monthDays()) return kPairingNotOnDay;
  const std::int32_t status = pairing.DayStatus[d];
  if (IsOpen(status)) return kInstanceOpen;
  if (!IsAssigned(status)) return kPairingNotOnDay;
  // Emptying a cell that holds another pairing would leave that pairing's
  // instance marked assigned to nobody and reopen this one while somebody
  // still flies it; an undo record that no longer matches the blocks ends here.
  if (pilot.DayCell[d] != pair) return kCellHoldsNoPairing;

  if (ctx.log.isOpen()) {
    ctx.log.write("Remove Pair " + std::to_string(pairing.Number) + " from " + ShownName(pilot) +
                  " on " + std::to_string(CalendarDayOf(doc, day)) + "\n");
  }
  pilot.DayCell[d] = kEmptyCell;
  pairing.DayStatus[d] = Opened(status);
  RecordTransaction(doc, TransactionRecord::kRemove, crew, pair, day);
  ctx.views.cellsChanged(crew, day, SpanOf(pairing));

  CheckBlockAndCabin(ctx, crew);

  PairSelection& selection = doc.view.selection;
  const bool wasSelected = selection.pair == pair && selection.day == day;
  doc.view.previousSelection = PairSelection{pair, day, wasSelected ? selection.slot : -1};
  selection = PairSelection{};
  TellPairingWindow(ctx);
  RefreshAfterChange(ctx, crew);
  return kRemoved;
}

void RightClickFollowUps(BlockEditContext& ctx, int crew) {
  TDocument& doc = ctx.doc;
  RecalcBlockCredit(doc, crew, false, ctx.ui, ctx.views);
  const HolderMarks before = HolderMarksOf(doc);
  RefreshDocumentFigures(doc, ctx.views);
  ctx.views.blockFiltersChanged();
  ctx.rules.CheckBlock(doc, crew);
  ctx.views.rowsChanged(doc.crewKind() == CrewKind::Captains ? BlockViewSink::kAllRows : crew);
  RecheckAcrossHolderLine(ctx, before, crew);
}

HolderMarks HolderMarksOf(const TDocument& doc) {
  HolderMarks marks{};
  const int count = doc.rosterSize();
  for (int k = 0; k < count; ++k)
    marks[static_cast<std::size_t>(k)] = doc.pilot(k).BelowBlockHolderLine;
  return marks;
}

void RecheckAcrossHolderLine(BlockEditContext& ctx, const HolderMarks& before, int checkedSince) {
  TDocument& doc = ctx.doc;
  const int count = doc.rosterSize();
  for (int k = 0; k < count; ++k) {
    if (k == checkedSince) continue;
    if (doc.pilot(k).BelowBlockHolderLine == before[static_cast<std::size_t>(k)]) continue;
    ctx.rules.CheckBlock(doc, k);
    ctx.views.rowsChanged(k);
  }
}

bool RemovePairByRightClick(BlockEditContext& ctx, int crew, int day) {
  TDocument& doc = ctx.doc;
  if (!doc.isRosterIndex(crew) || day < 0 || day >= doc.monthDays()) return false;
  TPilot& pilot = doc.pilot(crew);
  const auto d = static_cast<std::size_t>(day);
  const std::int32_t pair = pilot.DayCell[d];
  if (!doc.isPairIndex(pair)) return false;
  TPair& pairing = doc.pair(pair);

  if (ctx.log.isOpen()) {
    ctx.log.write("RemovePair " + std::to_string(pairing.Number) + " " + ShownName(pilot) + " " +
                  std::to_string(CalendarDayOf(doc, day)) + " RC\n");
  }
  pilot.DayCell[d] = kEmptyCell;
  if (IsAssigned(pairing.DayStatus[d])) pairing.DayStatus[d] = Opened(pairing.DayStatus[d]);
  RecordTransaction(doc, TransactionRecord::kRemove, crew, pair, day);
  ctx.views.cellsChanged(crew, day, SpanOf(pairing));

  // The cabin members left on the trip may now lack a French one.
  if (doc.crewKind() == CrewKind::FlightAttendants) CheckFrenchCabin(doc, crew, pair, day);
  CheckBlockAndCabin(ctx, crew);
  doc.Modified = 1;
  TellPairingWindow(ctx);
  RightClickFollowUps(ctx, crew);
  return true;
}

}  // namespace lumora

#include "building/other_assignments.h"

#include <algorithm>

#include "building/assign.h"
#include "building/block_figures.h"
#include "building/block_rules.h"
#include "building/roster_bounds.h"
#include "model/time_text.h"
#include "platform/captions.h"
#include "platform/ui.h"

namespace lumora {

namespace {

// The code text takes two columns of the grid.
constexpr int kCodeCells = 2;
constexpr int kHighestRequest = 51;

bool IsPseudoLine(const TPilot& pilot) {
  return pilot.EmpNumber == -1;
}

// The day lies inside the nearest pairing before it. Its last day is free
// for a code: the pairing has ended by then.
bool InsidePairing(const TDocument& doc, const TPilot& pilot, int day) {
  for (int d = day - 1; d >= 0; --d) {
    const std::int32_t cell = pilot.DayCell[static_cast<std::size_t>(d)];
    if (cell < 0) continue;
    if (!doc.isPairIndex(cell)) return false;
    const int span = std::max<int>(1, doc.pair(cell).Length);
    return day < d + span - 1;
  }
  return false;
}

// A reserve day is counted in the summary rows under the last crew line,
// which the views repaint with the whole grid.
void TellCodeChanged(BlockEditContext& ctx, int crew, int day, bool reserve) {
  ctx.views.cellsChanged(crew, day, kCodeCells);
  if (reserve) ctx.views.rowsChanged(BlockViewSink::kAllRows);
}

// The block checks, then in captain files the two-captain rule over the
// whole roster.
void CheckTheBlock(BlockEditContext& ctx, int crew) {
  ctx.rules.CheckBlock(ctx.doc, crew);
  ctx.views.rowsChanged(ctx.doc.crewKind() == CrewKind::Captains ? BlockViewSink::kAllRows : crew);
}

// The dialog's fields read back; a time that does not read is 0.
std::int32_t DialogMinutes(const std::string& text, bool limitTo23) {
  return std::max(0, ParseTime(text, limitTo23));
}

// An edit field whose picture leaves only blanks and the colon holds nothing.
bool IsEmptyField(const std::string& text) {
  return text.find_first_not_of(" :") == std::string::npos;
}

}  // namespace

PlaceResult PlaceToolboxItem(BlockEditContext& ctx, const ToolboxItem& item, int crew, int day) {
  TDocument& doc = ctx.doc;
  if (!doc.isRosterIndex(crew) || day < 0 || day >= doc.monthDays()) {
    return PlaceResult::OutOfRange;
  }
  TPilot& pilot = doc.pilot(crew);
  const auto d = static_cast<std::size_t>(day);
  if (pilot.DayCell[d] != kEmptyCell) return PlaceResult::NotEmpty;
  if (InsidePairing(doc, pilot, day)) return PlaceResult::InsidePairing;

  ctx.views.cellsChanged(crew, day, kCodeCells);
  if (IsPseudoLine(pilot)) return PlaceResult::PseudoLine;

  PlaceResult result = PlaceResult::Placed;
  if (!item.isRequest()) {
    WriteOtherAssignment(pilot, day, item);
    if (item.reserve != 0) ctx.views.rowsChanged(BlockViewSink::kAllRows);

    RecalcBlockCredit(doc, crew, false, ctx.ui, ctx.views);
    const HolderMarks before = HolderMarksOf(doc);
    FindBlockHolderLine(doc, ctx.views);
    CheckTheBlock(ctx, crew);
    RecheckAcrossHolderLine(ctx, before, crew);
    UpdateLeaveBlockMark(doc, crew);
  } else {
    // The request number is the credit's size; a stored toolbox entry can
    // hold any negative credit, and only 1 to 51 name a request.
    if (item.credit < -kHighestRequest) return PlaceResult::BadRequest;
    if (pilot.DayRequest[d] < 1) {
      pilot.DayRequest[d] = static_cast<std::int8_t>(-item.credit);
      result = PlaceResult::RequestSet;
    } else {
      pilot.DayRequest[d] = 0;
      result = PlaceResult::RequestCleared;
    }
  }
  // A request is saved with the block like a code, so it is a change too.
  doc.Modified = 1;
  CountDayBalance(doc, ctx.views);
  return result;
}

void WriteOtherAssignment(TPilot& pilot, int day, const ToolboxItem& item) {
  const auto d = static_cast<std::size_t>(day);
  pilot.DayCell[d] = kOtherAssignmentCell;
  DayRecord& record = pilot.DayOther[d];
  record = DayRecord{};
  record[kOtherStartTime] = item.start;
  record[kOtherHoursAtWork] = item.timeAtWork;
  record[kOtherCredit] = item.credit;
  record[kOtherHardTime] = item.hardTime;
  record[kOtherReserve] = item.reserve;
  record[kOtherContainsDuty] = item.containsDuty;
  record[kOtherExcludeCredit] = item.excludeCredit;
  record[kOtherCarsDuty] = item.carsDuty;
  pilot.DayCode[d] = item.code;
  pilot.DayCrewTracCode[d] = item.crewTracCode;
}

bool RemoveOtherAssignment(BlockEditContext& ctx, int crew, int day, bool shift) {
  TDocument& doc = ctx.doc;
  if (!doc.isRosterIndex(crew) || day < 0 || day >= kBlockDays) return false;
  TPilot& pilot = doc.pilot(crew);
  const auto d = static_cast<std::size_t>(day);
  if (pilot.DayCell[d] != kOtherAssignmentCell) return false;

  if (!shift) {
    const std::string text = "Confirm remove " + std::string(pilot.DayCode[d].c_str()) + " from " +
                             ShownName(pilot) +
                             ". Hold Shift Key down while Right Clicking to avoid this message";
    if (ctx.ui.ask(text, kAppCaption, Buttons::YesNo, Icon::None) != Answer::Yes) return false;
  }
  const bool wasReserve = pilot.DayOther[d][kOtherReserve] != 0;
  pilot.DayOther[d] = DayRecord{};
  pilot.DayCell[d] = kEmptyCell;
  pilot.DayCode[d].clear();
  pilot.DayCrewTracCode[d].clear();
  TellCodeChanged(ctx, crew, day, wasReserve);
  doc.Modified = 1;
  UpdateLeaveBlockMark(doc, crew);
  return true;
}

std::optional<OtherAssDialog> OtherAssDialog::Open(const TDocument& doc, int crew, int day) {
  if (!doc.isRosterIndex(crew) || day < 0 || day >= kBlockDays) return std::nullopt;
  const TPilot& pilot = doc.pilot(crew);
  const auto d = static_cast<std::size_t>(day);
  if (pilot.DayCell[d] != kOtherAssignmentCell) return std::nullopt;

  OtherAssDialog dialog;
  dialog.crew_ = crew;
  dialog.day_ = day;
  dialog.caption_ = ShownName(pilot) + " Assignment Details";
  dialog.dateLine_ = CalendarMonthOf(doc, day) + " " + std::to_string(CalendarDayOf(doc, day));
  dialog.code_ = pilot.DayCode[d];
  dialog.crewTracCode_ = pilot.DayCrewTracCode[d];
  const DayRecord& record = pilot.DayOther[d];
  dialog.startText = FormatTime(record[kOtherStartTime], false, true);
  dialog.atWorkText = FormatTime(record[kOtherHoursAtWork], false, true);
  dialog.creditText = FormatTime(record[kOtherCredit], false, true);
  dialog.hardTimeText = FormatTime(record[kOtherHardTime], false, true);
  dialog.reserve = record[kOtherReserve] != 0;
  dialog.containsDuty = record[kOtherContainsDuty] != 0;
  dialog.carsDuty = record[kOtherCarsDuty] != 0;
  dialog.excludeCredit = record[kOtherExcludeCredit] != 0;
  return dialog;
}

void OtherAssDialog::ok(TDocument& doc) const {
  if (!doc.isRosterIndex(crew_) || day_ < 0 || day_ >= kBlockDays) return;
  DayRecord& record = doc.pilot(crew_).DayOther[static_cast<std::size_t>(day_)];
  if (IsEmptyField(startText)) {
    record[kOtherStartTime] = 0;
    record[kOtherHoursAtWork] = 0;
  } else {
    record[kOtherStartTime] = DialogMinutes(startText, true);
    record[kOtherHoursAtWork] = DialogMinutes(atWorkText, true);
  }
  record[kOtherCredit] = DialogMinutes(creditText, false);
  record[kOtherHardTime] = DialogMinutes(hardTimeText, true);
  record[kOtherReserve] = reserve ? 1 : 0;
  record[kOtherContainsDuty] = containsDuty ? 1 : 0;
  record[kOtherExcludeCredit] = excludeCredit ? 1 : 0;
  record[kOtherCarsDuty] = carsDuty ? 1 : 0;
}

void OtherAssDialogClosed(BlockEditContext& ctx, int crew, int day) {
  if (!ctx.doc.isRosterIndex(crew)) return;
  CheckTheBlock(ctx, crew);
  RecalcBlockCredit(ctx.doc, crew, false, ctx.ui, ctx.views);
  ctx.views.cellsChanged(crew, day, kCodeCells);
  ctx.doc.Modified = 1;
}

void UpdateLeaveBlockMark(TDocument& doc, int crew) {
  if (crew < 0 || crew >= kPilotSlots) return;
  doc.pilot(crew).ComputeOnLeaveAllMonth(doc.monthDays());
}

}  // namespace lumora

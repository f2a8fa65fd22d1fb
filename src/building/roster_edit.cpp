#include "building/roster_edit.h"

#include <utility>

namespace lumora {

namespace {

std::int32_t Opened(std::int32_t status) {
  return status < 0 ? -kOpenInstance : kOpenInstance;
}

// Moves the record at `from` into the slot `to`, the duty-rule log with it
// (a plain copy of a crew member leaves the log behind).
void MoveSlot(TDocument& doc, int from, int to) {
  TPilot& target = doc.pilot(to);
  TPilot& source = doc.pilot(from);
  static_cast<TPilotData&>(target) = std::move(static_cast<TPilotData&>(source));
  target.RuleCheckLog = std::move(source.RuleCheckLog);
}

void ClearSlot(TPilot& pilot) {
  pilot.Clear();
  pilot.RuleCheckLog.clear();
  pilot.BelowBlockHolderLine = 0;
}

// What refers to roster positions besides the history: the grid's gesture
// state. Both go with any change of the order.
void RosterChanged(TDocument& doc) {
  doc.History.clear();
  doc.AcceptedProposals.clear();
  doc.view.gestureCrew = doc.view.gestureDay = doc.view.gesturePair = -1;
  doc.view.lastShownDay = doc.view.lastShownSlot = -1;
  doc.Modified = 1;
}

}  // namespace

bool IsRosterPseudoLine(const TPilot& pilot) {
  return pilot.EmpNumber == -1;
}

int ListedRosterSize(const TDocument& doc) {
  int n = doc.rosterSize();
  while (n > 0 && IsRosterPseudoLine(doc.pilot(n - 1))) --n;
  return n;
}

int CrewWithEmpNumber(const TDocument& doc, std::int32_t emp, int except) {
  if (emp == 0) return -1;
  for (int i = 0; i < doc.rosterSize(); ++i) {
    if (i != except && doc.pilot(i).EmpNumber == emp) return i;
  }
  return -1;
}

void MoveRosterRecord(TDocument& doc, int from, int to) {
  if (!doc.isRosterIndex(from) || !doc.isRosterIndex(to) || from == to) return;
  // The moving record waits outside the array while the others shift.
  TPilot held;
  static_cast<TPilotData&>(held) = std::move(static_cast<TPilotData&>(doc.pilot(from)));
  held.RuleCheckLog = std::move(doc.pilot(from).RuleCheckLog);
  if (to < from) {
    for (int i = from; i > to; --i) MoveSlot(doc, i - 1, i);
  } else {
    for (int i = from; i < to; ++i) MoveSlot(doc, i + 1, i);
  }
  TPilot& target = doc.pilot(to);
  static_cast<TPilotData&>(target) = std::move(static_cast<TPilotData&>(held));
  target.RuleCheckLog = std::move(held.RuleCheckLog);
  RosterChanged(doc);
}

bool InsertCrewMember(TDocument& doc, int position, const std::string& name, std::int32_t emp) {
  const int n = doc.rosterSize();
  if (n >= kMaxRosterPilots || position < 0 || position > n) return false;
  for (int i = n; i > position; --i) MoveSlot(doc, i - 1, i);
  TPilot& pilot = doc.pilot(position);
  ClearSlot(pilot);
  pilot.Name = name.substr(0, kMaxCrewNameLength);
  pilot.EmpNumber = emp;
  doc.PilotCount = n + 1;
  RosterChanged(doc);
  return true;
}

bool DeleteCrewMember(TDocument& doc, int crew) {
  if (!doc.isRosterIndex(crew)) return false;
  TPilot& pilot = doc.pilot(crew);
  for (int d = 0; d < doc.monthDays(); ++d) {
    const auto day = static_cast<std::size_t>(d);
    const std::int32_t cell = pilot.DayCell[day];
    if (!doc.isPairIndex(cell)) continue;
    std::int32_t& status = doc.pair(cell).DayStatus[day];
    if (status != 0) status = Opened(status);
  }
  const int n = doc.rosterSize();
  for (int i = crew; i + 1 < n; ++i) MoveSlot(doc, i + 1, i);
  ClearSlot(doc.pilot(n - 1));
  doc.PilotCount = n - 1;
  RosterChanged(doc);
  return true;
}

}  // namespace lumora

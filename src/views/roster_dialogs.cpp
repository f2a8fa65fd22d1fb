#include "views/roster_dialogs.h"

#include <cstdio>

#include "building/block_figures.h"
#include "building/roster_bounds.h"
#include "building/roster_edit.h"
#include "model/time_text.h"
#include "platform/captions.h"
#include "platform/ui.h"

namespace lumora {

namespace {

constexpr std::string_view kOops = "Oops";

std::string Position(int index) {
  char text[16];
  std::snprintf(text, sizeof text, "%03d", index + 1);
  return text;
}

}  // namespace

// --- EDIT ROSTER

std::vector<std::string> RosterDialog::lines() const {
  std::vector<std::string> out;
  const int n = ListedRosterSize(doc_);
  out.reserve(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    const TPilot& pilot = doc_.pilot(i);
    out.push_back(Position(i) + "   " + ShownName(pilot) + "   " + std::to_string(pilot.EmpNumber));
  }
  return out;
}

bool RosterDialog::refuse(Ui& ui, std::string_view text, std::string_view caption,
                          RosterField field) {
  ui.message(text, caption, Icon::Warning);
  focus_ = field;
  return false;
}

bool RosterDialog::insert(Ui& ui) {
  const int listed = ListedRosterSize(doc_);
  // A saturated negative index must not wrap when made a position.
  const int index = LeadingInt(indexText);
  const int position = index > 0 ? index - 1 : -1;
  if (position < 0 || position > listed) {
    return refuse(ui, "Invalid Roster Number!", kOops, RosterField::Index);
  }
  if (nameText.empty()) return refuse(ui, "Name must be 1 + letters!", kOops, RosterField::Name);
  if (nameText.size() > kMaxCrewNameLength) {
    return refuse(ui, "Name too long!", kOops, RosterField::Name);
  }
  // Ten digits can exceed what the record holds: anything above the largest
  // number the roster accepts is as invalid as a negative one.
  const int emp = LeadingInt(empText);
  if (emp < 0 || emp > kMaxEmpNumber) {
    return refuse(ui, "Invalid Employee Number!", kOops, RosterField::EmpNumber);
  }
  if (const int other = CrewWithEmpNumber(doc_, emp); other >= 0) {
    return refuse(ui, "Duplicate Employee Number with " + ShownName(doc_.pilot(other)), kOops,
                  RosterField::EmpNumber);
  }
  if (!InsertCrewMember(doc_, position, nameText, emp)) {
    return refuse(ui, "The roster is full.", kOops, RosterField::Index);
  }
  indexText.clear();
  nameText.clear();
  empText.clear();
  selected_ = -1;
  focus_ = RosterField::Index;
  changed_ = true;
  return true;
}

bool RosterDialog::deleteSelected(Ui& ui) {
  if (!doc_.isRosterIndex(selected_)) {
    return refuse(ui, "I Don't know who to Delete!", kOops, RosterField::List);
  }
  if (IsRosterPseudoLine(doc_.pilot(selected_))) {
    return refuse(ui, "Cannot delete Capt Pairings Lines. Use Edit.. Setup Crew Types", kAppCaption,
                  RosterField::List);
  }
  DeleteCrewMember(doc_, selected_);
  indexText.clear();
  nameText.clear();
  empText.clear();
  selected_ = -1;
  changed_ = true;
  return true;
}

void RosterDialog::dragOver(int from, int to) {
  const int listed = ListedRosterSize(doc_);
  if (from < 0 || from >= listed || to < 0 || to >= listed) {
    status_.clear();
    return;
  }
  status_ = "MOVE " + ShownName(doc_.pilot(from)) + " TO POSITION " + Position(to);
}

bool RosterDialog::drop(int from, int to) {
  const int listed = ListedRosterSize(doc_);
  if (from < 0 || from >= listed || to < 0 || to >= listed) {
    status_.clear();
    return false;
  }
  if (from == to) return false;
  MoveRosterRecord(doc_, from, to);
  status_ = ShownName(doc_.pilot(to)) + " MOVED TO POSITION " + Position(to);
  selected_ = to;
  changed_ = true;
  return true;
}

// --- the move dialog

std::string MoveEmployeeDialog::prompt() const {
  const std::string name = ctx_.doc.isRosterIndex(crew_) ? ShownName(ctx_.doc.pilot(crew_)) : "";
  return "Select Position to Move " + name + " to.";
}

std::vector<std::string> MoveEmployeeDialog::lines() const {
  std::vector<std::string> out;
  const int n = ListedRosterSize(ctx_.doc);
  out.reserve(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) out.push_back(Position(i) + " " + ShownName(ctx_.doc.pilot(i)));
  return out;
}

bool MoveEmployeeDialog::accept(Ui&) {
  TDocument& doc = ctx_.doc;
  const int listed = ListedRosterSize(doc);
  if (crew_ < 0 || crew_ >= listed || selected_ < 0 || selected_ >= listed || selected_ == crew_) {
    return true;
  }
  MoveRosterRecord(doc, crew_, selected_);
  FindBlockHolderLine(doc, ctx_.views);
  ctx_.views.rowsChanged(BlockViewSink::kAllRows);
  moved_ = true;
  return true;
}

bool ShowMoveOnRoster(BlockEditContext ctx, int crew,
                      const std::function<void()>& reapplyBlockFilters) {
  if (crew < 0 || crew >= ListedRosterSize(ctx.doc)) return false;
  MoveEmployeeDialog dialog(ctx, crew);
  ctx.ui.run(dialog);
  if (!dialog.moved()) return false;
  if (reapplyBlockFilters) reapplyBlockFilters();
  return true;
}

}  // namespace lumora

#include "building/undo.h"

#include <cstdio>

#include "building/assign.h"
#include "building/roster_bounds.h"
#include "model/document.h"
#include "platform/captions.h"
#include "platform/event_log.h"
#include "platform/ui.h"

namespace lumora {

namespace {

// Takes every assignment of the newest accepted proposal out again, newest
// first, and leaves the history as it was before the acceptance: the
// removals are not recorded, since the marker stands for all of them.
bool UndoProposal(BlockEditContext& ctx, const TransactionRecord& marker) {
  TDocument& doc = ctx.doc;
  const std::span<const TransactionRecord> records = doc.AcceptedProposals.newest(marker);
  if (records.empty()) return false;
  const TransactionHistory kept = doc.History;
  for (auto r = records.rbegin(); r != records.rend(); ++r)
    RemovePair(ctx, r->crew, r->pairing, r->day);
  doc.History = kept;
  doc.AcceptedProposals.popNewest();
  return true;
}

}  // namespace

UndoOutcome UndoLastTransaction(BlockEditContext& ctx) {
  TDocument& doc = ctx.doc;
  if (doc.History.empty()) {
    ctx.ui.beep();
    return UndoOutcome::NothingToUndo;
  }
  ctx.log.write("Undo\n");

  // A copy: the operation below adds a record in front of this one.
  const TransactionRecord record = doc.History[0];
  if (record.kind == TransactionRecord::kProposal) {
    if (UndoProposal(ctx, record)) {
      doc.History.removeNewest();
      return UndoOutcome::Undone;
    }
    // The proposal was accepted before the file was last opened: its
    // assignments were never saved as records.
    ctx.ui.message(
        "Unable to UNDO that Transaction: the proposal's assignments are only known until the "
        "file is closed",
        kAppCaption, Icon::None);
    doc.History.removeNewest();
    return UndoOutcome::Refused;
  }
  // The history may come from a file: a kind that is neither is refused
  // like any other record that cannot be reversed.
  int result = kAssignRefused;
  if (record.kind == TransactionRecord::kAssign) {
    result = RemovePair(ctx, record.crew, record.pairing, record.day);
  } else if (record.kind == TransactionRecord::kRemove) {
    result = AssignPair(ctx, record.crew, record.pairing, record.day, false);
  }

  if (result == kAssigned) {
    doc.History.removeNewest();  // the reversal
    doc.History.removeNewest();  // the record undone
    return UndoOutcome::Undone;
  }
  ctx.ui.message("Unable to UNDO that Transaction", kAppCaption, Icon::None);
  doc.History.removeNewest();
  return UndoOutcome::Refused;
}

namespace {

// Records read from a file are not validated: anything outside the arrays
// shows as zero or empty.
int RecordPairNumber(const TDocument& doc, const TransactionRecord& r) {
  return r.pairing >= 0 && r.pairing < kPairSlots ? doc.pair(r.pairing).Number : 0;
}

std::string RecordCrewName(const TDocument& doc, const TransactionRecord& r) {
  return r.crew >= 0 && r.crew < kPilotSlots ? ShownName(doc.pilot(r.crew)) : std::string();
}

}  // namespace

std::string UndoDescription(const TDocument& doc) {
  if (doc.History.empty()) return {};
  const TransactionRecord& r = doc.History[0];
  if (r.kind == TransactionRecord::kProposal)
    return "accept proposal of " + std::to_string(ProposalMarkerCount(r)) + " assignments";
  const int number = RecordPairNumber(doc, r);
  const std::string name = RecordCrewName(doc, r);
  const bool assign = r.kind == TransactionRecord::kAssign;
  char text[160];
  std::snprintf(text, sizeof text, "%s %04d %s %s on %d %s", assign ? "assign" : "remove", number,
                assign ? "to" : "from", name.c_str(), CalendarDayOf(doc, r.day),
                CalendarMonthOf(doc, r.day).c_str());
  return text;
}

std::vector<std::string> HistoryLines(const TDocument& doc) {
  std::string text;
  for (std::size_t i = 0; i < doc.History.size(); ++i) {
    const TransactionRecord& r = doc.History[i];
    if (r.kind == TransactionRecord::kProposal) {
      text += "Proposal\t" + std::to_string(ProposalMarkerCount(r)) + " assignments\t\t+";
      continue;
    }
    const int number = RecordPairNumber(doc, r);
    std::array<std::int32_t, 3> date{};
    if (r.day >= 0 && r.day < kBlockDays) date = doc.cal.MonthDays[static_cast<std::size_t>(r.day)];
    const std::string name = RecordCrewName(doc, r);
    char head[96];
    std::snprintf(head, sizeof head, "%s\t%d\t%02d/%02d/%04d\t",
                  r.kind == TransactionRecord::kAssign ? "Assign" : "Remove", number, date[0],
                  date[1], date[2]);
    text += head;
    text += name;
    text += '+';
  }

  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t plus = text.find('+'); plus != std::string::npos; plus = text.find('+', start)) {
    lines.push_back(text.substr(start, plus - start));
    start = plus + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

}  // namespace lumora

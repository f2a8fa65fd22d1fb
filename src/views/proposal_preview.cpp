#include "views/proposal_preview.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <utility>

#include "building/block_figures.h"
#include "model/time_text.h"
#include "platform/captions.h"
#include "platform/ui.h"

namespace lumora {

namespace {

// "12 Feb": the date an instance starts on.
std::string DateText(const TDocument& doc, int day) {
  if (day < 0 || day >= kBlockDays) return {};
  const auto& date = doc.cal.MonthDays[static_cast<std::size_t>(day)];
  std::string month = MonthAbbrev(date[1]);
  for (std::size_t i = 1; i < month.size(); ++i)
    month[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(month[i])));
  char text[32];
  std::snprintf(text, sizeof text, "%02d %s", static_cast<int>(date[0]), month.c_str());
  return text;
}

std::string AgainstGreedy(std::string_view label, const std::string& value,
                          const std::string& greedy) {
  std::string line(label);
  line += value;
  line += " (greedy ";
  line += greedy;
  line += ')';
  return line;
}

// The CLI's word but for the cut-off solver, which a scheduler reads better spelt out.
std::string_view StatusWord(ProposalStatus status) {
  return status == ProposalStatus::TimeLimit ? "best found within the time limit"
                                             : StatusName(status);
}

}  // namespace

ProposalPreview::ProposalPreview(BlockEditContext ctx, Proposal proposal,
                                 std::function<void(int crew, int day)> showCell)
    : ctx_(ctx),
      proposal_(std::move(proposal)),
      showCell_(std::move(showCell)),
      selected_(proposal_.assignments.size(), 1) {
  // The list groups by crew member; the engine sorts so, but the list must
  // not depend on it.
  std::stable_sort(proposal_.assignments.begin(), proposal_.assignments.end(),
                   [](const ProposedAssignment& a, const ProposedAssignment& b) {
                     return a.crew != b.crew ? a.crew < b.crew : a.day < b.day;
                   });
  buildLines();

  const ProposalFigures& got = proposal_.figures;
  const ProposalFigures& greedy = proposal_.greedyFigures;
  figures_.push_back(AgainstGreedy("Credit covered: ", HoursMinutes(got.creditCovered),
                                   HoursMinutes(greedy.creditCovered)));
  figures_.push_back(
      AgainstGreedy("Bids met: ", std::to_string(got.bidsMet), std::to_string(greedy.bidsMet)));
  figures_.push_back(AgainstGreedy("Credit off target: ", HoursMinutes(got.imbalance),
                                   HoursMinutes(greedy.imbalance)));
  char seconds[32];
  std::snprintf(seconds, sizeof seconds, ", %.1f s", proposal_.seconds);
  status_ = "Solver: ";
  status_ += proposal_.solverStatus.empty() ? std::string(StatusWord(proposal_.status))
                                            : proposal_.solverStatus;
  status_ += seconds;
}

void ProposalPreview::buildLines() {
  const TDocument& doc = ctx_.doc;
  const auto& all = proposal_.assignments;
  for (std::size_t first = 0; first < all.size();) {
    const int crew = all[first].crew;
    std::size_t end = first;
    std::int64_t added = 0;
    while (end < all.size() && all[end].crew == crew) added += all[end++].credit;

    Line heading{{}, crew, all[first].day, -1};
    char number[16];
    std::snprintf(number, sizeof number, "%03d ", crew + 1);
    heading.text = number;
    if (doc.isRosterIndex(crew)) {
      const std::int64_t before = BlockCreditOf(doc.pilot(crew));
      heading.text += doc.pilot(crew).Name;
      heading.text += ", credit " + HoursMinutes(before) + " -> " + HoursMinutes(before + added);
    }
    lines_.push_back(std::move(heading));

    for (std::size_t i = first; i < end; ++i) {
      const ProposedAssignment& a = all[i];
      char pairing[16];
      std::snprintf(pairing, sizeof pairing, "%04d",
                    doc.isPairIndex(a.pair) ? static_cast<int>(doc.pair(a.pair).Number) : 0);
      Line line{"    ", a.crew, a.day, static_cast<int>(i)};
      line.text += DateText(doc, a.day) + "  " + pairing + "  " + HoursMinutes(a.credit) + "  ";
      line.text += a.why.empty() ? std::string(ReasonName(a.reason)) : a.why;
      lines_.push_back(std::move(line));
    }
    first = end;
  }
}

std::vector<ProposedCell> ProposalPreview::cells() const {
  std::vector<ProposedCell> cells;
  cells.reserve(proposal_.assignments.size());
  for (const ProposedAssignment& a : proposal_.assignments)
    cells.push_back({a.crew, a.day, a.pair});
  return cells;
}

bool ProposalPreview::selected(int assignment) const {
  return assignment >= 0 && static_cast<std::size_t>(assignment) < selected_.size() &&
         selected_[static_cast<std::size_t>(assignment)] != 0;
}

void ProposalPreview::select(int assignment, bool on) {
  if (assignment >= 0 && static_cast<std::size_t>(assignment) < selected_.size())
    selected_[static_cast<std::size_t>(assignment)] = on ? 1 : 0;
}

void ProposalPreview::selectCrew(int crew, bool on) {
  for (std::size_t i = 0; i < selected_.size(); ++i)
    if (proposal_.assignments[i].crew == crew) selected_[i] = on ? 1 : 0;
}

void ProposalPreview::selectAll(bool on) {
  std::fill(selected_.begin(), selected_.end(), on ? 1 : 0);
}

int ProposalPreview::selectedCount() const {
  return static_cast<int>(std::count(selected_.begin(), selected_.end(), 1));
}

int ProposalPreview::crewSelection(int crew) const {
  bool any = false;
  bool all = true;
  for (std::size_t i = 0; i < selected_.size(); ++i) {
    if (proposal_.assignments[i].crew != crew) continue;
    any = any || selected_[i] != 0;
    all = all && selected_[i] != 0;
  }
  return !any ? 0 : all ? 2 : 1;
}

void ProposalPreview::show(int line) {
  if (line < 0 || static_cast<std::size_t>(line) >= lines_.size() || !showCell_) return;
  const Line& shown = lines_[static_cast<std::size_t>(line)];
  showCell_(shown.crew, shown.day);
}

bool ProposalPreview::accept(Ui& ui) {
  std::vector<ProposedAssignment> chosen;
  for (std::size_t i = 0; i < selected_.size(); ++i)
    if (selected_[i] != 0) chosen.push_back(proposal_.assignments[i]);
  if (chosen.empty()) {
    ui.message(kNothingSelected, kAppCaption, Icon::Information);
    return false;
  }
  applied_ = AcceptProposal(ctx_, chosen);
  if (static_cast<std::size_t>(applied_) < chosen.size()) {
    char text[160];
    std::snprintf(text, sizeof text,
                  "%d of the %d selected assignments were made; the rules refuse the others now.",
                  applied_, static_cast<int>(chosen.size()));
    ui.message(text, kAppCaption, Icon::Warning);
  }
  return true;
}

bool ProposalPreview::acceptAll(Ui& ui) {
  selectAll(true);
  return accept(ui);
}

}  // namespace lumora

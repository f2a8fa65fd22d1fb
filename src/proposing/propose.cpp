#include "proposing/propose.h"

#include <algorithm>
#include <chrono>

#include "building/assign.h"
#include "model/document.h"
#include "platform/forwarding_ui.h"
#include "proposing/proposal_session.h"

namespace lumora {

namespace {

void SortByCrewAndDay(std::vector<ProposedAssignment>& chosen) {
  std::sort(chosen.begin(), chosen.end(),
            [](const ProposedAssignment& a, const ProposedAssignment& b) {
              return a.crew != b.crew ? a.crew < b.crew : a.day < b.day;
            });
}

// A question while accepting means the month changed since the proposal was
// made; the assignment is then skipped rather than forced.
class RefusingUi final : public ForwardingUi {
 public:
  using ForwardingUi::ForwardingUi;
  Answer ask(std::string_view, std::string_view, Buttons buttons, Icon) override {
    return buttons == Buttons::OkCancel ? Answer::Cancel : Answer::No;
  }
};

// Covered credit first, then bids, then balance.
bool Better(const ProposalFigures& a, const ProposalFigures& b) {
  if (a.creditCovered != b.creditCovered) return a.creditCovered > b.creditCovered;
  if (a.bidsMet != b.bidsMet) return a.bidsMet > b.bidsMet;
  return a.imbalance < b.imbalance;
}

}  // namespace

std::string_view StatusName(ProposalStatus status) {
  switch (status) {
    case ProposalStatus::Optimal:
      return "optimal";
    case ProposalStatus::TimeLimit:
      return "time limit";
    case ProposalStatus::Greedy:
      return "greedy";
    case ProposalStatus::Cancelled:
      return "cancelled";
    case ProposalStatus::NothingOpen:
      return "nothing open";
  }
  return {};
}

std::string_view ReasonName(ProposalReason reason) {
  switch (reason) {
    case ProposalReason::CreditGap:
      return "credit gap";
    case ProposalReason::BidMet:
      return "bid met";
    case ProposalReason::Balance:
      return "balance";
  }
  return {};
}

double DefaultTimeLimit(std::size_t crewCount) {
  return std::clamp(0.005 * static_cast<double>(crewCount), 0.2, 20.0);
}

Proposal ProposeBlocks(TDocument& doc, BlockRules& rules, const ProposalOptions& options) {
  const auto started = std::chrono::steady_clock::now();
  Proposal proposal;
  auto finish = [&] {
    proposal.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    return proposal;
  };

  bool cancelled = false;
  auto report = [&](int percent, std::string_view stage) {
    if (!cancelled && options.progress && !options.progress(percent, stage)) cancelled = true;
    return !cancelled;
  };
  report(0, "Collecting open pairings");

  ProposalSession session(doc, rules, options.crews);
  if (session.instances().empty() || session.crews().empty()) {
    proposal.status = ProposalStatus::NothingOpen;
    proposal.solverStatus = "nothing open";
    return finish();
  }

  const int greedyShare = options.greedyOnly ? 100 : 30;
  std::vector<ProposedAssignment> greedy = GreedyPass(session, AllCrews(session), [&](int percent) {
    return report(percent * greedyShare / 100, "Greedy pass");
  });
  session.restore();
  if (cancelled) {
    proposal.status = ProposalStatus::Cancelled;
    proposal.solverStatus = "cancelled";
    return finish();
  }
  SortByCrewAndDay(greedy);
  proposal.greedyFigures = session.figures(greedy);
  proposal.figures = proposal.greedyFigures;
  proposal.assignments = greedy;
  proposal.status = ProposalStatus::Greedy;
  proposal.solverStatus = "greedy";
  if (options.greedyOnly) {
    report(100, "Done");
    return finish();
  }

  const double limit = options.timeLimitSeconds > 0 ? options.timeLimitSeconds
                                                    : DefaultTimeLimit(session.crews().size());
  SolvedPass solved = OptimizedPass(session, greedy, limit, [&](int percent) {
    return report(greedyShare + percent * (100 - greedyShare) / 100, "Solving");
  });
  session.restore();
  if (cancelled || solved.stopped) {
    proposal.assignments.clear();
    proposal.figures = ProposalFigures{};
    proposal.status = ProposalStatus::Cancelled;
    proposal.solverStatus = "cancelled";
    return finish();
  }
  SortByCrewAndDay(solved.chosen);
  const ProposalFigures figures = session.figures(solved.chosen);
  proposal.status = solved.optimal ? ProposalStatus::Optimal : ProposalStatus::TimeLimit;
  if (Better(figures, proposal.greedyFigures)) {
    proposal.assignments = std::move(solved.chosen);
    proposal.figures = figures;
    proposal.solverStatus = solved.status;
  } else {
    // Verification can cost the model's choice more than the greedy one.
    proposal.solverStatus = "greedy kept (the solver's choice covered " +
                            std::to_string(figures.creditCovered) + " min, " +
                            std::to_string(figures.bidsMet) + " bids); solver: " + solved.status;
  }
  report(100, "Done");
  return finish();
}

int AcceptProposal(BlockEditContext& ctx, std::span<const ProposedAssignment> chosen) {
  TDocument& doc = ctx.doc;
  RefusingUi ui(ctx.ui);
  BlockEditContext quiet{doc, ui, ctx.log, ctx.rules, ctx.views};
  // The history gets one marker instead of a record per assignment, which
  // would push everything older out of it.
  const TransactionHistory kept = doc.History;
  std::vector<TransactionRecord> applied;
  applied.reserve(chosen.size());
  for (const ProposedAssignment& a : chosen) {
    if (AssignPair(quiet, a.crew, a.pair, a.day, false) == kAssigned)
      applied.push_back(TransactionRecord{TransactionRecord::kAssign, a.day, a.crew, a.pair});
  }
  doc.History = kept;
  if (applied.empty()) return 0;
  const std::int32_t serial = doc.AcceptedProposals.push(applied);
  doc.History.add(ProposalMarker(serial, applied.size()));
  return static_cast<int>(applied.size());
}

}  // namespace lumora

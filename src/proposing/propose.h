#pragma once
// Proposed blocks: assignments of the month's open pairing instances to crew
// members that leave every block legal, fill the credit each crew member is
// still short of, and meet bids in seniority order. Computing a proposal
// never changes the document; accepting one applies it as one undoable step.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "building/block_edit.h"

namespace lumora {

class BlockRules;
class TDocument;

// Why an assignment was chosen; a crew member's line in the preview shows these.
enum class ProposalReason : std::uint8_t {
  CreditGap,  // fills credit he is short of (below his minimum or target)
  BidMet,     // a pairing number he bid for
  Balance,    // evens out credit across the crew
};

struct ProposedAssignment {
  int crew = 0;             // roster index
  int pair = 0;             // pairing index
  int day = 0;              // month day index the instance starts on
  std::int32_t credit = 0;  // minutes of credit it adds to his block
  ProposalReason reason = ProposalReason::CreditGap;
  std::string why;  // the preview's text, e.g. "credit gap 12:30 filled" or "bid met (3rd choice)"
};

enum class ProposalStatus : std::uint8_t {
  Optimal,      // the solver proved its choice best
  TimeLimit,    // the solver was cut off; its best choice so far (never worse than greedy)
  Greedy,       // greedy baseline only (asked for, or no solver)
  Cancelled,    // the progress callback asked to stop; no assignments
  NothingOpen,  // no open instance or no crew member to fill
};

struct ProposalFigures {
  std::int64_t creditCovered = 0;  // minutes of open credit assigned
  int bidsMet = 0;                 // bid pairings and requested days off honoured
  std::int64_t imbalance =
      0;  // sum over chosen crew of |target - credit| in minutes, lower is better
};

struct ProposalOptions {
  std::vector<int> crews;  // empty: every crew member the rules check
  // Solver time limit; 0 sets it by the number of crew members to fill
  // (DefaultTimeLimit).
  double timeLimitSeconds = 0.0;
  bool greedyOnly = false;
  // Progress in percent with a stage text; returning false cancels.
  std::function<bool(int percent, std::string_view stage)> progress;
};

struct Proposal {
  std::vector<ProposedAssignment> assignments;  // sorted by crew, then day
  ProposalFigures figures;
  ProposalFigures greedyFigures;  // the baseline on the same month, for comparison
  ProposalStatus status = ProposalStatus::NothingOpen;
  std::string solverStatus;  // one line for the CLI's JSON and the preview's status
  double seconds = 0.0;
};

// The solver's time limit for `crewCount` crew members to fill: a small month
// is answered while the scheduler waits, a full roster in seconds. The model's
// bound stays a few percent above what verification keeps, so the solver
// rarely proves its choice best and runs to the limit.
double DefaultTimeLimit(std::size_t crewCount);

// Computes a proposal for the document as it stands (locked and existing
// assignments kept). The document is left exactly as it was.
Proposal ProposeBlocks(TDocument& doc, BlockRules& rules, const ProposalOptions& options);

// Applies the chosen assignments through AssignPair with every rule on, as one
// transaction of the history: one undo (F1) takes all of them out again.
// Returns how many were applied; those the rules refuse now are skipped.
int AcceptProposal(BlockEditContext& ctx, std::span<const ProposedAssignment> chosen);

// The preview's and the CLI's text of an assignment's reason.
std::string_view ReasonName(ProposalReason reason);
// The CLI's name of a status ("time limit", "greedy", ...).
std::string_view StatusName(ProposalStatus status);

}  // namespace lumora

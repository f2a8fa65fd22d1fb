#pragma once
// The working state of one proposal: the open instances, the crew members to
// fill with their limits and bids, and the trial of assignments on the
// document itself, which is put back exactly as it was at the end.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "building/block_edit.h"
#include "building/block_figures.h"
#include "model/document.h"
#include "proposing/propose.h"

namespace lumora {

// An open pairing instance and the block days it covers.
struct OpenInstance {
  int pair = 0;
  int day = 0;
  int number = 0;
  std::int32_t credit = 0;  // credit it brings into the month
  std::uint64_t days = 0;   // bit d: block day d is covered
  std::int64_t start = 0;   // report, minutes from the month's first midnight
  std::int64_t end = 0;     // release
};

struct CrewToFill {
  int index = 0;
  CreditLimits limits;
  std::int32_t credit = 0;      // his block credit now
  std::uint64_t closed = 0;     // days taken, locked or requested off
  int requestedDays = 0;        // requested days off inside the month
  std::vector<int> bidNumbers;  // pairing numbers bid for, first choice first

  // 1 for the first choice, 0 when he did not bid for the number.
  int bidRank(int number) const;
};

// The order in which a crew member is offered open instances: his bids in
// his order, then the largest credit (a stable sort keeps the earliest day
// first among equals).
bool OfferedBefore(const CrewToFill& crew, const OpenInstance& x, const OpenInstance& y);

// The instances every crew member may be offered, the crew in seniority
// order, and the chosen instances' bookkeeping.
class ProposalSession {
 public:
  ProposalSession(TDocument& doc, BlockRules& rules, const std::vector<int>& crews);
  ~ProposalSession();
  ProposalSession(const ProposalSession&) = delete;
  ProposalSession& operator=(const ProposalSession&) = delete;

  const std::vector<OpenInstance>& instances() const { return instances_; }
  std::vector<CrewToFill>& crews() { return crews_; }
  TDocument& doc() { return doc_; }
  int restMinutes() const;

  // Whether the instance could go to the crew member as his block stands,
  // by the cheap tests only: free days, credit below his maximum.
  bool fits(const CrewToFill& crew, const OpenInstance& instance) const;

  // Assigns the instance with every rule on and keeps it only when no block
  // gains an exception, his credit stays within his maximum and his days off
  // stay enough. False leaves the document as before the call.
  bool tryAssign(CrewToFill& crew, int instance);
  // Takes back what tryAssign kept.
  void unassign(CrewToFill& crew, int instance);
  bool taken(int instance) const { return taken_[static_cast<std::size_t>(instance)] != 0; }
  // The open instance of `pair` on `day`; -1 when there is none.
  int instanceAt(int pair, int day) const;

  // The document as it was when the session began.
  void restore();

  // The assignment as the preview shows it; `creditBefore` is his block
  // credit before it.
  ProposedAssignment describe(const CrewToFill& crew, int instance,
                              std::int32_t creditBefore) const;
  ProposalFigures figures(const std::vector<ProposedAssignment>& chosen) const;

 private:
  struct Saved;
  bool gainedException();

  TDocument& doc_;
  std::unique_ptr<Ui> ui_;
  std::unique_ptr<EventLog> log_;
  BlockViewSink views_;
  BlockRules& rules_;
  BlockEditContext ctx_;
  std::unique_ptr<Saved> saved_;
  std::vector<OpenInstance> instances_;
  std::vector<std::uint8_t> taken_;
  std::vector<int> instanceAt_;  // pair * kMonthDays + day
  std::vector<CrewToFill> crews_;
  // Each crew member's findings as they were after the last kept assignment.
  std::vector<std::string> exceptions_;
  std::vector<std::array<std::uint8_t, kBlockDays>> exceptionDays_;
};

// The greedy pass: in seniority order each crew member takes the instances
// he bid for, then the largest he can fly, first up to his target and, in a
// second round, up to his maximum. Leaves its choices applied.
// `crews` are indexes into the session's crews, in the order to serve them.
std::vector<ProposedAssignment> GreedyPass(ProposalSession& session, const std::vector<int>& crews,
                                           const std::function<bool(int)>& keepGoing);

struct SolvedPass {
  std::vector<ProposedAssignment> chosen;
  bool optimal = true;   // every part of the model was solved to the end
  bool cutOff = false;   // some part stopped at its time limit
  bool stopped = false;  // keepGoing said no
  std::string status;
};

// The optimizer: the crew in seniority groups, each group's candidates
// (cheap tests, then TestLegalFor) solved as one model that starts from the
// greedy choice, then applied with every rule on; what the model could not
// see (rolling limits, fatigue, runs of days on) drops out there and the
// group's crew are filled up greedily again. Leaves its choices applied.
SolvedPass OptimizedPass(ProposalSession& session, const std::vector<ProposedAssignment>& greedy,
                         double seconds, const std::function<bool(int)>& keepGoing);

// Every crew member of the session, in seniority order.
std::vector<int> AllCrews(ProposalSession& session);

}  // namespace lumora

#pragma once
// The mixed-integer model of a proposal: which candidate (crew member,
// instance) pairs to take so that every instance goes to one crew member at
// most, no crew member gets two instances that overlap or leave too short a
// rest between them, nobody passes his maximum credit, and the objective
// weighs credit covered far above bids met and both above balance.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace lumora {

struct ModelCandidate {
  int crew = 0;      // index into ModelInput::crews
  int instance = 0;  // caller's instance number, shared by competing candidates
  std::int32_t credit = 0;
  double bid = 0.0;        // bonus of a bid met, below one minute of credit
  std::int64_t from = 0;   // report, in minutes
  std::int64_t until = 0;  // the earliest a next duty may report
  bool start = false;      // part of the starting solution
  int days = 1;            // block days it covers
};

struct ModelCrew {
  std::int64_t room = 0;      // credit he may still take
  std::int64_t toTarget = 0;  // credit up to his target (negative when above)
  int workDays = -1;          // days he may still work and keep his days off; -1: no bound
};

struct ModelInput {
  std::vector<ModelCandidate> candidates;
  std::vector<ModelCrew> crews;
  double seconds = 1.0;          // wall clock: the machine may be shared
  double balanceWeight = 0.001;  // per minute off the target
  // Asked now and then while solving; false stops the solver.
  std::function<bool()> keepGoing;
};

struct ModelResult {
  std::vector<int> chosen;  // indexes into the candidates
  bool solved = false;      // a solution was found
  bool optimal = false;
  bool cutOff = false;   // by the time limit
  bool stopped = false;  // by keepGoing
  std::string status;
};

ModelResult SolveAssignmentModel(const ModelInput& input);

}  // namespace lumora

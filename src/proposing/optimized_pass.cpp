#include <algorithm>
#include <bit>
#include <chrono>

#include "proposing/assignment_model.h"
#include "proposing/proposal_session.h"
#include "rules/days_off.h"
#include "rules/whos_legal.h"

namespace lumora {

namespace {

// Small enough for CBC to solve a group well inside its share of the time,
// large enough that juniors still compete with seniors for the same trips.
constexpr std::size_t kGroupSize = 120;
// Candidates offered per instance within a group and per crew member: the
// model stays small while every crew member has a choice.
constexpr int kPerInstance = 4;
constexpr int kPerCrew = 40;
// Legality tests spent on one crew member before his list is closed.
constexpr int kTestsPerCrew = 3 * kPerCrew;

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point t) {
  return std::chrono::duration<double>(Clock::now() - t).count();
}

// The days he may still work before his days off fall short of what he
// needs: his own minimum or the document's rule. Leave and the finer points
// of the rule are left to the verification.
int WorkDaysLeft(const TDocument& doc, const CrewToFill& crew) {
  if (DaysOffStatus(doc, crew.index) == TotalStatus::OutsideRange) return -1;
  const TPilot& pilot = doc.pilot(crew.index);
  const int required = TPilot::Effective(pilot.MinDaysOffOverride(), doc.DaysOffBlockHolder);
  return std::max(0, CountDaysOff(doc, crew.index) - required);
}

}  // namespace

SolvedPass OptimizedPass(ProposalSession& session, const std::vector<ProposedAssignment>& greedy,
                         double seconds, const std::function<bool(int)>& keepGoing) {
  SolvedPass pass;
  const auto started = Clock::now();
  const std::vector<OpenInstance>& instances = session.instances();
  std::vector<CrewToFill>& crews = session.crews();
  TDocument& doc = session.doc();
  const int rest = session.restMinutes();

  // What the greedy pass gave each crew member: the model's starting point.
  std::vector<std::vector<int>> greedyOf(crews.size());
  for (const ProposedAssignment& a : greedy) {
    const auto crew = std::find_if(crews.begin(), crews.end(),
                                   [&](const CrewToFill& c) { return c.index == a.crew; });
    const int instance = session.instanceAt(a.pair, a.day);
    if (crew != crews.end() && instance >= 0)
      greedyOf[static_cast<std::size_t>(crew - crews.begin())].push_back(instance);
  }

  const std::size_t groups = (crews.size() + kGroupSize - 1) / kGroupSize;
  std::vector<int> offered(instances.size(), 0);
  int dropped = 0;
  int refilled = 0;
  for (std::size_t g = 0; g < groups; ++g) {
    const std::size_t first = g * kGroupSize;
    const std::size_t last = std::min(crews.size(), first + kGroupSize);
    auto percent = [&](double share) {
      return static_cast<int>(100.0 * (static_cast<double>(g) + share) /
                              static_cast<double>(groups));
    };
    if (!keepGoing(percent(0))) {
      pass.stopped = true;
      return pass;
    }

    ModelInput input;
    std::fill(offered.begin(), offered.end(), 0);
    std::vector<std::size_t> crewOf;
    for (std::size_t k = first; k < last; ++k) {
      CrewToFill& crew = crews[k];
      const int model = static_cast<int>(input.crews.size());
      input.crews.push_back(ModelCrew{crew.limits.maximum - crew.credit,
                                      crew.limits.target - crew.credit, WorkDaysLeft(doc, crew)});
      crewOf.push_back(k);
      auto offer = [&](int i, bool start) {
        const OpenInstance& inst = instances[static_cast<std::size_t>(i)];
        ModelCandidate c;
        c.crew = model;
        c.instance = i;
        c.credit = inst.credit;
        if (const int rank = crew.bidRank(inst.number); rank > 0)
          c.bid =
              0.9 * (1.0 - 0.5 * static_cast<double>(k) / static_cast<double>(crews.size())) / rank;
        c.from = inst.start;
        c.until = std::max(
            inst.end + rest,
            std::int64_t{inst.day + static_cast<int>(std::popcount(inst.days))} * kMinutesPerDay);
        c.start = start;
        c.days = std::popcount(inst.days);
        input.candidates.push_back(c);
        ++offered[static_cast<std::size_t>(i)];
      };
      std::vector<int> own;
      for (const int i : greedyOf[k]) {
        if (session.taken(i) || !session.fits(crew, instances[static_cast<std::size_t>(i)]))
          continue;
        if (TestLegalFor(doc, crew.index, instances[static_cast<std::size_t>(i)].pair,
                         instances[static_cast<std::size_t>(i)].day) != kLegal)
          continue;
        offer(i, true);
        own.push_back(i);
      }
      std::vector<int> order;
      for (std::size_t i = 0; i < instances.size(); ++i)
        if (!session.taken(static_cast<int>(i)) && offered[i] < kPerInstance &&
            session.fits(crew, instances[i]) &&
            std::find(own.begin(), own.end(), static_cast<int>(i)) == own.end())
          order.push_back(static_cast<int>(i));
      std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return OfferedBefore(crew, instances[static_cast<std::size_t>(a)],
                             instances[static_cast<std::size_t>(b)]);
      });
      int taken = 0;
      int tests = 0;
      for (const int i : order) {
        if (taken >= kPerCrew || tests >= kTestsPerCrew) break;
        if (offered[static_cast<std::size_t>(i)] >= kPerInstance) continue;
        ++tests;
        const OpenInstance& inst = instances[static_cast<std::size_t>(i)];
        if (TestLegalFor(doc, crew.index, inst.pair, inst.day) != kLegal) continue;
        offer(i, false);
        ++taken;
      }
    }

    const double left = seconds - SecondsSince(started);
    input.seconds = std::max(0.1, left / static_cast<double>(groups - g));
    const auto solveStart = Clock::now();
    input.keepGoing = [&] {
      return keepGoing(percent(std::min(0.9, SecondsSince(solveStart) / input.seconds)));
    };
    const ModelResult result = SolveAssignmentModel(input);
    pass.optimal = pass.optimal && result.optimal;
    pass.cutOff = pass.cutOff || result.cutOff;
    if (!pass.status.empty()) pass.status += "; ";
    pass.status += result.status;
    if (result.stopped) {
      pass.stopped = true;
      return pass;
    }

    // The model's choice, or the greedy start when it found none.
    std::vector<std::vector<int>> chosen(last - first);
    if (result.solved) {
      for (const int j : result.chosen) {
        const ModelCandidate& c = input.candidates[static_cast<std::size_t>(j)];
        chosen[static_cast<std::size_t>(c.crew)].push_back(c.instance);
      }
    } else {
      for (const ModelCandidate& c : input.candidates)
        if (c.start) chosen[static_cast<std::size_t>(c.crew)].push_back(c.instance);
    }
    std::vector<int> group;
    for (std::size_t m = 0; m < chosen.size(); ++m) {
      CrewToFill& crew = crews[crewOf[m]];
      group.push_back(static_cast<int>(crewOf[m]));
      std::sort(chosen[m].begin(), chosen[m].end(), [&](int a, int b) {
        return instances[static_cast<std::size_t>(a)].start <
               instances[static_cast<std::size_t>(b)].start;
      });
      for (const int i : chosen[m]) {
        const std::int32_t before = crew.credit;
        if (session.tryAssign(crew, i))
          pass.chosen.push_back(session.describe(crew, i, before));
        else
          ++dropped;
      }
    }
    // What verification dropped leaves room the model could not fill.
    std::vector<ProposedAssignment> refill = GreedyPass(session, group, [&](int) { return true; });
    pass.chosen.insert(pass.chosen.end(), refill.begin(), refill.end());
    refilled += static_cast<int>(refill.size());
  }
  pass.status += "; " + std::to_string(dropped) + " dropped by the rules, " +
                 std::to_string(refilled) + " refilled";
  return pass;
}

}  // namespace lumora

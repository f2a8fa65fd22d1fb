#include "proposing/assignment_model.h"

#include <CbcEventHandler.hpp>
#include <CbcModel.hpp>
#include <CbcSolver.hpp>
#include <CoinMessageHandler.hpp>
#include <CoinPackedMatrix.hpp>
#include <OsiClpSolverInterface.hpp>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <numeric>

namespace lumora {

namespace {

// CBC copies the handler into the model it works on; the copies share the
// question.
// CBC's own limit counts processor time; the user waits by the clock.
class StopWhenAsked final : public CbcEventHandler {
 public:
  StopWhenAsked(const std::function<bool()>& keepGoing, double seconds, bool& stopped, bool& cutOff)
      : keepGoing_(keepGoing),
        deadline_(std::chrono::steady_clock::now() +
                  std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                      std::chrono::duration<double>(seconds))),
        stopped_(stopped),
        cutOff_(cutOff) {}
  CbcAction event(CbcEvent) override {
    if (stopped_ || cutOff_) return stop;
    if (keepGoing_ && !keepGoing_()) {
      stopped_ = true;
      return stop;
    }
    if (std::chrono::steady_clock::now() > deadline_) {
      cutOff_ = true;
      return stop;
    }
    return noAction;
  }
  CbcEventHandler* clone() const override { return new StopWhenAsked(*this); }

 private:
  const std::function<bool()>& keepGoing_;
  std::chrono::steady_clock::time_point deadline_;
  bool& stopped_;
  bool& cutOff_;
};

struct Rows {
  std::vector<int> row;
  std::vector<int> column;
  std::vector<double> value;
  std::vector<double> lower;
  std::vector<double> upper;

  int add(double lo, double hi) {
    lower.push_back(lo);
    upper.push_back(hi);
    return static_cast<int>(lower.size()) - 1;
  }
  void put(int r, int c, double v) {
    row.push_back(r);
    column.push_back(c);
    value.push_back(v);
  }
};

}  // namespace

ModelResult SolveAssignmentModel(const ModelInput& input) {
  ModelResult result;
  const auto& cands = input.candidates;
  const int n = static_cast<int>(cands.size());
  const int crews = static_cast<int>(input.crews.size());
  if (n == 0) {
    result.solved = result.optimal = true;
    result.status = "no candidates";
    return result;
  }
  // Columns: the candidates, then per crew member his shortfall below and
  // his excess above the target.
  const int columns = n + 2 * crews;
  std::vector<double> objective(static_cast<std::size_t>(columns), -input.balanceWeight);
  std::vector<double> colLower(static_cast<std::size_t>(columns), 0.0);
  std::vector<double> colUpper(static_cast<std::size_t>(columns), 1.0);
  for (int j = 0; j < n; ++j) {
    const auto& c = cands[static_cast<std::size_t>(j)];
    objective[static_cast<std::size_t>(j)] = c.credit + c.bid;
  }
  for (int k = n; k < columns; ++k) colUpper[static_cast<std::size_t>(k)] = 1e9;

  Rows rows;
  std::vector<std::vector<int>> byCrew(static_cast<std::size_t>(crews));
  for (int j = 0; j < n; ++j)
    byCrew[static_cast<std::size_t>(cands[static_cast<std::size_t>(j)].crew)].push_back(j);

  // Each instance once.
  std::vector<int> order(static_cast<std::size_t>(n));
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(), [&](int a, int b) {
    return cands[static_cast<std::size_t>(a)].instance <
           cands[static_cast<std::size_t>(b)].instance;
  });
  for (std::size_t i = 0; i < order.size();) {
    std::size_t e = i;
    const int instance = cands[static_cast<std::size_t>(order[i])].instance;
    while (e < order.size() && cands[static_cast<std::size_t>(order[e])].instance == instance) ++e;
    if (e - i > 1) {
      const int r = rows.add(-1e30, 1.0);
      for (std::size_t x = i; x < e; ++x) rows.put(r, order[x], 1.0);
    }
    i = e;
  }

  for (int k = 0; k < crews; ++k) {
    std::vector<int>& mine = byCrew[static_cast<std::size_t>(k)];
    const ModelCrew& crew = input.crews[static_cast<std::size_t>(k)];
    // His credit window and the distance from his target.
    const int room = rows.add(-1e30, static_cast<double>(crew.room));
    const int target =
        rows.add(static_cast<double>(crew.toTarget), static_cast<double>(crew.toTarget));
    for (const int j : mine) {
      rows.put(room, j, cands[static_cast<std::size_t>(j)].credit);
      rows.put(target, j, cands[static_cast<std::size_t>(j)].credit);
    }
    if (crew.workDays >= 0) {
      const int work = rows.add(-1e30, crew.workDays);
      for (const int j : mine) rows.put(work, j, cands[static_cast<std::size_t>(j)].days);
    }
    rows.put(target, n + 2 * k, 1.0);
    rows.put(target, n + 2 * k + 1, -1.0);
    // Two duties conflict when one reports before the other's rest is over:
    // intervals, so one row per report time covers every conflict.
    std::sort(mine.begin(), mine.end(), [&](int a, int b) {
      return cands[static_cast<std::size_t>(a)].from < cands[static_cast<std::size_t>(b)].from;
    });
    std::vector<int> previous;
    for (std::size_t a = 0; a < mine.size(); ++a) {
      const std::int64_t at = cands[static_cast<std::size_t>(mine[a])].from;
      std::vector<int> clique;
      for (std::size_t b = 0; b <= a; ++b) {
        const auto& other = cands[static_cast<std::size_t>(mine[b])];
        if (other.from <= at && at < other.until) clique.push_back(mine[b]);
      }
      std::sort(clique.begin(), clique.end());
      // A clique inside the previous one adds nothing.
      if (clique.size() < 2 ||
          std::includes(previous.begin(), previous.end(), clique.begin(), clique.end()))
        continue;
      const int r = rows.add(-1e30, 1.0);
      for (const int j : clique) rows.put(r, j, 1.0);
      previous = clique;
    }
  }

  const CoinPackedMatrix matrix(false, rows.row.data(), rows.column.data(), rows.value.data(),
                                static_cast<CoinBigIndex>(rows.value.size()));
  OsiClpSolverInterface solver;
  solver.messageHandler()->setLogLevel(0);
  solver.loadProblem(matrix, colLower.data(), colUpper.data(), objective.data(), rows.lower.data(),
                     rows.upper.data());
  for (int j = 0; j < n; ++j) solver.setInteger(j);
  solver.setObjSense(-1.0);

  CbcModel model(solver);
  CbcSolverUsefulData data;
  data.noPrinting_ = true;
  data.useSignalHandler_ = false;
  CbcMain0(model, data);
  // CbcMain0 sets its own log levels.
  model.setLogLevel(0);
  model.messageHandler()->setLogLevel(0);
  model.solver()->messageHandler()->setLogLevel(0);
  bool wallCutOff = false;
  StopWhenAsked handler(input.keepGoing, input.seconds, result.stopped, wallCutOff);
  model.passInEventHandler(&handler);

  // The starting solution, when one is given.
  std::vector<double> start(static_cast<std::size_t>(columns), 0.0);
  bool anyStart = false;
  std::vector<std::int64_t> startCredit(static_cast<std::size_t>(crews), 0);
  for (int j = 0; j < n; ++j) {
    if (!cands[static_cast<std::size_t>(j)].start) continue;
    start[static_cast<std::size_t>(j)] = 1.0;
    startCredit[static_cast<std::size_t>(cands[static_cast<std::size_t>(j)].crew)] +=
        cands[static_cast<std::size_t>(j)].credit;
    anyStart = true;
  }
  if (anyStart) {
    for (int k = 0; k < crews; ++k) {
      const std::int64_t gap = input.crews[static_cast<std::size_t>(k)].toTarget -
                               startCredit[static_cast<std::size_t>(k)];
      start[static_cast<std::size_t>(n + 2 * k)] =
          static_cast<double>(std::max<std::int64_t>(gap, 0));
      start[static_cast<std::size_t>(n + 2 * k + 1)] =
          static_cast<double>(std::max<std::int64_t>(-gap, 0));
    }
    model.setBestSolution(start.data(), columns, COIN_DBL_MAX, true);
  }

  char seconds[32];
  std::snprintf(seconds, sizeof seconds, "%.2f", std::max(input.seconds, 0.05));
  // Without preprocessing: its post-processing faults when the event
  // handler stops the search, and these models gain little from it.
  const char* argv[] = {"lumora", "-log",  "0",      "-slog",  "0",      "-preprocess", "off",
                        "-sec",   seconds, "-ratio", "0.0002", "-solve", "-quit"};
  CbcMain1(
      static_cast<int>(std::size(argv)), argv, model, [](CbcModel*, int) { return 0; }, data);

  const double* best = model.bestSolution();
  result.cutOff = model.isSecondsLimitReached() || wallCutOff;
  result.optimal = model.isProvenOptimal() && !result.stopped && !result.cutOff;
  if (best != nullptr) {
    result.solved = true;
    for (int j = 0; j < n; ++j)
      if (best[j] > 0.5) result.chosen.push_back(j);
  }
  char text[160];
  std::snprintf(text, sizeof text, "%s, %d candidates, %d rows, objective %.1f, bound %.1f",
                result.stopped   ? "stopped"
                : result.optimal ? "optimal"
                : result.cutOff  ? "time limit"
                                 : "no solution",
                n, static_cast<int>(rows.lower.size()), best != nullptr ? model.getObjValue() : 0.0,
                model.getBestPossibleObjValue());
  result.status = text;
  return result;
}

}  // namespace lumora

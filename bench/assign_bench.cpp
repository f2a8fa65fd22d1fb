// One pairing assignment with its whole refresh (credit, open time,
// block-holder line, day balance) on the full-capacity document: with rules
// that answer at once, building's own share; with the program's rules, the
// rest test and the whole block check of the crew member included.

#include <benchmark/benchmark.h>

#include <memory>

#include "building/assign.h"
#include "building/block_figures.h"
#include "building/block_rules.h"
#include "doubles/null_ui.h"
#include "model/document.h"
#include "platform/event_log.h"
#include "rules/check_block.h"
#include "support/full_document.h"

namespace lumora::bench {
namespace {

using testing::NullUi;

class InstantRules final : public BlockRules {
 public:
  AssignCheckResult CheckAssignmentRest(const TDocument&, int, int, int) override {
    return {true, "", ""};
  }
  void CheckBlock(TDocument&, int) override {}
};

// Its own document: every iteration adds history records and moves marks.
struct AssignFixture {
  explicit AssignFixture(bool programRules = false)
      : ctx{*doc, ui, log, programRules ? static_cast<BlockRules&>(lumora) : instant, views} {
    FillFullCapacityDocument(*doc, 1);
    // A pairing in the middle of the roster and of the month.
    for (int c = kFullCrew / 2; c < kFullCrew && pair < 0; ++c) {
      for (int d = 14; d < doc->cal.MonthLength && pair < 0; ++d) {
        if (doc->Pilots[c].DayCell[d] < 0) continue;
        crew = c;
        day = d;
        pair = doc->Pilots[c].DayCell[d];
      }
    }
  }
  std::unique_ptr<TDocument> doc = std::make_unique<TDocument>();
  NullUi ui;
  EventLog log;
  InstantRules instant;
  LumoraRules lumora;
  BlockViewSink views;
  BlockEditContext ctx;
  int crew = 0;
  int day = 0;
  int pair = -1;
};

void AssignOnePair(benchmark::State& state, bool programRules) {
  AssignFixture f(programRules);
  if (f.pair < 0) {
    state.SkipWithError("no pairing found in the full document");
    return;
  }
  for (auto _ : state) {
    state.PauseTiming();
    const int removed = RemovePair(f.ctx, f.crew, f.pair, f.day);
    state.ResumeTiming();
    const int assigned = AssignPair(f.ctx, f.crew, f.pair, f.day, false);
    if (removed != kRemoved || assigned != kAssigned) {
      state.SkipWithError("the pairing could not be moved");
      break;
    }
  }
  if (f.ui.messages != 0) state.SkipWithError(f.ui.lastMessage.c_str());
}

void BM_AssignPair(benchmark::State& state) {
  AssignOnePair(state, false);
}
BENCHMARK(BM_AssignPair)->Unit(benchmark::kMicrosecond);

// With every rule of a captain file (goal: under 0.5 ms).
void BM_AssignPairWithAllRules(benchmark::State& state) {
  AssignOnePair(state, true);
}
BENCHMARK(BM_AssignPairWithAllRules)->Unit(benchmark::kMicrosecond);

// A drag: removal and assignment, each with its refresh.
void BM_RemoveAndAssignPair(benchmark::State& state) {
  AssignFixture f;
  if (f.pair < 0) {
    state.SkipWithError("no pairing found in the full document");
    return;
  }
  for (auto _ : state) {
    if (RemovePair(f.ctx, f.crew, f.pair, f.day) != kRemoved ||
        AssignPair(f.ctx, f.crew, f.pair, f.day, false) != kAssigned) {
      state.SkipWithError("the pairing could not be moved");
      break;
    }
  }
}
BENCHMARK(BM_RemoveAndAssignPair)->Unit(benchmark::kMicrosecond);

// The parts of the refresh, one by one.
void BM_RecalcBlockCredit(benchmark::State& state) {
  AssignFixture f;
  for (auto _ : state) RecalcBlockCredit(*f.doc, f.crew, false, f.ui, f.views);
}
BENCHMARK(BM_RecalcBlockCredit)->Unit(benchmark::kMicrosecond);

void BM_RefreshOpenTime(benchmark::State& state) {
  AssignFixture f;
  for (auto _ : state) benchmark::DoNotOptimize(RefreshOpenTime(*f.doc, f.views));
}
BENCHMARK(BM_RefreshOpenTime)->Unit(benchmark::kMicrosecond);

void BM_FindBlockHolderLine(benchmark::State& state) {
  AssignFixture f;
  for (auto _ : state) benchmark::DoNotOptimize(FindBlockHolderLine(*f.doc, 0, f.views));
}
BENCHMARK(BM_FindBlockHolderLine)->Unit(benchmark::kMicrosecond);

void BM_CountDayBalance(benchmark::State& state) {
  AssignFixture f;
  for (auto _ : state) CountDayBalance(*f.doc, f.views);
}
BENCHMARK(BM_CountDayBalance)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace lumora::bench

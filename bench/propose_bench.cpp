// Proposed blocks against the greedy baseline on the same months: the 80-crew
// demo month (goal: under 1 s) and the full-capacity month with every
// unlocked pairing sent back to open (goal: under 30 s with the time limit).
// Counters: credit covered (minutes) and bids met by the engine and by the
// greedy pass, their ratios, and the engine's own time.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <exception>
#include <memory>
#include <string>

#include "building/assign.h"
#include "doubles/memory_settings.h"
#include "doubles/null_ui.h"
#include "model/document.h"
#include "proposing/propose.h"
#include "shell/document_session.h"
#include "support/full_document.h"

namespace lumora::bench {
namespace {

struct Month {
  // The full month is filled before a session of its own takes the document.
  explicit Month(bool full) {
    if (full) {
      // The generated month may hold a pairing that never operates, which the
      // load lists as a warning; the month is complete all the same.
      try {
        FillFullCapacityDocument(*doc, 1);
      } catch (const std::exception& e) {
        if (doc->rosterSize() != kFullCrew) throw;
        std::fprintf(stderr, "propose_bench: %s\n", e.what());
      }
    }
    session = std::make_unique<DocumentSession>(ui, settings, *doc);
  }
  std::unique_ptr<TDocument> doc = std::make_unique<TDocument>();
  testing::NullUi ui;
  testing::MemorySettings settings;
  std::unique_ptr<DocumentSession> session;
};

Month& DemoMonth() {
  static Month month(false);
  static const bool loaded =
      month.session->open(std::string(LUMORA_SOURCE_DIR) + "/samples/demo/demo-month.lm2").loaded;
  if (!loaded) std::abort();
  return month;
}

// The full-capacity month as a scheduler meets it before building: every
// pairing that is not locked in is open again.
Month& FullMonth() {
  static Month month(true);
  static const bool opened = [] {
    BlockEditContext ctx = month.session->editContext();
    TDocument& doc = *month.doc;
    for (int c = 0; c < doc.rosterSize(); ++c)
      for (int d = 0; d < doc.monthDays(); ++d) {
        const auto day = static_cast<std::size_t>(d);
        const int cell = doc.pilot(c).DayCell[day];
        if (cell >= 0 && doc.pilot(c).DayLocked[day] == 0) RemovePair(ctx, c, cell, d);
      }
    doc.History.clear();
    return true;
  }();
  (void)opened;
  return month;
}

void Propose(benchmark::State& state, Month& month, bool greedyOnly) {
  ProposalOptions options;
  options.greedyOnly = greedyOnly;
  // ms; 0 is the default limit, set by the month's size
  options.timeLimitSeconds = static_cast<double>(state.range(0)) / 1000.0;
  Proposal proposal;
  for (auto _ : state) {
    proposal = ProposeBlocks(*month.doc, month.session->rules(), options);
    benchmark::DoNotOptimize(proposal.assignments.data());
  }
  const ProposalFigures& f = proposal.figures;
  const ProposalFigures& g = proposal.greedyFigures;
  state.counters["assignments"] = static_cast<double>(proposal.assignments.size());
  state.counters["credit_min"] = static_cast<double>(f.creditCovered);
  state.counters["bids"] = f.bidsMet;
  state.counters["greedy_credit_min"] = static_cast<double>(g.creditCovered);
  state.counters["greedy_bids"] = g.bidsMet;
  state.counters["credit_ratio"] = g.creditCovered > 0 ? static_cast<double>(f.creditCovered) /
                                                             static_cast<double>(g.creditCovered)
                                                       : 1.0;
  state.counters["bids_ratio"] = g.bidsMet > 0 ? static_cast<double>(f.bidsMet) / g.bidsMet : 1.0;
  state.counters["imbalance_ratio"] =
      g.imbalance > 0 ? static_cast<double>(f.imbalance) / static_cast<double>(g.imbalance) : 1.0;
  state.SetLabel(proposal.solverStatus);
}

void BM_ProposeDemoGreedy(benchmark::State& state) {
  Propose(state, DemoMonth(), true);
}
BENCHMARK(BM_ProposeDemoGreedy)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ProposeDemo(benchmark::State& state) {
  Propose(state, DemoMonth(), false);
}
BENCHMARK(BM_ProposeDemo)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ProposeFullGreedy(benchmark::State& state) {
  Propose(state, FullMonth(), true);
}
BENCHMARK(BM_ProposeFullGreedy)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ProposeFull(benchmark::State& state) {
  Propose(state, FullMonth(), false);
}
BENCHMARK(BM_ProposeFull)->Arg(0)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace lumora::bench

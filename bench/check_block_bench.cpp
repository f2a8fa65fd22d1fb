// The block checks on the full-capacity document: every crew member once, as
// Build Blocks does, and three times, as the exceptions report does.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/document.h"
#include "rules/check_block.h"
#include "rules/exceptions_report.h"
#include "support/full_document.h"

namespace lumora::bench {
namespace {

// The checks rewrite the crew members' findings and, in cabin files, their
// re-check marks; the shared document gets its own back afterwards.
class KeepFindings {
 public:
  explicit KeepFindings(TDocument& doc) : doc_(doc), saved_(static_cast<std::size_t>(kPilotSlots)) {
    for (std::size_t i = 0; i < saved_.size(); ++i) {
      const TPilot& p = doc_.Pilots[i];
      saved_[i] = {p.ExceptionsText, p.WarningsText, p.RuleCheckLog,
                   p.ExceptionDays,  p.WarningDays,  p.FaChecked};
    }
    crewType_ = doc_.CrewType;
  }
  ~KeepFindings() {
    for (std::size_t i = 0; i < saved_.size(); ++i) {
      TPilot& p = doc_.Pilots[i];
      p.ExceptionsText = saved_[i].exceptions;
      p.WarningsText = saved_[i].warnings;
      p.RuleCheckLog = saved_[i].log;
      p.ExceptionDays = saved_[i].exceptionDays;
      p.WarningDays = saved_[i].warningDays;
      p.FaChecked = saved_[i].faChecked;
    }
    doc_.CrewType = crewType_;
  }
  KeepFindings(const KeepFindings&) = delete;
  KeepFindings& operator=(const KeepFindings&) = delete;

 private:
  struct Findings {
    std::string exceptions;
    std::string warnings;
    std::string log;
    std::array<std::uint8_t, kBlockDays> exceptionDays;
    std::array<std::uint8_t, kBlockDays> warningDays;
    std::uint8_t faChecked;
  };
  TDocument& doc_;
  std::vector<Findings> saved_;
  std::uint8_t crewType_;
};

void CheckEveryBlock(benchmark::State& state, CrewKind kind) {
  TDocument& doc = SharedFullDocument();
  const KeepFindings keep(doc);
  doc.CrewType = static_cast<std::uint8_t>(kind);
  std::size_t items = 0;
  for (auto _ : state) {
    for (int c = 0; c < doc.PilotCount; ++c) CheckBlock(doc, c);
    benchmark::ClobberMemory();
  }
  for (int c = 0; c < doc.PilotCount; ++c)
    items += doc.Pilots[c].ExceptionsText.size() + doc.Pilots[c].WarningsText.size();
  state.counters["finding_chars"] = static_cast<double>(items);
}

// The whole roster once, the rules of captain files (goal: under 20 ms).
void BM_CheckBlockAllCrewPilots(benchmark::State& state) {
  CheckEveryBlock(state, CrewKind::Captains);
}
BENCHMARK(BM_CheckBlockAllCrewPilots)->Unit(benchmark::kMillisecond);

// The same blocks under the rules of flight-attendant files.
void BM_CheckBlockAllCrewCabin(benchmark::State& state) {
  CheckEveryBlock(state, CrewKind::FlightAttendants);
}
BENCHMARK(BM_CheckBlockAllCrewCabin)->Unit(benchmark::kMillisecond);

// Every block of a captain file as building the blocks checks them: through
// the rules interface one crew member at a time, each followed by the
// roster-wide two-captain rule, and as one batch that runs it once.
void CheckThroughRules(benchmark::State& state, bool batch) {
  TDocument& doc = SharedFullDocument();
  const KeepFindings keep(doc);
  doc.CrewType = static_cast<std::uint8_t>(CrewKind::Captains);
  LumoraRules rules;
  for (auto _ : state) {
    if (batch) {
      rules.CheckAllBlocks(doc);
    } else {
      for (int c = 0; c < doc.PilotCount; ++c) rules.CheckBlock(doc, c);
    }
    benchmark::ClobberMemory();
  }
}

void BM_RulesCheckBlockEachCrewCaptains(benchmark::State& state) {
  CheckThroughRules(state, false);
}
BENCHMARK(BM_RulesCheckBlockEachCrewCaptains)->Unit(benchmark::kMillisecond);

void BM_RulesCheckAllBlocksCaptains(benchmark::State& state) {
  CheckThroughRules(state, true);
}
BENCHMARK(BM_RulesCheckAllBlocksCaptains)->Unit(benchmark::kMillisecond);

void BM_ExceptionsReportLines(benchmark::State& state) {
  TDocument& doc = SharedFullDocument();
  const KeepFindings keep(doc);
  std::size_t lines = 0;
  for (auto _ : state) lines = ExceptionsReportLines(doc).size();
  state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_ExceptionsReportLines)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumora::bench

// The PRG import of a month of 3000 pairing records (the most the import
// stores), generated in memory by the sample generator: parsing, the segment
// summary, validation, the USA segments scan and the daylight-saving move.
// The budget is 50 ms.

#include <benchmark/benchmark.h>

#include <memory>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "doubles/memory_settings.h"
#include "doubles/null_ui.h"
#include "doubles/recording_clipboard.h"
#include "imports/lis_scan.h"
#include "imports/prg_import.h"
#include "model/document.h"
#include "platform/event_log.h"
#include "samples/sample_set.h"
#include "support/import_run.h"

namespace lumora::bench {
namespace {

using testing::MemorySettings;
using testing::NullUi;
using testing::RecordingClipboard;

// The sample set of the demo month's base, equipment and captains with 3000
// pairing records, as `lumora-samples` would write it.
const std::vector<samples::OutputFile>& FullSampleSet() {
  static const std::vector<samples::OutputFile> files = [] {
    const samples::CommandLine line =
        samples::ParseCommandLine({"--out", "unused", "--base", "YUL", "--equipment", "CRJ",
                                   "--category", "CA", "--month", "2027-02", "--pairings", "3000"});
    return samples::GenerateSampleSet(line.options);
  }();
  return files;
}

bool EndsWith(const std::string& name, std::string_view end) {
  return name.size() >= end.size() && name.compare(name.size() - end.size(), end.size(), end) == 0;
}

const std::string& PrgFile() {
  for (const samples::OutputFile& file : FullSampleSet())
    if (EndsWith(file.name, ".PRG")) return file.bytes;
  throw std::logic_error("the sample set has no PRG file");
}

// The text of every weekly listing, one after the other, as the scan reads it.
const std::string& LisText() {
  static const std::string text = [] {
    std::string all;
    for (const samples::OutputFile& file : FullSampleSet())
      if (EndsWith(file.name, ".LIS")) all += LisFileText(file.bytes);
    return all;
  }();
  return text;
}

void BM_PrgImport3000(benchmark::State& state) {
  ImportRun run;
  TDocument* doc = run.doc.get();
  const ImportServices& services = run.services;
  const std::string& prg = PrgFile();

  for (auto _ : state) {
    std::istringstream in(prg);
    benchmark::DoNotOptimize(LoadPrgPairingsFrom(*doc, in, "", false, services));
  }
  if (doc->LastPair + 1 != 3000) {
    state.SkipWithError(("stored " + std::to_string(doc->LastPair + 1) +
                         " pairings; last message: " + run.ui.lastMessage)
                            .c_str());
  }
  state.counters["pairings"] = doc->LastPair + 1;
  state.counters["file_kb"] = static_cast<double>(prg.size()) / 1024.0;
}
BENCHMARK(BM_PrgImport3000)->Unit(benchmark::kMillisecond);

// The LIS scan of the month's 3000 pairings over megabytes of listings.
void BM_LisScan3000(benchmark::State& state) {
  ImportRun run;
  TDocument* doc = run.doc.get();
  const ImportServices& services = run.services;
  std::istringstream in(PrgFile());
  LoadPrgPairingsFrom(*doc, in, "", false, services);
  const std::string& text = LisText();

  for (auto _ : state) {
    run.clipboard.texts.clear();
    benchmark::DoNotOptimize(ScanLisText(*doc, text, services));
  }
  state.counters["pairings"] = doc->LastPair + 1;
  state.counters["lis_mb"] = static_cast<double>(text.size()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_LisScan3000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumora::bench

// The month's texts of the full-capacity roster: the clipboard calendars of
// every crew member with their pairings, the crew lines report, the four
// publishing files through the disk, and the training report.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "doubles/null_ui.h"
#include "model/document.h"
#include "reports/block_texts.h"
#include "reports/web_files.h"
#include "support/full_document.h"

namespace lumora::bench {
namespace {

using testing::NullUi;

namespace fs = std::filesystem;

class BenchFolder {
 public:
  BenchFolder()
      : folder_(fs::temp_directory_path() / ("lumora-texts-bench-" + std::to_string(::getpid()))) {
    fs::create_directories(folder_);
  }
  ~BenchFolder() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  BenchFolder(const BenchFolder&) = delete;
  BenchFolder& operator=(const BenchFolder&) = delete;
  const fs::path& path() const { return folder_; }

 private:
  fs::path folder_;
};

void BM_ClipboardBlocksFullRoster(benchmark::State& state) {
  TDocument& doc = SharedFullDocument();
  for (int crew = 0; crew < doc.rosterSize(); ++crew) doc.pilot(crew).ClipSelected = 1;
  NullUi ui;
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::string text =
        ClipboardBlocksText(doc, {.includeXes = true, .includePairs = true}, ui);
    bytes = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  for (int crew = 0; crew < doc.rosterSize(); ++crew) doc.pilot(crew).ClipSelected = 0;
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ClipboardBlocksFullRoster)->Unit(benchmark::kMillisecond);

void BM_CrewLinesFullRoster(benchmark::State& state) {
  TDocument& doc = SharedFullDocument();
  NullUi ui;
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::string text = CrewLinesText(doc, "full", ui);
    bytes = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_CrewLinesFullRoster)->Unit(benchmark::kMillisecond);

void BM_SaveForInternetFullDocument(benchmark::State& state) {
  BenchFolder folder;
  const TDocument& doc = SharedFullDocument();
  NullUi ui;
  for (auto _ : state) {
    if (!SaveForInternet(doc, folder.path(), "full", ui)) {
      state.SkipWithError("the files could not be written");
      break;
    }
  }
  state.counters["htm_bytes"] = static_cast<double>(fs::file_size(folder.path() / "full.htm"));
}
BENCHMARK(BM_SaveForInternetFullDocument)->Unit(benchmark::kMillisecond);

void BM_TrainingReportFullDocument(benchmark::State& state) {
  BenchFolder folder;
  const TDocument& doc = SharedFullDocument();
  NullUi ui;
  for (auto _ : state) {
    if (!WriteTrainingReport(doc, folder.path() / "training.csv", ui)) {
      state.SkipWithError("the report could not be written");
      break;
    }
  }
  state.counters["bytes"] = static_cast<double>(fs::file_size(folder.path() / "training.csv"));
}
BENCHMARK(BM_TrainingReportFullDocument)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumora::bench

// The Export menu's files of the full-capacity month: the BAW and LIN files
// (the whole export, through the disk) and the viewer and company copies,
// which set the personal data aside for the save and put it back.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "doubles/null_ui.h"
#include "files/viewer_files.h"
#include "model/document.h"
#include "platform/event_log.h"
#include "reports/baw_lin_export.h"
#include "support/full_document.h"

namespace lumora::bench {
namespace {

using testing::NullUi;

namespace fs = std::filesystem;

// A folder of the run's own, removed at exit; the shared document is named
// into it for the exports and keeps its name otherwise.
class ExportFolder {
 public:
  ExportFolder()
      : folder_(fs::temp_directory_path() / ("lumora-export-bench-" + std::to_string(::getpid()))) {
    fs::create_directories(folder_);
  }
  ~ExportFolder() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  ExportFolder(const ExportFolder&) = delete;
  ExportFolder& operator=(const ExportFolder&) = delete;
  const fs::path& path() const { return folder_; }

 private:
  fs::path folder_;
};

struct NamedDocument {
  explicit NamedDocument(TDocument& document, const fs::path& file)
      : doc(document), name(doc.FileName), untitled(doc.Untitled) {
    doc.FileName = file.string();
    doc.Untitled = 0;
  }
  ~NamedDocument() {
    doc.FileName = name;
    doc.Untitled = untitled;
  }
  NamedDocument(const NamedDocument&) = delete;
  NamedDocument& operator=(const NamedDocument&) = delete;
  TDocument& doc;
  std::string name;
  std::uint8_t untitled;
};

void BM_ExportBawLinFullDocument(benchmark::State& state) {
  ExportFolder folder;
  NamedDocument named(SharedFullDocument(), folder.path() / "full.lm2");
  const BawLinFields fields = DefaultBawLinFields(named.doc);
  NullUi ui;
  std::size_t lines = 0;
  for (auto _ : state) {
    const BawLinOutcome outcome = ExportBawLin(named.doc, fields, folder.path() / "Export", ui);
    if (outcome.status != BawLinStatus::Completed) {
      state.SkipWithError("the export failed");
      break;
    }
    lines = outcome.summary.size();
  }
  state.counters["lin_bytes"] =
      static_cast<double>(fs::file_size(folder.path() / "Export" / (fields.fileName + ".LIN")));
  state.counters["summary_lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_ExportBawLinFullDocument)->Unit(benchmark::kMillisecond);

// The LIN text alone, without the disk.
void BM_LinTextFullDocument(benchmark::State& state) {
  TDocument& doc = SharedFullDocument();
  const BawLinFields fields = DefaultBawLinFields(doc);
  SelectForExport(doc, false);
  for (auto _ : state) {
    std::vector<std::string> summary;
    benchmark::DoNotOptimize(LinText(doc, fields, summary));
  }
}
BENCHMARK(BM_LinTextFullDocument)->Unit(benchmark::kMillisecond);

void BM_ViewerCopyFullDocument(benchmark::State& state) {
  ExportFolder folder;
  NamedDocument named(SharedFullDocument(), folder.path() / "full.lm2");
  NullUi ui;
  ui.agree = false;
  EventLog log;
  for (auto _ : state) {
    if (!ExportViewerCopy(named.doc, ViewerKind::Final, folder.path() / "Viewer", ui, log,
                          nullptr)) {
      state.SkipWithError("the viewer copy failed");
      break;
    }
  }
}
BENCHMARK(BM_ViewerCopyFullDocument)->Unit(benchmark::kMillisecond);

void BM_CompanyCopyFullDocument(benchmark::State& state) {
  ExportFolder folder;
  NamedDocument named(SharedFullDocument(), folder.path() / "full.lm2");
  NullUi ui;
  ui.agree = false;
  EventLog log;
  for (auto _ : state) {
    if (!ExportCompanyCopy(named.doc, folder.path() / "Company", ui, log, nullptr)) {
      state.SkipWithError("the company copy failed");
      break;
    }
  }
}
BENCHMARK(BM_CompanyCopyFullDocument)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumora::bench

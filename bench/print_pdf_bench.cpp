// Printing the full-capacity document to PDF through Qt's print support: the
// block sheet of the whole roster (every crew member on 36 pages), and the
// one page of visual pairings. Goal: the block sheet under 2 s.

#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QTemporaryDir>
#include <memory>
#include <numeric>
#include <sstream>
#include <vector>

#include "app/qt_printer.h"
#include "building/block_edit.h"
#include "platform/unattended_ui.h"
#include "support/full_document.h"
#include "views/block_printout.h"
#include "views/pair_window.h"
#include "views/pairs_printout.h"

namespace lumora::bench {
namespace {

QPageLayout Letter(QPageLayout::Orientation orientation) {
  return QPageLayout(QPageSize(QPageSize::Letter), orientation, QMarginsF(18, 18, 18, 18));
}

void BM_PrintBlocksToPdf(benchmark::State& state) {
  auto doc = std::make_unique<TDocument>();
  FillFullCapacityDocument(*doc);
  doc->FileName = "/months/full.lm2";
  std::vector<int> order(static_cast<std::size_t>(doc->rosterSize()));
  std::iota(order.begin(), order.end(), 0);
  std::ostringstream silent;
  UnattendedUi ui(silent, UnattendedAnswers::Refuse);
  BlockViewSink views;
  const CanvasFonts fonts = DefaultCanvasFonts(GridFontChoice());
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("blocks.pdf"));
  int pages = 0;
  for (auto _ : state) {
    TBlocksOut printout(*doc, order, {true, true}, ui, views);
    if (!PrintToPdf(printout, path, Letter(QPageLayout::Landscape), fonts)) {
      state.SkipWithError("the PDF file could not be written");
      break;
    }
    pages = printout.pageCount();
  }
  state.counters["pages"] = pages;
  state.counters["bytes"] = static_cast<double>(QFileInfo(path).size());
}
BENCHMARK(BM_PrintBlocksToPdf)->Unit(benchmark::kMillisecond);

void BM_PrintPairingsToPdf(benchmark::State& state) {
  TDocument& doc = SharedFullDocument();
  doc.BlocksShown = 1;
  TPairWin layout(doc);
  layout.LayoutPairWin();
  const CanvasFonts fonts = DefaultCanvasFonts(GridFontChoice());
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("pairings.pdf"));
  for (auto _ : state) {
    TPairsOut printout(doc, layout);
    if (!PrintToPdf(printout, path, Letter(QPageLayout::Portrait), fonts)) {
      state.SkipWithError("the PDF file could not be written");
      break;
    }
  }
}
BENCHMARK(BM_PrintPairingsToPdf)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumora::bench

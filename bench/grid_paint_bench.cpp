// Painting the block grid of the full-capacity document: a whole window of
// about 40 days by 50 crew rows, and one row as a single change repaints it.

#include <benchmark/benchmark.h>

#include "doubles/recording_canvas.h"
#include "support/full_document.h"
#include "views/block_grid.h"

namespace lumora::bench {
namespace {

constexpr int kVisibleColumns = 40;
constexpr int kVisibleRows = 50;

struct GridWindow {
  explicit GridWindow(const TDocument& doc) : grid(doc) {
    grid.computeGeometry(canvas.metrics(FontRole::Grid));
    const GridGeometry& g = grid.geometry();
    viewport = {0, 0, g.nameWidth + kVisibleColumns * g.cellWidth,
                g.headerHeight + kVisibleRows * g.rowHeight};
    canvas.setCountOnly(true);
  }
  testing::RecordingCanvas canvas;
  BlockGridView grid;
  Rect viewport;
};

void BM_GridPaintWindow(benchmark::State& state) {
  GridWindow w(SharedFullDocument());
  w.grid.setScroll(0, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    w.canvas.clear();
    w.grid.paint(w.canvas, w.viewport, w.viewport, {});
    benchmark::DoNotOptimize(w.canvas.count());
  }
  state.counters["ops"] = static_cast<double>(w.canvas.count());
}
// From the top, and scrolled to the roster's end where the summary rows show.
BENCHMARK(BM_GridPaintWindow)
    ->Arg(0)
    ->Arg(kMaxRosterPilots - kVisibleRows + 5)
    ->Unit(benchmark::kMillisecond);

void BM_GridPaintOneRow(benchmark::State& state) {
  GridWindow w(SharedFullDocument());
  w.grid.setScroll(0, 100);
  const Rect row = w.grid.rowRect(110);
  for (auto _ : state) {
    w.canvas.clear();
    w.grid.paint(w.canvas, row, w.viewport, {});
    benchmark::DoNotOptimize(w.canvas.count());
  }
}
BENCHMARK(BM_GridPaintOneRow)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace lumora::bench

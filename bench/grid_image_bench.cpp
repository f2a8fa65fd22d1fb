// Painting the block grid of the full-capacity document through Qt into an
// image: a whole window of about 40 days by 50 crew rows, and one row as a
// single change repaints it. Measures the Qt canvas (text layout, dotted
// lines, fills) on top of the view model's own work.

#include <benchmark/benchmark.h>

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRect>

#include "app/qt_canvas.h"
#include "model/capacity.h"
#include "support/full_document.h"
#include "views/block_grid.h"

namespace lumora::bench {
namespace {

constexpr int kVisibleColumns = 40;
constexpr int kVisibleRows = 50;

struct GridImage {
  explicit GridImage(const TDocument& doc)
      : fonts(DefaultCanvasFonts(GridFontChoice())), grid(doc) {
    const QFontMetrics metrics(fonts.grid);
    grid.computeGeometry({metrics.averageCharWidth(), metrics.ascent() + metrics.descent()});
    const GridGeometry& g = grid.geometry();
    viewport = {0, 0, g.nameWidth + kVisibleColumns * g.cellWidth,
                g.headerHeight + kVisibleRows * g.rowHeight};
    image = QImage(viewport.width(), viewport.height(), QImage::Format_RGB32);
  }

  void paint(const Rect& area) {
    QPainter painter(&image);
    painter.setClipRect(QRect(area.left, area.top, area.width(), area.height()));
    QtCanvas canvas(painter, fonts);
    grid.paint(canvas, area, viewport, {});
  }

  CanvasFonts fonts;
  BlockGridView grid;
  Rect viewport;
  QImage image;
};

void BM_GridImagePaintWindow(benchmark::State& state) {
  GridImage w(SharedFullDocument());
  w.grid.setScroll(0, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    w.paint(w.viewport);
    benchmark::DoNotOptimize(w.image.constBits());
  }
}
// From the top, and scrolled to the roster's end where the summary rows show.
BENCHMARK(BM_GridImagePaintWindow)
    ->Arg(0)
    ->Arg(kMaxRosterPilots - kVisibleRows + 5)
    ->Unit(benchmark::kMillisecond);

void BM_GridImagePaintOneRow(benchmark::State& state) {
  GridImage w(SharedFullDocument());
  w.grid.setScroll(0, 100);
  const Rect row = w.grid.rowRect(110);
  for (auto _ : state) {
    w.paint(row);
    benchmark::DoNotOptimize(w.image.constBits());
  }
}
BENCHMARK(BM_GridImagePaintOneRow)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace lumora::bench

// Fonts and images need a running Qt; the offscreen platform needs no display.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

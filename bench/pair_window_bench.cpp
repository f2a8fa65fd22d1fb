// The pairing window on the full-capacity document: the layout that follows
// every assignment while only open instances are shown, and a repaint of a
// window-sized area.

#include <benchmark/benchmark.h>

#include <memory>

#include "support/full_document.h"
#include "views/pair_window.h"

namespace lumora::bench {
namespace {

// Counts the drawing operations and keeps nothing.
class CountingCanvas final : public Canvas {
 public:
  void fillRect(const Rect&, Rgb) override { ++count; }
  void line(Point, Point, const Pen&) override { ++count; }
  void text(Point, std::string_view, const TextStyle&) override { ++count; }
  void textInRect(const Rect&, std::string_view, const TextStyle&, HAlign) override { ++count; }
  void icon(Point, CanvasIcon) override { ++count; }
  FontMetrics metrics(FontRole) const override { return {7, 16}; }
  int textWidth(std::string_view text, FontRole) const override {
    return static_cast<int>(text.size()) * 7;
  }
  void setClip(const Rect&) override {}
  void resetClip() override {}
  long count = 0;
};

// Its own document: the layout stores every pairing's credit class.
TDocument& LayoutDocument() {
  static const std::unique_ptr<TDocument> doc = [] {
    auto d = std::make_unique<TDocument>();
    FillFullCapacityDocument(*d);
    return d;
  }();
  return *doc;
}

void BM_LayoutPairWin(benchmark::State& state) {
  TDocument& doc = LayoutDocument();
  doc.ShowAssignedPairs = static_cast<std::uint8_t>(state.range(0));
  TPairWin win(doc);
  for (auto _ : state) {
    win.LayoutPairWin();
    benchmark::DoNotOptimize(win.highestSlot());
  }
  state.counters["slots"] = win.highestSlot() + 1;
}
BENCHMARK(BM_LayoutPairWin)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_PaintPairWin(benchmark::State& state) {
  TDocument& doc = LayoutDocument();
  doc.ShowAssignedPairs = 1;
  TPairWin win(doc);
  win.setGeometry(30, 20);
  win.LayoutPairWin();
  CountingCanvas canvas;
  const Rect window{0, 0, 31 * 30, 10 * 20};
  for (auto _ : state) {
    win.paint(canvas, window, window);
    benchmark::DoNotOptimize(canvas.count);
  }
}
BENCHMARK(BM_PaintPairWin)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace lumora::bench

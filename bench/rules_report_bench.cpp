// The legality queries and summaries on the full-capacity document: who is
// legal for one instance against every crew member, the global information
// and the pairing report.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <vector>

#include "model/document.h"
#include "rules/global_info.h"
#include "rules/whos_legal.h"
#include "support/full_document.h"

namespace lumora::bench {
namespace {

// Every day of the full month is filled, so the query would stop at the
// first test of each crew member. These cases free days around the
// instance's day and the reserve marks of the whole roster: the instance's
// day alone (the rest walk then turns most away), or a stretch around it, so
// that most of the roster goes through a block check. The document gets its
// cells and marks back afterwards.
class FreeDaysForAll {
 public:
  FreeDaysForAll(TDocument& doc, int first, int last) : doc_(doc) {
    for (int i = 0; i < doc_.rosterSize(); ++i) {
      TPilot& p = doc_.pilot(i);
      saved_.push_back({p.DayCell, p.BidReserve, p.BelowBlockHolderLine});
      for (int d = first; d <= last; ++d) p.DayCell[static_cast<std::size_t>(d)] = kEmptyCell;
      p.BidReserve = 0;
      p.BelowBlockHolderLine = 0;
    }
  }
  ~FreeDaysForAll() {
    for (int i = 0; i < doc_.rosterSize(); ++i) {
      TPilot& p = doc_.pilot(i);
      const Saved& s = saved_[static_cast<std::size_t>(i)];
      p.DayCell = s.cells;
      p.BidReserve = s.bidReserve;
      p.BelowBlockHolderLine = s.below;
    }
  }
  FreeDaysForAll(const FreeDaysForAll&) = delete;
  FreeDaysForAll& operator=(const FreeDaysForAll&) = delete;

 private:
  struct Saved {
    std::array<std::int32_t, kBlockDays> cells;
    std::uint8_t bidReserve;
    std::uint8_t below;
  };
  TDocument& doc_;
  std::vector<Saved> saved_;
};

// Goal: under 16 ms (one frame). The argument is how many days on either
// side of the instance's day are freed as well.
void BM_WhosLegalOneInstanceAllCrew(benchmark::State& state) {
  TDocument& doc = SharedFullDocument();
  const int day = 10;
  int pair = 0;
  while (pair < doc.lastPairIndex() && doc.pair(pair).DayStatus[day] == kNoInstance) ++pair;
  const auto around = static_cast<int>(state.range(0));
  const FreeDaysForAll free(doc, day - around, day + around);
  std::size_t legal = 0;
  for (auto _ : state) {
    const WhosLegalLists lists = WhosLegalFor(doc, pair, day);
    legal = lists.legal.size();
    benchmark::DoNotOptimize(lists);
  }
  state.counters["legal"] = static_cast<double>(legal);
}
BENCHMARK(BM_WhosLegalOneInstanceAllCrew)->Arg(0)->Arg(4)->Unit(benchmark::kMillisecond);

// Goal: under 5 ms.
void BM_GlobalInfoLines(benchmark::State& state) {
  const TDocument& doc = SharedFullDocument();
  for (auto _ : state) benchmark::DoNotOptimize(GlobalInfoLines(doc));
}
BENCHMARK(BM_GlobalInfoLines)->Unit(benchmark::kMillisecond);

void BM_PairingReportText(benchmark::State& state) {
  const TDocument& doc = SharedFullDocument();
  for (auto _ : state) benchmark::DoNotOptimize(PairingReportClipboardText(doc));
}
BENCHMARK(BM_PairingReportText)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumora::bench

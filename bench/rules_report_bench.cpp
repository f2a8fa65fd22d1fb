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
// first test of each crew member. The worst case frees the instance's day
// and the reserve marks of the whole roster so that every one of the 998
// others goes through the rest walk and a block check; the document gets its
// cells and marks back afterwards.
class FreeDayForAll {
 public:
  FreeDayForAll(TDocument& doc, int day) : doc_(doc), day_(day) {
    for (int i = 0; i < doc_.rosterSize(); ++i) {
      TPilot& p = doc_.pilot(i);
      saved_.push_back(
          {p.DayCell[static_cast<std::size_t>(day)], p.BidReserve, p.BelowBlockHolderLine});
      p.DayCell[static_cast<std::size_t>(day)] = kEmptyCell;
      p.BidReserve = 0;
      p.BelowBlockHolderLine = 0;
    }
  }
  ~FreeDayForAll() {
    for (int i = 0; i < doc_.rosterSize(); ++i) {
      TPilot& p = doc_.pilot(i);
      const Saved& s = saved_[static_cast<std::size_t>(i)];
      p.DayCell[static_cast<std::size_t>(day_)] = s.cell;
      p.BidReserve = s.bidReserve;
      p.BelowBlockHolderLine = s.below;
    }
  }
  FreeDayForAll(const FreeDayForAll&) = delete;
  FreeDayForAll& operator=(const FreeDayForAll&) = delete;

 private:
  struct Saved {
    std::int32_t cell;
    std::uint8_t bidReserve;
    std::uint8_t below;
  };
  TDocument& doc_;
  int day_;
  std::vector<Saved> saved_;
};

// Goal: under 16 ms (one frame).
void BM_WhosLegalOneInstanceAllCrew(benchmark::State& state) {
  TDocument& doc = SharedFullDocument();
  const int day = 10;
  int pair = 0;
  while (pair < doc.lastPairIndex() && doc.pair(pair).DayStatus[day] == kNoInstance) ++pair;
  const FreeDayForAll free(doc, day);
  std::size_t legal = 0;
  for (auto _ : state) {
    const WhosLegalLists lists = WhosLegalFor(doc, pair, day);
    legal = lists.legal.size();
    benchmark::DoNotOptimize(lists);
  }
  state.counters["legal"] = static_cast<double>(legal);
}
BENCHMARK(BM_WhosLegalOneInstanceAllCrew)->Unit(benchmark::kMillisecond);

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

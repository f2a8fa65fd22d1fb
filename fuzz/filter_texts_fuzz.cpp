// The texts the filters read from the user and from the schedule file: a
// crew member's stored pairing filter (numbers, "TEXT", the text filter), the
// search box, and the PRG source lines the INDOC1 term looks into. The input
// is split at the first two bytes 0x01 into these three parts.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "doubles/null_ui.h"
#include "model/document.h"
#include "views/block_filters.h"
#include "views/pair_window.h"
#include "views/pairing_filters.h"

namespace {

struct Rig {
  Rig() {
    doc->PilotCount = 2;
    doc->LastPair = 1;
    doc->LastBasePair = 1;
    for (int p = 0; p < 2; ++p) {
      doc->Pairs[static_cast<std::size_t>(p)].Number = 101 + p;
      doc->Pairs[static_cast<std::size_t>(p)].Length = 1;
      doc->Pairs[static_cast<std::size_t>(p)].DayStatus[3] = 1;
    }
    doc->Pilots[0].DayCell[3] = 0;
    doc->cal.MonthLength = 31;
    doc->view.searchChecks.fill(1);
  }
  std::unique_ptr<lumora::TDocument> doc = std::make_unique<lumora::TDocument>();
  lumora::TPairWin window{*doc};
  lumora::BlockFilterState filters;
  lumora::testing::NullUi ui;
};

std::string_view Next(std::string_view& rest) {
  const std::size_t cut = rest.find('\x01');
  const std::string_view part = rest.substr(0, cut);
  rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 1);
  return part;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Rig rig;
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  const std::string_view stored = Next(rest);
  const std::string_view search = Next(rest);
  lumora::TDocument& doc = *rig.doc;
  doc.Pilots[0].PairingFilterText = std::string(stored);
  doc.Pairs[0].PairingText = std::string(rest);
  doc.Pairs[1].DisplayText = std::string(search);
  if (!lumora::SetCrewFilter(doc, rig.window, 0, rig.ui)) std::abort();
  for (int p = 0; p < 2; ++p)
    if (doc.Pairs[static_cast<std::size_t>(p)].FilterState > 2) std::abort();
  lumora::AddRecentPairFilter(doc, search);
  const lumora::BlockSearchOutcome outcome =
      lumora::RunBlockSearch(doc, search, rig.filters, rig.ui);
  if (outcome.strings < 0 || outcome.strings > lumora::kMaxSearchStrings) std::abort();
  if (rig.filters.displayOrder().size() > 2) std::abort();
  lumora::ClearPairingFilters(doc, rig.window);
  return 0;
}

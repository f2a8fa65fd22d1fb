// What a proposal promises over generated months of every crew category:
// computing it changes nothing, accepting it gives no block an exception it
// did not have and leaves locked days and earlier assignments alone, and one
// undo takes the whole of it back.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "building/undo.h"
#include "files/temp_folder.h"
#include "model/document.h"
#include "properties/property_month.h"
#include "proposing/propose.h"
#include "rules/rule_results.h"

namespace lumora::testing {
namespace {

struct Cell {
  int crew;
  int day;
  std::int32_t value;
  bool locked;
};

// Every filled or locked day of every block.
std::vector<Cell> KeptCells(const TDocument& doc) {
  std::vector<Cell> cells;
  for (int c = 0; c < doc.rosterSize(); ++c)
    for (int d = 0; d < kBlockDays; ++d) {
      const auto day = static_cast<std::size_t>(d);
      const TPilot& p = doc.pilot(c);
      if (p.DayCell[day] != kEmptyCell || p.DayLocked[day] != 0)
        cells.push_back({c, d, p.DayCell[day], p.DayLocked[day] != 0});
    }
  return cells;
}

// The first exception item or day a crew member has now and had not before.
std::string NewException(const std::vector<TPilot>& before, const TDocument& doc) {
  for (int c = 0; c < doc.rosterSize(); ++c) {
    const TPilot& was = before[static_cast<std::size_t>(c)];
    const TPilot& is = doc.pilot(c);
    const auto old = SplitItems(was.ExceptionsText);
    for (const std::string_view item : SplitItems(is.ExceptionsText))
      if (std::find(old.begin(), old.end(), item) == old.end())
        return "crew " + std::to_string(c) + ": " + std::string(item);
    for (int d = 0; d < kBlockDays; ++d)
      if (is.ExceptionDays[static_cast<std::size_t>(d)] >
          was.ExceptionDays[static_cast<std::size_t>(d)])
        return "crew " + std::to_string(c) + ": day " + std::to_string(d);
  }
  return {};
}

class ProposeProperties : public ::testing::Test {
 protected:
  TempFolder folder;
  PropertyMonth month{folder.path()};
};

TEST_F(ProposeProperties, AcceptedProposalsAreLegalKeepWhatWasThereAndUndoAsOne) {
  const auto seeds = PropertySeeds(6);
  for (std::size_t round = 0; round < seeds.size() && !HasFailure(); ++round) {
    month.build(seeds[round]);
    SCOPED_TRACE(ReplayNote(seeds[round], round) + ": " + month.shape().describe());
    TDocument& doc = month.doc();
    const Bytes before = month.bytes();
    const std::vector<Cell> kept = KeptCells(doc);
    std::vector<TPilot> crew(doc.Pilots.begin(), doc.Pilots.begin() + doc.rosterSize());

    ProposalOptions options;
    options.timeLimitSeconds = 1;
    options.greedyOnly = round % 2 == 0;
    const Proposal proposal = ProposeBlocks(doc, month.edit().rules, options);
    ASSERT_EQ("", ByteDifference(before, month.bytes())) << "proposing changed the document";
    EXPECT_GE(proposal.figures.creditCovered, proposal.greedyFigures.creditCovered);

    BlockEditContext ctx = month.edit();
    const int applied = AcceptProposal(ctx, proposal.assignments);
    EXPECT_EQ(static_cast<int>(proposal.assignments.size()), applied);
    EXPECT_EQ("", NewException(crew, doc));
    const std::vector<Cell> now = KeptCells(doc);
    for (const Cell& cell : kept) {
      const auto at = std::find_if(now.begin(), now.end(), [&](const Cell& c) {
        return c.crew == cell.crew && c.day == cell.day;
      });
      ASSERT_NE(now.end(), at);
      EXPECT_EQ(cell.value, at->value) << "crew " << cell.crew << " day " << cell.day;
      EXPECT_EQ(cell.locked, at->locked) << "crew " << cell.crew << " day " << cell.day;
    }
    if (applied == 0) continue;
    EXPECT_EQ("accept proposal of " + std::to_string(applied) + " assignments",
              UndoDescription(doc));
    ASSERT_EQ(UndoOutcome::Undone, UndoLastTransaction(ctx));
    EXPECT_EQ("", ByteDifference(before, month.bytes())) << "after the undo";
  }
}

}  // namespace
}  // namespace lumora::testing

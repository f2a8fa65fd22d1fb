// Saving what was loaded gives the file back byte for byte: the schedule file
// of generated months as the program opens it (with the block rebuild), its
// viewer and company copies, and documents filled at random up to every
// table's capacity.

#include <gtest/gtest.h>

#include "files/schedule_file.h"
#include "files/temp_folder.h"
#include "files/viewer_files.h"
#include "model/capacity.h"
#include "platform/event_log.h"
#include "properties/property_month.h"
#include "support/random_document.h"

namespace lumora::testing {
namespace {

class RoundTrip : public ::testing::Test {
 protected:
  // Saves, opens what was saved and saves again.
  void ExpectSameAfterReopen(const std::string& what) {
    SCOPED_TRACE(what);
    const auto first = folder.path() / "first.lm2";
    const auto second = folder.path() / "second.lm2";
    ASSERT_TRUE(month.session().save(first));
    ASSERT_TRUE(month.session().open(first).loaded);
    ASSERT_TRUE(month.session().save(second));
    EXPECT_EQ("", ByteDifference(ReadBytes(first), ReadBytes(second)));
  }

  TempFolder folder;
  PropertyMonth month{folder.path()};
};

TEST_F(RoundTrip, SaveOpenSaveOfGeneratedMonthsGivesTheSameBytes) {
  const auto seeds = PropertySeeds(6);
  for (std::size_t round = 0; round < seeds.size() && !HasFailure(); ++round) {
    month.build(seeds[round]);
    ExpectSameAfterReopen(ReplayNote(seeds[round], round) + ": " + month.shape().describe());
  }
}

TEST_F(RoundTrip, CopiesForViewersReadBackToTheSameCopy) {
  const auto seeds = PropertySeeds(3);
  for (std::size_t round = 0; round < seeds.size() && !HasFailure(); ++round) {
    month.build(seeds[round]);
    SCOPED_TRACE(ReplayNote(seeds[round], round) + ": " + month.shape().describe());
    const auto source = folder.path() / "month.lm2";
    ASSERT_TRUE(month.session().save(source));
    for (const int kind : {0, 1, 2, 3}) {
      SCOPED_TRACE(kind);
      const auto write = [&](const std::filesystem::path& target) {
        return kind < 3 ? WriteViewerFile(month.doc(), target, static_cast<ViewerKind>(kind),
                                          month.ui(), month.session().log())
                        : WriteCompanyFile(month.doc(), target, month.ui(), month.session().log());
      };
      ASSERT_TRUE(month.session().open(source).loaded);
      const auto copy = folder.path() / "copy.lmv";
      const auto again = folder.path() / "again.lmv";
      ASSERT_TRUE(write(copy));
      ASSERT_TRUE(month.session().open(copy).loaded);
      ASSERT_TRUE(write(again));
      EXPECT_EQ("", ByteDifference(ReadBytes(copy), ReadBytes(again)));
    }
  }
}

// The files suite rounds trips small random documents; these are the two
// ends: every table empty, and every table at its capacity.
TEST_F(RoundTrip, RandomDocumentsWithEmptyAndFullTablesDecodeToTheSameBytes) {
  auto doc = std::make_unique<TDocument>();
  auto reloaded = std::make_unique<TDocument>();
  EventLog log;
  const RandomDocumentOptions cases[] = {
      {.maxPilots = 0, .maxPairs = 0, .maxToolbox = 0},
      {.maxPilots = kMaxRosterPilots,
       .maxPairs = kPairSlots,
       .maxToolbox = kToolboxSlots,
       .fullTables = true},
  };
  const auto seeds = PropertySeeds(1);
  for (const RandomDocumentOptions& options : cases) {
    for (std::size_t round = 0; round < seeds.size() && !HasFailure(); ++round) {
      SCOPED_TRACE(ReplayNote(seeds[round], round) + ", " + std::to_string(options.maxPilots) +
                   " crew at most");
      FillRandomDocument(*doc, seeds[round], options);
      const Bytes first = EncodeScheduleFile(*doc, kScheduleFile);
      ClearDocument(*reloaded, log);
      const LoadResult result = DecodeScheduleFile(*reloaded, first, month.ui(), log);
      ASSERT_TRUE(result.loaded);
      // What the load hands its caller rather than the document.
      reloaded->BlocksShown = result.blocksShown;
      reloaded->PairWindowVisible = result.pairWindowVisible;
      reloaded->ToolboxWindowVisible = result.toolboxWindowVisible;
      reloaded->BidsWindowVisible = result.bidsWindowVisible;
      EXPECT_EQ("", ByteDifference(first, EncodeScheduleFile(*reloaded, kScheduleFile)));
    }
  }
}

}  // namespace
}  // namespace lumora::testing

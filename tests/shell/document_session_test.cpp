#include "shell/document_session.h"

#include <gtest/gtest.h>

#include "doubles/memory_settings.h"
#include "files/temp_folder.h"
#include "platform/event_log.h"
#include "support/random_document.h"
#include "support/scripted_ui.h"

namespace lumora {
namespace {

class DocumentLifecycleTest : public ::testing::Test {
 protected:
  testing::ScriptedUi ui;
  testing::MemorySettings settings;
  DocumentSession session{ui, settings};
  TDocument* doc = &session.document();
  EventLog& log = session.log();
  testing::TempFolder folder;
};

TEST_F(DocumentLifecycleTest, ClosedViewsKeepTheFilterAndSearchStatesForTheNextBuild) {
  session.buildBlocks({true, true, true});
  ASSERT_TRUE(doc->BlocksShown);
  EXPECT_TRUE(doc->view.searchGroupVisible);
  // Defaults: every filter off, every search box checked.
  for (int id = 550; id <= 557; ++id) EXPECT_FALSE(IsBlockFilterOn(*doc, id)) << id;
  EXPECT_EQ(doc->view.searchChecks, (std::array<std::uint8_t, 4>{1, 1, 1, 1}));

  *BlockFilterFlag(*doc, 553) = 1;  // Hide Leave Blocks
  *BlockFilterFlag(*doc, 550) = 1;  // the search filter is the document's own flag
  doc->view.searchChecks = {1, 0, 1, 0};
  ASSERT_TRUE(session.closeViews());
  EXPECT_FALSE(doc->BlocksShown);
  EXPECT_FALSE(doc->view.searchGroupVisible);
  EXPECT_FALSE(doc->PairWindowVisible || doc->ToolboxWindowVisible || doc->BidsWindowVisible);
  EXPECT_EQ(settings.values.at("lm/hideleaveblocks"), "1");
  EXPECT_EQ(settings.values.at("lm/filtersearch"), "1");
  EXPECT_EQ(settings.values.at("lm/showltc"), "0");
  EXPECT_EQ(settings.values.at("lm/empnumcheck"), "0");
  EXPECT_EQ(settings.values.at("lm/namecheck"), "1");

  // A cleared document builds with the states the last one left behind.
  ClearDocument(*doc, log);
  EXPECT_FALSE(IsBlockFilterOn(*doc, 553));
  session.buildBlocks({});
  EXPECT_TRUE(IsBlockFilterOn(*doc, 553));
  EXPECT_TRUE(doc->BlockSearchOn);
  EXPECT_EQ(doc->view.searchChecks, (std::array<std::uint8_t, 4>{1, 0, 1, 0}));

  // Any non-zero value is on.
  settings.writeString("LM", "ShowCCP", "7");
  doc->BlocksShown = 0;
  session.buildBlocks({});
  EXPECT_TRUE(IsBlockFilterOn(*doc, 555));
  EXPECT_EQ(BlockFilterFlag(*doc, 549), nullptr);
  EXPECT_EQ(BlockFilterFlag(*doc, 558), nullptr);
}

TEST_F(DocumentLifecycleTest, ClosingViewsNotShownOrBuildingBuiltBlocksAgainDoesNothing) {
  doc->view.blockFilters[3] = 1;
  EXPECT_FALSE(session.closeViews());
  EXPECT_TRUE(settings.values.empty());

  testing::FillRandomDocument(*doc, 5);
  doc->BlocksShown = 1;
  doc->PairWindowVisible = 0;
  log.open(folder / "log.txt");
  session.buildBlocks({true, true, true});
  log.close();
  EXPECT_FALSE(doc->PairWindowVisible);
  EXPECT_TRUE(testing::ReadBytes(folder / "log.txt").empty());
}

TEST_F(DocumentLifecycleTest, OpeningReleasesTheSearchFilterAndAFailedOpenLeavesNoDocument) {
  testing::FillRandomDocument(*doc, 11);
  doc->BlocksShown = 1;
  const auto path = folder / "month.lm2";
  ASSERT_TRUE(session.save(path));

  settings.writeString("LM", "FilterSearch", "1");
  settings.writeString("LM", "HideCompleted", "1");
  const LoadResult loaded = session.open(path);
  ASSERT_TRUE(loaded.loaded);
  EXPECT_EQ(doc->DocState, kDocumentLoaded);
  EXPECT_TRUE(doc->BlocksShown);
  EXPECT_TRUE(IsBlockFilterOn(*doc, 552));
  EXPECT_FALSE(doc->BlockSearchOn);

  const LoadResult missing = session.open(folder / "missing.lm2");
  EXPECT_FALSE(missing.loaded);
  EXPECT_EQ(doc->DocState, kNoDocument);
  EXPECT_TRUE(doc->FileName.empty());
  EXPECT_FALSE(doc->BlocksShown);
}

}  // namespace
}  // namespace lumora

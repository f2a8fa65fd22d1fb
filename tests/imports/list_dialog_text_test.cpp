#include "imports/list_dialog_text.h"

#include <gtest/gtest.h>

#include "doubles/recording_clipboard.h"
#include "imports/import_warnings.h"
#include "support/scripted_ui.h"

namespace lumora::testing {
namespace {

using Lines = std::vector<std::string>;

TEST(ListDialogTextTest, EveryDotEndsALineAndTheRestIsTheLastLine) {
  EXPECT_EQ(SplitListText("One. Two.Three"), (Lines{"One", " Two", "Three"}));
  EXPECT_EQ(SplitListText("Ends with a dot."), (Lines{"Ends with a dot", ""}));
  EXPECT_EQ(SplitListText("No dot at all"), (Lines{"No dot at all"}));
  EXPECT_EQ(SplitListText(""), (Lines{""}));
  EXPECT_EQ(SplitListText("..a"), (Lines{"", "", "a"}));
  EXPECT_EQ(SplitListText("Total Pairings 12.3 Pairings Flagged as French."),
            (Lines{"Total Pairings 12", "3 Pairings Flagged as French", ""}));
}

TEST(ListDialogTextTest, ClipboardTextEndsEveryLineWithALineFeed) {
  EXPECT_EQ(ListClipboardText({"a", "", "b"}), "a\n\nb\n");
  EXPECT_EQ(ListClipboardText({""}), "\n");
  EXPECT_EQ(ListClipboardText({}), "");
}

TEST(ListDialogTextTest, ShowingPutsTheLinesOnTheClipboardFirst) {
  ScriptedUi ui;
  RecordingClipboard clipboard;
  ShowListDialog(ui, clipboard, "Caption", "First.Second.");
  ASSERT_EQ(clipboard.texts, (Lines{"First\nSecond\n\n"}));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].kind, Shown::Kind::List);
  EXPECT_EQ(ui.shown[0].caption, "Caption");
  EXPECT_EQ(ui.shown[0].lines, (Lines{"First", "Second", ""}));

  clipboard.works = false;
  ShowListDialog(ui, clipboard, "Caption", "Only");
  ASSERT_EQ(ui.shown.size(), 3u);
  EXPECT_EQ(ui.shown[1].kind, Shown::Kind::Message);
  EXPECT_EQ(ui.shown[1].text, "Error Copying to Windows Clipboard.");
  EXPECT_EQ(ui.shown[1].caption, "Lumora");
  EXPECT_EQ(ui.shown[2].lines, (Lines{"Only"}));  // the list is shown all the same
}

TEST(ImportWarningsTest, KeepsTheFirstMessagesAndCountsTheRest) {
  ImportWarnings warnings(2);
  EXPECT_TRUE(warnings.empty());
  EXPECT_EQ(warnings.text(), "");
  warnings.add("First problem");
  warnings.add("Second problem.");
  warnings.add("Third problem");
  warnings.add("Fourth problem");
  EXPECT_EQ(warnings.count(), 4u);
  EXPECT_EQ(SplitListText(warnings.text()),
            (Lines{"First problem", "Second problem", "2 more problems were not listed", ""}));
}

}  // namespace
}  // namespace lumora::testing

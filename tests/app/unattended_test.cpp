#include "app/unattended.h"

#include <gtest/gtest.h>

#include <sstream>

namespace lumora {
namespace {

// The screenshot run shares the batch tool's Ui: the same escaping, its own
// prefix, and questions refused.
TEST(ScreenshotUiTest, WritesPrefixedEscapedLinesAndRefusesQuestions) {
  std::ostringstream out;
  UnattendedUi ui = ScreenshotUi(out);
  ui.message("a\x1B[2Jb\nc", "Bad\x07", Icon::Warning);
  EXPECT_EQ(ui.ask("Save changes?", "Lumora", Buttons::YesNoCancel, Icon::Question),
            Answer::Cancel);
  EXPECT_EQ(ui.ask("Delete?", "Lumora", Buttons::YesNo, Icon::Question), Answer::No);
  ui.showList("Import Warnings", {"Crew\t1", "x\x7F"});
  EXPECT_EQ(out.str(),
            "lumora: Bad\\x07: a\\x1B[2Jb\\nc\n"
            "lumora: Lumora: Save changes? [Cancel]\n"
            "lumora: Lumora: Delete? [No]\n"
            "lumora: Import Warnings\nlumora: Crew\t1\nlumora: x\\x7F\n");
}

}  // namespace
}  // namespace lumora

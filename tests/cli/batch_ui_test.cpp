#include "cli/batch_ui.h"

#include <gtest/gtest.h>

#include <sstream>

namespace lumora {
namespace {

TEST(BatchUiTest, QuestionsFollowTheAnswerPolicyAndShowTheAnswer) {
  struct Case {
    Buttons buttons;
    bool yes;
    Answer answer;
    const char* label;
  };
  const Case cases[] = {
      {Buttons::YesNo, false, Answer::No, "[No]"},
      {Buttons::YesNoCancel, true, Answer::Yes, "[Yes]"},
      {Buttons::YesNoCancel, false, Answer::No, "[No]"},
      {Buttons::OkCancel, false, Answer::Cancel, "[Cancel]"},
      {Buttons::OkCancel, true, Answer::Ok, "[OK]"},
      {Buttons::Ok, false, Answer::Ok, "[OK]"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    std::ostringstream out;
    BatchUi ui(out, c.yes);
    EXPECT_EQ(ui.ask("Save it?", "Quitting Lumora!", c.buttons, Icon::Question), c.answer);
    EXPECT_EQ(out.str(), std::string("Quitting Lumora!: Save it? ") + c.label + "\n");
  }
}

TEST(BatchUiTest, EachMessageAndListLineIsOneLineAndTheRestIsSilent) {
  std::ostringstream out;
  BatchUi ui(out, false);
  ui.message("Not Enough Memory. Try quitting other Programs", "Fatal Error", Icon::Error);
  ui.message("line one\nline two\r\nthree", "Lumora", Icon::Information);
  ui.message("", "", Icon::None);
  ui.message("a\x1B[2Jb\x9B", "Bad\x07", Icon::Warning);
  ui.ask("Delete\nAnyway", "", Buttons::YesNo, Icon::Question);
  ui.showList("Import Warnings", {"Crew 123 unknown", "", "Bad\nline"});
  ui.showList("Empty", {});
  FileDialogOptions options;
  options.multiSelect = true;
  EXPECT_TRUE(ui.openFiles(options).empty());
  EXPECT_EQ(ui.saveFile(options), std::nullopt);
  auto progress = ui.progress("Scanning for USA Segments", "Completed %d of %d");
  ASSERT_NE(progress, nullptr);
  progress->setRange(10);
  progress->setPosition(5);
  ui.beep();
  EXPECT_EQ(out.str(),
            "Fatal Error: Not Enough Memory. Try quitting other Programs\n"
            "Lumora: line one\\nline two\\r\\nthree\n"
            ": \n"
            "Bad\\x07: a\\x1B[2Jb\\x9B\n"
            ": Delete\\nAnyway [No]\n"
            "Import Warnings\nCrew 123 unknown\n\nBad\\nline\nEmpty\n");
}

TEST(BatchUiTest, TextsAreWrittenAsUtf8WithControlCharactersEscaped) {
  // Latin-1 letters from a roster; a terminal escape, NUL and a C1 control from
  // a corrupt file must not reach the terminal raw. Backslashes and tabs stay.
  EXPECT_EQ(OneLine("Jos\xE9 M\xFCller \xA0!"), "Jos\xC3\xA9 M\xC3\xBCller \xC2\xA0!");
  EXPECT_EQ(OneLine(std::string_view("a\x1B[2Jb\0c\x7F\x9B", 10)), "a\\x1B[2Jb\\x00c\\x7F\\x9B");
  EXPECT_EQ(OneLine("c:\\LMDebug\tx"), "c:\\LMDebug\tx");
}

}  // namespace
}  // namespace lumora

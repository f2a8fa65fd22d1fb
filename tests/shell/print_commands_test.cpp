#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app_rig.h"
#include "doubles/recording_canvas.h"
#include "platform/printer.h"
#include "support/random_document.h"

namespace lumora {
namespace {

// Prints every page on a recording canvas.
class RecordingPrinter final : public Printer {
 public:
  void setup() override { ++setups; }
  bool print(Printout& printout) override {
    titles.push_back(printout.title());
    pages = printout.pageCount();
    for (int page = 1; page <= pages; ++page) printout.printPage(page, canvas);
    return true;
  }
  int setups = 0;
  int pages = 0;
  std::vector<std::string> titles;
  testing::RecordingCanvas canvas;
};

class PrintCommands : public testing::AppRig {
 protected:
  void start(CrewKind kind, bool withPrinter = true) {
    testing::BuildDespiteInvalidPairings(ui);
    auto doc = std::make_unique<TDocument>();
    testing::FillRandomDocument(*doc, 7);
    doc->CrewType = static_cast<std::uint8_t>(kind);
    doc->BlocksShown = 1;
    services.printer = withPrinter ? &printer : nullptr;
    Start(Save(*doc, "May.lm2").string());
    app->document().BlocksShown = 1;
    ui.shown.clear();
  }

  RecordingPrinter printer;
};

TEST_F(PrintCommands, PrintBlocksAsksWhetherTheSheetIsADraft) {
  struct Case {
    CrewKind kind;
    Answer answer;
    const char* question;
    const char* caption;
    const char* titleStart;
  };
  const Case cases[] = {
      {CrewKind::Captains, Answer::Yes, "Is this a DRAFT Printout", "Lumora - Print Blocks",
       "*** "},
      {CrewKind::FirstOfficers, Answer::No, "Is this a DRAFT Printout", "Lumora - Print Blocks",
       "Lumora "},
      {CrewKind::FlightAttendants, Answer::Yes,
       "Is this a DRAFT Printout of the Currently Displayed Blocks", "Print ONLY Displayed Blocks",
       "*** "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption);
    start(c.kind);
    printer.canvas.clear();
    ui.answers.push_back(c.answer);
    ASSERT_TRUE(app->dispatch(command::kPrintBlocks));
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, c.question);
    EXPECT_EQ(ui.shown[0].caption, c.caption);
    EXPECT_EQ(printer.titles.back(), "May.lm2");
    ASSERT_FALSE(printer.canvas.ops().empty());
    EXPECT_EQ(printer.canvas.ops().front().text.rfind(c.titleStart, 0), 0u)
        << printer.canvas.ops().front().text;
    app.reset();
  }
}

TEST_F(PrintCommands, SetupReachesThePrinterAndWithoutOneNothingIsAsked) {
  start(CrewKind::Captains);
  ASSERT_TRUE(app->dispatch(command::kPrintSetup));
  EXPECT_EQ(printer.setups, 1);
  app.reset();

  start(CrewKind::Captains, false);
  ASSERT_TRUE(app->dispatch(command::kPrintBlocks));
  ASSERT_TRUE(app->dispatch(command::kPrintPairings));
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_TRUE(printer.titles.empty());
}

}  // namespace
}  // namespace lumora

// The last-month extracts read back by the program's own import: every
// activity finds its pairing, code and stations, and the crew carry work
// into the month.

#include "samples/last_month_writer.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "doubles/memory_settings.h"
#include "doubles/null_ui.h"
#include "doubles/recording_clipboard.h"
#include "imports/last_month_extract.h"
#include "imports/toolbox_file.h"
#include "model/document.h"
#include "platform/event_log.h"
#include "samples/sample_set.h"

namespace lumora::samples {
namespace {

TEST(LastMonthWriter, TheImportReadsEveryLineOfEachCrewType) {
  for (const Category category :
       {Category::Captain, Category::FirstOfficer, Category::FlightAttendant}) {
    SCOPED_TRACE(CategoryCode(category));
    WorldOptions options;
    options.category = category;
    options.pairings = 150;
    const World world = BuildWorld(options);
    auto doc = std::make_unique<TDocument>();
    FillCalendar(doc->cal, world.period.first, world.period.last);
    doc->CrewType = static_cast<std::uint8_t>(category);
    doc->FileDescriptor = "YULCRJ" + std::string(CategoryCode(category)) + "M";
    for (const CrewMember& member : world.crew) {
      TPilot& pilot = doc->pilot(doc->PilotCount++);
      pilot.Name = member.surname;
      pilot.EmpNumber = member.employeeNumber;
    }

    lumora::testing::NullUi ui;
    ui.agree = false;
    for (const OutputFile& file : WriteSampleSet(world)) {
      if (file.name.ends_with(".box")) {
        ASSERT_EQ(ReadToolBoxText(*doc, file.bytes, ui), ToolBoxOutcome::Loaded);
      }
    }
    const std::vector<OutputFile> files = WriteLastMonthFiles(world);
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].name,
              category == Category::FlightAttendant ? "YULCRJactc.ext" : "YULCRJactp.ext");
    EXPECT_EQ(files[1].name,
              category == Category::FlightAttendant ? "YULCRJprgc.ext" : "YULCRJprgp.ext");

    lumora::testing::RecordingClipboard clipboard;
    lumora::testing::MemorySettings settings;
    EventLog log;
    std::istringstream activity(files[0].bytes), pairings(files[1].bytes);
    ASSERT_TRUE(
        LoadLastMonthActivityFrom(*doc, activity, pairings, {ui, clipboard, settings, log}, {}));
    // No question about a line's length, no warning.
    EXPECT_EQ(ui.messages, 0) << ui.lastMessage;

    int carried = 0, legal = 0, reserveLast = 0, flown = 0;
    for (int c = 0; c < doc->PilotCount; ++c) {
      const TPilot& p = doc->pilot(c);
      carried += p.CreditCarriedIn() > 0 ? 1 : 0;
      legal += p.LegalCheckIn() > 0 ? 1 : 0;
      reserveLast += p.Activity[30][kActWorkedState] == 2 ? 1 : 0;
      flown += p.Activity[29][kActWorkedState] == 1 ? 1 : 0;
      EXPECT_EQ(p.Last89HardTimeText.size(), 356u);
    }
    EXPECT_GT(carried, 0);
    EXPECT_GT(legal, 0);
    EXPECT_GT(reserveLast, 0);
    EXPECT_GT(flown, 0);
  }
}

}  // namespace
}  // namespace lumora::samples

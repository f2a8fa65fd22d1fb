// The generator's roster and absence extracts read by the program's imports:
// for every crew type the roster is the world's crew, and the absences land
// without a warning.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <sstream>

#include "doubles/memory_settings.h"
#include "doubles/null_ui.h"
#include "doubles/recording_clipboard.h"
#include "imports/absences_extract.h"
#include "imports/roster_extract.h"
#include "model/document.h"
#include "platform/event_log.h"
#include "samples/calendar.h"
#include "samples/sample_set.h"

namespace lumora::samples {
namespace {

const std::string& FileEndingIn(const std::vector<OutputFile>& files, std::string_view end) {
  for (const OutputFile& f : files)
    if (f.name.size() >= end.size() &&
        f.name.compare(f.name.size() - end.size(), end.size(), end) == 0)
      return f.bytes;
  throw std::logic_error("no file " + std::string(end));
}

TEST(Extracts, TheImportsReadTheWorldsCrewAndAbsencesForEveryCrewType) {
  for (const Category category :
       {Category::Captain, Category::FirstOfficer, Category::FlightAttendant}) {
    WorldOptions options;
    options.category = category;
    options.pairings = 60;
    const World world = BuildWorld(options);
    SCOPED_TRACE(CategoryCode(category));
    const std::vector<OutputFile> files = WriteSampleSet(world);
    const bool cabin = category == Category::FlightAttendant;

    auto doc = std::make_unique<TDocument>();
    const Date first = DateOf(world.period.first);
    const Date last = DateOf(world.period.last);
    FillCalendar(doc->cal, ToDayNumber({first.day, first.month, first.year}),
                 ToDayNumber({last.day, last.month, last.year}));
    doc->CrewType = static_cast<std::uint8_t>(category);
    doc->FileDescriptor =
        world.options.base + world.options.equipment + CategoryCode(category) + world.Letter();
    lumora::testing::NullUi ui;
    lumora::testing::RecordingClipboard clipboard;
    lumora::testing::MemorySettings settings;
    EventLog log;
    const ImportServices services{ui, clipboard, settings, log};

    std::istringstream roster(FileEndingIn(files, cabin ? "perc.ext" : "perp.ext"));
    ASSERT_TRUE(LoadRosterExtractFrom(*doc, roster, doc->FileDescriptor, services));
    EXPECT_EQ(ui.messages, 0) << ui.lastMessage;
    std::set<int> expected, loaded;
    for (const CrewMember& c : world.crew) expected.insert(c.employeeNumber);
    for (int c = 0; c < doc->PilotCount; ++c) loaded.insert(doc->Pilots[c].EmpNumber);
    EXPECT_EQ(loaded, expected);
    EXPECT_EQ(doc->PilotCount, static_cast<int>(world.crew.size()));

    for (const bool nextMonth : {false, true}) {
      std::istringstream absences(FileEndingIn(
          files, std::string(cabin ? "absc" : "absp") + (nextMonth ? "-next.ext" : ".ext")));
      ASSERT_TRUE(LoadAbsencesExtractFrom(*doc, absences, nextMonth, services, {}));
      EXPECT_EQ(ui.messages, 0) << ui.lastMessage;
    }
    int onLeave = 0, absent = 0, nextMonthDays = 0;
    for (int c = 0; c < doc->PilotCount; ++c) {
      const TPilot& p = doc->Pilots[c];
      onLeave += p.OnLeaveAllMonth;
      EXPECT_EQ(p.BidReserve, p.OnLeaveAllMonth ? 1 : p.BidReserve);
      absent += std::count(p.DayCell.begin(), p.DayCell.begin() + doc->cal.MonthLength,
                           kOtherAssignmentCell) > 0;
      nextMonthDays += static_cast<int>(std::count(p.DayCell.begin() + doc->cal.MonthLength,
                                                   p.DayCell.end(), kOtherAssignmentCell));
    }
    EXPECT_GE(onLeave, 1);
    EXPECT_LE(onLeave, 2);
    EXPECT_GT(absent, doc->PilotCount / 5);
    EXPECT_GT(nextMonthDays, 0);
  }
}

}  // namespace
}  // namespace lumora::samples

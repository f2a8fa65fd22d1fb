// Importing a file the month already holds changes nothing: the second
// import of each input file leaves the document as the first one left it.

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>

#include "files/temp_folder.h"
#include "imports/absences_extract.h"
#include "imports/last_month_extract.h"
#include "imports/lis_scan.h"
#include "imports/pilot_bids.h"
#include "imports/roster_extract.h"
#include "imports/toolbox_file.h"
#include "properties/property_month.h"

namespace lumora::testing {
namespace {

class Reimport : public ::testing::Test {
 protected:
  TempFolder folder;
  PropertyMonth month{folder.path()};
};

TEST_F(Reimport, ASecondImportOfTheSameFileChangesNothing) {
  DocumentSession& session = month.session();
  TDocument& doc = month.doc();
  const auto text = [&](std::string_view suffix) {
    const samples::OutputFile* f = month.file(suffix);
    return f != nullptr ? f->bytes : std::string();
  };
  const auto cabin = [&] { return doc.crewKind() == CrewKind::FlightAttendants; };
  // Each import as its command runs it, followed by the block build that a
  // command which closed the views ends with.
  const struct {
    const char* name;
    std::function<void()> run;
  } imports[] = {
      {"pairings",
       [&] {
         const samples::OutputFile* prg = month.file(".PRG");
         month.ui().chooseFile(month.onDisk(*prg).string());
         session.importPairings([&](LoadPrgDialog& dialog) { dialog.accept(month.ui()); });
       }},
      {"LIS listings",
       [&] {
         std::string lis;
         for (const samples::OutputFile& f : month.files())
           if (f.name.ends_with(".LIS")) lis += LisFileText(f.bytes);
         ScanLisText(doc, lis, session.importServices());
       }},
      {"toolbox", [&] { ReadToolBoxText(doc, text(".box"), month.ui()); }},
      {"roster",
       [&] {
         std::istringstream in(text(cabin() ? "perc.ext" : "perp.ext"));
         LoadRosterExtractFrom(doc, in, doc.FileDescriptor, session.importServices());
       }},
      {"absences",
       [&] {
         std::istringstream in(text(cabin() ? "absc.ext" : "absp.ext"));
         LoadAbsencesExtractFrom(doc, in, false, session.importServices(), {});
       }},
      {"next month's absences",
       [&] {
         std::istringstream in(text("-next.ext"));
         LoadAbsencesExtractFrom(doc, in, true, session.importServices(), {});
       }},
      {"last month",
       [&] {
         LoadLastMonthActivityText(doc, text(cabin() ? "actc.ext" : "actp.ext"),
                                   text(cabin() ? "prgc.ext" : "prgp.ext"),
                                   session.importServices(), {});
       }},
      {"bids", [&] { ImportPilotBids(doc, text("bids.csv"), session.importServices()); }},
  };
  // Seed 1 stacked the LIS scan's markers; seed 24 marked a leg by a
  // hotel's telephone number.
  const auto seeds = PropertySeeds(3, {1, 24});
  for (std::size_t round = 0; round < seeds.size() && !HasFailure(); ++round) {
    month.build(seeds[round]);
    SCOPED_TRACE(ReplayNote(seeds[round], round) + ": " + month.shape().describe());
    for (const auto& import : imports) {
      SCOPED_TRACE(import.name);
      const auto once = [&] {
        import.run();
        session.buildBlocks(WindowSwitches{true, true, false});
        return month.bytes();
      };
      const Bytes first = once();
      EXPECT_EQ("", ByteDifference(first, once()));
    }
  }
}

}  // namespace
}  // namespace lumora::testing

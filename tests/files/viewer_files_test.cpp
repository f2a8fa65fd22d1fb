#include "files/viewer_files.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "doubles/recording_mailer.h"
#include "files/atomic_file.h"
#include "files/schedule_file.h"
#include "files/temp_folder.h"
#include "platform/event_log.h"
#include "platform/unattended_ui.h"
#include "support/document_builder.h"

namespace lumora::testing {
namespace {

// A month whose file has another extension than ".lm2" and whose crew carry
// every kind of personal data, on a day of the month and on one after it.
class ViewerCopies : public ::testing::Test {
 protected:
  ViewerCopies() {
    build.july2026().extended().crew("A & <B> \"C\", \xC9MILE", 11).crew("B BRAVO", 12);
    for (int crew : {0, 1}) {
      TPilot& p = doc.pilot(crew);
      p.BidText1 = "bid one";
      p.BidText2 = "bid two";
      p.Notes = "notes";
      p.PairingFilterText = "filter";
      p.BidText = "bid";
      p.DayLocked[3] = 1;
      p.DayRequest[3] = 2;
      p.DayLocked[33] = 1;  // after the month
      p.DayRequest[33] = 4;
    }
    doc.SharedNotes = "shared";
    doc.History.add({TransactionRecord::kAssign, 1, 0, 0});
    doc.FileName = (folder / "month.v1" / "April.sched").string();
    doc.Untitled = 0;
    doc.Modified = 1;
  }

  std::unique_ptr<TDocument> Reload(const std::filesystem::path& path) {
    auto copy = std::make_unique<TDocument>();
    copy->FileName = path.string();
    EXPECT_TRUE(LoadFile(*copy, ui, log).loaded) << path;
    return copy;
  }

  TempFolder folder;
  std::unique_ptr<TDocument> owned = std::make_unique<TDocument>();
  TDocument& doc = *owned;
  DocumentBuilder build{doc};
  std::ostringstream said;
  UnattendedUi ui{said, UnattendedAnswers::Yes};
  EventLog log;
  RecordingMailer mailer;
};

TEST_F(ViewerCopies, ViewerFilesDropPersonalDataAndCarryTheirKind) {
  const struct {
    ViewerKind kind;
    const char* name;
    std::int32_t fileKind;
  } cases[] = {{ViewerKind::PreBuild, "PreBuild_April.lmv", kRosterViewerFile},
               {ViewerKind::PreSked, "Presked_April.lmv", kScheduleViewerFile},
               {ViewerKind::Final, "Final_April.lmv", kCompanyFile}};
  for (const auto& c : cases) {
    said.str("");
    const std::filesystem::path viewer = DefaultViewerFolder(doc.FileName);
    const auto written = ExportViewerCopy(doc, c.kind, viewer, ui, log, &mailer);
    ASSERT_TRUE(written) << said.str();
    EXPECT_EQ(*written, folder / "month.v1" / "Viewer" / c.name);
    EXPECT_EQ(said.str(), "Lumora: Viewer File Saved as " + written->string() +
                              " without personal data.\\nDo you want to e-mail the lmv file "
                              "now. [Yes]\n");
    EXPECT_EQ(mailer.sent.back(), std::vector<std::filesystem::path>{*written});

    const auto copy = Reload(*written);
    EXPECT_EQ(copy->FileKind, c.fileKind);
    const TPilot& p = copy->pilot(0);
    EXPECT_EQ(p.Name, "A & <B> \"C\", \xC9MILE");
    EXPECT_EQ(p.BidText1 + p.BidText2 + p.Notes + p.PairingFilterText + p.BidText, "");
    EXPECT_EQ(p.DayLocked[3] + p.DayRequest[3], 0);
    EXPECT_EQ(p.DayLocked[33], 1);  // after the month: kept
    EXPECT_EQ(p.DayRequest[33], 4);
    EXPECT_EQ(copy->SharedNotes, "");
    EXPECT_TRUE(copy->History.empty());
  }
  // The document itself is whole and still modified.
  EXPECT_EQ(doc.pilot(1).Notes, "notes");
  EXPECT_EQ(doc.pilot(1).DayRequest[3], 2);
  EXPECT_EQ(doc.SharedNotes, "shared");
  EXPECT_EQ(doc.History.size(), 1u);
  EXPECT_EQ(doc.Modified, 1);
}

TEST_F(ViewerCopies, CompanyCopyKeepsTheExtensionAndNamesTheFileWritten) {
  UnattendedUi saysNo{said, UnattendedAnswers::No};
  const auto written =
      ExportCompanyCopy(doc, DefaultCompanyFolder(doc.FileName), saysNo, log, &mailer);
  ASSERT_TRUE(written) << said.str();
  EXPECT_EQ(*written, folder / "month.v1" / "Company" / "April.sched");
  EXPECT_EQ(said.str(), "Lumora: File Saved as " + written->string() +
                            " without personal data.\\nDo you want to e-mail the lm2 file now. "
                            "[No]\n");
  EXPECT_TRUE(mailer.sent.empty());
  const auto copy = Reload(*written);
  EXPECT_EQ(copy->FileKind, kScheduleFile);
  EXPECT_EQ(copy->SharedNotes, "shared");
  EXPECT_EQ(copy->pilot(1).Notes, "");
  EXPECT_EQ(copy->pilot(1).DayRequest[33] + copy->pilot(1).DayLocked[33], 0);
  EXPECT_TRUE(copy->History.empty());
}

TEST_F(ViewerCopies, AFailedSaveAsksNothingAndLeavesNoFile) {
  const ScopedDiskFaults faults({.failCreate = true});
  EXPECT_FALSE(ExportViewerCopy(doc, ViewerKind::Final, folder / "V", ui, log, &mailer));
  EXPECT_FALSE(ExportCompanyCopy(doc, folder / "C", ui, log, &mailer));
  EXPECT_EQ(said.str().find("e-mail"), std::string::npos) << said.str();
  EXPECT_TRUE(mailer.sent.empty());
  EXPECT_TRUE(std::filesystem::is_empty(folder / "V"));
  EXPECT_TRUE(std::filesystem::is_empty(folder / "C"));
  EXPECT_EQ(doc.pilot(0).BidText, "bid");
}

}  // namespace
}  // namespace lumora::testing

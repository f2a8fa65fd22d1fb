#include <gtest/gtest.h>

#include <memory>

#include "app_rig.h"
#include "files/viewer_files.h"
#include "reports/baw_lin_export.h"
#include "reports/block_texts.h"
#include "reports/web_files.h"
#include "rules/exceptions_report.h"
#include "support/random_document.h"

namespace lumora {
namespace {

class ExportCommands : public testing::AppRig {
 protected:
  ExportCommands() {
    testing::BuildDespiteInvalidPairings(ui);
    auto doc = std::make_unique<TDocument>();
    testing::FillRandomDocument(*doc, 4);
    file = Save(*doc, "May.lm2");
    services.mailer = &mailer;
    services.clipboard = &clipboard;
    AppEnvironment environment;
    environment.mailAvailable = true;
    Start(file.string(), std::move(environment));
    ui.shown.clear();
  }

  std::filesystem::path file;
};

TEST_F(ExportCommands, ViewerAndCompanyShowTheReportSaveAndHandTheCopyToTheMailer) {
  app->document().Modified = 1;
  ui.onDialog<ExceptionsReportDialog>([](DialogModel&) { return true; });
  ui.onDialog<ViewerKindDialog>([](ViewerKindDialog& d) {
    d.kind = ViewerKind::PreSked;
    return true;
  });
  ui.answers.push_back(Answer::Yes);
  ASSERT_TRUE(app->dispatch(command::kSaveForViewer));
  const auto viewer = folder / "Viewer" / "Presked_May.lmv";
  EXPECT_EQ(mailer.sent, (std::vector<std::vector<std::filesystem::path>>{{viewer}}));
  EXPECT_EQ(app->document().Modified, 0);  // saved under its own name first

  ui.onDialog<ExceptionsReportDialog>([](DialogModel&) { return true; });
  ui.answers.push_back(Answer::No);
  ASSERT_TRUE(app->dispatch(command::kSaveForCompany));
  EXPECT_TRUE(std::filesystem::exists(folder / "Company" / "May.lm2"));
  EXPECT_EQ(mailer.sent.size(), 1u);
  EXPECT_EQ(ui.last().caption, "Lumora");

  // The viewer kind dialog cancelled: nothing written.
  std::filesystem::remove_all(folder / "Viewer");
  ui.onDialog<ExceptionsReportDialog>([](DialogModel&) { return true; });
  ui.onDialog<ViewerKindDialog>([](DialogModel&) { return false; });
  ASSERT_TRUE(app->dispatch(command::kSaveForViewer));
  EXPECT_FALSE(std::filesystem::exists(folder / "Viewer"));
}

TEST_F(ExportCommands, ExportNowWritesIntoTheExportFolderAndTheImportReadsNothing) {
  ui.onDialog<BawLinExportDialog>([this](BawLinExportDialog& d) {
    d.fields.fileName = "MAY";
    EXPECT_EQ(d.exportNow(ui), BawLinStatus::Completed);
    EXPECT_EQ(d.summary.back(), "Export Completed");
    return true;
  });
  ASSERT_TRUE(app->dispatch(command::kExportBawLin));
  EXPECT_TRUE(std::filesystem::exists(folder / "Export" / "MAY.BAW"));
  EXPECT_TRUE(std::filesystem::exists(folder / "Export" / "MAY.LIN"));

  ui.onDialog<BawLinImportDialog>([this](BawLinImportDialog& d) {
    ui.openResults.push_back({(folder / "Export" / "MAY.BAW").string()});
    d.chooseFile(ui);
    return true;
  });
  app->document().Modified = 0;
  ASSERT_TRUE(app->dispatch(command::kImportBawLin));
  ASSERT_EQ(ui.fileDialogs.size(), 1u);
  EXPECT_EQ(ui.fileDialogs[0].title, "Load BAW Data");
  EXPECT_EQ(ui.fileDialogs[0].filter, "Baw Files(*.baw)|*.baw|All Files (*.*)|*.*");
  EXPECT_EQ(app->document().Modified, 0);
}

TEST_F(ExportCommands, EmailSavesFirstAndSendsTheFileOnlyWhenTheUserAgrees) {
  app->document().Modified = 1;
  ui.answers.push_back(Answer::No);
  ASSERT_TRUE(app->dispatch(command::kEmail));
  EXPECT_EQ(app->document().Modified, 0);  // saved before the question
  EXPECT_EQ(ui.last().text,
            "This email file will include all personal data.\n Use Export feature for Saving "
            "without personal data.\n Do you want to Continue?");
  EXPECT_TRUE(mailer.sent.empty());
  ui.answers.push_back(Answer::Yes);
  ASSERT_TRUE(app->dispatch(command::kEmail));
  EXPECT_EQ(mailer.sent, (std::vector<std::vector<std::filesystem::path>>{{file}}));
}

TEST_F(ExportCommands, TextsGoToTheClipboardAndFilesBesideTheScheduleFile) {
  // Copy Blocks: nobody chosen copies nothing; one chosen copies his calendar.
  ui.onDialog<CopyBlocksDialog>([](DialogModel&) { return true; });
  ASSERT_TRUE(app->dispatch(command::kCopyBlocks));
  EXPECT_TRUE(clipboard.texts.empty());
  ui.onDialog<CopyBlocksDialog>([](CopyBlocksDialog& d) {
    d.selected[1] = true;
    return true;
  });
  ASSERT_TRUE(app->dispatch(command::kCopyBlocks));
  ASSERT_EQ(clipboard.texts.size(), 1u);
  EXPECT_EQ(clipboard.texts[0].rfind("Selected Blocks for ", 0), 0u);
  EXPECT_NE(clipboard.texts[0].find("Name: " + app->document().pilot(1).Name + "  Emp: "),
            std::string::npos);
  EXPECT_EQ(settings.readString("CLIPBOARD", "ClipXes", ""), "0");

  ASSERT_TRUE(app->dispatch(command::kPrintBlocksToClipboard));
  ASSERT_EQ(clipboard.texts.size(), 2u);
  EXPECT_EQ(clipboard.texts[1].rfind("Crew Lines for ", 0), 0u);
  EXPECT_NE(clipboard.texts[1].find("  May\n\r\n"), std::string::npos);
  EXPECT_EQ(ui.last().text,
            "Blocks copied to Windows Clipboard. To view select Edit, Paste from your Word "
            "Processing program.");
  clipboard.works = false;
  ASSERT_TRUE(app->dispatch(command::kPrintBlocksToClipboard));
  EXPECT_EQ(ui.last().text, "Error Copying to Windows Clipboard.");

  ASSERT_TRUE(app->dispatch(command::kSaveInternetFiles));
  for (const auto& written :
       {"May.htm", "May.csv", "May_Month_Layout.csv", "May CT Planned Absences.csv"})
    EXPECT_TRUE(std::filesystem::exists(folder / written)) << written;
  EXPECT_EQ(ui.last().text, "HTML and Various CVS Files Saved to folder " + folder.path().string());

  ui.saveResults.push_back((folder / "training.csv").string());
  ui.saveResults.push_back(std::nullopt);
  ASSERT_TRUE(app->dispatch(command::kTrainingReport));
  ASSERT_TRUE(app->dispatch(command::kTrainingReport));
  EXPECT_EQ(ui.fileDialogs.back().title, "Export Training and Line Check Data");
  EXPECT_EQ(ui.fileDialogs.back().filter, "Pilot Bid Files(*.csv)|*.csv|All Files (*.*)|*.*");
  EXPECT_EQ(testing::ReadBytes(folder / "training.csv").size(),
            TrainingReportText(app->document()).size());
}

}  // namespace
}  // namespace lumora

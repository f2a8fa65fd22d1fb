#include "app/new_file_wizard_window.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/frame_windows.h"
#include "app/import_windows.h"
#include "app/rules_windows.h"
#include "app/screenshot.h"
#include "frame_fixture.h"
#include "model/set_dates_dialog.h"
#include "shell/command_table.h"
#include "shell/new_file_wizard.h"

namespace lumora::testing {
namespace {

const std::filesystem::path kSamples =
    std::filesystem::path(LUMORA_SOURCE_DIR) / "samples" / "YUL-CRJ-CA-2027-02";

std::vector<std::string> Sample(const char* name) {
  return {(kSamples / name).string()};
}

// The sample month made by the wizard in the desktop program, every step with
// its file, as a scheduler would.
TEST_F(FrameTest, TheWizardMakesTheSampleMonthAndFinishedBuildsTheBlocks) {
  const auto window = startWindow();
  SettingsStore& settings = window->app().settings();
  settings.writeString("LM", "BuildingBase", "6");  // YUL
  settings.writeString("LM", "BuildingEqp", "4");   // CRJ
  const auto saved = file("February CRJ Capt.lm2");
  const QString picture = QStringLiteral(LUMORA_TEST_ARTIFACTS "/new_file_wizard.png");

  ui.answers.push_back(Answer::Yes);  // create a new file
  whenShown<MonthDialog>([&](MonthDialog& dates) {
    // The clock stands in June 2026; the samples are of February 2027.
    for (int i = 0; i < 7; ++i) dates.button(SetDatesDialog::kNextMonth)->click();
    whenShown<NewFileWizardWindow>([&](NewFileWizardWindow& wizard) {
      const auto next = [&wizard] { wizard.nextButton().click(); };
      ui.answers.push_back(Answer::Yes);  // the confirmation
      ui.openResults.push_back(Sample("YULPILOT.box"));
      whenShown<SetupMonthWindow>([](SetupMonthWindow& month) { month.accept(); });
      next();
      ui.openResults.push_back(Sample("YULCRJperp.ext"));
      next();
      ui.openResults.push_back(Sample("YULCRJabsp.ext"));
      ui.answers.push_back(Answer::Yes);  // the second month's absences
      ui.openResults.push_back(Sample("YULCRJabsp-next.ext"));
      next();
      ui.openResults.push_back(Sample("YULCRJactp.ext"));
      ui.openResults.push_back(Sample("YULCRJprgp.ext"));
      next();
      ui.openResults.push_back(Sample("YULCRJCA.PRG"));
      whenShown<PairingWarningsWindow>([](PairingWarningsWindow& warnings) { warnings.accept(); });
      next();
      std::vector<std::string> lis;
      for (const char* week : {"W1", "W2", "W3", "W4"})
        lis.push_back((kSamples / (std::string("YULCRJCA_FEB27_") + week + ".LIS")).string());
      ui.openResults.push_back(lis);
      ui.saveResults.push_back(saved.string());
      next();

      for (int line = 0; line < 4; ++line)
        EXPECT_EQ(wizard.statusLine(line).text(), QStringLiteral("Done")) << line;
      EXPECT_EQ(wizard.stepText().toPlainText(),
                QStringLiteral("New File Created. Click Finished to start Building Blocks."));
      EXPECT_FALSE(wizard.nextButton().isEnabled());
      EXPECT_TRUE(wizard.finishButton().isEnabled());
      EXPECT_STREQ(window->app().menuName(), "MENU_3");
      QFile::remove(picture);
      EXPECT_TRUE(saveScreenshot(wizard, picture));
      buildDespiteInvalidPairings();
      wizard.finishButton().click();
    });
    dates.okButton().click();
  });
  ASSERT_TRUE(window->app().dispatch(command::kNew));

  const TDocument& doc = window->app().document();
  EXPECT_STREQ(window->app().menuName(), "MENU_1");
  EXPECT_TRUE(doc.BlocksShown);
  EXPECT_TRUE(doc.PairWindowVisible && doc.ToolboxWindowVisible);
  EXPECT_EQ(doc.PilotCount, 128);
  EXPECT_EQ(doc.FileDescriptor, "YULCRJCAM");
  EXPECT_EQ(window->windowTitle(),
            QStringLiteral("Lumora - ") + fromCorePath(saved.string()) + QStringLiteral("[*]"));
  EXPECT_TRUE(std::filesystem::exists(saved));
  EXPECT_TRUE(QFile::exists(picture));
  window->shutdown();
}

}  // namespace
}  // namespace lumora::testing

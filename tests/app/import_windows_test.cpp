#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <filesystem>
#include <memory>
#include <string>

#include "app/import_windows.h"
#include "files/schedule_file.h"
#include "frame_fixture.h"
#include "imports/pairing_warnings.h"
#include "imports/prg_dialog.h"
#include "model/calendar.h"
#include "shell/command_table.h"

namespace lumora::testing {
namespace {

std::filesystem::path SamplePrg() {
  return (std::filesystem::path(__FILE__).parent_path() / ".." / ".." / "samples" /
          "YUL-CRJ-CA-2027-02" / "YULCRJCA.PRG")
      .lexically_normal();
}

// February 2027 for the captains of YUL on the CRJ, without pairings.
void writeFebruary(const std::filesystem::path& path) {
  auto doc = std::make_unique<TDocument>();
  FillCalendar(doc->cal, ToDayNumber({31, 1, 2027}), ToDayNumber({1, 3, 2027}));
  doc->CrewType = 0;
  doc->FileDescriptor = "YULCRJCAM";
  doc->PilotCount = 1;
  doc->Pilots[0].Name = "A CAPTAIN";
  ScriptedUi saveUi;
  EventLog log;
  ASSERT_TRUE(SaveFile(*doc, path, kScheduleFile, saveUi, log));
}

class ImportWindowsTest : public FrameTest {};

TEST_F(ImportWindowsTest, ThisMonthsPairingsLoadsTheSampleThroughTheWindows) {
  ASSERT_TRUE(std::filesystem::exists(SamplePrg())) << SamplePrg();
  writeFebruary(file("FEB27.lm2"));
  auto window = startWindow(file("FEB27.lm2").string());
  QAction* command = menuAction(*window, command::kImportPairings);
  ASSERT_NE(command, nullptr);
  ASSERT_TRUE(command->isEnabled());
  ui.openResults.push_back({SamplePrg().string()});

  int warningLines = 0;
  int beepsFromTheList = -1;
  whenShown<LoadPrgWindow>([&](LoadPrgWindow& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Load Bornemann Pairings"));
    EXPECT_FALSE(dialog.manualSettings().isChecked());
    // Opens inside OK, once the file is read.
    whenShown<PairingWarningsWindow>([&](PairingWarningsWindow& warnings) {
      warningLines = warnings.list().count();
      // No pairing editor yet: a double click on a pairing's line beeps.
      const int before = ui.beeps;
      for (int row = 0; row < warnings.list().count(); ++row) {
        if (!warnings.list().item(row)->text().startsWith(QStringLiteral("Pair "))) continue;
        emit warnings.list().itemDoubleClicked(warnings.list().item(row));
        break;
      }
      beepsFromTheList = ui.beeps - before;
      EXPECT_EQ(warnings.list().count(), warningLines);
      warnings.okButton().click();
    });
    dialog.okButton().click();
  });
  command->trigger();

  const TDocument& doc = window->app().document();
  EXPECT_EQ(doc.LastPair, 149);
  bool found = false;
  for (int i = 0; i <= doc.LastPair; ++i) found = found || doc.Pairs[i].Number == 7003;
  EXPECT_TRUE(found);
  EXPECT_TRUE(doc.BlocksShown);
  EXPECT_GT(warningLines, 150);
  EXPECT_EQ(beepsFromTheList, 1);
  // The LIS scan was offered after the dialog closed, and cancelled.
  ASSERT_EQ(ui.fileDialogs.size(), 2u);
  EXPECT_EQ(ui.fileDialogs[1].title, "Flag ACType/FR Pairs from LIS. CTRL for Multiple Files");
  EXPECT_TRUE(window->statusBar()->currentMessage().isEmpty());
}

TEST_F(ImportWindowsTest, TheLoadDialogKeepsWhatItsModelKeeps) {
  LoadPrgDialog model;
  int accepts = 0;
  bool allow = false;
  LoadPrgWindow dialog(model, [&] {
    ++accepts;
    return allow;
  });
  dialog.baseCode().setFocus();
  // Typed text goes through the model: upper case, letters and digits only.
  emit dialog.baseCode().textEdited(QStringLiteral("m"));
  EXPECT_EQ(dialog.baseCode().text(), QStringLiteral("M"));
  EXPECT_EQ(model.baseCode(), "M");
  emit dialog.eqpCode().textEdited(QStringLiteral("x"));
  EXPECT_EQ(dialog.eqpCode().text(), QString());
  emit dialog.eqpCode().textEdited(QStringLiteral("8"));
  EXPECT_EQ(model.eqpCode(), "8");
  dialog.manualSettings().setChecked(true);
  EXPECT_TRUE(model.useManualSettings());
  EXPECT_EQ(model.prefix(), "M8");

  dialog.show();
  dialog.okButton().click();  // refused: the dialog stays open
  EXPECT_EQ(accepts, 1);
  EXPECT_TRUE(dialog.isVisible());
  allow = true;
  dialog.okButton().click();
  EXPECT_EQ(accepts, 2);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(ImportWindowsTest, TheClipboardTakesLatinOneText) {
  QtClipboard clipboard;
  ASSERT_TRUE(clipboard.setText("Pair 7001 \xE9t\xE9\n"));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Pair 7001 \u00E9t\u00E9\n"));
}

}  // namespace
}  // namespace lumora::testing

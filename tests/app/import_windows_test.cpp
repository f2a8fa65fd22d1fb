#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>

#include "app/import_windows.h"
#include "app/pairing_edit_windows.h"
#include "frame_fixture.h"
#include "imports/pairing_warnings.h"
#include "imports/prg_dialog.h"
#include "model/calendar.h"
#include "shell/command_table.h"

namespace lumora::testing {
namespace {

const std::filesystem::path kSamplePrg =
    std::filesystem::path(LUMORA_SOURCE_DIR) / "samples" / "YUL-CRJ-CA-2027-02" / "YULCRJCA.PRG";

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

using ImportWindowsTest = FrameTest;

TEST_F(ImportWindowsTest, ThisMonthsPairingsLoadsTheSampleThroughTheWindows) {
  ASSERT_TRUE(std::filesystem::exists(kSamplePrg)) << kSamplePrg;
  writeFebruary(file("FEB27.lm2"));
  auto window = startWindow(file("FEB27.lm2").string());
  QAction* command = menuAction(*window, command::kImportPairings);
  ASSERT_NE(command, nullptr);
  ASSERT_TRUE(command->isEnabled());
  ui.openResults.push_back({kSamplePrg.string()});

  int warningLines = 0;
  QString editedNumber;
  QString listedNumber;
  whenShown<LoadPrgWindow>([&](LoadPrgWindow& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Load Bornemann Pairings"));
    EXPECT_FALSE(dialog.manualSettings().isChecked());
    // Opens inside OK, once the file is read.
    whenShown<PairingWarningsWindow>([&](PairingWarningsWindow& warnings) {
      warningLines = warnings.list().count();
      // A double click on a pairing's line opens the pairing editor on it.
      const auto lines = warnings.list().findItems(QStringLiteral("Pair "), Qt::MatchStartsWith);
      if (!lines.empty()) {
        listedNumber = lines.front()->text().mid(5, 4);
        whenShown<PairEditorWindow>([&](PairEditorWindow& editor) {
          editedNumber = editor.numberEdit().text();
          editor.reject();
        });
        emit warnings.list().itemDoubleClicked(lines.front());
      }
      warnings.okButton().click();
    });
    dialog.okButton().click();
  });
  buildDespiteInvalidPairings(1);
  command->trigger();

  const TDocument& doc = window->app().document();
  EXPECT_EQ(doc.LastPair, 149);
  EXPECT_TRUE(doc.BlocksShown);
  EXPECT_GT(warningLines, 150);
  EXPECT_FALSE(listedNumber.isEmpty());
  EXPECT_EQ(editedNumber, listedNumber);
  // The LIS scan was offered after the dialog closed, and cancelled.
  ASSERT_EQ(ui.fileDialogs.size(), 2u);
  EXPECT_EQ(ui.fileDialogs[1].title, "Flag ACType/FR Pairs from LIS. CTRL for Multiple Files");
  EXPECT_TRUE(window->statusBar()->currentMessage().isEmpty());
}

TEST_F(ImportWindowsTest, TheLoadDialogKeepsWhatItsModelKeepsAndTheClipboardTakesLatin1) {
  LoadPrgDialog model;
  int accepts = 0;
  bool allow = false;
  model.setOnOk([&] {
    ++accepts;
    return allow;
  });
  testing::ScriptedUi scripted;
  LoadPrgWindow dialog(model, scripted);
  dialog.baseCode().setFocus();
  // Typed text goes through the model: upper case, letters and digits only.
  emit dialog.baseCode().textEdited(QStringLiteral("m"));
  EXPECT_EQ(dialog.baseCode().text(), QStringLiteral("M"));
  EXPECT_EQ(model.baseCode(), "M");
  emit dialog.eqpCode().textEdited(QStringLiteral("x"));
  EXPECT_EQ(dialog.eqpCode().text(), QString());
  emit dialog.eqpCode().textEdited(QStringLiteral("8"));
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
  EXPECT_EQ(dialog.result(), QDialog::Accepted);

  QtClipboard clipboard;
  ASSERT_TRUE(clipboard.setText("Pair 7001 \xE9t\xE9\n"));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Pair 7001 \u00E9t\u00E9\n"));
}

}  // namespace
}  // namespace lumora::testing

#include "app/export_windows.h"

#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>

#include "app/core_text.h"
#include "app/screenshot.h"
#include "app_test_support.h"
#include "files/viewer_files.h"
#include "reports/baw_lin_export.h"
#include "reports/block_texts.h"
#include "shell/memory_settings.h"
#include "support/document_builder.h"

namespace lumora {
namespace {

TEST(ExportWindows, ExportNowTakesTheEditedFieldsAndListsTheSummary) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  auto doc = testing::DocumentBuilder()
                 .july2026()
                 .crew("OPEN", 0)
                 .crew("A ALPHA", 11)
                 .pairing(testing::PairingValues(101).Prefix("V8").Length(1).Days({0}))
                 .take();
  doc->FileName = toCorePath(dir.filePath(QStringLiteral("July.lm2")));
  doc->Untitled = 0;
  testing::ScriptedUi ui;
  BawLinExportDialog model(*doc);
  BawLinExportWindow window(model, ui);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Export Schedules for Bornemann Crew Trac"));
  EXPECT_EQ(window.fileName().text(), QStringLiteral("JU26V8CA"));
  EXPECT_EQ(window.crewType().checkedButton()->text(), QStringLiteral("Capt"));

  window.fileName().setText(QStringLiteral("JULY"));
  window.crewType().button(1)->click();  // FO
  window.exportButton().click();
  ASSERT_EQ(window.summary().count(), 2);
  EXPECT_EQ(window.summary().item(0)->text(),
            QStringLiteral("Blk 1 is Exported as OpenTime. Emp Num is 0"));
  EXPECT_EQ(window.summary().item(1)->text(), QStringLiteral("Export Completed"));
  EXPECT_EQ(model.fields.crew, BawLinCrew::FirstOfficer);
  EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("Export/JULY.BAW"))));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.last().text, "Finished Exporting to CrewTrac format");

  // The edit box takes letters and digits only.
  window.fileName().clear();
  QTest::keyClicks(&window.fileName(), QStringLiteral("A/../B"));
  EXPECT_EQ(window.fileName().text(), QStringLiteral("AB"));

  window.show();
  EXPECT_TRUE(saveScreenshot(window, QStringLiteral(LUMORA_TEST_ARTIFACTS "/baw_lin_export.png")));
}

TEST(ExportWindows, ViewerKindIsTheCheckedRadioButton) {
  testing::ScriptedUi ui;
  ViewerKindDialog model;
  ViewerKindWindow window(model, ui);
  EXPECT_EQ(window.kinds().checkedButton()->text(), QStringLiteral("Pre-Build"));
  window.kinds().button(static_cast<int>(ViewerKind::Final))->click();
  window.okButton().click();
  EXPECT_EQ(model.kind, ViewerKind::Final);
  EXPECT_EQ(window.result(), QDialog::Accepted);
  window.show();
  EXPECT_TRUE(saveScreenshot(window, QStringLiteral(LUMORA_TEST_ARTIFACTS "/viewer_kind.png")));
}

TEST(ExportWindows, CopyBlocksTakesTheChosenNamesAndTheBoxes) {
  auto doc = testing::DocumentBuilder()
                 .july2026()
                 .crew("A ALPHA", 11)
                 .crew("B BRAVO", 12)
                 .crew("C CHARLIE", 13)
                 .take();
  MemorySettingsStore settings;
  settings.writeString("CLIPBOARD", "ClipPairs", "1");
  testing::ScriptedUi ui;
  CopyBlocksDialog model(*doc, settings);
  CopyBlocksWindow window(model, ui);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Select Blocks to Copy to the Windows Clipboard"));
  ASSERT_EQ(window.names().count(), 3);
  EXPECT_FALSE(window.includeXes().isChecked());
  EXPECT_TRUE(window.includePairs().isChecked());

  window.names().item(0)->setSelected(true);
  window.names().item(2)->setSelected(true);
  window.includeXes().setChecked(true);
  window.show();
  EXPECT_TRUE(saveScreenshot(window, QStringLiteral(LUMORA_TEST_ARTIFACTS "/copy_blocks.png")));
  window.okButton().click();
  EXPECT_EQ(window.result(), QDialog::Accepted);
  EXPECT_TRUE(model.copyRequested());
  EXPECT_EQ(model.selected, (std::vector<bool>{true, false, true}));
  EXPECT_EQ(doc->pilot(2).ClipSelected, 1);
  EXPECT_EQ(settings.readString("CLIPBOARD", "ClipXes", ""), "1");
}

}  // namespace
}  // namespace lumora

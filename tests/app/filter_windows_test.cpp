// The block filters and the search in the main window on the demo month, and
// the three windows of the pairing filters.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <filesystem>

#include "app/block_views.h"
#include "app/filter_windows.h"
#include "app/grid_widget.h"
#include "app/screenshot.h"
#include "frame_fixture.h"
#include "support/document_builder.h"
#include "views/block_filters.h"
#include "views/pair_window.h"
#include "views/pairing_filters.h"

namespace lumora::testing {
namespace {

QPushButton* ButtonNamed(const QWidget& window, const char* text) {
  for (QPushButton* button : window.findChildren<QPushButton*>())
    if (button->text() == QString::fromLatin1(text)) return button;
  return nullptr;
}

using FilterWindowsTest = FrameTest;

TEST_F(FilterWindowsTest, BlockFilterButtonsAndTheSearchNarrowTheGrid) {
  const auto window = startWindow(kDemo.string());
  window->show();
  QApplication::processEvents();
  BlockViews& views = *window->views();
  const int everyone = views.gridModel().rowCount();
  ASSERT_GT(everyone, 2);

  auto* ltc = window->findChild<QToolButton*>(QStringLiteral("blockFilter556"));
  ASSERT_NE(ltc, nullptr);
  ASSERT_TRUE(ltc->isVisible() && ltc->isEnabled());
  ltc->click();
  EXPECT_TRUE(ltc->isChecked());
  int ltcCount = 0;
  for (int k = 0; k < window->app().document().PilotCount; ++k)
    if (window->app().document().Pilots[static_cast<std::size_t>(k)].SpecialQual() == 1) ++ltcCount;
  EXPECT_EQ(views.gridModel().rowCount(), ltcCount);
  ltc->click();
  EXPECT_EQ(views.gridModel().rowCount(), everyone);

  // The search: the first crew member's name, then only his block.
  auto* edit = window->findChild<QLineEdit*>(QStringLiteral("searchEdit595"));
  ASSERT_NE(edit, nullptr);
  ASSERT_TRUE(edit->isEnabled());
  const TPilot& first = window->app().document().Pilots[0];
  const std::string surname = first.Name.substr(first.Name.find(' ') + 1);
  edit->setText(QString::fromStdString(surname));
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_TRUE(views.gridModel().searchHighlight(0));
  EXPECT_NE(window->findChild<QCheckBox*>(QStringLiteral("searchCheck563")), nullptr);
  window->findChild<QToolButton*>(QStringLiteral("blockFilter550"))->click();
  EXPECT_GE(views.gridModel().rowCount(), 1);
  EXPECT_LT(views.gridModel().rowCount(), everyone);
  EXPECT_EQ(views.gridModel().crewAt(0), 0);
  QApplication::processEvents();
  EXPECT_TRUE(saveScreenshot(*window, QStringLiteral(LUMORA_TEST_ARTIFACTS "/block_search.png")));
  window->shutdown();
}

TEST(FilterWindows, WizardEditorAndCabinWindow) {
  auto doc = DocumentBuilder()
                 .july2026()
                 .kind(CrewKind::FlightAttendants)
                 .crew("A ALPHA")
                 .crew("B BRAVO")
                 .take();
  DocumentBuilder b(*doc);
  for (int n = 101; n <= 130; ++n) b.pairing(PairingValues(n).Days({n % 20}).Length(1));
  ScriptedUi ui;

  FilterWizardDialog wizard;
  FilterWizardWindow wizardWindow(wizard, ui);
  EXPECT_EQ(wizardWindow.windowTitle(), QStringLiteral("Lumora Pairing Filter Wizard"));
  wizardWindow.leftBox(0).setText(QStringLiteral("YUL"));
  wizardWindow.rightBox(1).setText(QStringLiteral("YTZ"));
  wizardWindow.show();
  EXPECT_TRUE(
      saveScreenshot(wizardWindow, QStringLiteral(LUMORA_TEST_ARTIFACTS "/filter_wizard.png")));
  wizardWindow.accept();
  EXPECT_EQ(wizard.result(), "YUL,!YTZ;");

  BidFilterEditor editor(*doc, 1);
  BidFilterEditorWindow editorWindow(editor, ui);
  EXPECT_EQ(editorWindow.windowTitle(), QStringLiteral("Filters for B BRAVO"));
  ASSERT_EQ(editorWindow.cells().size(), 30u);
  QTest::mouseClick(editorWindow.cells()[3], Qt::LeftButton, Qt::ShiftModifier);
  EXPECT_TRUE(editorWindow.cells()[0]->isChecked() && editorWindow.cells()[3]->isChecked());
  editorWindow.textBox().setEditText(QStringLiteral("YUL"));
  editorWindow.show();
  EXPECT_TRUE(
      saveScreenshot(editorWindow, QStringLiteral(LUMORA_TEST_ARTIFACTS "/bid_filter_editor.png")));
  editorWindow.accept();
  EXPECT_EQ(doc->Pilots[1].PairingFilterText, "0101010201030104TEXTYUL;");

  TPairWin pairWindow(*doc);
  FilterWindowDialog filter(*doc, pairWindow);
  FilterWindowWindow filterWindow(filter, ui);
  filterWindow.cells()[29]->click();
  EXPECT_EQ(doc->Pairs[29].FilterState, kFilteredByNumber);
  filterWindow.crewBox().setCurrentIndex(0);
  ButtonNamed(filterWindow, "Save")->click();
  EXPECT_EQ(filterWindow.windowTitle(), QStringLiteral("Filters Saved to A ALPHA"));
  filterWindow.show();
  EXPECT_TRUE(saveScreenshot(filterWindow,
                             QStringLiteral(LUMORA_TEST_ARTIFACTS "/pairing_filter_window.png")));
  ButtonNamed(filterWindow, "Apply Filters")->click();
  EXPECT_EQ(filterWindow.result(), QDialog::Accepted);
  EXPECT_TRUE(pairWindow.filtersOn());
  EXPECT_EQ(pairWindow.caption(), "Filters On");
}

}  // namespace
}  // namespace lumora::testing

#include "app/preferences_windows.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "doubles/memory_settings.h"
#include "frame_fixture.h"
#include "platform/settings_catalogue.h"
#include "shell/command_table.h"
#include "shell/preferences_dialog.h"

namespace lumora {
namespace {

using testing::FrameTest;

TEST_F(FrameTest, PreferencesAreWrittenAndSurviveARestart) {
  const auto path = file("prefs.lm2");
  testing::writeScheduleFile(path, 4);
  {
    const auto window = startWindow(path.string());
    EXPECT_FALSE(window->display().switches.grid);
    testing::whenShown<PreferencesWindow>([](PreferencesWindow& dialog) {
      EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Lumora Preferences"));
      EXPECT_EQ(dialog.box(PreferencesDialog::kGridBox)->text(),
                QStringLiteral(" Display Grid for Weekdays"));
      EXPECT_FALSE(dialog.box(PreferencesDialog::kAllowIllegalBox)->isEnabled());
      EXPECT_TRUE(dialog.box(PreferencesDialog::kAllowIllegalBox)->isChecked());
      EXPECT_EQ(dialog.edit(PreferencesDialog::kXPaddingEdit)->text(), QStringLiteral("09"));
      EXPECT_EQ(dialog.edit(PreferencesDialog::kYPaddingEdit)->text(), QStringLiteral("05"));
      dialog.box(PreferencesDialog::kGridBox)->click();
      dialog.box(PreferencesDialog::kLayoversBox)->click();
      dialog.box(PreferencesDialog::kDebugFileBox)->click();
      dialog.box(PreferencesDialog::kDisableFtpBox)->click();
      dialog.edit(PreferencesDialog::kXPaddingEdit)->setText(QStringLiteral("12"));
      // Two digits, no more, no letters.
      dialog.edit(PreferencesDialog::kYPaddingEdit)->clear();
      for (const QChar typed : QStringLiteral("3x45"))
        dialog.edit(PreferencesDialog::kYPaddingEdit)->insert(typed);
      EXPECT_EQ(dialog.edit(PreferencesDialog::kYPaddingEdit)->text(), QStringLiteral("34"));
      dialog.okButton().click();
    });
    menuAction(*window, command::kPreferences)->trigger();
    EXPECT_EQ(ui.messageTexts(),
              std::vector<std::string>{"Debug File will not be saved until Lumora is Restarted"});
    // The switches are in use at once.
    EXPECT_TRUE(window->display().switches.grid);
    EXPECT_FALSE(window->display().switches.layovers);
    EXPECT_EQ(window->display().paddings, (GridPaddings{12, 34}));
    window->shutdown();
  }
  const QString written = settingsText();
  for (const char* line : {"Grid=1", "Layovers=0", "DebugFile=1", "DisableFTP=1", "XPadding=12",
                           "YPadding=34", "AllowIllegal=1", "PrintXes=1"})
    EXPECT_TRUE(written.contains(QString::fromLatin1(line))) << line;

  // The next run starts with them, and the dialog shows them.
  const auto again = startWindow(path.string());
  EXPECT_TRUE(again->display().switches.grid && again->display().switches.debugFile);
  EXPECT_FALSE(again->display().switches.layovers);
  EXPECT_EQ(again->display().paddings, (GridPaddings{12, 34}));
  testing::whenShown<PreferencesWindow>([](PreferencesWindow& dialog) {
    EXPECT_TRUE(dialog.box(PreferencesDialog::kDisableFtpBox)->isChecked());
    EXPECT_EQ(dialog.edit(PreferencesDialog::kYPaddingEdit)->text(), QStringLiteral("34"));
    // Cancel writes nothing.
    dialog.box(PreferencesDialog::kGridBox)->click();
    dialog.cancelButton().click();
  });
  ASSERT_TRUE(again->app().dispatch(command::kPreferences));
  EXPECT_TRUE(again->display().switches.grid);
  EXPECT_TRUE(settingsText().contains(QStringLiteral("Grid=1")));
  again->shutdown();
}

TEST_F(FrameTest, FontButtonChoosesTheGridFontWithinTwentyPoints) {
  const auto path = file("font.lm2");
  testing::writeScheduleFile(path, 4);
  const auto window = startWindow(path.string());
  testing::whenShown<PreferencesWindow>([](PreferencesWindow& dialog) {
    dialog.edit(PreferencesDialog::kXPaddingEdit)->setText(QStringLiteral("4"));
    testing::whenShown<GridFontDialog>([](GridFontDialog& fonts) {
      QFont big(QStringLiteral("DejaVu Sans"));
      big.setPointSize(36);
      big.setBold(true);
      fonts.setCurrentFont(big);
      EXPECT_LE(fonts.currentFont().pointSizeF(), 20.0);
      fonts.accept();
    });
    dialog.fontButton().click();
    dialog.cancelButton().click();
  });
  ASSERT_TRUE(window->app().dispatch(command::kPreferences));

  // The font is kept even though the preferences were cancelled, and the grid
  // takes the paddings the edits showed.
  const FontDescription& font = window->display().font.font();
  EXPECT_LT(font.height, 0);
  EXPECT_LE(-font.height, static_cast<int>(20 * window->logicalDpiY() / 72.0 + 1));
  EXPECT_EQ(font.weight, 700);
  EXPECT_EQ(window->display().paddings.x, 4);
  EXPECT_TRUE(settingsText().contains(QStringLiteral("Font=")));
  EXPECT_FALSE(settingsText().contains(QStringLiteral("XPadding")));
  window->shutdown();

  const auto again = startWindow();
  EXPECT_EQ(again->display().font.font(), font);
  again->shutdown();
}

TEST(GridFontTest, FontsConvertBothWaysAndTheChooserStaysWithinTwentyPoints) {
  FontDescription description;
  description.family = "DejaVu Sans";
  description.height = -15;
  description.weight = 700;
  description.italic = true;
  description.underline = true;
  const QFont font = qtFontFor(description);
  EXPECT_EQ(font.pixelSize(), 15);
  EXPECT_EQ(fontDescriptionFor(font, 96), description);

  // A positive height is the cell: the characters come out smaller.
  description.height = 16;
  EXPECT_LE(qtFontFor(description).pixelSize(), 16);
  // Points become pixels at the screen's resolution.
  QFont points(QStringLiteral("DejaVu Sans"));
  points.setPointSize(12);
  EXPECT_EQ(fontDescriptionFor(points, 96).height, -16);

  points.setPointSize(48);
  EXPECT_EQ(GridFontDialog::withinSizeLimit(points).pointSize(), 20);
  points.setPointSize(9);
  EXPECT_EQ(GridFontDialog::withinSizeLimit(points).pointSize(), 9);
}

TEST(ColorsWindowTest, ChangeApplyOkRestoreAndCancel) {
  testing::MemorySettings settings;
  ColorDialog model{DefaultColors()};
  std::vector<DisplayColors> used;
  std::vector<Rgb> offered;
  std::optional<Rgb> chosen = Rgb{10, 20, 30};
  const auto open = [&] {
    return std::make_unique<ColorsWindow>(
        model, settings, [&used](const DisplayColors& c) { used.push_back(c); },
        [&](Rgb initial, QWidget*) {
          offered.push_back(initial);
          return chosen;
        });
  };
  auto colors = open();
  EXPECT_EQ(colors->windowTitle(), QStringLiteral("Lumora Colors"));
  ASSERT_EQ(colors->list().count(), 13);
  EXPECT_EQ(colors->list().item(0)->text(), QStringLiteral("Low Credit Pairings"));
  EXPECT_EQ(colors->list().item(12)->text(), QStringLiteral("Pairing Window Background"));
  // Nothing to change before an entry is chosen.
  EXPECT_FALSE(colors->changeButton().isEnabled());

  colors->list().setCurrentRow(kBlockWindowBackground);
  colors->changeButton().click();
  ASSERT_EQ(offered, (std::vector<Rgb>{Rgb{192, 192, 192}}));
  EXPECT_TRUE(used.empty());
  colors->applyButton().click();
  ASSERT_EQ(used.size(), 1u);
  EXPECT_EQ(used.back()[kBlockWindowBackground], (Rgb{10, 20, 30}));
  EXPECT_TRUE(settings.values.empty());
  colors->show();
  colors->okButton().click();
  ASSERT_EQ(used.size(), 2u);
  EXPECT_EQ(ParseColors(ReadSetting(settings, kCustomColors))[kBlockWindowBackground],
            (Rgb{10, 20, 30}));
  EXPECT_EQ(colors->result(), QDialog::Accepted);
  colors->restoreButton().click();
  EXPECT_EQ(used.back(), DefaultColors());
  EXPECT_EQ(ReadSetting(settings, kCustomColors), kDefaultColorsText);

  // A cancelled chooser and Cancel change nothing.
  used.clear();
  settings.values.clear();
  chosen.reset();
  colors = open();
  colors->list().setCurrentRow(0);
  colors->changeButton().click();
  colors->show();
  colors->cancelButton().click();
  EXPECT_TRUE(used.empty());
  EXPECT_TRUE(settings.values.empty());
  EXPECT_EQ(model.colors(), DefaultColors());
}

TEST_F(FrameTest, ColoursInUseSetTheWindowBackground) {
  const auto window = startWindow();
  EXPECT_EQ(window->centralWidget()->palette().color(QPalette::Window), QColor(192, 192, 192));
  DisplayColors colors = DefaultColors();
  colors[kBlockWindowBackground] = {0, 64, 128};
  window->useColors(colors);
  EXPECT_EQ(window->centralWidget()->palette().color(QPalette::Window), QColor(0, 64, 128));
  EXPECT_EQ(window->display().colors, colors);
  window->shutdown();
}

}  // namespace
}  // namespace lumora

#include "shell/colors.h"

#include <gtest/gtest.h>

#include "doubles/memory_settings.h"
#include "platform/settings_catalogue.h"
#include "shell/color_dialog.h"
#include "shell/startup_settings.h"

namespace lumora {
namespace {

using testing::MemorySettings;

TEST(DisplayColorsTest, FormattedColoursReadBackAndValuesAreKeptInRange) {
  DisplayColors colors = DefaultColors();
  colors[0] = {1, 22, 133};
  colors[12] = {255, 7, 64};
  const std::string text = FormatColors(colors);
  EXPECT_EQ(text.size(), 156u);
  EXPECT_EQ(text.substr(0, 24), "001,022,133,000,000,255,");
  EXPECT_TRUE(text.ends_with("255,007,064,"));
  EXPECT_EQ(ParseColors(text), colors);
  EXPECT_EQ(ParseColors(kDefaultColorsText), DefaultColors());
  EXPECT_EQ(DefaultColors()[kPairOverRequestedDayOff], (Rgb{128, 255, 255}));

  std::string odd = text;
  odd.replace(0, 3, "999");
  odd.replace(4, 3, "-20");
  odd.replace(8, 3, "abc");
  EXPECT_EQ(ParseColors(odd)[0], (Rgb{255, 0, 0}));
}

TEST(DisplayColorsTest, AnOlderTextOfElevenColoursGetsTwoSilverBackgrounds) {
  DisplayColors eleven{};
  for (int i = 0; i < 11; ++i) eleven[static_cast<std::size_t>(i)] = {i, 2 * i, 3 * i + 1};
  std::string text = FormatColors(eleven).substr(0, 11 * 12);  // "...,", 132 characters
  const Rgb silver{192, 192, 192};
  for (const std::string& older : {text, text.substr(0, 131)}) {
    const DisplayColors colors = ParseColors(older);
    for (int i = 0; i < 11; ++i) {
      EXPECT_EQ(colors[static_cast<std::size_t>(i)], eleven[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(colors[11], silver) << older.size();
    EXPECT_EQ(colors[12], silver) << older.size();
  }
  // Nothing readable at all keeps every default.
  EXPECT_EQ(ParseColors(""), DefaultColors());
}

TEST(ColorDialogTest, ChangeApplyOkAndRestoreDefaults) {
  MemorySettings store;
  const DisplayColors inUse = DefaultColors();
  ColorDialog dialog(inUse);

  // Nothing selected: the chooser has nothing to change.
  EXPECT_FALSE(dialog.selectedColor());
  EXPECT_FALSE(dialog.changeColor({1, 2, 3}));
  dialog.select(13);
  EXPECT_FALSE(dialog.selected());

  dialog.select(kBlockWindowBackground);
  EXPECT_EQ(dialog.selectedColor(), (Rgb{192, 192, 192}));
  EXPECT_TRUE(dialog.changeColor({10, 300, -5}));
  EXPECT_EQ(dialog.colors()[kBlockWindowBackground], (Rgb{10, 255, 0}));

  // Apply puts them in use without writing.
  EXPECT_EQ(dialog.applyColors()[kBlockWindowBackground], (Rgb{10, 255, 0}));
  EXPECT_TRUE(store.values.empty());

  const ColorsToUse done = dialog.ok(store);
  EXPECT_TRUE(done.saved);
  const std::string stored = ReadSetting(store, kCustomColors);
  EXPECT_EQ(stored.size(), 156u);
  EXPECT_EQ(stored.substr(11 * 12, 12), "010,255,000,");
  EXPECT_EQ(ReadStartupSettings(store).colors, done.colors);

  const ColorsToUse restored = dialog.restoreDefaults(store);
  EXPECT_EQ(restored.colors, DefaultColors());
  EXPECT_EQ(dialog.colors(), DefaultColors());
  EXPECT_EQ(ReadSetting(store, kCustomColors), kDefaultColorsText);
}

}  // namespace
}  // namespace lumora

#include "shell/settings_catalogue.h"

#include <gtest/gtest.h>

#include <fstream>

#include "files/temp_folder.h"
#include "model/zortime.h"
#include "shell/color_dialog.h"
#include "shell/colors.h"
#include "shell/startup_settings.h"
#include "support/memory_settings.h"

namespace lumora {
namespace {

using testing::MemorySettings;
using testing::TempFolder;

TEST(SettingsCatalogueTest, AFlagIsOnlyOneWhereOtherKeysTakeAnyNonZeroValue) {
  MemorySettings store;
  EXPECT_FALSE(ReadSettingFlag(store, kGrid));
  EXPECT_TRUE(ReadSettingFlag(store, kLayovers));
  EXPECT_TRUE(ReadSettingFlag(store, kNameCheck));
  EXPECT_FALSE(ReadSettingFlag(store, kHideLeaveBlocks));
  EXPECT_EQ(ReadSetting(store, kLastBlkPath), "c:\\");
  EXPECT_EQ(ReadSetting(store, kLastPrgPath), "C:\\");
  EXPECT_EQ(ReadSettingInt(store, kLastBlkDrive), 30);
  EXPECT_EQ(ReadSettingInt(store, kBidWinY), 300);

  for (const char* value : {"2", "-1", "on"}) {
    store.values.clear();
    WriteSetting(store, kGrid, value);
    WriteSetting(store, kHideLeaveBlocks, value);
    EXPECT_FALSE(ReadSettingFlag(store, kGrid)) << value;
    // "on" reads as 0, which is off for either kind.
    EXPECT_EQ(ReadSettingFlag(store, kHideLeaveBlocks), std::string(value) != "on") << value;
  }
}

TEST(SettingsCatalogueTest, TheKeysWithTwoDefaultsGiveEachUseItsOwn) {
  MemorySettings store;
  EXPECT_TRUE(ReadSettingFlag(store, kPrintXesInDialog));
  EXPECT_FALSE(ReadSettingFlag(store, kPrintXesWhenPrinting));
  EXPECT_EQ(ReadSetting(store, kXPaddingAtStart), "09");
  EXPECT_EQ(ReadSetting(store, kXPaddingInDialog), "10");
  EXPECT_EQ(ReadSetting(store, kYPaddingAtStart), "05");
  EXPECT_EQ(ReadSetting(store, kYPaddingInDialog), "07");

  // Once stored, both uses read the stored value.
  WriteSettingFlag(store, kPrintXesInDialog, true);
  EXPECT_TRUE(ReadSettingFlag(store, kPrintXesWhenPrinting));

  // Every entry's number default agrees with its text default, and the only
  // keys listed twice are those three.
  for (const SettingKey& key : AllSettingKeys()) {
    EXPECT_EQ(key.defaultInt, LeadingInt(key.defaultText)) << key.key;
    EXPECT_TRUE(key.section == kSectionLm || key.section == kSectionClipboard) << key.key;
    int uses = 0;
    for (const SettingKey& other : AllSettingKeys()) {
      uses += MemorySettings::Key(other.section, other.key) ==
              MemorySettings::Key(key.section, key.key);
    }
    const bool twoDefaults =
        key.key == "PrintXes" || key.key == "XPadding" || key.key == "YPadding";
    EXPECT_EQ(uses, twoDefaults ? 2 : 1) << key.key;
  }
}

TEST(SettingsCatalogueTest, AStoredFolderIsUsedOnlyWhenItIsAnExistingAbsoluteFolder) {
  TempFolder folder;
  const std::filesystem::path home = "/home/nobody";
  std::ofstream(folder / "file.txt") << "x";
  EXPECT_EQ(FolderOrHome(folder.path().string(), home), folder.path());
  EXPECT_EQ(FolderOrHome("c:\\", home), home);
  EXPECT_EQ(FolderOrHome("C:\\", home), home);
  EXPECT_EQ(FolderOrHome("", home), home);
  EXPECT_EQ(FolderOrHome(".", home), home);
  EXPECT_EQ(FolderOrHome((folder / "gone").string(), home), home);
  EXPECT_EQ(FolderOrHome((folder / "file.txt").string(), home), home);
}

TEST(DisplayColorsTest, TheDefaultTextGivesTheThirteenDefaultColours) {
  EXPECT_EQ(kDefaultColorsText.size(), 155u);
  const DisplayColors colors = DefaultColors();
  EXPECT_EQ(colors[kLowCreditPairings], (Rgb{0, 0, 0}));
  EXPECT_EQ(colors[kMediumCreditPairings], (Rgb{0, 0, 255}));
  EXPECT_EQ(colors[kHighCreditPairings], (Rgb{255, 0, 0}));
  EXPECT_EQ(colors[kVeryHighCreditPairings], (Rgb{128, 0, 128}));
  EXPECT_EQ(colors[kDutyTimeColor], (Rgb{0, 255, 0}));
  EXPECT_EQ(colors[kRestTimeColor], (Rgb{255, 255, 0}));
  EXPECT_EQ(colors[kPairOverRequestedDayOff], (Rgb{128, 255, 255}));
  EXPECT_EQ(colors[kBlockHolderColor], (Rgb{0, 0, 0}));
  EXPECT_EQ(colors[kReserveColor], (Rgb{0, 0, 255}));
  EXPECT_EQ(colors[kBlkTotalInRange], (Rgb{0, 0, 0}));
  EXPECT_EQ(colors[kBlkTotalOutsideRange], (Rgb{255, 0, 0}));
  EXPECT_EQ(colors[kBlockWindowBackground], (Rgb{192, 192, 192}));
  EXPECT_EQ(colors[kPairingWindowBackground], (Rgb{192, 192, 192}));

  MemorySettings store;
  EXPECT_EQ(ReadStartupSettings(store).colors, colors);
  EXPECT_EQ(kColorNames[6], "Pair Over Requested Day Off");
  EXPECT_EQ(kColorNames[12], "Pairing Window Background");
}

TEST(DisplayColorsTest, FormattedColoursReadBackAndValuesAreKeptInRange) {
  DisplayColors colors = DefaultColors();
  colors[0] = {1, 22, 133};
  colors[12] = {255, 7, 64};
  const std::string text = FormatColors(colors);
  EXPECT_EQ(text.size(), 156u);
  EXPECT_EQ(text.substr(0, 24), "001,022,133,000,000,255,");
  EXPECT_TRUE(text.ends_with("255,007,064,"));
  EXPECT_EQ(ParseColors(text), colors);

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
  EXPECT_EQ(ColorDialog::names().size(), 13u);

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

TEST(ColorDialogTest, TheChooserSlotsAreGreys) {
  const auto slots = ChooserCustomColors();
  EXPECT_EQ(slots[0], (Rgb{1, 1, 1}));
  EXPECT_EQ(slots[1], (Rgb{16, 16, 16}));
  EXPECT_EQ(slots[15], (Rgb{240, 240, 240}));
}

}  // namespace
}  // namespace lumora

#include "platform/settings_catalogue.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "doubles/memory_settings.h"

namespace lumora {
namespace {

using testing::MemorySettings;

TEST(SettingsCatalogueTest, AFlagIsOnlyOneWhereOtherKeysTakeAnyNonZeroValue) {
  MemorySettings store;
  EXPECT_FALSE(ReadSettingFlag(store, kGrid));
  EXPECT_TRUE(ReadSettingFlag(store, kLayovers));
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
  // Their defaults differ (see the preferences tests); once stored, both uses
  // read the stored value.
  MemorySettings store;
  WriteSettingFlag(store, kPrintXesInDialog, true);
  EXPECT_TRUE(ReadSettingFlag(store, kPrintXesWhenPrinting));

  // Every entry's number default agrees with its text default, and the only
  // keys listed twice are that one and the PRG folder, stored under
  // another spelling.
  for (const SettingKey& key : AllSettingKeys()) {
    EXPECT_EQ(key.defaultInt, std::atoi(std::string(key.defaultText).c_str())) << key.key;
    EXPECT_TRUE(key.section == kSectionLm || key.section == kSectionClipboard) << key.key;
    int uses = 0;
    for (const SettingKey& other : AllSettingKeys()) {
      uses += MemorySettings::Key(other.section, other.key) ==
              MemorySettings::Key(key.section, key.key);
    }
    const bool twoUses =
        key.key == "PrintXes" || key.key == "LastPrgPath" || key.key == "LastPRGPath";
    EXPECT_EQ(uses, twoUses ? 2 : 1) << key.key;
  }
}

}  // namespace
}  // namespace lumora

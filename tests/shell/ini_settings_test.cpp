#include "shell/ini_settings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>

#include <filesystem>
#include <fstream>
#include <string>

#include "files/atomic_file.h"
#include "files/temp_folder.h"
#include "shell/user_folders.h"

namespace lumora {
namespace {

using testing::ReadText;
using testing::RunningAsRoot;
using testing::TempFolder;
using testing::WriteText;

TEST(IniSettingsTest, KeysCompareWithoutCaseValuesAreTrimmedAndNumbersAreLeadingDecimals) {
  TempFolder folder;
  const auto file = folder / "lumora.ini";
  WriteText(file,
            "Stray=before any section\r\n"
            "[lm]\r\n"
            "  LASTPRGPATH =  /data/prg  \r\n"
            "; Layovers=0 is a comment\r\n"
            "XPadding=05px\r\nBidWinX= -12,5\r\nWord=abc\r\nEmpty=\r\n"
            "[ Other ]\r\n"
            "XPadding=7\r\n");
  const IniSettingsStore store(file);
  EXPECT_EQ(store.loadState(), IniSettingsStore::LoadState::Loaded);
  EXPECT_EQ(store.readString("LM", "LastPrgPath", "x"), "/data/prg");
  EXPECT_EQ(store.readString("LM", "Stray", "none"), "none");
  EXPECT_EQ(store.readInt("other", "xpadding", 99), 7);
  const std::pair<const char*, int> numbers[] = {
      {"xPADDING", 5}, {"BidWinX", -12}, {"Word", 0}, {"Empty", 0}, {"Layovers", 99}};
  for (const auto& [key, value] : numbers) EXPECT_EQ(store.readInt("LM", key, 99), value) << key;
  EXPECT_EQ(store.readString("LM", "Empty", "fallback"), "");
}

TEST(IniSettingsTest, AMissingOrUnreadableFileGivesTheDefaultsAndIsNeverReplaced) {
  TempFolder folder;
  {
    // Missing: reads give defaults, nothing is created until a write.
    const auto file = folder / "none" / "lumora.ini";
    IniSettingsStore store(file);
    EXPECT_EQ(store.readString("LM", "Grid", "d"), "d");
    EXPECT_FALSE(std::filesystem::exists(file.parent_path()));
    EXPECT_TRUE(store.writeString("LM", "Grid", "1"));
    EXPECT_EQ(ReadText(file), "[LM]\nGrid=1\n");
  }
  {
    // Too large to be ours.
    const auto file = folder / "huge.ini";
    const std::string huge = "[LM]\nGrid=1\n" + std::string(IniSettingsStore::kMaxFileSize, ';');
    WriteText(file, huge);
    IniSettingsStore store(file);
    EXPECT_EQ(store.loadState(), IniSettingsStore::LoadState::Unreadable);
    EXPECT_EQ(store.readInt("LM", "Grid", 0), 0);
    EXPECT_FALSE(store.writeString("LM", "Grid", "0"));
    EXPECT_EQ(ReadText(file), huge);
  }
  if (!RunningAsRoot()) {
    const auto file = folder / "locked.ini";
    WriteText(file, "[LM]\nGrid=1\n");
    ::chmod(file.c_str(), 0200);
    IniSettingsStore store(file);
    EXPECT_EQ(store.readInt("LM", "Grid", 0), 0);
    EXPECT_FALSE(store.writeString("LM", "Grid", "0"));
    ::chmod(file.c_str(), 0600);
    EXPECT_EQ(ReadText(file), "[LM]\nGrid=1\n");
  }
}

TEST(IniSettingsTest, WritesKeepEverythingElseAndTheSpellingOfExistingKeys) {
  TempFolder folder;
  const auto file = folder / "lumora.ini";
  WriteText(file,
            "; written by hand\r\n"
            "[LM]\r\n"
            "LastPRGPath = C:\\\r\n"
            "Grid=0\r\n"
            "\r\n"
            "[RecentFiles]\r\n"
            "File1=/a.lm2\r\n"
            "[lm]\r\n"
            "Later=1");  // no final line end
  IniSettingsStore store(file);
  EXPECT_TRUE(store.writeString("LM", "lastprgpath", "/home/u/prg"));
  EXPECT_TRUE(store.writeString("lm", "Layovers", "0"));
  EXPECT_TRUE(store.writeString("CLIPBOARD", "ClipXes", "1"));
  EXPECT_EQ(ReadText(file),
            "; written by hand\r\n"
            "[LM]\r\n"
            "LastPRGPath = /home/u/prg\r\n"
            "Grid=0\r\n"
            "Layovers=0\r\n"
            "\r\n"
            "[RecentFiles]\r\n"
            "File1=/a.lm2\r\n"
            "[lm]\r\n"
            "Later=1\r\n"
            "\r\n"
            "[CLIPBOARD]\r\n"
            "ClipXes=1\r\n");

  // Written through: a store made later reads the same.
  EXPECT_EQ(IniSettingsStore(file).readInt("Clipboard", "clipxes", 0), 1);

  // Lines of "\n" with stray carriage returns: the lines not written to keep
  // theirs, so no other value changes.
  WriteText(file, "[LM]\nGrid=1\r\r\nAutoSave=0\r\n");
  EXPECT_TRUE(IniSettingsStore(file).writeString("LM", "Layovers", "1"));
  EXPECT_EQ(ReadText(file), "[LM]\nGrid=1\r\r\nAutoSave=0\r\nLayovers=1\n");
  EXPECT_EQ(IniSettingsStore(file).readString("LM", "Grid", ""), "1\r");
}

TEST(IniSettingsTest, WhatTheLineFormatCannotHoldIsRefusedAndAFailedWriteChangesNothing) {
  TempFolder folder;
  const auto file = folder / "lumora.ini";
  IniSettingsStore store(file);
  ASSERT_TRUE(store.writeString("LM", "LastBlkPath", "/old"));
  const std::string before = ReadText(file);

  // A folder name with a line break must not add a key of its own.
  EXPECT_FALSE(store.writeString("LM", "LastBlkPath", "/x\n[LM]\nDebugFile=1"));
  EXPECT_FALSE(store.writeString("LM", "Last=Path", "1"));
  EXPECT_FALSE(store.writeString("LM]", "Key", "1"));
  EXPECT_FALSE(store.writeString("LM", "", "1"));
  EXPECT_FALSE(
      store.writeString("LM", "LastBlkPath", std::string(IniSettingsStore::kMaxFileSize, 'x')));
  {
    ScopedDiskFaults faults(SimulatedDiskFaults{.failRename = true});
    EXPECT_FALSE(store.writeString("LM", "LastBlkPath", "/new"));
  }
  EXPECT_EQ(store.readString("LM", "LastBlkPath", ""), "/old");
  EXPECT_EQ(store.readInt("LM", "DebugFile", 0), 0);
  EXPECT_EQ(ReadText(file), before);
}

TEST(IniSettingsTest, AStructReadsBackExactlyWhatWasWrittenAndNothingWhenDamaged) {
  TempFolder folder;
  const auto file = folder / "lumora.ini";
  IniSettingsStore store(file);
  for (const std::string& text :
       {std::string("16,7,400,0,0,0,Arial"), std::string(" spaced, 100% \t"),
        std::string("two\nlines;ABCDEF01"), std::string(), std::string("\0x", 2)}) {
    ASSERT_TRUE(store.writeStruct("LM", "Font", text));
    EXPECT_EQ(store.readStruct("LM", "Font"), text);
    EXPECT_EQ(IniSettingsStore(file).readStruct("lm", "FONT"), text);
  }
  EXPECT_EQ(store.readStruct("LM", "Missing"), std::nullopt);

  ASSERT_TRUE(store.writeStruct("LM", "Font", "16,7,400,0,0,0,Arial"));
  std::string stored = store.readString("LM", "Font", "");
  ASSERT_FALSE(stored.empty());
  std::string changed = stored;
  changed[0] = '2';
  for (const std::string& damaged :
       {changed, stored.substr(0, stored.size() - 1), stored.substr(1), std::string("Arial"),
        std::string("%G0;00000000"), std::string("%4;00000000")}) {
    ASSERT_TRUE(store.writeString("LM", "Font", damaged));
    EXPECT_EQ(IniSettingsStore(file).readStruct("LM", "Font"), std::nullopt) << damaged;
  }
}

TEST(IniSettingsTest, TheFoldersFollowTheOverrideThenAnAbsoluteXdgFolderThenHome) {
  const std::filesystem::path home = "/home/u";
  EXPECT_EQ(ResolveUserFolder("/own", "/xdg", ".config", home), "/own");
  EXPECT_EQ(ResolveUserFolder("", "/xdg", ".config", home), "/xdg/lumora");
  EXPECT_EQ(ResolveUserFolder("", "relative", ".config", home), "/home/u/.config/lumora");
  EXPECT_EQ(ResolveUserFolder("", "", ".local/state", home), "/home/u/.local/state/lumora");

  const std::string saved = EnvironmentValue("LUMORA_CONFIG_DIR");
  ::setenv("LUMORA_CONFIG_DIR", "/tmp/lumora-config-test", 1);
  EXPECT_EQ(SettingsFilePath(), "/tmp/lumora-config-test/lumora.ini");
  ::setenv("LUMORA_CONFIG_DIR", saved.c_str(), 1);
}

TEST(IniSettingsTest, AStoredFolderIsUsedOnlyWhenItIsAnExistingAbsoluteFolder) {
  TempFolder folder;
  const std::filesystem::path home = "/home/nobody";
  std::ofstream(folder / "file.txt") << "x";
  EXPECT_EQ(FolderOrHome(folder.path().string(), home), folder.path());
  for (const std::string& stored :
       {std::string("c:\\"), std::string("C:\\"), std::string(), std::string("."),
        (folder / "gone").string(), (folder / "file.txt").string()})
    EXPECT_EQ(FolderOrHome(stored, home), home) << stored;
}

}  // namespace
}  // namespace lumora

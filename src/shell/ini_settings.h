#pragma once
// The settings file: "[Section]" lines followed by "key=value" lines.
// Sections and keys compare without regard to case; values are trimmed of
// surrounding blanks. The file is read once, when the store is made; every
// write updates the copy in memory and replaces the whole file at once, so
// a crash in the middle of a write leaves the previous file as it was; the
// lines a write does not change are written back byte for byte.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/settings_store.h"

namespace lumora {

// $LUMORA_CONFIG_DIR, else $XDG_CONFIG_HOME/lumora (when absolute), else
// ~/.config/lumora.
std::filesystem::path SettingsFolderPath();
// "lumora.ini" in that folder.
std::filesystem::path SettingsFilePath();

class IniSettingsStore final : public SettingsStore {
 public:
  // A settings file is a few kilobytes; anything above this is not ours and
  // is neither read nor replaced.
  static constexpr std::size_t kMaxFileSize = std::size_t{1} << 20;

  enum class LoadState {
    Loaded,      // read, or there was no file yet
    Unreadable,  // present but too large, not a regular file, or unreadable
  };

  // Reads `path` when it exists; nothing is reported in any case.
  explicit IniSettingsStore(std::filesystem::path path = SettingsFilePath());

  const std::filesystem::path& path() const { return path_; }
  // After Unreadable the store reads as empty (every read gives its
  // fallback) and refuses every write, so a file it could not read is
  // never replaced by one that has lost its content.
  LoadState loadState() const { return state_; }

  std::string readString(std::string_view section, std::string_view key,
                         std::string_view fallback) const override;
  int readInt(std::string_view section, std::string_view key, int fallback) const override;
  // Also false, with nothing changed, for a section, key or value that the
  // file's line format cannot hold (a line break, a "]" in a section name,
  // an "=" in a key, ...) and for a write that would make the file larger
  // than kMaxFileSize.
  bool writeString(std::string_view section, std::string_view key, std::string_view value) override;

  // Stored as the text with bytes that a line cannot keep escaped as "%XX",
  // followed by ";" and eight hex digits of a checksum of the text.
  std::optional<std::string> readStruct(std::string_view section,
                                        std::string_view key) const override;
  bool writeStruct(std::string_view section, std::string_view key, std::string_view value) override;

 private:
  std::optional<std::string> find(std::string_view section, std::string_view key) const;
  bool save();

  std::filesystem::path path_;
  LoadState state_ = LoadState::Loaded;
  std::vector<std::string> lines_;  // without their "\n", with any "\r" before it
  bool byteOrderMark_ = false;      // kept in front of the first line
  std::string newLineEnd_;          // "\r" in a file of "\r\n" lines: new lines end alike
};

// The struct encoding on its own, for the tests of damaged values.
std::string EncodeStructValue(std::string_view text);
std::optional<std::string> DecodeStructValue(std::string_view stored);

}  // namespace lumora

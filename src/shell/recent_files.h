#pragma once
// The recent-files list: the last schedule files opened or saved, most recent
// first, kept in its own section of the settings file.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

class SettingsStore;

class RecentFiles {
 public:
  static constexpr std::size_t kCapacity = 4;

  // Reads the list from the settings.
  explicit RecentFiles(SettingsStore& settings);

  // Most recent first; at most kCapacity entries.
  const std::vector<std::string>& entries() const { return entries_; }

  // Puts `name` at the top; an entry already in the list moves up instead of
  // appearing twice, and the oldest falls off a full list. The list is
  // written back at once. An empty name is ignored.
  void add(std::string_view name);

 private:
  void store();

  SettingsStore& settings_;
  std::vector<std::string> entries_;
};

}  // namespace lumora

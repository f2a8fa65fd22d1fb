#include "shell/recent_files.h"

#include <algorithm>

#include "platform/settings_store.h"

namespace lumora {

namespace {

// The list keeps its own section: "File1" (the most recent) to "File4".
constexpr const char* kRecentSection = "RecentFiles";

std::string EntryKey(std::size_t index) {
  return "File" + std::to_string(index + 1);
}

}  // namespace

RecentFiles::RecentFiles(SettingsStore& settings) : settings_(settings) {
  for (std::size_t i = 0; i < kCapacity; ++i) {
    std::string name = settings_.readString(kRecentSection, EntryKey(i), "");
    // A hand-edited file may leave gaps or repeat a name.
    if (name.empty() || std::find(entries_.begin(), entries_.end(), name) != entries_.end())
      continue;
    entries_.push_back(std::move(name));
  }
}

void RecentFiles::add(std::string_view name) {
  if (name.empty()) return;
  const auto found = std::find(entries_.begin(), entries_.end(), name);
  if (found != entries_.end()) entries_.erase(found);
  entries_.insert(entries_.begin(), std::string(name));
  if (entries_.size() > kCapacity) entries_.resize(kCapacity);
  store();
}

void RecentFiles::store() {
  for (std::size_t i = 0; i < kCapacity; ++i)
    settings_.writeString(kRecentSection, EntryKey(i),
                          i < entries_.size() ? std::string_view(entries_[i]) : std::string_view());
}

}  // namespace lumora

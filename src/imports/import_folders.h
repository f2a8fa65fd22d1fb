#pragma once
// Where an import's file dialog starts, and remembering the folder of the
// file that was chosen. Each import keeps its folder under its own key of the
// settings file's "LM" section.

#include <string>
#include <string_view>

namespace lumora {

class SettingsStore;

inline constexpr std::string_view kImportSettingsSection = "LM";

// The folder stored under `key` (or `fallback` when none is stored), when it
// is a folder that exists; otherwise the user's home folder. A stored folder
// on drive A: or B: is never used: those are removable drives that may hold
// no disk by now.
std::string ImportStartFolder(const SettingsStore& settings, std::string_view key,
                              std::string_view fallback);

// The same choice with the home folder given, for tests.
std::string ImportStartFolder(const SettingsStore& settings, std::string_view key,
                              std::string_view fallback, std::string_view homeFolder);

// Stores the folder that holds `fileName` (made absolute) under `key`.
void RememberImportFolder(SettingsStore& settings, std::string_view key, std::string_view fileName);

}  // namespace lumora

#pragma once
// Where an import's file dialog starts, and remembering the folder of the
// file that was chosen. Each import keeps its folder under its own key of the
// settings catalogue.

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace lumora {

class SettingsStore;
class Ui;
struct SettingKey;

// The folder stored under `key` (or the key's default when none is stored), when it
// is a folder that exists; otherwise the user's home folder. A stored folder
// on drive A: or B: is never used: those are removable drives that may hold
// no disk by now.
std::string ImportStartFolder(const SettingsStore& settings, const SettingKey& key);

// The same choice with the home folder given, for tests.
std::string ImportStartFolder(const SettingsStore& settings, const SettingKey& key,
                              std::string_view homeFolder);

// Stores the folder that holds `fileName` (made absolute) under `key`.
void RememberImportFolder(SettingsStore& settings, const SettingKey& key,
                          std::string_view fileName);

// An import's file dialog, `title` and `filter`, starting where `key` says:
// the chosen file's name, or nothing when the user cancelled.
std::optional<std::string> ChooseImportFile(Ui& ui, const SettingsStore& settings,
                                            std::string_view title, std::string_view filter,
                                            const SettingKey& key);

// Opens a chosen file to read it whole; one that cannot be opened (a folder
// among them) shows its name under "Unable to Open File".
bool OpenImportFile(std::ifstream& in, const std::string& fileName, Ui& ui);

}  // namespace lumora

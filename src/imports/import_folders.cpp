#include "imports/import_folders.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "platform/settings_catalogue.h"
#include "platform/ui.h"

namespace lumora {

namespace {

bool OnRemovableDrive(std::string_view folder) {
  return folder.size() >= 2 && folder[1] == ':' &&
         (folder[0] == 'A' || folder[0] == 'B' || folder[0] == 'a' || folder[0] == 'b');
}

// The user's home folder; empty when the environment names none.
std::string UserHome() {
  for (const char* name : {"HOME", "USERPROFILE"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return value;
  }
  return {};
}

}  // namespace

std::string ImportStartFolder(const SettingsStore& settings, const SettingKey& key,
                              std::string_view homeFolder) {
  const std::string stored = ReadSetting(settings, key);
  if (!stored.empty() && !OnRemovableDrive(stored)) {
    std::error_code error;
    if (std::filesystem::is_directory(std::filesystem::path(stored), error)) return stored;
  }
  return std::string(homeFolder);
}

std::string ImportStartFolder(const SettingsStore& settings, const SettingKey& key) {
  return ImportStartFolder(settings, key, UserHome());
}

void RememberImportFolder(SettingsStore& settings, const SettingKey& key,
                          std::string_view fileName) {
  std::error_code error;
  std::filesystem::path path = std::filesystem::absolute(std::filesystem::path(fileName), error);
  if (error) path = std::filesystem::path(fileName);
  WriteSetting(settings, key, path.parent_path().string());
}

std::optional<std::string> ChooseImportFile(Ui& ui, const SettingsStore& settings,
                                            std::string_view title, std::string_view filter,
                                            const SettingKey& key) {
  FileDialogOptions options;
  options.title = std::string(title);
  options.filter = std::string(filter);
  options.startFolder = ImportStartFolder(settings, key);
  const std::vector<std::string> chosen = ui.openFiles(options);
  if (chosen.empty() || chosen.front().empty()) return std::nullopt;
  return chosen.front();
}

bool OpenImportFile(std::ifstream& in, const std::string& fileName, Ui& ui) {
  std::error_code error;
  if (!std::filesystem::is_directory(std::filesystem::path(fileName), error))
    in.open(fileName, std::ios::binary);
  if (in.is_open()) return true;
  ui.message(fileName, "Unable to Open File", Icon::Error);
  return false;
}

}  // namespace lumora

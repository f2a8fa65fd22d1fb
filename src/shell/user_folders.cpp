#include "shell/user_folders.h"

#include <cstdlib>
#include <system_error>

namespace lumora {

std::string EnvironmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::string(value) : std::string();
}

std::filesystem::path HomeFolder() {
  const std::string home = EnvironmentValue("HOME");
  return home.empty() ? std::filesystem::path(".") : std::filesystem::path(home);
}

std::filesystem::path ResolveUserFolder(std::string_view own, std::string_view xdgBase,
                                        std::string_view homeRelativeBase,
                                        const std::filesystem::path& home) {
  if (!own.empty()) return std::filesystem::path(own).lexically_normal();
  // A relative XDG folder is to be ignored, as if it were not set.
  const std::filesystem::path xdg(xdgBase);
  if (!xdgBase.empty() && xdg.is_absolute()) return (xdg / "lumora").lexically_normal();
  return (home / homeRelativeBase / "lumora").lexically_normal();
}

std::filesystem::path FolderOrHome(std::string_view text, const std::filesystem::path& home) {
  // The folders the program stores are absolute; a relative one would depend
  // on the current folder of the moment ("c:\" is a relative name here).
  const std::filesystem::path folder(text);
  if (text.empty() || !folder.is_absolute()) return home;
  std::error_code error;
  return std::filesystem::is_directory(folder, error) ? folder : home;
}

std::filesystem::path FolderOrHome(std::string_view text) {
  return FolderOrHome(text, HomeFolder());
}

}  // namespace lumora

#include "shell/user_folders.h"

#include <cstdlib>

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

}  // namespace lumora

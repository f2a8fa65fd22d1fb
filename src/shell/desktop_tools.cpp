#include "shell/desktop_tools.h"

#include <unistd.h>

#include <cstdlib>
#include <string>
#include <system_error>

namespace lumora {

namespace {

bool IsExecutableFile(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error) && ::access(path.c_str(), X_OK) == 0;
}

bool IsFile(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

// How far above the program's folder a source tree's "docs" may be: the
// build folder's "bin" and the build folder itself.
constexpr int kSourceTreeDepth = 3;

}  // namespace

std::optional<std::filesystem::path> FindCalculator(std::string_view searchPath) {
  for (const char* program : kCalculatorPrograms) {
    std::string_view rest = searchPath;
    while (true) {
      const std::size_t colon = rest.find(':');
      const std::string_view folder = rest.substr(0, colon);
      if (!folder.empty() && folder.front() == '/') {
        std::filesystem::path candidate = std::filesystem::path(folder) / program;
        if (IsExecutableFile(candidate)) return candidate;
      }
      if (colon == std::string_view::npos) break;
      rest.remove_prefix(colon + 1);
    }
  }
  return std::nullopt;
}

std::optional<std::filesystem::path> FindCalculatorOnPath() {
  const char* path = std::getenv("PATH");
  return FindCalculator(path != nullptr ? path : "");
}

std::optional<std::filesystem::path> FindHelpPage(const std::filesystem::path& programFolder) {
  const std::filesystem::path page = "index.html";
  if (IsFile(programFolder / "help" / page)) return programFolder / "help" / page;
  const std::filesystem::path installed = programFolder / ".." / "share" / "lumora" / "help" / page;
  if (IsFile(installed)) return installed.lexically_normal();
  std::filesystem::path folder = programFolder;
  if (!folder.has_filename()) folder = folder.parent_path();  // "bin/" is "bin"
  for (int up = 0; up < kSourceTreeDepth && folder.has_parent_path(); ++up) {
    folder = folder.parent_path();
    const std::filesystem::path source = folder / "docs" / "help" / page;
    if (IsFile(source)) return source;
  }
  return std::nullopt;
}

}  // namespace lumora

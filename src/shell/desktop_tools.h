#pragma once
// The desktop programs and pages the frame hands over to: a calculator and
// the program's own help page. The front end starts or opens them.

#include <array>
#include <filesystem>
#include <optional>
#include <string_view>

namespace lumora {

// Looked for in this order; the first one found on the search path is used.
inline constexpr std::array<const char*, 5> kCalculatorPrograms{
    "gnome-calculator", "kcalc", "galculator", "qalculate-gtk", "xcalc"};

// The first calculator of the list found as an executable file in one of the
// folders of `searchPath` (a PATH value: folders separated by ":"). Empty and
// relative entries are skipped, so nothing is ever run from the current
// folder.
std::optional<std::filesystem::path> FindCalculator(std::string_view searchPath);

// FindCalculator on the process's PATH.
std::optional<std::filesystem::path> FindCalculatorOnPath();

// The help page "index.html" for the program in `programFolder`: in its
// "help" folder, in the installed "share/lumora/help", or in the "docs/help"
// folder of the source tree it was built in.
std::optional<std::filesystem::path> FindHelpPage(const std::filesystem::path& programFolder);

}  // namespace lumora

#pragma once
// The report's frame: headings and empty lines around the item lines, the
// same items under the normal and the old rule checking.

#include <string>
#include <vector>

namespace lumora::testing {

inline std::vector<std::string> ReportLines(const std::vector<std::string>& exceptions,
                                            const std::vector<std::string>& warnings) {
  std::vector<std::string> lines{"------- EXCEPTIONS -------", ""};
  lines.insert(lines.end(), exceptions.begin(), exceptions.end());
  lines.insert(lines.end(), {"", "------ WARNINGS  ------", ""});
  lines.insert(lines.end(), warnings.begin(), warnings.end());
  lines.insert(lines.end(), {"", "==================================================", "",
                             "------- EXCEPTIONS USING OLD RULE CHECKING -------", ""});
  lines.insert(lines.end(), exceptions.begin(), exceptions.end());
  lines.insert(lines.end(), {"", "------ WARNINGS USING OLD RULE CHECKING ------", ""});
  lines.insert(lines.end(), warnings.begin(), warnings.end());
  return lines;
}

}  // namespace lumora::testing

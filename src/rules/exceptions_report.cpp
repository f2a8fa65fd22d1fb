#include "rules/exceptions_report.h"

#include <string_view>

#include "rules/check_block.h"
#include "rules/rule_results.h"

namespace lumora {

namespace {

enum class Findings { Exceptions, Warnings };

void AppendItemLines(std::vector<std::string>& lines, const TDocument& doc, Findings which) {
  for (int i = 0; i < doc.PilotCount; ++i) {
    const TPilot& pilot = doc.pilot(i);
    const std::string& text =
        which == Findings::Exceptions ? pilot.ExceptionsText : pilot.WarningsText;
    if (text.empty()) continue;
    const std::string prefix = std::to_string(i + 1) + "  " + pilot.Name + ": ";
    for (const std::string_view item : SplitItems(text)) {
      std::string line = prefix;
      line += item;
      lines.push_back(std::move(line));
    }
  }
}

}  // namespace

std::vector<std::string> ExceptionsReportLines(TDocument& doc) {
  std::vector<std::string> lines;
  lines.emplace_back("------- EXCEPTIONS -------");
  lines.emplace_back();
  CheckAllBlocks(doc, false);
  AppendItemLines(lines, doc, Findings::Exceptions);
  lines.insert(lines.end(), {"", "------ WARNINGS  ------", ""});
  AppendItemLines(lines, doc, Findings::Warnings);

  lines.insert(lines.end(), {"", "==================================================", "",
                             "------- EXCEPTIONS USING OLD RULE CHECKING -------", ""});
  CheckAllBlocks(doc, true);
  AppendItemLines(lines, doc, Findings::Exceptions);
  lines.insert(lines.end(), {"", "------ WARNINGS USING OLD RULE CHECKING ------", ""});
  AppendItemLines(lines, doc, Findings::Warnings);

  CheckAllBlocks(doc, false);
  return lines;
}

}  // namespace lumora

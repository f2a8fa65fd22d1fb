#pragma once
// The list of the "Exceptions and Warnings Report": every crew member's
// exceptions and warnings under the normal rule checking, then under the old
// rule checking.

#include <string>
#include <vector>

#include "model/document.h"

namespace lumora {

inline constexpr const char* kExceptionsReportCaption = "Lumora Exceptions and Warnings Report";

// Checks every block three times (normal, old rules, normal again, so that
// the findings left on the crew members are the normal ones) and returns the
// list lines, headings and empty lines included. Item lines read
// "%d  %s: " with the roster number and the name, then the item.
std::vector<std::string> ExceptionsReportLines(TDocument& doc);

}  // namespace lumora

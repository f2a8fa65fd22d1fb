#pragma once
// The airline's assignment codes (days off, reserve, training, leave ...) as
// the toolbox file carries them. The roster-side files derive their
// assignments from the same list.

#include <string>
#include <vector>

namespace lumora::samples {

struct AssignmentCode {
  const char* code;     // 1 to 3 letters shown on the grid
  char kind;            // 'P' pilots, 'C' cabin crew
  const char* extract;  // the crew-tracking system's 2-character code
  const char* description;
  int start;   // usual start of work, minutes
  int end;     // usual end of work, minutes
  int credit;  // minutes
  int hardTime;
  bool containsDuty;
  bool carsDuty;
  bool creditCounts;
  bool inToolbox;
};

// The codes of one crew kind, in toolbox order.
std::vector<AssignmentCode> AssignmentCodes(char kind);

}  // namespace lumora::samples

#pragma once
// The crew-tracking system's employee record extract: one line per employee
// of the crew kind (pilots "*perp.ext" with 102-character lines, cabin crew
// "*perc.ext" with 147-character lines), in seniority order. It lists the
// document's crew (the world's) among employees of other categories,
// fleets and bases, which the roster import skips.

#include <string>
#include <vector>

#include "samples/world.h"

namespace lumora::samples {

struct Employee {
  int number = 0;
  std::string surname;
  char initial = 'A';
  std::string key;             // base, equipment and category, 8 characters
  std::string qualifications;  // 12 characters
  int seniority = 0;
  int hireDate = 0;         // day number
  bool inDocument = false;  // one of the world's crew
};

// Every employee the extracts list, in file order (seniority).
std::vector<Employee> ExtractEmployees(const World& world);

// "YULCRJperp.ext" or "YULCRJperc.ext".
std::string RosterFileName(const World& world);
std::string WriteRosterExtract(const World& world);

}  // namespace lumora::samples

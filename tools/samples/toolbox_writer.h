#pragma once
// The toolbox definition file: the assignment codes of the crew kind (13
// lines each) and the airports (8 lines each), CR LF line ends. Airport lines
// 2 to 4 hold exactly 5, 5 and 1 characters: the offset behind universal time
// and the hotel transport time as HH:MM, and "Y" or "N" for daylight saving.

#include <string>

#include "samples/world.h"

namespace lumora::samples {

// "YULPILOT.box" or "YULCABIN.box".
std::string ToolboxFileName(const World& world);
std::string WriteToolbox(const World& world);

}  // namespace lumora::samples

#include "samples/toolbox_writer.h"

#include <cstdio>

#include "model/time_text.h"
#include "samples/codes.h"
#include "samples/fixed_line.h"

namespace lumora::samples {

namespace {

bool IsCabin(const World& w) {
  return w.options.category == Category::FlightAttendant;
}

}  // namespace

std::string ToolboxFileName(const World& world) {
  return world.options.base + (IsCabin(world) ? "CABIN" : "PILOT") + ".box";
}

std::string WriteToolbox(const World& world) {
  const bool cabin = IsCabin(world);
  std::string out;
  auto line = [&out](const std::string& text) {
    out += text;
    out += "\r\n";
  };
  const Date issued = DateOf(world.period.first - 20);
  char date[32];
  std::snprintf(date, sizeof date, "%s %02d %d", MonthAbbrev(issued.month), issued.day,
                issued.year);

  const std::vector<AssignmentCode> codes = AssignmentCodes(cabin ? 'C' : 'P');
  line("LMToolBox");
  line(world.options.base + (cabin ? " Cabin" : " Pilot") + " ToolBox");
  line(date);
  line("Absences");
  line(std::to_string(codes.size()));
  auto yes = [](bool b) { return std::string(b ? "Y" : "N"); };
  for (const AssignmentCode& c : codes) {
    line(c.code);
    line(cabin ? "Cabin" : "Pilot");
    line(c.extract);
    line(c.description);
    line(HoursMinutes(c.start));
    line(HoursMinutes(c.end));
    line(HoursMinutes(c.credit));
    line(HoursMinutes(c.hardTime));
    line(yes(c.containsDuty));
    line(yes(c.carsDuty));
    line(yes(c.creditCounts));
    line(yes(c.inToolbox));
    line("----------");
  }
  line("Airports");
  line(std::to_string(Airports().size()));
  for (const Airport& a : Airports()) {
    line(a.code);
    line(FormatTime(a.offsetWest, false, true));
    line(FormatTime(a.transport, false, true));
    line(a.observesDst ? "Y" : "N");
    line(a.city);
    line(a.region);
    line(a.country);
    line("----------");
  }
  return out;
}

}  // namespace lumora::samples

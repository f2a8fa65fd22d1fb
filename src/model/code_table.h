#pragma once
// The assignment codes: the built-in table of fixed-width rows, used while the
// document has no toolbox entries, and the toolbox entries that replace it.
// The crew-tracking extracts are turned into assignments through
// LookupAssignmentCode; the toolbox window gets its buttons from
// ToolboxButtons.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

class EventLog;
class TDocument;
struct TAbsence;

inline constexpr int kCodeTableRows = 117;
// Only rows before this one give toolbox buttons; the later ones serve the
// extract look-up alone.
inline constexpr int kCodeTableButtonRows = 89;
inline constexpr int kRequestButtonCount = 12;
// The toolbox window's room, the request buttons included.
inline constexpr int kToolboxButtonSlots = 300;

// The built-in rows, in table order.
std::span<const std::string_view> BuiltInCodeRows();

// Flight-attendant documents take the cabin codes, every other one the
// pilots' codes.
bool IsCabinDocument(const TDocument& doc);

// An assignment found for an extract code.
struct AssignmentCode {
  std::string code;  // a built-in 2-letter code keeps its trailing blank ("RA ")
  std::int32_t credit = 0;
  std::int32_t hardTime = 0;
  std::uint8_t containsDuty = 0;
  // Not given by the built-in table in flight-attendant documents: the
  // caller keeps the value it has.
  std::optional<std::uint8_t> carsDuty;
  std::uint8_t reserve = 0;
  std::uint8_t excludeCredit = 0;
};

// The assignment the crew-tracking system means by a 2-character extract
// code: the first toolbox entry with that code, or without entries the first
// built-in row of the document's crew kind. Nothing when there is none.
std::optional<AssignmentCode> LookupAssignmentCode(const TDocument& doc,
                                                   std::string_view extractCode, EventLog& log);

// Extract codes that make a pilots' assignment a reserve day.
bool IsPilotReserveExtractCode(std::string_view extractCode);

// Whether a toolbox entry is a reserve assignment.
bool EntryIsReserve(const TAbsence& entry, bool cabin);

// What a toolbox button carries, and the toolbox's current item: the code on
// the button, the longer message text, the crew-tracking code and the values
// that placing the code on a day writes. A negative credit marks a day-off
// request; its absolute value is the request number.
struct ToolboxItem {
  std::string code;
  std::string message;
  std::string crewTracCode;
  std::int32_t credit = 0;
  std::int32_t start = 0;
  std::int32_t timeAtWork = 0;
  std::int32_t hardTime = 0;
  std::uint8_t reserve = 0;
  std::uint8_t containsDuty = 0;
  std::uint8_t excludeCredit = 0;
  std::uint8_t carsDuty = 0;

  bool isRequest() const { return credit < 0; }
  friend bool operator==(const ToolboxItem&, const ToolboxItem&) = default;
};

// Request button n, 1 to 12 ("X1 First Request" ... "XM Off in the Middle of
// Day"), credit -n.
ToolboxItem RequestButton(int n);

// The toolbox's buttons in order: the twelve request buttons, then one per
// code (the entries marked for the toolbox, or without entries the built-in
// rows of the document's crew kind). At most kToolboxButtonSlots in all.
std::vector<ToolboxItem> ToolboxButtons(const TDocument& doc);

// The button whose code text is `code`, when there is one.
std::optional<ToolboxItem> FindToolboxButton(const TDocument& doc, std::string_view code);

// "ToolBox Date %s" while entries are in use, else "Default ToolBox".
std::string ToolboxCaption(const TDocument& doc);

// The name of a day request number on the grid and in printouts: "X1" to
// "X9", "XA", "XP", "XM", "RGD", "RPD", and "X1" to "X32" for 20 to 51.
// Empty for numbers that name nothing.
std::string DayRequestName(int request);

}  // namespace lumora

#pragma once
// The toolbox definition file (".box"): the assignment codes that replace the
// built-in table for a document, and the airport table. Its entries and its
// date are saved with the document.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "model/pilot.h"

namespace lumora {

class SettingsStore;
class TDocument;
class Ui;

inline constexpr std::string_view kToolBoxFirstLine = "LMToolBox";
inline constexpr std::string_view kToolBoxDialogTitle = "Load ToolBox Absences";
inline constexpr std::size_t kToolBoxEntryLines = 13;
inline constexpr std::size_t kToolBoxAirportLines = 8;
// A definition file is a few kilobytes; anything near this size is not one,
// and reading it whole would be unbounded.
inline constexpr std::size_t kMaxToolBoxFileBytes = 8u << 20;
// Airports kept from one file; the table is searched by text on every rest
// and time-zone look-up.
inline constexpr std::size_t kMaxAirports = 2000;

enum class ToolBoxOutcome {
  Cancelled,    // no file chosen: nothing changed
  CannotOpen,   // "Unable to Open File %s": nothing changed
  NotAToolBox,  // first line wrong: the built-in table applies
  NoEntries,    // the built-in table applies, the date is the file's
  Damaged,      // a line missing: the built-in table applies, no date
  NoAirports,   // entries in use, the airport table as it was
  Loaded,       // entries (possibly none of this crew kind) and airports
};

// What one file holds for a document of one crew kind.
struct ParsedToolBox {
  ToolBoxOutcome outcome = ToolBoxOutcome::Damaged;
  std::string date;
  std::vector<TAbsence> entries;  // of the document's crew kind, at most the table's slots
  std::string airportDetails;     // rebuilt, fixed-width fields
  // Codes of the first airports left out because their fields could not be
  // brought to their widths (one more than are named in the message).
  std::vector<std::string> skippedAirports;
  // Airports read but not kept, beyond the table's limit.
  std::size_t airportsBeyondLimit = 0;
};

// Reads a definition file's text; touches nothing else.
ParsedToolBox ParseToolBoxText(std::string_view text, bool cabin);

// Parses the text into the document and shows the outcome's message.
ToolBoxOutcome ReadToolBoxText(TDocument& doc, std::string_view text, Ui& ui);

// Reads the named file into the document and marks it changed.
ToolBoxOutcome ReadToolBoxFile(TDocument& doc, const std::string& fileName, Ui& ui);

// The command "&ToolBox Items..." and the wizard's first step: asks for the
// file, reads it, and remembers its folder under "LastBoxPath". The caller
// rebuilds the toolbox window afterwards when it is shown.
ToolBoxOutcome LoadToolBoxFile(TDocument& doc, Ui& ui, SettingsStore& settings);

}  // namespace lumora

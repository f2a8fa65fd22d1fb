#pragma once
// Opening the event log at start, with the check for an abnormal end of the
// previous run, and its last line at a normal end.

#include <filesystem>
#include <string>

#include "platform/clock.h"

namespace lumora {

class EventLog;
class SettingsStore;
class Ui;

// $LUMORA_LOG_DIR, else $XDG_STATE_HOME/lumora (when absolute), else
// ~/.local/state/lumora. The log itself lives in "LMDebug" under it.
std::filesystem::path LogFolderPath();

// "<root>/LMDebug" and the current log in it.
std::filesystem::path EventLogFolder(const std::filesystem::path& root);
std::filesystem::path EventLogFile(const std::filesystem::path& root);

// "LMDebug %d %s %d at %02d%02d.txt": day, month abbreviation, year, hour, minute.
std::string DatedEventLogName(const LocalDateTime& time);

// When "DebugFile" reads 1: creates the log folder; when the previous log
// holds more than one character and not "Termination", keeps it under its
// dated name and says so; then opens a fresh log. A log that cannot be
// created stays closed and nothing is reported. Returns whether the log is
// open.
//
// The previous log is never lost: a dated name already taken gets " (2)",
// " (3)", ... before ".txt", and when the old log cannot be renamed at all it
// stays where it is, the message names it there, and this run keeps no log
// rather than overwrite it.
bool OpenEventLogAtStart(EventLog& log, const SettingsStore& settings, const Clock& clock, Ui& ui,
                         const std::filesystem::path& root = LogFolderPath());

// Writes "Lumora Termination Normal\n" and closes the log, when it is open.
void CloseEventLogAtShutdown(EventLog& log);

// Whether a previous log shows an abnormal end: more than one character and
// no "Termination" anywhere. Reads in pieces, stopping at the first
// "Termination", so a huge log is never held in memory. A file that cannot
// be read counts as a normal end.
bool PreviousRunEndedAbnormally(const std::filesystem::path& previousLog);

}  // namespace lumora

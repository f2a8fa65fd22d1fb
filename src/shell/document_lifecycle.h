#pragma once
// Opening a schedule file and building the blocks: the sequence both front
// ends run, so that the desktop program and the batch tool see the same
// document after a load.

#include <filesystem>

#include "files/schedule_file.h"
#include "model/document.h"

namespace lumora {

class EventLog;
class Ui;

// Which floating windows BuildBlocks shows.
struct WindowSwitches {
  bool pairWindow = false;
  bool toolbox = false;
  bool bidsWindow = false;
};

// Derives what the schedule file does not store and marks the blocks built.
// Does nothing when the blocks are already built.
void BuildBlocks(TDocument& doc, const WindowSwitches& windows, Ui& ui, EventLog& log);

// Clears the document, loads `path` into it, rebuilds the blocks when the file
// was saved with them shown, and restores the calendar after the month and
// the extra-crew marks.
LoadResult OpenDocument(TDocument& doc, const std::filesystem::path& path, Ui& ui, EventLog& log);

}  // namespace lumora

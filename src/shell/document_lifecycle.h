#pragma once
// Opening a schedule file, building the blocks and closing the views: the
// sequences both front ends run, so that the desktop program and the batch
// tool see the same document after a load.

#include <cstdint>
#include <filesystem>

#include "files/schedule_file.h"
#include "model/document.h"

namespace lumora {

class BlockRules;
class BlockViewSink;
class EventLog;
class SettingsStore;
class Ui;

// DocState values: a document is loaded or being created, or there is none.
inline constexpr std::int32_t kDocumentLoaded = 1;
inline constexpr std::int32_t kNoDocument = 3;

// Which floating windows BuildBlocks shows.
struct WindowSwitches {
  bool pairWindow = false;
  bool toolbox = false;
  bool bidsWindow = false;
};

// The state of block-filter button `command` (550 to 557); 550, the search
// filter, is the document's BlockSearchOn. Null for any other command.
std::uint8_t* BlockFilterFlag(TDocument& doc, int command);
bool IsBlockFilterOn(const TDocument& doc, int command);

// Derives what the schedule file does not store and marks the blocks built.
// Does nothing when the blocks are already built. With `settings`, the block
// filters and search check boxes come back as the last document left them;
// with `rules`, every crew member's block is checked; `views` hears of the
// credits, the block-holder line and the day balance it derives.
void BuildBlocks(TDocument& doc, const WindowSwitches& windows, Ui& ui, EventLog& log,
                 const SettingsStore* settings = nullptr, BlockRules* rules = nullptr,
                 BlockViewSink* views = nullptr);

// Keeps the block-filter and search states for the next document, hides the
// floating windows and the search group, and marks the blocks not built.
// Does nothing (and returns false) while the blocks are not built.
bool CloseViews(TDocument& doc, SettingsStore& settings);

// Clears the document, loads `path` into it, rebuilds the blocks when the file
// was saved with them shown, and restores the calendar after the month and
// the extra-crew marks. A file that does not load leaves the document cleared
// with no file name and DocState kNoDocument.
LoadResult OpenDocument(TDocument& doc, const std::filesystem::path& path, Ui& ui, EventLog& log,
                        const SettingsStore* settings = nullptr, BlockRules* rules = nullptr,
                        BlockViewSink* views = nullptr);

}  // namespace lumora

#pragma once
// The schedule file (".lm2"): the whole document as one object stream. The
// same layout with another kind tag serves the viewer and company files and
// the backups.

#include <cstdint>
#include <filesystem>
#include <string>

#include "model/document.h"

namespace lumora {

class EventLog;
class Ui;

inline constexpr const char* kFileFormatVersion = "29";
inline constexpr std::size_t kFileTagLength = 12;

// The 12-character tag of a file kind (kScheduleFile to kCompanyFile).
std::string FileKindTag(std::int32_t kind);

// Writes the whole document to `path` as a file of `kind`. The bytes go to a
// temporary file in the same folder which then replaces the target, so a
// failed save never damages an existing file. Shows the failure messages
// itself; on success clears `Modified`. The caller puts the document's own
// name on the recent-files list.
bool SaveFile(TDocument& doc, const std::filesystem::path& path, std::int32_t kind, Ui& ui,
              EventLog& log);

// What a load found besides the document's own fields.
struct LoadResult {
  bool loaded = false;         // false: could not open, or not a schedule file
  std::string header;          // tag + version as read
  std::string version;         // the characters after the tag
  bool blocksShown = false;    // saved with the block grid shown: rebuild it
  bool pairWindowVisible = false;
  bool toolboxWindowVisible = false;
  bool bidsWindowVisible = false;
};

// Reads the file named by doc.FileName into the document, which the caller
// has cleared. Shows the failure messages itself. The caller rebuilds the
// blocks when `blocksShown` and runs FlagExtraCrewPairs afterwards.
LoadResult LoadFile(TDocument& doc, Ui& ui, EventLog& log);

}  // namespace lumora

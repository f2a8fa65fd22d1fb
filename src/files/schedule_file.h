#pragma once
// The schedule file (".lm2"): the whole document as one object stream. The
// same layout with another kind tag serves the viewer and company files and
// the backups.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "model/document.h"

namespace lumora {

class EventLog;
class Ui;

inline constexpr const char* kFileFormatVersion = "29";
inline constexpr std::size_t kFileTagLength = 12;

// Files above this size are refused as not being schedule files; a full
// document is a few megabytes.
inline constexpr std::uintmax_t kMaxScheduleFileBytes = 256u * 1024u * 1024u;

// The 12-character tag of a file kind (kScheduleFile to kCompanyFile); the
// schedule file's tag for any other value.
std::string FileKindTag(std::int32_t kind);

// Writes the whole document to `path` as a file of `kind`. The bytes go to a
// temporary file in the same folder which then replaces the target, so a
// failed save never damages an existing file. Shows the failure messages
// itself; on success clears `Modified`. The caller puts the document's own
// name on the recent-files list.
bool SaveFile(TDocument& doc, const std::filesystem::path& path, std::int32_t kind, Ui& ui,
              EventLog& log);

// The bytes SaveFile writes, without touching the disk. Sets the first
// airport page from AirportDetails, as a save does.
std::vector<std::uint8_t> EncodeScheduleFile(TDocument& doc, std::int32_t kind);

// What a load found besides the document's own fields.
struct LoadResult {
  bool loaded = false;       // false: could not open, or not a schedule file
  std::string header;        // tag + version as read
  std::string version;       // the characters after the tag
  bool blocksShown = false;  // saved with the block grid shown: rebuild it
  bool pairWindowVisible = false;
  bool toolboxWindowVisible = false;
  bool bidsWindowVisible = false;
};

// Reads the file named by doc.FileName into the document, which the caller
// has cleared. Shows the failure messages itself. The caller rebuilds the
// blocks when `blocksShown` and runs FlagExtraCrewPairs afterwards.
LoadResult LoadFile(TDocument& doc, Ui& ui, EventLog& log);

// LoadFile on bytes already in memory (the file's contents); messages name
// doc.FileName as LoadFile's do.
LoadResult DecodeScheduleFile(TDocument& doc, std::span<const std::uint8_t> bytes, Ui& ui,
                              EventLog& log);

}  // namespace lumora

#pragma once
// The settings the application frame reads and writes itself.
// TODO(settings catalogue): take these names and defaults from the catalogue
// once it exists, so that no two places disagree about a key.

#include <array>

namespace lumora::shell_key {

inline constexpr const char* kSection = "LM";

// Folder of the last opened or saved schedule file. The default names a
// drive the program does not have; a folder is only used when it exists.
inline constexpr const char* kLastBlkPath = "LastBlkPath";
inline constexpr const char* kLastBlkPathDefault = "c:\\";

// The block-filter buttons 550 to 557 and the settings that keep their state
// between documents (any non-zero value is on).
struct BlockFilterKey {
  int command;
  const char* key;
};
inline constexpr std::array<BlockFilterKey, 8> kBlockFilterKeys{{
    {553, "HideLeaveBlocks"},
    {552, "HideCompleted"},
    {551, "HideCheckPilots"},
    {554, "HideBlockHolders"},
    {557, "ShowBlockHolders"},
    {555, "ShowCCP"},
    {556, "ShowLTC"},
    {550, "FilterSearch"},
}};
inline constexpr int kBlockFilterDefault = 0;

// The search check boxes "Names", "Emp Nums", "Pairs + Abs", "Bids", in the
// order of the document's search-check flags.
inline constexpr std::array<const char*, 4> kSearchCheckKeys{"NameCheck", "EmpNumCheck",
                                                             "PairCheck", "BidCheck"};
inline constexpr int kSearchCheckDefault = 1;

// The recent-files list keeps its own section.
inline constexpr const char* kRecentSection = "RecentFiles";
inline constexpr const char* kRecentKeyPrefix = "File";  // "File1" to "File4"

}  // namespace lumora::shell_key

#pragma once
// Where the program keeps its own files in the user's home (the settings file
// and the event log), and where the frame's file dialogs start. Each has an override variable of
// its own for tests and for users who keep them elsewhere.

#include <filesystem>
#include <string>
#include <string_view>

namespace lumora {

// The value of an environment variable; empty when it is not set.
std::string EnvironmentValue(const char* name);

// $HOME, or the current folder when HOME is not set.
std::filesystem::path HomeFolder();

// `own` when it is not empty (the folder itself); otherwise "lumora" under
// `xdgBase` when that is an absolute path; otherwise "lumora" under
// `homeRelativeBase` in `home`. Nothing is created.
std::filesystem::path ResolveUserFolder(std::string_view own, std::string_view xdgBase,
                                        std::string_view homeRelativeBase,
                                        const std::filesystem::path& home);

// A stored folder when it is absolute and exists, otherwise `home`: stored folders may come
// from another machine, and the defaults name drives that do not exist here.
std::filesystem::path FolderOrHome(std::string_view text, const std::filesystem::path& home);
// The same with the user's home folder.
std::filesystem::path FolderOrHome(std::string_view text);

}  // namespace lumora

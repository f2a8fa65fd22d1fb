#pragma once
// Where the program keeps its own files in the user's home: the settings file
// and the event log. Each has an override variable of its own for tests and
// for users who keep them elsewhere.

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

}  // namespace lumora

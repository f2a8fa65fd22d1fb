#pragma once
// Qt's keys as the main window's key handling knows them.

#include <QKeyEvent>
#include <optional>

#include "shell/command_table.h"

namespace lumora {

// The shell key of a key event, or nothing for keys the main window leaves
// alone. Ctrl and Alt combinations belong to the menus; the keypad's plus is
// another key than the plus/equals key.
std::optional<ShellKey> shellKeyFor(int qtKey, Qt::KeyboardModifiers modifiers);

}  // namespace lumora

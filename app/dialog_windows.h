#pragma once
// Where the window of every dialog model of the core is registered.

namespace lumora {

class DialogRegistry;
class MainWindow;

// The windows of every model the core runs; the preferences' font and
// colour buttons go to `window`, whose display they change.
void RegisterDialogWindows(DialogRegistry& dialogs, MainWindow& window);

}  // namespace lumora

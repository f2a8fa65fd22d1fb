#pragma once
// What every import needs from the program around it: the user interface,
// the clipboard (for the list dialog), the settings file and the event log.

namespace lumora {

class Clipboard;
class EventLog;
class SettingsStore;
class Ui;

struct ImportServices {
  Ui& ui;
  Clipboard& clipboard;
  SettingsStore& settings;
  EventLog& log;
};

}  // namespace lumora

#pragma once
// What an import reports through in a test: a scripted user, a clipboard and
// settings that remember, an event log that writes nowhere, and the services
// made of them. Import test fixtures derive from it.

#include "doubles/memory_settings.h"
#include "doubles/recording_clipboard.h"
#include "imports/import_services.h"
#include "platform/event_log.h"
#include "support/scripted_ui.h"

namespace lumora::testing {

struct ImportRig {
  ScriptedUi ui;
  RecordingClipboard clipboard;
  MemorySettings settings;
  EventLog log;
  ImportServices services{ui, clipboard, settings, log};
};

}  // namespace lumora::testing

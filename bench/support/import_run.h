#pragma once
// The import benchmarks' document and what an import reports through: the
// empty month of the Montreal CRJ captains, February 2027, and services
// that show nothing.

#include <memory>

#include "doubles/memory_settings.h"
#include "doubles/null_ui.h"
#include "doubles/recording_clipboard.h"
#include "imports/import_services.h"
#include "model/calendar.h"
#include "model/document.h"
#include "platform/event_log.h"

namespace lumora::bench {

struct ImportRun {
  ImportRun() {
    FillCalendar(doc->cal, ToDayNumber({31, 1, 2027}), ToDayNumber({1, 3, 2027}));
    doc->CrewType = 0;
    doc->FileDescriptor = "YULCRJCAM";
  }
  std::unique_ptr<TDocument> doc = std::make_unique<TDocument>();
  testing::NullUi ui;
  testing::RecordingClipboard clipboard;
  testing::MemorySettings settings;
  EventLog log;
  const ImportServices services{ui, clipboard, settings, log};
};

}  // namespace lumora::bench

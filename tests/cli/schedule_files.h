#pragma once
// Schedule files written and read back around a batch command.

#include <gtest/gtest.h>

#include <memory>

#include "files/schedule_file.h"
#include "platform/event_log.h"
#include "shell/document_session.h"
#include "shell/memory_settings.h"
#include "support/document_builder.h"
#include "support/scripted_ui.h"

namespace lumora::cli {

inline void SaveSchedule(TDocument& doc, const std::filesystem::path& path) {
  testing::ScriptedUi ui;
  EventLog log;
  ASSERT_TRUE(SaveFile(doc, path, kScheduleFile, ui, log)) << path;
}

// The file as the desktop opens it.
inline std::shared_ptr<TDocument> Reopen(const std::filesystem::path& path) {
  struct Opened {
    testing::ScriptedUi ui;
    MemorySettingsStore settings;
    DocumentSession session{ui, settings};
  };
  const auto opened = std::make_shared<Opened>();
  EXPECT_TRUE(opened->session.open(path).loaded) << path;
  // The document, keeping its session alive.
  return {opened, &opened->session.document()};
}

// A month of two crew members, from `first` to `last`.
inline std::unique_ptr<TDocument> TwoCrewMonth(CivilDate first, CivilDate last) {
  return testing::DocumentBuilder()
      .month(first, last)
      .crew("A ALPHA", 11)
      .crew("B BRAVO", 12)
      .take();
}

}  // namespace lumora::cli

#pragma once
// Schedule files written and read back around a batch command.

#include <gtest/gtest.h>

#include <memory>

#include "files/schedule_file.h"
#include "platform/event_log.h"
#include "shell/document_lifecycle.h"
#include "support/document_builder.h"
#include "support/scripted_ui.h"

namespace lumora::cli {

inline void SaveSchedule(TDocument& doc, const std::filesystem::path& path) {
  testing::ScriptedUi ui;
  EventLog log;
  ASSERT_TRUE(SaveFile(doc, path, kScheduleFile, ui, log)) << path;
}

// The file as the desktop opens it.
inline std::unique_ptr<TDocument> Reopen(const std::filesystem::path& path) {
  auto doc = std::make_unique<TDocument>();
  testing::ScriptedUi ui;
  EventLog log;
  EXPECT_TRUE(OpenDocument(*doc, path, ui, log).loaded) << path;
  return doc;
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

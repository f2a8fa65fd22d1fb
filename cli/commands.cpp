#include "commands.h"

#include <memory>
#include <ostream>

#include "document_json.h"
#include "model/document.h"
#include "platform/event_log.h"
#include "rules/check_block.h"
#include "shell/document_lifecycle.h"

namespace lumora::cli {

namespace {

// One document per run, as in the desktop program; its arrays are large, so
// it lives on the heap.
struct Session {
  std::unique_ptr<TDocument> doc = std::make_unique<TDocument>();
  EventLog log;  // closed: the batch tool keeps no event log
  LumoraRules rules;
  LoadResult load;

  bool open(const std::string& file, Ui& ui) {
    load = OpenDocument(*doc, file, ui, log, nullptr, &rules);
    return load.loaded;
  }
};

}  // namespace

int RunInfo(const std::string& file, Ui& ui, std::ostream& out) {
  Session s;
  if (!s.open(file, ui)) return kExitCannotRun;
  out << DocumentInfo(*s.doc, s.load).dump(2) << '\n';
  return kExitOk;
}

int RunDump(const std::string& file, Ui& ui, std::ostream& out) {
  Session s;
  if (!s.open(file, ui)) return kExitCannotRun;
  out << DocumentToJson(*s.doc, s.load).dump(1) << '\n';
  return kExitOk;
}

int RunSave(const std::string& file, const std::string& output, Ui& ui) {
  Session s;
  if (!s.open(file, ui)) return kExitCannotRun;
  return SaveFile(*s.doc, output, kScheduleFile, ui, s.log) ? kExitOk : kExitRefused;
}

}  // namespace lumora::cli

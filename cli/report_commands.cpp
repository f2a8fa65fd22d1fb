#include "report_commands.h"

#include <algorithm>
#include <ostream>

#include "commands.h"
#include "files/backup.h"
#include "reports/block_texts.h"

namespace lumora::cli {

int RunReportBlocks(const std::string& file, const ReportBlocksArguments& args, Ui& ui,
                    std::ostream& out, std::ostream& err) {
  BatchRun run(ui);
  if (!run.open(file)) return kExitCannotRun;
  TDocument& doc = run.session.document();
  const int roster = doc.rosterSize();
  for (const int index : args.crew) {
    if (index < 0 || index >= roster) {
      err << "lumora-cli: crew index " << index << " is outside the roster (0 to " << roster - 1
          << ")\n";
      return kExitCannotRun;
    }
  }
  bool any = false;
  for (int crew = 0; crew < roster; ++crew) {
    const bool chosen =
        args.all || std::find(args.crew.begin(), args.crew.end(), crew) != args.crew.end();
    doc.pilot(crew).ClipSelected = chosen ? 1 : 0;
    any = any || chosen;
  }
  if (!any) return kExitOk;
  out << ClipboardBlocksText(doc, {.includeXes = args.xes, .includePairs = args.pairs}, ui);
  return kExitOk;
}

int RunReportCrewLines(const std::string& file, Ui& ui, std::ostream& out) {
  BatchRun run(ui);
  if (!run.open(file)) return kExitCannotRun;
  out << CrewLinesText(run.session.document(), FileStem(file), ui);
  return kExitOk;
}

}  // namespace lumora::cli

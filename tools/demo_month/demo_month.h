#pragma once
// The demo month: a schedule file for the YUL CRJ captains of February 2027,
// built from the committed sample files through the core's own operations, as
// a scheduler would build it, so that the desktop program has a realistic
// document to open. Everything it draws comes from one seed.
#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <memory>
#include <vector>

#include "samples/sample_set.h"
#include "samples/world.h"

namespace lumora {
class DocumentSession;
class TDocument;
class Ui;
struct ImportServices;
}  // namespace lumora

namespace lumora::demo {

struct DemoMonthOptions {
  std::filesystem::path samples;  // the folder of the YUL-CRJ-CA-2027-02 set
  std::uint32_t seed = 1;
  int crewCount = 80;
};

// What the build did, for the program's summary line and the tests.
struct DemoMonthSummary {
  int crew = 0;
  int pairings = 0;          // pairing records imported
  int assigned = 0;          // instances assigned with the rest checks
  int refused = 0;           // tries the core refused (rest, reserve question)
  int forced = 0;            // instances assigned past the rest checks
  int otherAssignments = 0;  // toolbox codes placed
  int requests = 0;          // day-off requests set
};

// Builds the month into the session's document. Throws std::runtime_error
// when a sample file is missing or unreadable. Messages and questions of the
// core go to the session's Ui; it answers No to every question.
DemoMonthSummary BuildDemoMonth(DocumentSession& session, const DemoMonthOptions& options);

// The roster of a month built from a sample set: the first `count` crew
// members of the sample world (at most the roster's capacity) with the last
// 89 days' hard time and, for most of them, a trip at the end of the month
// before, drawn from the seed.
void AddRoster(TDocument& doc, const std::vector<samples::CrewMember>& crew, int count,
               std::uint32_t seed);

// Reads a sample set's toolbox file and PRG file, in the order given, into
// the document through the imports of the program's commands, then scans the
// texts of its LIS files together, as one scan of several files. Throws std::runtime_error when the
// toolbox does not load or the PRG file gives no pairings.
void ImportSampleSet(TDocument& doc, const std::vector<samples::OutputFile>& files,
                     const ImportServices& services);

// The PRG file also carries pairings that operate only before or after the
// month; a scheduler's month would not keep them, and each would be reported
// as never operating every time the blocks are built. The text without them.
std::string WithoutPairingsOutsideMonth(const std::string& prg, int year, int month);

// A Ui without anyone in front of it: each message is one line
// "CAPTION: TEXT" on `out`, each question the same with " [No]", file dialogs
// are cancelled.
std::unique_ptr<Ui> MakeStreamUi(std::ostream& out);

}  // namespace lumora::demo

#pragma once
// `lumora-cli export KIND FILE ...`: the Export menu's files written from a
// schedule file without windows. Each kind is one function, registered in
// the table of export_commands.cpp; FILE is loaded as Open does and never
// written.

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace lumora::cli {

// Every option any kind takes; each kind registers only its own.
struct ExportArguments {
  std::string file;
  std::optional<std::string> folder;  // -o: made when missing
  bool yes = false;                   // the answer to the kind's question
  // baw-lin: the dialog's fields; a field left out keeps its default.
  std::optional<std::string> crewType;  // capt, fo or fa
  std::optional<std::string> name;
  std::optional<std::string> base;
  std::optional<std::string> eqp;
  // viewer
  std::string viewerKind = "prebuild";
  // training: the file to write
  std::string output;
};

// Messages and questions go to `err` (questions answered No, or Yes with
// --yes); each returns the exit status: 0 written, 3 stopped at one of the
// command's own messages, 2 bad arguments or a FILE that does not load.
int RunExportBawLin(const ExportArguments& args, std::ostream& out, std::ostream& err);
int RunExportViewer(const ExportArguments& args, std::ostream& out, std::ostream& err);
int RunExportCompany(const ExportArguments& args, std::ostream& out, std::ostream& err);
// The page and the three comma-separated files, into -o or FILE's folder.
int RunExportWeb(const ExportArguments& args, std::ostream& out, std::ostream& err);
// The training report, to `output`.
int RunExportTraining(const ExportArguments& args, std::ostream& out, std::ostream& err);

struct ExportCommandLine {
  ExportArguments args;
  // The kinds' subcommands, in the order of the table.
  std::vector<CLI::App*> kinds;
};

std::unique_ptr<ExportCommandLine> AddExportCommands(CLI::App& app);

std::optional<int> RunChosenExport(const ExportCommandLine& line, std::ostream& out,
                                   std::ostream& err);

}  // namespace lumora::cli

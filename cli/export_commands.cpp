#include "export_commands.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <ostream>

#include "batch_ui.h"
#include "commands.h"
#include "files/backup.h"
#include "files/viewer_files.h"
#include "reports/baw_lin_export.h"
#include "reports/block_texts.h"
#include "reports/web_files.h"

namespace lumora::cli {

namespace {

bool AllOf(const std::string& text, int (*test)(int)) {
  return std::all_of(text.begin(), text.end(), [test](char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < 0x80 && test(u) != 0;
  });
}

// An empty value is an empty edit box, which the export itself refuses; any
// other value must be one the edit box could hold.
bool FieldFits(const std::optional<std::string>& value, std::size_t longest, int (*test)(int)) {
  return !value || value->empty() || (value->size() <= longest && AllOf(*value, test));
}

std::filesystem::path FolderOr(const std::optional<std::string>& folder,
                               const std::filesystem::path& fallback) {
  return folder ? std::filesystem::path(*folder) : fallback;
}

}  // namespace

int RunExportBawLin(const ExportArguments& args, std::ostream& out, std::ostream& err) {
  if (!FieldFits(args.name, 8, isalnum) || !FieldFits(args.base, 1, isalpha) ||
      !FieldFits(args.eqp, 1, isdigit)) {
    err << "lumora-cli: --name takes 1 to 8 letters and digits, --base one letter, --eqp one "
           "digit\n";
    return kExitCannotRun;
  }
  BatchUi ui(err, args.yes);
  BatchRun run(ui);
  if (!run.open(args.file)) return kExitCannotRun;
  TDocument& doc = run.session.document();

  BawLinFields fields = DefaultBawLinFields(doc);
  if (args.crewType) {
    fields.crew = *args.crewType == "fo"   ? BawLinCrew::FirstOfficer
                  : *args.crewType == "fa" ? BawLinCrew::FlightAttendant
                                           : BawLinCrew::Captain;
  }
  if (args.name) fields.fileName = *args.name;
  if (args.base) fields.baseCode = *args.base;
  if (args.eqp) fields.eqpCode = *args.eqp;

  const BawLinOutcome outcome =
      ExportBawLin(doc, fields, FolderOr(args.folder, DefaultExportFolder(doc)), ui);
  for (const std::string& line : outcome.summary) out << line << '\n';
  return outcome.status == BawLinStatus::Completed ? kExitOk : kExitRefused;
}

int RunExportViewer(const ExportArguments& args, std::ostream&, std::ostream& err) {
  const ViewerKind kind = args.viewerKind == "final"     ? ViewerKind::Final
                          : args.viewerKind == "presked" ? ViewerKind::PreSked
                                                         : ViewerKind::PreBuild;
  BatchUi ui(err, args.yes);
  BatchRun run(ui);
  if (!run.open(args.file)) return kExitCannotRun;
  TDocument& doc = run.session.document();
  // The batch tool has no mail program: Yes sends nothing.
  const auto written =
      ExportViewerCopy(doc, kind, FolderOr(args.folder, DefaultViewerFolder(doc.FileName)), ui,
                       run.session.log(), nullptr);
  return written ? kExitOk : kExitRefused;
}

int RunExportCompany(const ExportArguments& args, std::ostream&, std::ostream& err) {
  BatchUi ui(err, args.yes);
  BatchRun run(ui);
  if (!run.open(args.file)) return kExitCannotRun;
  TDocument& doc = run.session.document();
  const auto written =
      ExportCompanyCopy(doc, FolderOr(args.folder, DefaultCompanyFolder(doc.FileName)), ui,
                        run.session.log(), nullptr);
  return written ? kExitOk : kExitRefused;
}

int RunExportWeb(const ExportArguments& args, std::ostream&, std::ostream& err) {
  BatchUi ui(err, args.yes);
  BatchRun run(ui);
  if (!run.open(args.file)) return kExitCannotRun;
  const TDocument& doc = run.session.document();
  std::filesystem::path folder = FolderOr(args.folder, DefaultWebFolder(doc));
  if (folder.empty()) folder = ".";
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  const bool written = SaveForInternet(doc, folder, FileStem(args.file), ui, &run.session.log());
  return written ? kExitOk : kExitRefused;
}

int RunExportTraining(const ExportArguments& args, std::ostream&, std::ostream& err) {
  BatchUi ui(err, args.yes);
  BatchRun run(ui);
  if (!run.open(args.file)) return kExitCannotRun;
  return WriteTrainingReport(run.session.document(), args.output, ui) ? kExitOk : kExitRefused;
}

namespace {

void AddFileAndFolder(CLI::App& command, ExportArguments& args, const char* folderHelp) {
  command.add_option("FILE", args.file, "Schedule file")->required();
  command.add_option("-o,--output", args.folder, folderHelp);
}

void AddBawLinOptions(CLI::App& command, ExportArguments& args) {
  AddFileAndFolder(command, args, "Folder to write to (default: Export beside FILE)");
  command.add_option("--crew-type", args.crewType, "Crew type: capt, fo or fa")
      ->check(CLI::IsMember({"capt", "fo", "fa"}));
  command.add_option("--name", args.name, "File name: 1 to 8 letters and digits");
  command.add_option("--base", args.base, "Base code: one letter");
  command.add_option("--eqp", args.eqp, "Equipment code: one digit");
  command.add_flag("--yes", args.yes, "Export only reserve and partial blocks (FA files)");
}

void AddViewerOptions(CLI::App& command, ExportArguments& args) {
  AddFileAndFolder(command, args, "Folder to write to (default: Viewer beside FILE)");
  command.add_option("--kind", args.viewerKind, "prebuild (default), presked or final")
      ->check(CLI::IsMember({"prebuild", "presked", "final"}));
  command.add_flag("--yes", args.yes, "Answer Yes to the e-mail question (sends nothing)");
}

void AddCompanyOptions(CLI::App& command, ExportArguments& args) {
  AddFileAndFolder(command, args, "Folder to write to (default: Company beside FILE)");
  command.add_flag("--yes", args.yes, "Answer Yes to the e-mail question (sends nothing)");
}

void AddWebOptions(CLI::App& command, ExportArguments& args) {
  AddFileAndFolder(command, args, "Folder to write to (default: FILE's folder)");
}

void AddTrainingOptions(CLI::App& command, ExportArguments& args) {
  command.add_option("FILE", args.file, "Schedule file")->required();
  command.add_option("-o,--output", args.output, "Training report to write")->required();
}

struct ExportKind {
  const char* name;
  const char* description;
  void (*add)(CLI::App&, ExportArguments&);
  int (*run)(const ExportArguments&, std::ostream&, std::ostream&);
};

constexpr ExportKind kExportKinds[] = {
    {"baw-lin", "The crew-tracking system's BAW and LIN block files", AddBawLinOptions,
     RunExportBawLin},
    {"viewer", "A viewer file without personal data, as Save for Viewer... does", AddViewerOptions,
     RunExportViewer},
    {"company", "The company's copy without personal data, as Finalize and Save for Company...",
     AddCompanyOptions, RunExportCompany},
    {"web", "The internet page, its .csv, the month layout and the planned absences", AddWebOptions,
     RunExportWeb},
    {"training", "The training report of line indoctrination and line check days",
     AddTrainingOptions, RunExportTraining},
};

}  // namespace

std::unique_ptr<ExportCommandLine> AddExportCommands(CLI::App& app) {
  auto line = std::make_unique<ExportCommandLine>();
  CLI::App* exportCommand = app.add_subcommand("export", "Write the Export menu's files");
  exportCommand->require_subcommand(1);
  for (const ExportKind& kind : kExportKinds) {
    CLI::App* command = exportCommand->add_subcommand(kind.name, kind.description);
    kind.add(*command, line->args);
    line->kinds.push_back(command);
  }
  return line;
}

std::optional<int> RunChosenExport(const ExportCommandLine& line, std::ostream& out,
                                   std::ostream& err) {
  for (std::size_t i = 0; i < line.kinds.size(); ++i) {
    if (*line.kinds[i]) return kExportKinds[i].run(line.args, out, err);
  }
  return std::nullopt;
}

}  // namespace lumora::cli

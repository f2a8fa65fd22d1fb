#pragma once
// The month's blocks for publishing and for spreadsheets: an HTML page with
// one row per crew member and one column per day, a comma-separated file of
// the same, a month layout with one column per day, and the planned absences
// (every other assignment with its start and end) for the crew-tracking
// side. "Save Internet .htm and .csv files" writes all four, in that order;
// the training report lists the line indoctrination and line check days.
//
// Texts from the document are made safe for their file: in the HTML page
// & < > " become entities; in the comma-separated files a field holding a
// comma, a double quote, CR or LF is quoted with its quotes doubled.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace lumora {

class EventLog;
class TDocument;
class Ui;

std::string InternetPageText(const TDocument& doc);
std::string InternetCsvText(const TDocument& doc);
std::string MonthLayoutText(const TDocument& doc);
std::string PlannedAbsencesText(const TDocument& doc);
std::string TrainingReportText(const TDocument& doc);

// The four files' names for a schedule file named `stem` (its name without
// folder and extension), in the order they are written.
struct WebFileNames {
  std::filesystem::path page, csv, layout, absences;
};
WebFileNames WebFilesIn(const std::filesystem::path& folder, std::string_view stem);

// Writes the four files into `folder`, each whole or not at all, and says
// where they went; at the first file that cannot be written its message is
// shown and no later file is written. True when all four were written.
bool SaveForInternet(const TDocument& doc, const std::filesystem::path& folder,
                     std::string_view stem, Ui& ui, EventLog* log = nullptr);

// The folder the files go to: the schedule file's own.
std::filesystem::path DefaultWebFolder(const TDocument& doc);

// "Generate Training Report...": the report written to `target`, whole or
// not at all; a failure is shown with its message. True when written.
bool WriteTrainingReport(const TDocument& doc, const std::filesystem::path& target, Ui& ui);

// The file-save dialog of the command; nothing when cancelled.
std::optional<std::string> ChooseTrainingReportFile(Ui& ui);

}  // namespace lumora

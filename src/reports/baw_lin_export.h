#pragma once
// The finished blocks as the crew-tracking system takes them back: a BAW file
// (one line per exported crew member, giving him a line number) and a LIN
// file (a header, then per exported crew member one 1320-character line with
// his pairings and other assignments day by day). Both are written side by
// side into an "Export" folder next to the schedule file.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialog_model.h"

namespace lumora {

class SettingsStore;
class TDocument;
class Ui;

enum class BawLinCrew : std::uint8_t { Captain, FirstOfficer, FlightAttendant };

// What the export dialog holds.
struct BawLinFields {
  BawLinCrew crew = BawLinCrew::Captain;
  std::string fileName;  // 1 to 8 letters and digits, without extension
  std::string baseCode;  // one letter
  std::string eqpCode;   // one digit
};

// The dialog's defaults for the document: its crew type, the base and
// equipment codes from the first pairing's prefix, and a name such as
// "JA09V8CA" (month, year, prefix, crew code).
BawLinFields DefaultBawLinFields(const TDocument& doc);

// The messages of an empty field, collected: empty when the fields may be
// exported. A name that is not 1 to 8 letters and digits counts as empty,
// since it would name a file outside the export folder.
std::string BawLinFieldErrors(const BawLinFields& fields);

// Sets each crew member's ExportSelected flag: employee number 0 or more
// and, when `reserveAndPartialOnly`, a reserve day, a bid for reserve or
// leave, a block below the block-holder line or the qualification "RB".
void SelectForExport(TDocument& doc, bool reserveAndPartialOnly);

// The two files' texts for the selected crew members; the LIN text's notes
// (crew members not exported, open time, draft credit, dates) are appended to
// `summary`. Nothing in the document changes.
std::string BawText(const TDocument& doc, const BawLinFields& fields);
std::string LinText(const TDocument& doc, const BawLinFields& fields,
                    std::vector<std::string>& summary);

// "Export" in the schedule file's folder.
std::filesystem::path DefaultExportFolder(const TDocument& doc);

enum class BawLinStatus : std::uint8_t {
  Completed,
  FieldError,  // "Export Error": nothing written
  NotNamed,    // the document was never saved: nothing written
  BawFailed,   // no LIN written
  LinFailed,   // the BAW stays
};

struct BawLinOutcome {
  BawLinStatus status = BawLinStatus::Completed;
  std::vector<std::string> summary;  // the "Export Summary" list
};

// "Export Now": validates, writes folder/NAME.BAW and then folder/NAME.LIN
// (the folder made when missing, each file written whole or not at all),
// asking in flight-attendant files whether to export only reserve and
// partial blocks. Every failure is shown on `ui` with its own message.
BawLinOutcome ExportBawLin(TDocument& doc, const BawLinFields& fields,
                           const std::filesystem::path& folder, Ui& ui);

// "Export Schedules for Bornemann Crew Trac": the fields, "Export Now" and
// its summary list. OK and Cancel only close it.
class BawLinExportDialog final : public DialogModel {
 public:
  static constexpr std::string_view kCaption = "Export Schedules for Bornemann Crew Trac";
  static constexpr std::string_view kCrewTypeBox = "Crew Type";
  static constexpr std::string_view kCrewButtons[] = {"Capt", "FO", "FA/PU"};
  static constexpr std::string_view kFileNameLabel = "FileName";
  static constexpr std::string_view kBaseCodeLabel = "Base Code";
  static constexpr std::string_view kEqpCodeLabel = "Eqp Code";
  static constexpr std::string_view kSummaryLabel = "Export Summary";
  static constexpr std::string_view kExportButton = "Export Now";
  static constexpr std::string_view kChecklistHeading = "Mandatory Pre-Export Checklist";
  static constexpr std::string_view kChecklist[] = {
      "All Pairings are assigned to Blocks or if any pairings are in open then add Blocks to the "
      "Roster Named OPEN with an employee Number of 0 (Zero) and assign all open pairings to "
      "these blocks.",
      "All Toolbox Assignments used are Standard Codes for the Airline. Any others will be "
      "ignored and have to be entered manually",
      "All employee numbers are full and correct.",
      "Base Code and Eqp Code are found in the Pairings. ie Pairing V8101 Base Code is V and Eqp "
      "Code is 8 ",
      "Ensure Crew Type is Set Correctly"};
  static constexpr std::string_view kNote =
      "You are now ready to export the Lumora File to Bornemann Crew Trac. 2 files will be saved "
      "in an Export directory inside the current directory and the name specified in the edit "
      "box above. One file will have a BAW extension and the other file will have a LIN "
      "extension.  These are the 2 files needed by crewtrac.";

  explicit BawLinExportDialog(TDocument& doc);

  std::string_view title() const override { return kCaption; }
  bool accept(Ui&) override { return true; }

  // "Export Now" with the fields as they are; the summary shows the result.
  BawLinStatus exportNow(Ui& ui);

  BawLinFields fields;
  std::vector<std::string> summary;

 private:
  TDocument& doc_;
};

// "Import BAW and LIN Blocks": offers a BAW file to choose and reads
// nothing; its list stays empty and its buttons change nothing.
class BawLinImportDialog final : public DialogModel {
 public:
  static constexpr std::string_view kCaption = "Import BAW and LIN Blocks";
  static constexpr std::string_view kImportButton = "Import";
  static constexpr std::string_view kFileTitle = "Load BAW Data";
  static constexpr std::string_view kFilter = "Baw Files(*.baw)|*.baw|All Files (*.*)|*.*";

  // The file dialog starts in the folder stored under "LastBAWPath".
  explicit BawLinImportDialog(const SettingsStore& settings);

  std::string_view title() const override { return kCaption; }
  bool accept(Ui&) override { return true; }

  // The file dialog the window shows as it opens; the choice is not used.
  void chooseFile(Ui& ui) const;

 private:
  std::string startFolder_;
};

}  // namespace lumora

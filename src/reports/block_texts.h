#pragma once
// The month's blocks as texts for the clipboard: the calendar of each chosen
// crew member ("Copy Blocks to Clipboard", with its dialog), and the crew
// lines of the whole roster, one fixed-pitch block of lines per crew member
// with every day 4 characters wide ("Print Blocks to Clipboard"). Lines end
// with CR LF, as word processors on the crews' side expect.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialog_model.h"

namespace lumora {

class Clipboard;
class EventLog;
class SettingsStore;
class TDocument;
class Ui;

struct ClipboardBlockOptions {
  bool includeXes = false;    // the day requests under the assignments
  bool includePairs = false;  // each pairing's full text after the calendar
};

// The block credit the texts show: the credit less leave, without the
// normally excluded parts. The crew member's stored figures stay as they are.
std::int32_t ReportBlockCredit(TDocument& doc, int crew, Ui& ui);

// The calendar text of every crew member whose ClipSelected flag is set, in
// roster order. `log` gets a line per crew member added.
std::string ClipboardBlocksText(TDocument& doc, const ClipboardBlockOptions& options, Ui& ui,
                                EventLog* log = nullptr);

// The crew lines report; `fileStem` is the schedule file's name without
// folder and extension, shown in each title.
std::string CrewLinesText(TDocument& doc, std::string_view fileStem, Ui& ui);

// "Print Blocks to Clipboard": the report onto the clipboard and the
// confirmation. A clipboard that takes nothing is said so.
void CopyCrewLines(TDocument& doc, std::string_view fileStem, Clipboard& clipboard, Ui& ui);

// "Select Blocks to Copy to the Windows Clipboard": the roster's names (any
// number chosen) and the two check boxes, preset from the settings. OK with
// names chosen flags exactly those crew members, writes the boxes back and
// says the text is to be built; with none chosen it only closes.
class CopyBlocksDialog final : public DialogModel {
 public:
  static constexpr std::string_view kCaption = "Select Blocks to Copy to the Windows Clipboard";
  static constexpr std::string_view kXesBox = "Include X's";
  static constexpr std::string_view kPairsBox = "Include Full Pairings";

  CopyBlocksDialog(TDocument& doc, SettingsStore& settings);

  std::string_view title() const override { return kCaption; }
  bool accept(Ui& ui) override;

  const std::vector<std::string>& names() const { return names_; }
  // One entry per name, in roster order.
  std::vector<bool> selected;
  ClipboardBlockOptions options;

  // Whether OK flagged anyone, so that the text is to be copied.
  bool copyRequested() const { return copyRequested_; }

 private:
  TDocument& doc_;
  SettingsStore& settings_;
  std::vector<std::string> names_;
  bool copyRequested_ = false;
};

// After the dialog's OK: the text of the flagged crew members onto the
// clipboard. A clipboard that cannot be opened takes nothing, silently.
void CopyBlocksToClipboard(TDocument& doc, const ClipboardBlockOptions& options,
                           Clipboard& clipboard, Ui& ui, EventLog* log = nullptr);

}  // namespace lumora

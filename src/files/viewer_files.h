#pragma once
// Copies of the schedule for readers outside the scheduling office, without
// the crew members' personal data and without the undo history: the viewer
// file (".lmv", tagged as a pre-build roster, a pre-schedule or a final
// schedule) and the company's ordinary schedule file. The document itself is
// never changed by writing a copy.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/dialog_model.h"

namespace lumora {

class EventLog;
class Mailer;
class TDocument;
class Ui;

enum class ViewerKind : std::uint8_t { PreBuild, PreSked, Final };

struct ViewerKindInfo {
  std::string_view button;  // the radio button's text
  std::int32_t fileKind;    // the kind SaveFile writes
  std::string_view prefix;  // put before the file's name
};

const ViewerKindInfo& InfoOf(ViewerKind kind);

// The viewer file's name for the schedule file `documentFile`: the kind's
// prefix and the file part with its extension replaced by ".lmv" (appended
// when it has none).
std::string ViewerFileName(std::string_view documentFile, ViewerKind kind);

// "Viewer" and "Company" in the schedule file's folder.
std::filesystem::path DefaultViewerFolder(std::string_view documentFile);
std::filesystem::path DefaultCompanyFolder(std::string_view documentFile);

// Writes the copies to `target` (atomically, as every save). The viewer file
// drops the bid texts, notes, filter texts, the requests and locks of the
// month's days and the shared notes; the company file keeps the shared notes
// but drops the requests and locks of the days after the month too. False
// when the save failed; its message was shown.
bool WriteViewerFile(TDocument& doc, const std::filesystem::path& target, ViewerKind kind, Ui& ui,
                     EventLog& log);
bool WriteCompanyFile(TDocument& doc, const std::filesystem::path& target, Ui& ui, EventLog& log);

// Writes the copy into `folder` (made when missing), then asks whether to
// e-mail it; Yes hands it to `mailer` when there is one. Returns the path
// written, nothing when the save failed (no question is asked then).
std::optional<std::filesystem::path> ExportViewerCopy(TDocument& doc, ViewerKind kind,
                                                      const std::filesystem::path& folder, Ui& ui,
                                                      EventLog& log, Mailer* mailer);
std::optional<std::filesystem::path> ExportCompanyCopy(TDocument& doc,
                                                       const std::filesystem::path& folder, Ui& ui,
                                                       EventLog& log, Mailer* mailer);

// "Lumora - Export for  LM Viewer": which kind of viewer file to write.
class ViewerKindDialog final : public DialogModel {
 public:
  static constexpr std::string_view kCaption = "Lumora - Export for  LM Viewer";
  static constexpr std::string_view kGroup = "Save Viewer File As";

  std::string_view title() const override { return kCaption; }
  bool accept(Ui&) override { return true; }

  ViewerKind kind = ViewerKind::PreBuild;
};

}  // namespace lumora

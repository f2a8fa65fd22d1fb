#include "files/viewer_files.h"

#include <algorithm>
#include <array>
#include <system_error>
#include <utility>
#include <vector>

#include "files/schedule_file.h"
#include "model/document.h"
#include "platform/captions.h"
#include "platform/mailer.h"
#include "platform/ui.h"

namespace lumora {

namespace {

constexpr std::array<ViewerKindInfo, 3> kViewerKinds{{
    {"Pre-Build", kRosterViewerFile, "PreBuild_"},
    {"Pre-Sked", kScheduleViewerFile, "Presked_"},
    {"Final", kCompanyFile, "Final_"},
}};

std::string_view FilePart(std::string_view fileName) {
  const std::size_t slash = fileName.find_last_of('/');
  return slash == std::string_view::npos ? fileName : fileName.substr(slash + 1);
}

// Takes the personal data out of the document for the time of one save and
// puts every bit of it back, whatever the save did.
class PersonalDataAside {
 public:
  PersonalDataAside(TDocument& doc, int lastDay, bool sharedNotes)
      : doc_(doc), lastDay_(lastDay), sharedNotes_(sharedNotes), modified_(doc.Modified) {
    history_ = doc_.History;
    doc_.History.clear();
    if (sharedNotes_) std::swap(notes_, doc_.SharedNotes);
    crew_.resize(static_cast<std::size_t>(doc_.rosterSize()));
    for (std::size_t i = 0; i < crew_.size(); ++i) {
      TPilot& pilot = doc_.pilot(static_cast<int>(i));
      Kept& kept = crew_[i];
      SwapTexts(pilot, kept);
      kept.locked = pilot.DayLocked;
      kept.request = pilot.DayRequest;
      for (int d = 0; d <= lastDay_; ++d) {
        pilot.DayLocked[static_cast<std::size_t>(d)] = 0;
        pilot.DayRequest[static_cast<std::size_t>(d)] = 0;
      }
    }
  }
  ~PersonalDataAside() {
    doc_.History = history_;
    if (sharedNotes_) std::swap(notes_, doc_.SharedNotes);
    for (std::size_t i = 0; i < crew_.size(); ++i) {
      TPilot& pilot = doc_.pilot(static_cast<int>(i));
      SwapTexts(pilot, crew_[i]);
      pilot.DayLocked = crew_[i].locked;
      pilot.DayRequest = crew_[i].request;
    }
    doc_.Modified = modified_;
  }
  PersonalDataAside(const PersonalDataAside&) = delete;
  PersonalDataAside& operator=(const PersonalDataAside&) = delete;

 private:
  struct Kept {
    std::array<std::string, 5> texts;
    std::array<std::uint8_t, kBlockDays> locked{};
    std::array<std::int8_t, kBlockDays> request{};
  };

  static void SwapTexts(TPilot& pilot, Kept& kept) {
    std::swap(pilot.BidText1, kept.texts[0]);
    std::swap(pilot.BidText2, kept.texts[1]);
    std::swap(pilot.Notes, kept.texts[2]);
    std::swap(pilot.PairingFilterText, kept.texts[3]);
    std::swap(pilot.BidText, kept.texts[4]);
  }

  TDocument& doc_;
  int lastDay_;
  bool sharedNotes_;
  std::uint8_t modified_;
  TransactionHistory history_;
  std::string notes_;
  std::vector<Kept> crew_;
};

void OfferMail(const std::filesystem::path& target, std::string_view question, Ui& ui,
               Mailer* mailer) {
  if (ui.ask(question, kAppCaption, Buttons::YesNo, Icon::Question) != Answer::Yes) return;
  if (mailer != nullptr) {
    const std::filesystem::path files[] = {target};
    mailer->send(files);
  }
}

}  // namespace

const ViewerKindInfo& InfoOf(ViewerKind kind) {
  return kViewerKinds[static_cast<std::size_t>(kind)];
}

std::string ViewerFileName(std::string_view documentFile, ViewerKind kind) {
  const std::string_view part = FilePart(documentFile);
  return std::string(InfoOf(kind).prefix) + std::string(part.substr(0, part.find_last_of('.'))) +
         ".lmv";
}

std::filesystem::path DefaultViewerFolder(std::string_view documentFile) {
  return std::filesystem::path(documentFile).parent_path() / "Viewer";
}

std::filesystem::path DefaultCompanyFolder(std::string_view documentFile) {
  return std::filesystem::path(documentFile).parent_path() / "Company";
}

bool WriteViewerFile(TDocument& doc, const std::filesystem::path& target, ViewerKind kind, Ui& ui,
                     EventLog& log) {
  const PersonalDataAside aside(doc, doc.monthDays() - 1, true);
  return SaveFile(doc, target, InfoOf(kind).fileKind, ui, log);
}

bool WriteCompanyFile(TDocument& doc, const std::filesystem::path& target, Ui& ui, EventLog& log) {
  const PersonalDataAside aside(doc, std::min(doc.monthDays() + 30, kBlockDays - 1), false);
  return SaveFile(doc, target, kScheduleFile, ui, log);
}

std::optional<std::filesystem::path> ExportViewerCopy(TDocument& doc, ViewerKind kind,
                                                      const std::filesystem::path& folder, Ui& ui,
                                                      EventLog& log, Mailer* mailer) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  const std::filesystem::path target = folder / ViewerFileName(doc.FileName, kind);
  if (!WriteViewerFile(doc, target, kind, ui, log)) return std::nullopt;
  OfferMail(target,
            "Viewer File Saved as " + target.string() +
                " without personal data.\nDo you want to e-mail the lmv file now.",
            ui, mailer);
  return target;
}

std::optional<std::filesystem::path> ExportCompanyCopy(TDocument& doc,
                                                       const std::filesystem::path& folder, Ui& ui,
                                                       EventLog& log, Mailer* mailer) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  const std::filesystem::path target = folder / std::string(FilePart(doc.FileName));
  if (!WriteCompanyFile(doc, target, ui, log)) return std::nullopt;
  // The file actually written is named and mailed, whatever its extension.
  OfferMail(target,
            "File Saved as " + target.string() +
                " without personal data.\nDo you want to e-mail the lm2 file now.",
            ui, mailer);
  return target;
}

}  // namespace lumora

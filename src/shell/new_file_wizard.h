#pragma once
// "Create a New File Wizard": fixes the new month's base, equipment, crew
// category and pairing letter, sets the category's blocking defaults, then
// runs the imports in their fixed order, one step per press of ">> Next >>":
// toolbox and month set-up, roster, absences, last month, pairings, LIS scan,
// save. A cancelled file dialog or a failed import does not stop it.

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "imports/prg_import.h"
#include "platform/dialog_model.h"
#include "shell/document_lifecycle.h"

namespace lumora {

class DocumentSession;

// The floating windows shown with the blocks of a file the wizard made.
inline constexpr WindowSwitches kNewFileWindows{.pairWindow = true, .toolbox = true};

// What the frame around the wizard does for it.
struct NewFileWizardHooks {
  // Save As of the frame (file dialog, folder, caption); true when saved.
  std::function<bool()> saveAs;
  // Closes the block views before an import that replaces what they show;
  // empty: the session's own.
  std::function<void()> closeViews;
  // The pairing import's dialogs and gauge; empty hooks get the session's.
  PrgImportHooks prg;
};

class NewFileWizard final : public DialogModel {
 public:
  static constexpr std::string_view kCaption = "Create a New File Wizard";
  static constexpr std::string_view kNextButton = ">> Next >>";
  static constexpr std::string_view kFinishedButton = "Finished";
  static constexpr std::string_view kNotLoaded = "Not Loaded";
  static constexpr std::string_view kDone = "Done";
  static constexpr std::string_view kAlternateCheck = "Ignore Info above. Use This...";
  static constexpr std::string_view kPairingsTitle = "Load This Month's Pairings";
  static constexpr std::string_view kConfirmQuestion =
      "Confirm You Would Like to Create a New File for ";
  static constexpr std::string_view kSecondMonthQuestion =
      "Do you want to load the Second Month's Absences";

  static constexpr std::array<std::string_view, 5> kBases{"YVR", "YYC", "YYZ", "YUL", "YHZ"};
  static constexpr std::array<std::string_view, 4> kEquipment{"DH8", "DH4", "CRJ", "E75"};
  static constexpr std::array<std::string_view, 3> kStatuses{"Capt", "F/O", "FA / PU"};

  enum class Status { Roster, Absences, OverlapInfo, CurrentPairings };
  static constexpr std::array<std::string_view, 4> kStatusLabels{
      "Roster", "Absences", "Overlap Info", "Current Pairings"};

  // The alternate-info edits and their lengths.
  enum class Field { Base, Equipment, Status, Letter };
  static constexpr std::array<std::string_view, 4> kFieldLabels{"Base", "Eqp", "Status",
                                                                "First Letter   of Pairings"};
  static constexpr std::array<std::size_t, 4> kFieldLengths{3, 3, 2, 1};

  // Opens on step 0 with the remembered choices preselected.
  NewFileWizard(DocumentSession& session, NewFileWizardHooks hooks = {});

  std::string_view title() const override { return kCaption; }
  // "Finished": closes once the file has been saved.
  bool accept(Ui& ui) override;

  // The choices, as indexes into kBases, kEquipment and kStatuses.
  int base() const { return base_; }
  int equipment() const { return equipment_; }
  int status() const { return status_; }
  void chooseBase(int index);
  void chooseEquipment(int index);
  void chooseStatus(int index);
  // The equipment is greyed for cabin crew, whose descriptor still carries it.
  bool equipmentEnabled() const { return status_ != kCabinStatus; }

  bool alternate() const { return alternate_; }
  void setAlternate(bool on) { alternate_ = on; }
  const std::string& field(Field field) const { return fields_[Index(field)]; }
  // Kept to the edit's length.
  void setField(Field field, std::string_view text);

  // ">> Next >>": runs the current step.
  void next(Ui& ui);

  int step() const { return step_; }
  // The text at the top (1 to 9) and its words.
  int textNumber() const { return text_; }
  std::string_view text() const;
  static std::string_view StepText(int number);
  std::string_view statusText(Status line) const;
  bool nextEnabled() const { return !complete_; }
  bool finishEnabled() const { return complete_; }
  // The file was saved: the caller builds the blocks when the wizard closes.
  bool complete() const { return complete_; }

 private:
  static constexpr int kCabinStatus = 2;
  static std::size_t Index(Field field) { return static_cast<std::size_t>(field); }

  bool create(Ui& ui);
  bool loadPairings();
  void markDone(Status line) { done_[static_cast<std::size_t>(line)] = true; }

  DocumentSession& session_;
  NewFileWizardHooks hooks_;
  int base_ = 2;
  int equipment_ = 0;
  int status_ = 0;
  bool alternate_ = false;
  std::array<std::string, 4> fields_;
  int step_ = 0;
  int text_ = 1;
  std::array<bool, 4> done_{};
  bool complete_ = false;
};

}  // namespace lumora

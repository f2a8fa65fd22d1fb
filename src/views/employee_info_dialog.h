#pragma once
// "Employee Info": everything about one crew member that is not an
// assignment (name, number, credits carried in, the legal check-in, the
// overrides of the month's blocking rules, qualifications and flags, the
// previous month day by day, notes) with his findings read-only; and the
// quick dialog of the two flags the block filters use most.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "building/block_edit.h"
#include "model/document.h"
#include "platform/canvas.h"
#include "platform/dialog_model.h"
#include "platform/ui.h"

namespace lumora {

// The text fields, for the focus after a refusal.
enum class EmployeeField {
  None,
  Name,
  EmpNumber,
  LegalCheckIn,
  CreditIn,
  ExtraCredit,
  DraftCredit,
  TimeBank,
  TrainingAtHome,
  HardTime,
  DutyStart,
  DutyStartHomeBase,
  TimeOnDuty,
  PairingStart,
  PairingTafb,
};

// The carry-in credits read as "hours, a character, minutes".
enum class CreditField { CreditIn, ExtraCredit, TimeBank, TrainingAtHome };
inline constexpr int kCreditFieldCount = 4;

// The time fields of one previous-month day, in the order of their messages.
enum class DayTimeField { HardTime, DutyStart, DutyStartHomeBase, TimeOnDuty, PairingStart, Tafb };
inline constexpr int kDayTimeFieldCount = 6;

// Values of SpecialQual.
inline constexpr int kQualNone = 0;
inline constexpr int kQualLtc = 1;
inline constexpr int kQualCheckB = 2;
inline constexpr int kQualChecker = 3;
inline constexpr int kQualLtcAndTp = 4;

// A text of hours, one separator and minutes 0 to 59, hours 0 to
// `maxHours`; nothing when it does not read so.
std::optional<int> ReadDayTime(std::string_view text, int maxHours);
// "Draft Credits": hours with decimals, whole hours, or hours:minutes.
std::int32_t ReadDraftCredit(std::string_view text);

class EmployeeInfoDialog final : public DialogModel {
 public:
  static constexpr std::string_view kCaption = "Employee Info";
  static constexpr std::size_t kNameLength = 16;
  static constexpr std::size_t kEmpDigits = 10;
  static constexpr std::size_t kNotesLength = 499;
  static constexpr int kMinDaysOffLow = 8;
  static constexpr int kMinDaysOffHigh = 30;
  static constexpr int kBlockLow = 1;
  static constexpr int kBlockHigh = 7200;
  static constexpr int kFirstDayIndex = 0;
  static constexpr int kLastDayIndex = 38;
  static constexpr int kOpeningDayIndex = 31;
  static constexpr std::int32_t kCheckerMin = 4800;
  static constexpr std::int32_t kCheckerMax = 5100;

  // The crew index must be one of the roster.
  EmployeeInfoDialog(BlockEditContext ctx, int crew);

  std::string_view title() const override { return kCaption; }
  // The OK sequence; each step stores as it goes, a refusal shows its
  // message, sets focus() and keeps the dialog open.
  bool accept(Ui& ui) override;

  int crew() const { return crew_; }
  bool cabinFile() const { return ctx_.doc.crewKind() == CrewKind::FlightAttendants; }

  // --- the fields as the controls hold them
  std::string name;
  std::string empNumber;
  std::string legalCheckIn;
  std::array<std::string, kCreditFieldCount> credits;
  std::string draftCredit;
  std::string notes;
  bool outsideW = false;
  bool bidReserve = false;
  bool age65 = false;
  bool med = false;
  bool training = false;
  bool noTimeZone = false;
  bool noYcg = false;
  bool blockComplete = false;
  std::string& credit(CreditField f) { return credits[static_cast<std::size_t>(f)]; }

  int specialQual() const { return specialQual_; }
  // A click on a qualification's radio button.
  void chooseQualification(int qual);

  // --- the override bars; each value is held inside its bar's range when set
  int minDaysOff() const { return minDaysOff_; }
  int minBlock() const { return minBlock_; }
  int maxBlock() const { return maxBlock_; }
  void setMinDaysOff(int days);
  void setMinBlock(int minutes);
  void setMaxBlock(int minutes);
  std::string minDaysOffText() const { return std::to_string(minDaysOff_); }
  std::string minBlockText() const;
  std::string maxBlockText() const;
  // "Reset to Default" and "Reduced Block": only the bars change.
  void resetToDefault();
  void reducedBlock();

  // --- "Previous Month Data": the record shown
  int dayIndex() const { return dayIndex_; }
  std::array<std::string, kDayTimeFieldCount> dayTimes;
  std::string& dayTime(DayTimeField f) { return dayTimes[static_cast<std::size_t>(f)]; }
  int dayWorked = 0;  // 0 not worked, 1 worked, 2 reserve (the grey state)
  bool dayCarsDuty = false;
  std::string dayDate() const;
  std::string dayCode() const;
  // The bar moved: the shown record is checked and stored first; on an
  // error it stays shown (false) with its message.
  bool selectDay(int index, Ui& ui);

  // --- read-only results, one line per item
  std::vector<std::string> ruleCheckLines() const;
  std::vector<std::string> illegalityLines() const;
  std::vector<std::string> warningLines() const;

  // --- labels that differ in flight-attendant files
  std::string_view flagsCaption() const { return cabinFile() ? "F/A Language" : "Flags"; }
  std::string_view age65Label() const { return cabinFile() ? "FR" : "65+"; }
  std::string_view checkBLabel() const { return cabinFile() ? "No Fams" : "Check B"; }

  EmployeeField focus() const { return focus_; }

 private:
  TPilot& pilot() { return ctx_.doc.pilot(crew_); }
  const TPilot& pilot() const { return ctx_.doc.pilot(crew_); }
  void showDay(int index);
  bool storeDay(Ui& ui);
  bool refuse(Ui& ui, std::string_view text, Icon icon, EmployeeField field);

  BlockEditContext ctx_;
  int crew_;
  int specialQual_ = 0;
  int minDaysOff_ = 0;
  int minBlock_ = 0;
  int maxBlock_ = 0;
  int dayIndex_ = kOpeningDayIndex;
  EmployeeField focus_ = EmployeeField::None;
  // The texts as they were filled: a field left as shown keeps its stored
  // value, whatever that value reads as.
  std::string openedLegalCheckIn_;
  std::array<std::string, kCreditFieldCount> openedCredits_;
  std::string openedDraftCredit_;
  std::array<std::string, kDayTimeFieldCount> openedDayTimes_;
};

// The small untitled dialog of a right click on an empty day.
class QuickEmpInfoDialog final : public DialogModel {
 public:
  static constexpr std::string_view kBidReserveText = "Bidding Res or On Leave";
  static constexpr std::string_view kBlockCompleteText = "Block is Complete";
  // How far below the pointer the dialog opens.
  static constexpr int kBelowPointer = 30;

  // `pointer` is the clicked point on the screen.
  QuickEmpInfoDialog(TDocument& doc, int crew, Point pointer);

  std::string_view title() const override { return {}; }
  // Stores both flags.
  bool accept(Ui& ui) override;

  const std::string& name() const { return name_; }
  // Where the dialog's top left corner goes on the screen.
  Point position() const { return position_; }
  bool bidReserve = false;
  bool blockComplete = false;

 private:
  TDocument& doc_;
  int crew_;
  std::string name_;
  Point position_;
};

// A crew member's "Employee Info" (a click on his name, the bids window):
// after OK his block credit, his block checks and the block filters follow,
// and the document is marked modified. True when OK stored the changes.
bool ShowEmployeeInfo(BlockEditContext ctx, int crew,
                      const std::function<void()>& reapplyBlockFilters);

// The quick dialog at `pointer` (a right click on an empty day); after OK
// the block filters are applied again. True when OK stored the flags.
bool ShowQuickEmployeeInfo(BlockEditContext ctx, int crew, Point pointer,
                           const std::function<void()>& reapplyBlockFilters);

}  // namespace lumora

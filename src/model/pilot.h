#pragma once
// A crew member (captain, first officer or flight attendant) with his block
// for the month, what he carries in from the previous month and the findings
// of the block checks; and the toolbox entry record.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/capacity.h"

namespace lumora {

using DayRecord = std::array<std::int32_t, kDayRecordWords>;

// Cell values besides a pairing index.
inline constexpr std::int32_t kEmptyCell = -1;
inline constexpr std::int32_t kOtherAssignmentCell = -2;

// Words of a day's other-assignment record (DayOther).
enum DayOtherWord : std::size_t {
  kOtherStartTime,
  kOtherHoursAtWork,
  kOtherCredit,
  kOtherHardTime,
  kOtherReserve,
  kOtherContainsDuty,
  kOtherExcludeCredit,
  kOtherCarsDuty,
};

// Words of a carry-in activity record (Activity, on the rule timeline).
enum ActivityWord : std::size_t {
  kActPairingStart,
  kActPairingTafb,
  kActDutyStart,
  kActTimeOnDuty,
  kActCredit,
  kActDailyHardTime,
  kActWorkedState,  // 0 none, 1 worked, 2 reserve
  kActSpare,
  kActCarsDuty,
  kActDutyStartHomeBase,
};

// Words of the carry-in block.
enum CarryInWord : std::size_t {
  kCreditCarriedIn = 0,
  kLegalCheckIn = 1,
  kFatUnitsCarriedIn = 2,
  kBlockComplete = 4,
  kMinBlockOverride = 5,
  kMaxBlockOverride = 6,
  kMinDaysOffOverride = 7,
  kSpecialQual = 8,
  kAgeMedFlags = 9,
  kTrainingFlag = 10,
  kNoTimeZoneFlag = 11,
  kNoYcgFlag = 12,
};

// Everything a crew-member slot holds except the duty-rule log, which a copy
// leaves alone (the who-is-legal scratch copy must not carry another crew
// member's log into the report).
struct TPilotData {
  std::string Name;
  std::string BidText1;
  std::string BidText2;
  std::string Notes;
  std::string ExceptionsText;
  std::string WarningsText;
  std::array<std::string, kBlockDays> DayCode;
  std::array<std::string, kBlockDays> DayCrewTracCode;
  std::string PairingFilterText;
  std::string BidText;
  std::string QualificationCodes;
  std::string Last89HardTimeText;
  std::array<std::string, kActivityDays> ActivityText;  // rule timeline index

  std::int32_t EmpNumber = 0;  // -1 marks a pseudo line holding another category's pairings
  std::int32_t ReservedWord = 0;
  std::uint8_t OnLeaveAllMonth = 0;
  std::array<std::int32_t, kBlockDays> DayCell{};
  std::array<std::int8_t, kBlockDays> DayRequest{};
  std::array<DayRecord, kBlockDays> DayOther{};
  std::array<DayRecord, kActivityDays> Activity{};  // rule timeline index
  std::array<std::array<std::int32_t, 3>, kRuleDays> DutyTotals{};
  std::int32_t DraftCredit = 0;
  std::int32_t ExtraCredit = 0;
  std::int32_t ReservedCredit = 0;
  std::int32_t TimeBank = 0;
  std::int32_t TbbCredit = 0;
  std::int32_t AlbCredit = 0;
  std::int32_t TrainingAtHome = 0;
  std::uint8_t OutsideWFlag = 0;
  std::array<std::int32_t, kCarryInWords> CarryIn{};
  std::array<std::int32_t, kLast89Days> Last89HardTime{};
  std::uint8_t BidReserve = 0;
  std::uint8_t BelowBlockHolderLine = 0;
  std::array<std::uint8_t, kBlockDays> DayLocked{};
  std::array<std::uint8_t, kBlockDays> ExceptionDays{};
  std::array<std::uint8_t, kBlockDays> WarningDays{};
  std::array<std::uint8_t, 100> SearchMarks{};
  // Whole hours of the block credit: wider than the file's byte so that any
  // credit is held exactly in memory.
  std::int32_t BlockCreditHours = 0;
  std::uint8_t BlockCreditMinutes = 0;
  std::uint8_t ClipSelected = 0;
  std::uint8_t FaChecked = 1;
  std::uint8_t ExportSelected = 1;

  std::int32_t& CreditCarriedIn() { return CarryIn[kCreditCarriedIn]; }
  std::int32_t CreditCarriedIn() const { return CarryIn[kCreditCarriedIn]; }
  std::int32_t& LegalCheckIn() { return CarryIn[kLegalCheckIn]; }
  std::int32_t LegalCheckIn() const { return CarryIn[kLegalCheckIn]; }
  std::int32_t& FatUnitsCarriedIn() { return CarryIn[kFatUnitsCarriedIn]; }
  std::int32_t FatUnitsCarriedIn() const { return CarryIn[kFatUnitsCarriedIn]; }
  std::int32_t& BlockComplete() { return CarryIn[kBlockComplete]; }
  std::int32_t BlockComplete() const { return CarryIn[kBlockComplete]; }
  std::int32_t& MinBlockOverride() { return CarryIn[kMinBlockOverride]; }
  std::int32_t MinBlockOverride() const { return CarryIn[kMinBlockOverride]; }
  std::int32_t& MaxBlockOverride() { return CarryIn[kMaxBlockOverride]; }
  std::int32_t MaxBlockOverride() const { return CarryIn[kMaxBlockOverride]; }
  std::int32_t& MinDaysOffOverride() { return CarryIn[kMinDaysOffOverride]; }
  std::int32_t MinDaysOffOverride() const { return CarryIn[kMinDaysOffOverride]; }
  std::int32_t& SpecialQual() { return CarryIn[kSpecialQual]; }
  std::int32_t SpecialQual() const { return CarryIn[kSpecialQual]; }
  std::int32_t& AgeMedFlags() { return CarryIn[kAgeMedFlags]; }
  std::int32_t AgeMedFlags() const { return CarryIn[kAgeMedFlags]; }
  std::int32_t& TrainingFlag() { return CarryIn[kTrainingFlag]; }
  std::int32_t TrainingFlag() const { return CarryIn[kTrainingFlag]; }
  std::int32_t& NoTimeZoneFlag() { return CarryIn[kNoTimeZoneFlag]; }
  std::int32_t NoTimeZoneFlag() const { return CarryIn[kNoTimeZoneFlag]; }
  std::int32_t& NoYcgFlag() { return CarryIn[kNoYcgFlag]; }
  std::int32_t NoYcgFlag() const { return CarryIn[kNoYcgFlag]; }
};

struct TPilot : TPilotData {
  std::string RuleCheckLog;

  TPilot() = default;
  TPilot(const TPilot& other) : TPilotData(other) {}
  // Copy: every field but RuleCheckLog.
  TPilot& operator=(const TPilot& other) {
    TPilotData::operator=(other);
    return *this;
  }

  // Resets the slot; RuleCheckLog, ReservedWord and BelowBlockHolderLine keep their values.
  void Clear();

  // Parses the 89 four-character fields of Last89HardTimeText; a text shorter
  // than 356 characters leaves the array as it is.
  void ParseLast89HardTime();

  // Sets OnLeaveAllMonth when every day of the month holds a leave code.
  void ComputeOnLeaveAllMonth(int monthLength);

  // The minimum and maximum block credit and days off that apply to him: his
  // own override when above 0, else the document's rule.
  static std::int32_t Effective(std::int32_t override, std::int32_t documentRule) {
    return override > 0 ? override : documentRule;
  }
};

bool IsLeaveCode(std::string_view code);

// The label of a day request code ("X1", "XA", "RGD", ...); empty for codes
// without one.
std::string RequestLabel(int code);

struct TAbsence {
  std::string Code;
  std::string CrewTracCode;
  std::string ButtonText;
  std::int32_t StartTime = 0;
  std::int32_t EndTime = 0;
  std::int32_t Credit = 0;
  std::int32_t HardTime = 0;
  std::uint8_t ContainsDuty = 0;
  std::uint8_t CarsDuty = 0;
  std::uint8_t CreditCounts = 1;
  std::uint8_t InToolbox = 1;

  void Clear() { *this = TAbsence{}; }
};

}  // namespace lumora

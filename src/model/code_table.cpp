#include "model/code_table.h"

#include <algorithm>
#include <array>
#include <climits>
#include <utility>

#include "model/capacity.h"
#include "model/document.h"
#include "model/time_text.h"
#include "platform/event_log.h"

namespace lumora {

namespace {

// Row layout; positions are 0-based.
constexpr std::size_t kCodeColumn = 0;
constexpr std::size_t kCrewKindColumn = 6;
constexpr std::size_t kCreditClassColumn = 23;  // "E": credit excluded from the block
constexpr std::size_t kCreditColumn = 26;       // H:MM right-aligned in 5
constexpr std::size_t kDutyColumn = 42;
constexpr std::size_t kCarsDutyColumn = 43;
constexpr std::size_t kDescriptionColumn = 50;
constexpr std::size_t kDescriptionWidth = 20;
constexpr std::size_t kExtractColumn = 71;
constexpr std::size_t kStartColumn = 121;
constexpr std::size_t kEndColumn = 127;
// A pilots' row must reach past its extract code.
constexpr std::size_t kShortestPilotRow = 73;

// The rows keep every column of the crew-tracking system's code list, the
// ones nothing reads included (two further code columns at 32 and 37, a
// number at 116, single letters).
// clang-format off
constexpr std::array<std::string_view, kCodeTableRows> kRows = {
    "5HS   C                I   5:00 5HS  5H   D       HEALTH AND SAFETY 5  5H                                           10    8:00 18:00 Y D N",
    "4HS   P                I   4:30 4HS  4H   D       HEALTH AND SAFETY    4H                                           10    8:00 16:00 Y D N",
    "UNB   P                I   4:30 UNB  UB   D       Union Business       UB                                           10    9:00 17:00 Y D N",
    "UNU   P                I        UNU  --   N       Union Unpaid Day     --                                           00    9:00 17:00 N N N",
    "CDY   C                I   4:00 CDY  CY   D       Company Day          CY                                           10    9:00 17:00 Y D N",
    "LM    C                I   5:00 LM   LM   D       Lumora Day           LM                                           10    8:00 18:00 Y D N",
    "LM    P                I   4:30 LM   LM   D       Lumora Day           LM                                           10    9:00 17:00 Y D N",
    "BRG   C                I   5:00 BRG  BR   D       Bargaining Commitee  BR                                           10    8:00 18:00 Y D N",
    "BST   C                I   2:50 BST  BT   N       Bid Award Stat Day.  BT                                           10   12:00 16:00 Y N N",
    "COB   C                I   4:00 COB  CB   D       Company Business     CB                                           10    8:00 16:00 Y D N",
    "COB   P                I   4:30 COB  CB   D       Company Business     CB                                           10    8:00 16:00 Y D N",
    "CPT   P                I   4:00 CPT  CP   DD      Cockpit Pro. Trn     CP                                           10    8:00 12:00 Y D N",
    "CBT   P                I   4:00 CBT  CT   DD      Computer Based Train CT                                           10    8:00 17:00 Y D N",
    "CIR   P                I   4:00 CIR  CR   DD      Circuits Company Use CR                                           10    9:00 17:00 Y D N",
    "CRI   P                I   5:18 CRI  CI   DD      CRM Instructor       CI                                           10    8:00 18:00 Y D N",
    "CRM   C                E   4:00 CRM  CM   DD      CREW RESOURCE MGMT   CM                                           10   10:00 18:00 Y D N",
    "CRM   P                I   4:00 CRM  CM   DD      Crew Resource Mgmt   CM                                           10   10:00 18:00 Y D N",
    "DFD   P                I   2:00 DFD  DD   N       Duty Free Day        DD                                           10   12:00 16:00 Y N N",
    "DOR   C                I        DOR  --   N       Day Off Required     --                                           00   12:00 16:00 N N N",
    "FAT   C                I   4:45 FAT  FT   D       FIRST AID            FT                                           10    9:00 16:00 Y D N",
    "FLS   P                I   5:00 FLS  FS   DD      Flight Safety        FS                                           10    9:00 17:00 Y D N",
    "FOC   C                I   4:00 FOC  FC   D       FOCUS GROUP          FC                                           10    8:00 17:00 Y D N",
    "FRN   C                I   4:00 FRN  FN   D       FRENCH TRAINING      FN                                           10    8:30 15:30 Y D N",
    "FSA   C                I   5:00 FSA  FA   D       F/A Special Assignmt FA                                           10    8:00 18:00 Y D N",
    "GO    C                I        GO   GO   N       Guaranteed Day Off   GO                                           00   12:00 16:00 N N N",
    "GO    P                I        GO   GO   N       Guaranteed Day Off   GO                                           00   12:00 16:00 N N N",
    "GS    P                I   4:00 GS   GS   DD      Ground School        GS                                           10    8:00 17:00 Y D N",
    "GSI   P                I   5:18 GSI  GI   DD      GRS Instructor       GI                                           10    8:00 18:00 Y D N",
    "HTL   C                I   5:00 HTL  HO   D       Hotel Commitee       HO                                           10    8:00 18:00 Y D N",
    "IDO   P                I   5:00 IDO  I8   D       CRM Inst on Day Off  I8                                           10    9:00 17:00 Y D N",
    "INS   C                I   5:00 INS  IS   D       F/A TRNG INSTRUCTOR  IS                                           10    8:00 16:00 Y D N",
    "IPT   P                I   4:00 IPT  IP   DD      Inst Procedures Trn  IP                                           10    8:00 12:00 Y D N",
    "ITR   P                I   4:00 ITR  IT   DD      Initial Training     IT                                           10    9:00 17:00 Y D N",
    "LDS   C                I   4:00 LDS  LS   N       Leadership Training  LS                                           10   10:00 17:00 Y N N",
    "LOA   C                I   2:50 LOA  LA   N       Leave of Absence     LA                                           10   12:00 16:00 Y N N",
    "LOA   P                I   2:50 LOA  LA   N       Leave of Absence     LA                                           10   12:00 16:00 Y N N",
    "MAT   C                I   2:50 MAT  MT   N       Maternity Leave      MT                                           10   12:00 16:00 Y N N",
    "MAT   P                I   2:50 MAT  MT   N       Maternity Leave      MT                                           10   12:00 16:00 Y N N",
    "MED   C                I   2:50 MED  MD   N       Medical Leave        MD                                           10   12:00 16:00 Y N N",
    "MED   P                I   2:50 MED  MD   N       Medical Leave        MD                                           10   12:00 16:00 Y N N",
    "MOV   C                I   4:00 MOV  MV   N       Moving Days          MV                                           10   12:00 16:00 Y N N",
    "MOV   P                I   2:50 MOV  MV   N       Moving Days          MV                                           10   12:00 16:00 Y N N",
    "MOD   C                I   2:30 MOD  MW   N       Modified Work        MW                                           10   12:00 13:00 Y N N",
    "OF    C                I   4:00 OF   OC   DD      OFFICE DAY           OC                                           10    8:00 16:00 Y D N",
    "OF    P                I   4:30 OF   OC   DD      Office Day           OC                                           10    8:00 17:00 Y D N",
    "REC   C                E   4:00 REC  RT   D       F/A RECURENT TRNG    RT                                           10    9:00 17:00 Y D N",
    "RA    C                I   4:00 RA   RA   D       Reserve A            RA                                           10    4:00 18:00 Y D N",
    "RA    P                I        RA   RA   DD      Reserve A            RA                                           00    3:00 17:00 N D N",
    "RB    C                I   4:00 RB   RB   D       Reserve B            RB                                           10   12:00 02:00 Y D N",
    "RB    P                I        RB   RB   DD      Reserve B            RB                                           00   12:00 02:00 N D N",
    "RE    C                I   4:00 RE   RE   D       Reserve Early        RE                                           10    3:00 17:00 Y D N",
    "RCK   P                D        RCK  RK   DD      Check Pilot Reserve  RK                                           00    7:00 19:00 N D N",
    "SDO   P                I        SDO  SO   N       DAY OFF IN STAT WK   SO                                           00   12:00 16:00 N N N",
    "SEC   C                I   4:00 SEC  SC   DD      Security Training    SC                                           10    8:00 17:00 Y D N",
    "SEC   P                I   4:00 SEC  SC   DD      Security Train I/W   SC                                           10    8:00 17:00 Y D N",
    "SEW   P                E   4:00 SEW  SW   DD      Secur Train OutWin   SW                                           10    8:00 17:00 Y D N",
    "SIM   P                I   4:00 SIM  SM   DD      Simulator Day        SM                                           10    9:00 15:00 Y D N",
    "STA   P                I   4:00 STA  SA   N       STAT                 SA                                           10   12:00 16:00 Y N N",
    "STA   C                I   4:00 STA  SA   N       STAT                 SA                                           10   12:00 16:00 Y N N",
    "STT   P                I   4:00 STT  ST   N       STAT                 ST                                           10   12:00 16:00 Y N N",
    "STT   C                I   4:00 STT  ST   N       Stat Day - Operation ST                                           10   12:00 16:00 Y N N",
    "TBK   C                I   2:50 TBK  TK   N       TIME BANK            TK                                           10   12:00 16:00 Y N N",
    "TEA   C                I   5:00 TEA  TE   D       Teamster Day         TE                                           10    8:00 18:00 Y D N",
    "TRN   C                I   4:00 TRN  TN   D       Training             TN                                           10    9:00 17:00 Y D N",
    "TRN   P                I   4:00 TRN  TN   DD      TRAINING             TN                                           10    9:00 17:00 Y D N",
    "TVL   C                I   4:00 TVL  TL   DD      Travel Day           TL                                           10   12:00 16:00 Y D N",
    "TVL   P                I   4:30 TVL  TL   DD      Travel Day           TL                                           10    9:00 17:00 Y D N",
    "TVU   C                I        TVU  TU   N       Travel Day Unpaid    TU                                           00   12:00 12:01 N N N",
    "TVU   P                I        TVU  TU   N       Travel Day Unpaid    TU                                           00   12:00 12:01 N N N",
    "TVS   P                I   4:00 TVS  TS   DD      Travel and Sim Day   TS                                           10    8:00 16:00 Y D N",
    "UNF   C                I   5:00 UNF  UN   D       Uniform Commitee     UN                                           10    8:00 18:00 Y D N",
    "UTF   C                I        UTF  UF   N       Unable to Fly        UF                                           00    8:00 16:00 N N N",
    "UTF   P                I        UTF  UF   N       Unable to Fly        UF                                           00    8:00 16:00 N N N",
    "VAC   C                I   2:50 VAC  VC   N       Vacation             VC                                           10   12:00 16:00 Y N N",
    "VAC   P                I   2:50 VAC  VC   N       Vacation             VC                                           10   12:00 16:00 Y N N",
    "VAU   P                I   2:50 VAU  VU   N       Vacation Unpaid      VU                                           10   12:00 16:00 Y N N",
    "VAU   C                I   2:50 VAU  VU   N       Vacation Unpaid      VU                                           10   12:00 16:00 Y N N",
    "SIW   P                E   4:00 SIW  74   DD      Simulator Day OutWin 74                                           10    9:00 15:00 Y D N",
    "CRW   P                E   4:00 CRW  CW   DD      Crew Rsc Mgmt OutWin CW                                           10   10:00 18:00 Y D N",
    "GRW   P                E   4:00 GRW  GW   DD      Ground School OutWin GW                                           10    8:00 17:00 Y D N",
    "LCK   P                I   5:18 LCK  LC   N       Line Check Day       LC                                           10    7:00 19:00 Y N N",
    "SMI   P                I   5:18 SMI  SI   DD      Simulator Inst Day   SI                                           10    9:00 15:00 Y D N",
    "VTP   P                I   5:18 VTP  VT   N       Check Pilot Vac Day  VT                                           10   12:00 16:00 Y N N",
    "WCB   C                U        WCB  64   N       WORKERS COMPENSATION 64                                           00   12:00 12:01 N N N",
    "WCB   P                U        WCB  64   N       WORKERS COMPENSATION 64                                           00   12:00 12:01 N N N",
    "LTD   C                U        LTD  LD   N       Long Term Disability LD                                           00   12:00 12:01 N N N",
    "LTD   P                U        LTD  LD   N       Long Term Disability LD                                           00   12:00 12:01 N N N",
    "PSD   C                U        PSD  PD   N       Preplanned STD       PD                                           00   12:00 12:01 N N N",
    "PSD   P                U        PSD  PD   N       Preplanned STD       PD                                           00   12:00 12:01 N N N",
    "IPW   P                E   4:00 IPW  IW   DD      Inst ProcTrng OutWin IW                                           10    8:00 17:00 Y D N",
    "CPW   P                E   4:00 CPW  68   DD      Ckpit ProcTrn OutWin 68                                           10    8:00 17:00 Y D N",
    "CBW   P                E   4:00 CBW  BW   DD      Comp BsdTrn OutWin   BW                                           10    8:00 17:00 Y D N",
    "SEW   P                E   4:00 SEW  SW   DD      SEC OutWin           SW                                           10    8:00 17:00 Y D N",
    "TVW   P                E   4:00 TVW  TW   DD      Travl Sim Day OutWin TW                                           10    8:00 17:00 Y D N",
    "UBN   P                G   4:30 UBN  53   N       Union Business Day   53                                           10    9:00 17:00 Y N N",
    "SCK   P                G   4:00 SCK  54   N       SICK                 54                                           10    0:00  0:00 Y N N",
    "LCK   P                U        LCK  62   N                            62                                           00    0:01  0:02 N N N",
    "LCP   P                U        LCP  59   N       Line Check Pending   59                                           00    1:00  2:00 N N N",
    "SMI   P                D   4:00 SMI  SU   N       Sim Instruction      SU                                           10    9:00 17:00 Y N N",
    "LPC   P                P        LPC  LC   DD      CONDUCTING LINE CK   LC                                           00    0:00  0:00 N D N",
    "GDV   P                U        GDV  GV   N       G-Day w/Vacation     GV                                           00   12:00 12:01 N N N",
    "DDT   P                D   4:30 DDT  49   N       Double Training Duty 49                                           10    0:00  0:00 Y N N",
    "IPI   P                G   4:00 IPI  56   N       IPT Instructor       56                                           10    8:00 17:00 Y N N",
    "RSF   C                D   4:00 RSF  67   DD      Reserve Call First   67                                           10    0:01 23:59 Y D N",
    "RSF   P                D        RSF  67   DD      Reserve Call First   67                                           00   12:00 12:01 N D N",
    "OWP   C                P        OWP  H9   N       OFF WITH PAY         H9                                           00   12:00 12:01 N N N",
    "OWP   P                P        OWP  52   N       OFF WITH PAY         52                                           00   12:00 12:01 N N N",
    "ONP   C                U        ONP  OP   N       OFF NO PAY           OP                                           00   12:00 12:01 N N N",
    "ONP   P                U        ONP  OP   N       OFF NO PAY           OP                                           00   12:00 12:01 N N N",
    "FPG   C                P        FPG  FG   D       FLT PAY GUARANTEE    FG                                           00   12:00 12:01 N D N",
    "FPG   P                P        FPG  FG   N       FLT PAY GUARANTEE    FG                                           00   12:00 12:01 N N N",
    "BEV   C                P        BEV  BV   N       Bereavement          BV                                           00    0:00  0:00 N N N",
    "BEV   P                P        BEV  BV   N       Bereavement          BV                                           00    0:00  0:00 N N N",
    "SKU   C                U        SKU  61   N       Sick Unpaid          61                                           00    0:00  0:00 N N N",
    "SKU   P                U        SKU  61   N       Sick Unpaid          61                                           00    0:00  0:00 N N N",
    "RTA   C                U        RTA  69   D       Res Trade Add        69                                           00    0:00  0:00 N D N",
    "RTA   P                U        RTA  69   D       RES TTRADE ADD       69                                           00    0:00  0:00 N D N",
};
// clang-format on

constexpr std::array<std::string_view, 22> kPilotReserveCodes = {
    "RA", "RB", "RC", "RE", "RK", "AT", "16", "ET", "CF", "34", "FB",
    "FE", "OR", "09", "14", "03", "18", "19", "17", "AR", "ER", "BR"};
constexpr std::array<std::string_view, 4> kCabinReserveCodes = {"RA", "RB", "RC", "RE"};
// Reserve codes whose button is named after the extract code.
constexpr std::array<std::string_view, 11> kPilotExtractNamedCodes = {
    "RA", "RB", "RC", "RE", "RK", "AT", "ET", "CF", "FB", "FE", "OR"};

struct RequestText {
  std::string_view code;
  std::string_view text;
};
constexpr std::array<RequestText, kRequestButtonCount> kRequests = {{
    {"X1", "First Request"},
    {"X2", "Second Request"},
    {"X3", "Third Request"},
    {"X4", "Forth Request"},
    {"X5", "Fifth Request"},
    {"X6", "Sixth Request"},
    {"X7", "Seventh Request"},
    {"X8", "Eighth Request"},
    {"X9", "Nineth Request"},
    {"XA", "Off in the AM"},
    {"XP", "Off in the PM"},
    {"XM", "Off in the Middle of Day"},
}};

template <std::size_t N>
bool OneOf(const std::array<std::string_view, N>& list, std::string_view value) {
  return std::find(list.begin(), list.end(), value) != list.end();
}

// The columns of a row, empty where the row is too short.
std::string_view Column(std::string_view row, std::size_t position, std::size_t width) {
  if (position >= row.size()) return {};
  return row.substr(position, width);
}

bool Letter(std::string_view row, std::size_t position, char letter) {
  return position < row.size() && row[position] == letter;
}

// H:MM right-aligned in five columns; blanks read as 0.
std::int32_t ClockColumn(std::string_view row, std::size_t position) {
  return LeadingInt(Column(row, position, 2)) * 60 + LeadingInt(Column(row, position + 3, 2));
}

char CrewLetter(bool cabin) {
  return cabin ? 'C' : 'P';
}

std::string_view TrimRight(std::string_view text) {
  const auto end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
}

// End less start, a day later when it ends before it starts. Stored entries
// can hold any value, so the difference is taken without overflow.
std::int32_t TimeAtWork(std::int32_t start, std::int32_t end) {
  std::int64_t minutes = std::int64_t{end} - start;
  if (minutes < 0) minutes += kMinutesPerDay;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(minutes, INT_MIN, INT_MAX));
}

ToolboxItem RowButton(std::string_view row) {
  ToolboxItem item;
  const std::string_view code = Column(row, kCodeColumn, 3);
  item.code = std::string(Letter(row, 2, ' ') ? code.substr(0, 2) : code);
  item.message = std::string(TrimRight(Column(row, kDescriptionColumn, kDescriptionWidth)));
  item.crewTracCode = std::string(Column(row, kExtractColumn, 2));
  item.credit = ClockColumn(row, kCreditColumn);
  item.start = ClockColumn(row, kStartColumn);
  item.timeAtWork = TimeAtWork(item.start, ClockColumn(row, kEndColumn));
  item.reserve = item.crewTracCode == "RA" || item.crewTracCode == "RB" ||
                 item.crewTracCode == "RE" || code == "RCK";
  item.containsDuty = Letter(row, kDutyColumn, 'D');
  item.excludeCredit = Letter(row, kCreditClassColumn, 'E');
  item.carsDuty = Letter(row, kCarsDutyColumn, 'D');
  return item;
}

ToolboxItem EntryButton(const TAbsence& entry, bool cabin) {
  ToolboxItem item;
  const bool namedByExtract = cabin ? OneOf(kCabinReserveCodes, entry.CrewTracCode)
                                    : OneOf(kPilotExtractNamedCodes, entry.CrewTracCode);
  item.code = namedByExtract ? entry.CrewTracCode : entry.Code;
  item.message = entry.ButtonText;
  item.crewTracCode = entry.CrewTracCode;
  item.credit = entry.Credit;
  item.start = entry.StartTime;
  item.timeAtWork = TimeAtWork(entry.StartTime, entry.EndTime);
  item.hardTime = entry.HardTime;
  item.reserve = EntryIsReserve(entry, cabin);
  item.containsDuty = entry.ContainsDuty != 0;
  item.excludeCredit = entry.CreditCounts == 0;
  item.carsDuty = entry.CarsDuty != 0;
  return item;
}

// A built-in row with its columns read. The table is read once, on first
// use: the extract imports look a code up for every absence of every crew
// member, and the toolbox asks for its buttons on every repaint.
struct ParsedRow {
  bool pilotRowTooShort = false;
  char crewKind = ' ';
  std::string_view extractCode;
  std::string code;  // all three columns, a 2-letter code with its blank
  std::int32_t credit = 0;
  std::uint8_t containsDuty = 0;
  std::uint8_t carsDuty = 0;
  bool givesButton = false;  // a button row with an extract code
  ToolboxItem button;
};

using ParsedRows = std::array<ParsedRow, kCodeTableRows>;

const ParsedRows& BuiltInRows() {
  static const ParsedRows rows = [] {
    ParsedRows parsed;
    for (std::size_t r = 0; r < kRows.size(); ++r) {
      const std::string_view row = kRows[r];
      ParsedRow& p = parsed[r];
      p.pilotRowTooShort = row.size() < kShortestPilotRow;
      p.crewKind = kCrewKindColumn < row.size() ? row[kCrewKindColumn] : ' ';
      p.extractCode = Column(row, kExtractColumn, 2);
      p.code = std::string(Column(row, kCodeColumn, 3));
      p.credit = ClockColumn(row, kCreditColumn);
      p.containsDuty = Letter(row, kDutyColumn, 'D');
      p.carsDuty = Letter(row, kCarsDutyColumn, 'D');
      p.givesButton = r < static_cast<std::size_t>(kCodeTableButtonRows) &&
                      !Letter(row, kExtractColumn, ' ') && row.size() > kExtractColumn;
      if (p.givesButton) p.button = RowButton(row);
    }
    return parsed;
  }();
  return rows;
}

std::optional<AssignmentCode> LookupBuiltInCode(bool cabin, std::string_view extractCode,
                                                EventLog& log) {
  for (const ParsedRow& row : BuiltInRows()) {
    if (!cabin && row.pilotRowTooShort) {
      log.write("Bornemann Codes Data Error\n");
      continue;
    }
    if (row.crewKind != CrewLetter(cabin)) continue;
    if (row.extractCode != extractCode) continue;

    AssignmentCode found;
    found.code = row.code;
    found.credit = row.credit;
    found.containsDuty = row.containsDuty;
    if (!cabin) found.carsDuty = row.carsDuty;
    found.reserve = cabin ? (found.code == "RA " || found.code == "RB " || found.code == "RE ")
                          : IsPilotReserveExtractCode(extractCode);
    return found;
  }
  return std::nullopt;
}

}  // namespace

std::span<const std::string_view> BuiltInCodeRows() {
  return kRows;
}

bool IsCabinDocument(const TDocument& doc) {
  return doc.crewKind() == CrewKind::FlightAttendants;
}

bool IsPilotReserveExtractCode(std::string_view extractCode) {
  return OneOf(kPilotReserveCodes, extractCode);
}

bool EntryIsReserve(const TAbsence& entry, bool cabin) {
  if (entry.Code == "RTB") return false;
  return cabin ? OneOf(kCabinReserveCodes, entry.CrewTracCode)
               : IsPilotReserveExtractCode(entry.CrewTracCode);
}

std::optional<AssignmentCode> LookupAssignmentCode(const TDocument& doc,
                                                   std::string_view extractCode, EventLog& log) {
  const bool cabin = IsCabinDocument(doc);
  const std::int32_t entries = doc.toolboxSize();
  if (entries == 0) return LookupBuiltInCode(cabin, extractCode, log);

  for (std::int32_t t = 0; t < entries; ++t) {
    const TAbsence& entry = doc.toolboxItem(t);
    if (entry.CrewTracCode != extractCode) continue;
    AssignmentCode found;
    found.code = entry.Code;
    found.credit = entry.Credit;
    found.hardTime = entry.HardTime;
    found.containsDuty = entry.ContainsDuty != 0;
    found.carsDuty = entry.CarsDuty != 0;
    found.reserve = EntryIsReserve(entry, cabin);
    found.excludeCredit = entry.CreditCounts == 0;
    return found;
  }
  return std::nullopt;
}

ToolboxItem RequestButton(int n) {
  ToolboxItem item;
  if (n < 1 || n > kRequestButtonCount) return item;
  const RequestText& request = kRequests[static_cast<std::size_t>(n - 1)];
  item.code = std::string(request.code);
  item.message = std::string(request.code) + " " + std::string(request.text);
  item.credit = -n;
  return item;
}

std::vector<ToolboxItem> ToolboxButtons(const TDocument& doc) {
  std::vector<ToolboxItem> buttons;
  buttons.reserve(kToolboxButtonSlots);
  for (int n = 1; n <= kRequestButtonCount; ++n) buttons.push_back(RequestButton(n));

  const bool cabin = IsCabinDocument(doc);
  const std::int32_t entries = doc.toolboxSize();
  const auto full = [&] { return buttons.size() >= static_cast<std::size_t>(kToolboxButtonSlots); };
  if (entries > 0) {
    for (std::int32_t t = 0; t < entries && !full(); ++t) {
      const TAbsence& entry = doc.toolboxItem(t);
      if (entry.InToolbox != 0) buttons.push_back(EntryButton(entry, cabin));
    }
    return buttons;
  }
  const ParsedRows& rows = BuiltInRows();
  for (std::size_t r = 0; r < static_cast<std::size_t>(kCodeTableButtonRows) && !full(); ++r) {
    const ParsedRow& row = rows[r];
    if (row.crewKind != CrewLetter(cabin) || !row.givesButton) continue;
    buttons.push_back(row.button);
  }
  return buttons;
}

std::optional<ToolboxItem> FindToolboxButton(const TDocument& doc, std::string_view code) {
  for (ToolboxItem& button : ToolboxButtons(doc)) {
    if (button.code == code) return std::move(button);
  }
  return std::nullopt;
}

std::string ToolboxCaption(const TDocument& doc) {
  if (doc.ToolboxCount > 0) return "ToolBox Date " + doc.ToolboxDate;
  return "Default ToolBox";
}

std::string DayRequestName(int request) {
  if (request >= 1 && request <= kRequestButtonCount) {
    return std::string(kRequests[static_cast<std::size_t>(request - 1)].code);
  }
  if (request == 13) return "RGD";
  if (request == 14) return "RPD";
  if (request >= 20 && request <= 51) return "X" + std::to_string(request - 19);
  return {};
}

}  // namespace lumora

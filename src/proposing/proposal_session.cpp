#include "proposing/proposal_session.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

#include "building/assign.h"
#include "model/time_text.h"
#include "platform/event_log.h"
#include "platform/ui.h"
#include "rules/check_block.h"
#include "rules/days_off.h"
#include "rules/rule_results.h"
#include "rules/whos_legal.h"

namespace lumora {

bool OfferedBefore(const CrewToFill& crew, const OpenInstance& x, const OpenInstance& y) {
  const int rx = crew.bidRank(x.number);
  const int ry = crew.bidRank(y.number);
  if ((rx > 0) != (ry > 0)) return rx > 0;
  if (rx != ry) return rx < ry;
  return x.credit > y.credit;
}

namespace {

// Whoever answers the questions of a trial assignment says No: a short rest
// or a cabin without a French member is never proposed.
class DecliningUi final : public Ui {
 public:
  void message(std::string_view, std::string_view, Icon) override {}
  Answer ask(std::string_view, std::string_view, Buttons buttons, Icon) override {
    return buttons == Buttons::OkCancel ? Answer::Cancel : Answer::No;
  }
  std::vector<std::string> openFiles(const FileDialogOptions&) override { return {}; }
  std::optional<std::string> saveFile(const FileDialogOptions&) override { return std::nullopt; }
  void showList(std::string_view, const std::vector<std::string>&) override {}
  std::unique_ptr<Progress> progress(std::string_view, std::string_view) override {
    return std::make_unique<SilentProgress>();
  }
  void beep() override {}
  void setWaitCursor(bool) override {}
  bool run(DialogModel&) override { return false; }

 private:
  class SilentProgress final : public Progress {
   public:
    void setRange(int) override {}
    void setPosition(int) override {}
  };
};

constexpr std::int64_t kPilotRest = 660;
constexpr std::int64_t kCabinRest = 720;

bool IsOpen(std::int32_t status) {
  return status == kOpenInstance || status == -kOpenInstance;
}

std::uint64_t DayBits(int first, int count) {
  std::uint64_t bits = 0;
  for (int d = std::max(first, 0); d < std::min(first + count, kBlockDays); ++d)
    bits |= std::uint64_t{1} << d;
  return bits;
}

// The pairing numbers of the pairing filter's always-shown fields (four
// characters each, before "TEXT"): the numbers he bid for, in his order.
std::vector<int> BidNumbers(const std::string& filter) {
  std::vector<int> numbers;
  const std::size_t end = filter.find("TEXT");
  if (end == std::string::npos) return numbers;
  for (std::size_t at = 0; at < end; at += 4) {
    const std::string_view field(filter.data() + at, std::min<std::size_t>(4, end - at));
    const std::size_t first = field.find_first_not_of(' ');
    if (first == std::string_view::npos) continue;
    int value = 0;
    const auto [ptr, ec] =
        std::from_chars(field.data() + first, field.data() + field.size(), value);
    if (ec == std::errc() && value > 0) numbers.push_back(value);
  }
  return numbers;
}

std::uint64_t ClosedDays(const TDocument& doc, const TPilot& pilot) {
  std::uint64_t closed = 0;
  for (int d = 0; d < kBlockDays; ++d) {
    const auto day = static_cast<std::size_t>(d);
    const std::int32_t cell = pilot.DayCell[day];
    if (cell >= 0 && doc.isPairIndex(cell)) {
      closed |= DayBits(d, std::max<int>(1, doc.pair(cell).Length));
    } else if (cell != kEmptyCell) {
      closed |= DayBits(d, 1);
      const DayRecord& other = pilot.DayOther[day];
      if (cell == kOtherAssignmentCell && other[kOtherContainsDuty] != 0) {
        const std::int64_t more =
            (std::int64_t{other[kOtherStartTime]} + other[kOtherHoursAtWork] - 1) / kMinutesPerDay;
        closed |= DayBits(d, 1 + static_cast<int>(std::clamp<std::int64_t>(more, 0, kBlockDays)));
      }
    }
    if (pilot.DayLocked[day] != 0 || pilot.DayRequest[day] > 0) closed |= DayBits(d, 1);
  }
  // Work carried in from last month on this month's first days.
  for (int d = 0; d + kPrevDays < kActivityDays; ++d)
    if (pilot.Activity[static_cast<std::size_t>(d + kPrevDays)][kActWorkedState] != 0)
      closed |= DayBits(d, 1);
  return closed;
}

std::string Ordinal(int n) {
  const int tens = n % 100;
  const char* suffix = "th";
  if (tens < 11 || tens > 13) {
    if (n % 10 == 1) suffix = "st";
    if (n % 10 == 2) suffix = "nd";
    if (n % 10 == 3) suffix = "rd";
  }
  return std::to_string(n) + suffix;
}

bool GainsItem(std::string_view before, std::string_view after) {
  const std::vector<std::string_view> old = SplitItems(before);
  for (const std::string_view item : SplitItems(after))
    if (std::find(old.begin(), old.end(), item) == old.end()) return true;
  return false;
}

}  // namespace

int CrewToFill::bidRank(int number) const {
  const auto at = std::find(bidNumbers.begin(), bidNumbers.end(), number);
  return at == bidNumbers.end() ? 0 : static_cast<int>(at - bidNumbers.begin()) + 1;
}

struct ProposalSession::Saved {
  std::vector<TPilot> pilots;  // the roster, then the scratch slot
  std::vector<std::string> logs;
  std::vector<MonthDayArray> status;
  TransactionHistory history;
  DocumentViewState view;
  std::uint8_t modified = 0;
  std::vector<CrewToFill> crews;
};

ProposalSession::ProposalSession(TDocument& doc, BlockRules& rules, const std::vector<int>& crews)
    : doc_(doc),
      ui_(std::make_unique<DecliningUi>()),
      log_(std::make_unique<EventLog>()),
      rules_(rules),
      ctx_{doc, *ui_, *log_, rules_, views_},
      saved_(std::make_unique<Saved>()) {
  const int roster = doc.rosterSize();
  const int days = doc.monthDays();
  for (int p = 0; p <= doc.lastPairIndex(); ++p) {
    const TPair& pair = doc.pair(p);
    for (int d = 0; d < days; ++d) {
      if (!IsOpen(pair.DayStatus[static_cast<std::size_t>(d)])) continue;
      OpenInstance instance;
      instance.pair = p;
      instance.day = d;
      instance.number = pair.Number;
      instance.credit = static_cast<std::int32_t>(InstanceCreditInMonth(pair, d, days));
      instance.days = DayBits(d, std::max<int>(1, pair.Length));
      instance.start = std::int64_t{d} * kMinutesPerDay + pair.OnTime;
      instance.end = instance.start + std::max<std::int32_t>(pair.TAFB, 0);
      instances_.push_back(instance);
    }
  }
  taken_.assign(instances_.size(), 0);
  instanceAt_.assign(static_cast<std::size_t>(doc.lastPairIndex() + 1) * kMonthDays, -1);
  for (std::size_t i = 0; i < instances_.size(); ++i)
    instanceAt_[static_cast<std::size_t>(instances_[i].pair) * kMonthDays +
                static_cast<std::size_t>(instances_[i].day)] = static_cast<int>(i);

  std::vector<int> chosen = crews;
  if (chosen.empty())
    for (int c = 0; c < roster; ++c) chosen.push_back(c);
  std::sort(chosen.begin(), chosen.end());
  chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
  for (const int c : chosen) {
    if (!doc.isRosterIndex(c)) continue;
    const TPilot& pilot = doc.pilot(c);
    // Pseudo lines hold another category's pairings; reserve lines and
    // crew members away all month fly no block.
    if (pilot.EmpNumber == -1 || OnReserveLine(pilot) || pilot.OnLeaveAllMonth != 0) continue;
    CrewToFill crew;
    crew.index = c;
    crew.limits = CreditLimitsOf(doc, pilot);
    crew.credit = BlockCreditOf(pilot);
    crew.closed = ClosedDays(doc, pilot);
    for (int d = 0; d < days; ++d)
      if (pilot.DayRequest[static_cast<std::size_t>(d)] > 0) ++crew.requestedDays;
    crew.bidNumbers = BidNumbers(pilot.PairingFilterText);
    if (crew.credit >= crew.limits.maximum) continue;
    crews_.push_back(std::move(crew));
  }

  Saved& s = *saved_;
  s.pilots.reserve(static_cast<std::size_t>(roster) + 1);
  s.logs.reserve(static_cast<std::size_t>(roster) + 1);
  for (int c = 0; c < roster; ++c) {
    s.pilots.push_back(doc.pilot(c));
    s.logs.push_back(doc.pilot(c).RuleCheckLog);
  }
  s.pilots.push_back(doc.pilot(kScratchPilot));
  s.logs.push_back(doc.pilot(kScratchPilot).RuleCheckLog);
  for (int p = 0; p <= doc.lastPairIndex(); ++p) s.status.push_back(doc.pair(p).DayStatus);
  s.history = doc.History;
  s.view = doc.view;
  s.modified = doc.Modified;
  s.crews = crews_;

  for (int c = 0; c < roster; ++c) {
    exceptions_.push_back(doc.pilot(c).ExceptionsText);
    exceptionDays_.push_back(doc.pilot(c).ExceptionDays);
  }
}

ProposalSession::~ProposalSession() {
  restore();
}

int ProposalSession::instanceAt(int pair, int day) const {
  if (pair < 0 || day < 0 || day >= kMonthDays) return -1;
  const std::size_t at =
      static_cast<std::size_t>(pair) * kMonthDays + static_cast<std::size_t>(day);
  return at < instanceAt_.size() ? instanceAt_[at] : -1;
}

int ProposalSession::restMinutes() const {
  return static_cast<int>(doc_.crewKind() == CrewKind::FlightAttendants ? kCabinRest : kPilotRest);
}

void ProposalSession::restore() {
  const Saved& s = *saved_;
  const int roster = static_cast<int>(s.pilots.size()) - 1;
  for (int c = 0; c < roster; ++c) {
    const auto i = static_cast<std::size_t>(c);
    doc_.pilot(c) = s.pilots[i];
    doc_.pilot(c).RuleCheckLog = s.logs[i];
    exceptions_[i] = s.pilots[i].ExceptionsText;
    exceptionDays_[i] = s.pilots[i].ExceptionDays;
  }
  doc_.pilot(kScratchPilot) = s.pilots.back();
  doc_.pilot(kScratchPilot).RuleCheckLog = s.logs.back();
  for (std::size_t p = 0; p < s.status.size(); ++p)
    doc_.pair(static_cast<int>(p)).DayStatus = s.status[p];
  doc_.History = s.history;
  doc_.view = s.view;
  doc_.Modified = s.modified;
  crews_ = s.crews;
  std::fill(taken_.begin(), taken_.end(), std::uint8_t{0});
}

bool ProposalSession::fits(const CrewToFill& crew, const OpenInstance& instance) const {
  return (crew.closed & instance.days) == 0 &&
         std::int64_t{crew.credit} + instance.credit <= crew.limits.maximum;
}

bool ProposalSession::gainedException() {
  std::vector<int> changed;
  for (int c = 0; c < doc_.rosterSize(); ++c) {
    const auto i = static_cast<std::size_t>(c);
    const TPilot& pilot = doc_.pilot(c);
    if (pilot.ExceptionsText == exceptions_[i] && pilot.ExceptionDays == exceptionDays_[i])
      continue;
    for (int d = 0; d < kBlockDays; ++d) {
      const auto day = static_cast<std::size_t>(d);
      if (pilot.ExceptionDays[day] != 0 && exceptionDays_[i][day] == 0) return true;
    }
    if (GainsItem(exceptions_[i], pilot.ExceptionsText)) return true;
    changed.push_back(c);
  }
  for (const int c : changed) {
    const auto i = static_cast<std::size_t>(c);
    exceptions_[i] = doc_.pilot(c).ExceptionsText;
    exceptionDays_[i] = doc_.pilot(c).ExceptionDays;
  }
  return false;
}

bool ProposalSession::tryAssign(CrewToFill& crew, int instance) {
  const OpenInstance& inst = instances_[static_cast<std::size_t>(instance)];
  if (taken(instance) || !fits(crew, inst)) return false;
  if (TestLegalFor(doc_, crew.index, inst.pair, inst.day) != kLegal) return false;
  const bool daysOffHeld = DaysOffStatus(doc_, crew.index) != TotalStatus::OutsideRange;
  if (AssignPair(ctx_, crew.index, inst.pair, inst.day, false) != kAssigned) return false;
  const std::int32_t credit = BlockCreditOf(doc_.pilot(crew.index));
  if (credit > crew.limits.maximum ||
      (daysOffHeld && DaysOffStatus(doc_, crew.index) == TotalStatus::OutsideRange) ||
      gainedException()) {
    RemovePair(ctx_, crew.index, inst.pair, inst.day);
    // The removal's checks put the findings back; the baseline holds them.
    gainedException();
    return false;
  }
  crew.credit = credit;
  crew.closed |= inst.days;
  taken_[static_cast<std::size_t>(instance)] = 1;
  return true;
}

void ProposalSession::unassign(CrewToFill& crew, int instance) {
  const OpenInstance& inst = instances_[static_cast<std::size_t>(instance)];
  if (!taken(instance)) return;
  RemovePair(ctx_, crew.index, inst.pair, inst.day);
  gainedException();
  crew.credit = BlockCreditOf(doc_.pilot(crew.index));
  crew.closed &= ~inst.days;
  taken_[static_cast<std::size_t>(instance)] = 0;
}

ProposedAssignment ProposalSession::describe(const CrewToFill& crew, int instance,
                                             std::int32_t creditBefore) const {
  const OpenInstance& inst = instances_[static_cast<std::size_t>(instance)];
  ProposedAssignment a;
  a.crew = crew.index;
  a.pair = inst.pair;
  a.day = inst.day;
  a.credit = inst.credit;
  if (const int rank = crew.bidRank(inst.number); rank > 0) {
    a.reason = ProposalReason::BidMet;
    a.why = "bid met (" + Ordinal(rank) + " choice)";
  } else if (creditBefore < crew.limits.target) {
    a.reason = ProposalReason::CreditGap;
    a.why = "credit gap " + HoursMinutes(crew.limits.target - creditBefore) + " filled";
  } else {
    a.reason = ProposalReason::Balance;
    a.why = "credit evened out to " + HoursMinutes(std::int64_t{creditBefore} + inst.credit);
  }
  return a;
}

ProposalFigures ProposalSession::figures(const std::vector<ProposedAssignment>& chosen) const {
  ProposalFigures f;
  const std::vector<CrewToFill>& start = saved_->crews;
  std::vector<std::int64_t> credit(start.size());
  for (std::size_t i = 0; i < start.size(); ++i) {
    credit[i] = start[i].credit;
    f.bidsMet += start[i].requestedDays;
  }
  for (const ProposedAssignment& a : chosen) {
    f.creditCovered += a.credit;
    if (a.reason == ProposalReason::BidMet) ++f.bidsMet;
    const auto at = std::find_if(start.begin(), start.end(),
                                 [&](const CrewToFill& c) { return c.index == a.crew; });
    if (at != start.end()) credit[static_cast<std::size_t>(at - start.begin())] += a.credit;
  }
  for (std::size_t i = 0; i < start.size(); ++i)
    f.imbalance += std::llabs(start[i].limits.target - credit[i]);
  return f;
}

std::vector<int> AllCrews(ProposalSession& session) {
  std::vector<int> all(session.crews().size());
  for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<int>(i);
  return all;
}

std::vector<ProposedAssignment> GreedyPass(ProposalSession& session, const std::vector<int>& crews,
                                           const std::function<bool(int)>& keepGoing) {
  std::vector<ProposedAssignment> chosen;
  const std::vector<OpenInstance>& instances = session.instances();
  const int steps = static_cast<int>(crews.size()) * 2;
  int step = 0;
  for (const bool toMaximum : {false, true}) {
    for (const int slot : crews) {
      CrewToFill& crew = session.crews()[static_cast<std::size_t>(slot)];
      if (!keepGoing(steps == 0 ? 100 : 100 * step++ / steps)) return chosen;
      const std::int32_t limit = toMaximum ? crew.limits.maximum : crew.limits.target;
      if (crew.credit >= limit) continue;
      std::vector<int> order;
      for (std::size_t i = 0; i < instances.size(); ++i)
        if (!session.taken(static_cast<int>(i)) && session.fits(crew, instances[i]))
          order.push_back(static_cast<int>(i));
      std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return OfferedBefore(crew, instances[static_cast<std::size_t>(a)],
                             instances[static_cast<std::size_t>(b)]);
      });
      for (const int i : order) {
        if (crew.credit >= limit) break;
        const std::int32_t before = crew.credit;
        if (session.fits(crew, instances[static_cast<std::size_t>(i)]) &&
            session.tryAssign(crew, i))
          chosen.push_back(session.describe(crew, i, before));
      }
    }
  }
  return chosen;
}

}  // namespace lumora

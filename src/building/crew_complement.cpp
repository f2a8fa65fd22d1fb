#include "building/crew_complement.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "building/assign.h"
#include "building/roster_bounds.h"
#include "model/document.h"
#include "model/set_dates_dialog.h"
#include "platform/event_log.h"

namespace lumora {

namespace {

bool IsFlightAttendantFile(const TDocument& doc) {
  return doc.crewKind() == CrewKind::FlightAttendants;
}

// The imported pairings end here; copies follow up to the last pairing.
int LastBase(const TDocument& doc) {
  return std::clamp<int>(doc.LastBasePair, -1, doc.lastPairIndex());
}

// A copy and its base pairing: the same number and crew position. The
// position matters in flight-attendant files, where a purser pairing and a
// cabin pairing may share a number.
bool SamePairing(const TPair& a, const TPair& b) {
  return a.Number == b.Number && a.CrewPosition == b.CrewPosition;
}

bool IsPseudoLine(const TPilot& pilot) {
  return pilot.EmpNumber == kPseudoLineNumber;
}

std::string LineText(const TDocument& doc, const TPair& pair, int day) {
  const auto& date = doc.cal.MonthDays[static_cast<std::size_t>(day)];
  const std::string when = SetDatesDialog::DateText(ToDayNumber({date[0], date[1], date[2]}));
  const char letter = pair.Prefix.empty() ? ' ' : pair.Prefix.front();
  char text[96];
  std::snprintf(text, sizeof text, " %c%04d   %-30.30s", letter, static_cast<int>(pair.Number),
                when.c_str());
  return text;
}

// " TWO CAPTS ON" once, then the calendar day of each marked instance.
void AppendMarker(const TDocument& doc, TPair& pair, int day) {
  const std::string_view word = ComplementMarkerWord(doc);
  if (pair.DisplayText.find(word) == std::string::npos) {
    pair.DisplayText += ' ';
    pair.DisplayText += word;
    pair.DisplayText += " ON";
  }
  pair.DisplayText += ' ' + std::to_string(CalendarDayOf(doc, day));
  NoteDisplayText(pair);
}

void CutMarker(const TDocument& doc, TPair& pair) {
  const std::string marker = std::string(ComplementMarkerWord(doc)) + " ON";
  const auto at = pair.DisplayText.find(marker);
  if (at == std::string::npos) return;
  pair.DisplayText.erase(at == 0 ? 0 : at - 1);
  NoteDisplayText(pair);
}

}  // namespace

std::string_view ComplementMarkerWord(const TDocument& doc) {
  return IsFlightAttendantFile(doc) ? "EXTRA FA" : "TWO CAPTS";
}

CrewComplementDialog::CrewComplementDialog(BlockEditContext ctx) : ctx_(ctx) {
  takeApart();
}

CrewComplementDialog::~CrewComplementDialog() = default;

std::string_view CrewComplementDialog::title() const {
  return IsFlightAttendantFile(ctx_.doc) ? kFaCaption : kCaption;
}

std::string_view CrewComplementDialog::note() const {
  return IsFlightAttendantFile(ctx_.doc) ? kFaNote : kNote;
}

int CrewComplementDialog::lineOf(int pair, int day) const {
  for (std::size_t i = 0; i < lines_.size(); ++i)
    if (lines_[i].pair == pair && lines_[i].day == day) return static_cast<int>(i);
  return -1;
}

void CrewComplementDialog::select(std::size_t line, bool on) {
  if (line < lines_.size()) lines_[line].selected = on;
}

bool CrewComplementDialog::accept(Ui&) {
  apply();
  return true;
}

void CrewComplementDialog::takeApart() {
  TDocument& doc = ctx_.doc;
  const int lastBase = LastBase(doc);
  const int days = doc.monthDays();
  const bool firstOfficers = doc.crewKind() == CrewKind::FirstOfficers;

  for (int p = 0; p <= lastBase; ++p) {
    TPair& pair = doc.pair(p);
    CutMarker(doc, pair);
    for (int d = 0; d < days; ++d) {
      std::int32_t& status = pair.DayStatus[static_cast<std::size_t>(d)];
      status = std::abs(status);
    }
    if (IsFlightAttendantFile(doc) && pair.CrewPosition != "PU") continue;

    for (int d = 0; d < days; ++d) {
      const auto day = static_cast<std::size_t>(d);
      if (pair.DayStatus[day] == kNoInstance) continue;
      ComplementLine line{LineText(doc, pair, d), p, d, -1, false};
      if (firstOfficers) {
        for (int c = 0; c < doc.rosterSize(); ++c) {
          TPilot& pilot = doc.pilot(c);
          if (!IsPseudoLine(pilot) || pilot.DayCell[day] != p) continue;
          line.selected = true;
          pilot.DayCell[day] = kEmptyCell;
          pair.DayStatus[day] = kOpenInstance;
          break;
        }
      } else {
        for (int q = lastBase + 1; q <= doc.lastPairIndex(); ++q) {
          const TPair& copy = doc.pair(q);
          if (!SamePairing(copy, pair) || copy.DayStatus[day] == kNoInstance) continue;
          line.selected = true;
          if (std::abs(copy.DayStatus[day]) != kAssignedInstance) break;
          for (int c = 0; c < doc.rosterSize(); ++c) {
            TPilot& pilot = doc.pilot(c);
            if (pilot.DayCell[day] != q) continue;
            line.holder = c;
            pilot.DayCell[day] = kEmptyCell;
            ctx_.views.cellsChanged(c, d, std::max<int>(1, copy.Length));
            break;
          }
          break;
        }
      }
      lines_.push_back(std::move(line));
    }
  }

  if (firstOfficers) {
    // Only the pseudo lines at the end: one elsewhere was put there by hand
    // and keeps its place.
    while (doc.rosterSize() > 0 && IsPseudoLine(doc.pilot(doc.rosterSize() - 1))) {
      doc.pilot(doc.rosterSize() - 1).Clear();
      doc.PilotCount = doc.rosterSize() - 1;
    }
  } else {
    for (int q = lastBase + 1; q <= doc.lastPairIndex(); ++q) doc.pair(q).Clear();
    doc.LastPair = lastBase;
  }
}

void CrewComplementDialog::apply() {
  if (applied_) return;
  applied_ = true;
  if (ctx_.doc.crewKind() == CrewKind::FirstOfficers)
    applyFirstOfficers();
  else
    applyCopies();
  ctx_.doc.Modified = 1;
  ctx_.views.pairingWindowChanged(true);
}

void CrewComplementDialog::applyFirstOfficers() {
  TDocument& doc = ctx_.doc;
  for (const ComplementLine& line : lines_) {
    if (!line.selected || !doc.isPairIndex(line.pair)) continue;
    const auto day = static_cast<std::size_t>(line.day);
    TPair& pair = doc.pair(line.pair);
    pair.DayStatus[day] = -kOpenInstance;
    AppendMarker(doc, pair, line.day);
    // The second captain takes this seat: whoever flew it loses it.
    for (int c = 0; c < doc.rosterSize(); ++c) {
      TPilot& pilot = doc.pilot(c);
      if (pilot.DayCell[day] != line.pair) continue;
      pilot.DayCell[day] = kEmptyCell;
      pilot.DayLocked[day] = 0;
      ctx_.views.cellsChanged(c, line.day, std::max<int>(1, pair.Length));
    }
    bool placed = false;
    for (int c = 0; c < doc.rosterSize() && !placed; ++c) {
      if (IsPseudoLine(doc.pilot(c)))
        placed = AssignPair(ctx_, c, line.pair, line.day, false) == kAssigned;
    }
    if (placed || doc.rosterSize() >= kMaxRosterPilots) continue;
    const int added = doc.rosterSize();
    TPilot& pseudo = doc.pilot(added);
    pseudo.Clear();
    pseudo.Name = std::string(kPseudoLineName);
    pseudo.EmpNumber = kPseudoLineNumber;
    doc.PilotCount = added + 1;
    AssignPair(ctx_, added, line.pair, line.day, true);
  }
}

void CrewComplementDialog::applyCopies() {
  TDocument& doc = ctx_.doc;
  const int lastBase = LastBase(doc);
  for (const ComplementLine& line : lines_) {
    if (!line.selected || !doc.isPairIndex(line.pair)) continue;
    // A full table has no room for another copy; the instance stays single.
    if (doc.lastPairIndex() + 1 >= kPairSlots) {
      ctx_.log.write("Crew complement: no room for a copy of pairing " +
                     std::to_string(doc.pair(line.pair).Number) + "\n");
      continue;
    }
    const int index = doc.lastPairIndex() + 1;
    TPair& copy = doc.pair(index);
    copy = doc.pair(line.pair);
    copy.DayStatus.fill(kNoInstance);
    const auto day = static_cast<std::size_t>(line.day);
    copy.DayStatus[day] = -kOpenInstance;
    doc.LastPair = index;
    if (doc.isRosterIndex(line.holder)) {
      TPilot& holder = doc.pilot(line.holder);
      if (holder.DayCell[day] == kEmptyCell) {
        holder.DayCell[day] = index;
        copy.DayStatus[day] = -kAssignedInstance;
        ctx_.views.cellsChanged(line.holder, line.day, std::max<int>(1, copy.Length));
      }
    }
  }

  const int days = doc.monthDays();
  for (int q = lastBase + 1; q <= doc.lastPairIndex(); ++q) {
    TPair& copy = doc.pair(q);
    int d = 0;
    while (d < days && copy.DayStatus[static_cast<std::size_t>(d)] == kNoInstance) ++d;
    for (int p = 0; p <= lastBase; ++p) {
      TPair& base = doc.pair(p);
      if (!SamePairing(base, copy)) continue;
      if (d < days) {
        std::int32_t& status = base.DayStatus[static_cast<std::size_t>(d)];
        status = -std::abs(status);
        AppendMarker(doc, base, d);
      }
      break;
    }
  }
  for (int q = lastBase + 1; q <= doc.lastPairIndex(); ++q) {
    TPair& copy = doc.pair(q);
    for (int p = 0; p <= lastBase; ++p) {
      if (!SamePairing(doc.pair(p), copy)) continue;
      copy.DisplayText = doc.pair(p).DisplayText;
      NoteDisplayText(copy);
      break;
    }
  }
}

}  // namespace lumora

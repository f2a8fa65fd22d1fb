#include "imports/lis_scan.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "imports/import_folders.h"
#include "imports/import_warnings.h"
#include "imports/list_dialog_text.h"
#include "model/document.h"
#include "platform/captions.h"
#include "platform/event_log.h"
#include "platform/settings_catalogue.h"
#include "platform/ui.h"

namespace lumora {

namespace {

constexpr std::string_view kMealsCad = "MEALS CAD:";
constexpr std::string_view kMealsUs = "MEALS US:";
constexpr std::size_t kBlockTail = 17;  // characters of the block from "MEALS CAD:" on
constexpr std::size_t kStepBack = 100;
// Where a leg line of the display text ends, from its flight number.
constexpr std::size_t kLegLineEnd = 35;
// A display text holds at most one meals text of this length.
constexpr std::size_t kMealsTextLength = 38;
constexpr std::size_t kMaxErrorLines = 2000;
// A real display text has a few kilobytes; a listing that names the same
// flight over and over stops growing it here.
constexpr std::size_t kMaxMarkedText = 64 * 1024;

struct AircraftMarker {
  std::string_view lis;      // as the listing prints it
  std::string_view display;  // what a leg line gets
};
constexpr std::array<AircraftMarker, 4> kAircraftMarkers{{
    {"CRA [", "  CRA"},
    {"CRJ [", "  CRJ"},
    {"DH1 [", "  DH1"},
    {"E75 [", "  E75"},
}};

struct CraBand {
  double above;  // the share must be greater than this
  std::string_view text;
  std::string_view summary;  // after the key
};
constexpr std::array<CraBand, 5> kCraBands{{
    {0.99, " *** CRA100% CRA>74% CRA>49% CRA>24% CRA>0% *** ", " is CRA 100%."},
    {0.74, " *** CRA>74% CRA>49% CRA>24% CRA>0% *** ", " is CRA > 74%."},
    {0.49, " *** CRA>49% CRA>24% CRA>0% *** ", " is CRA > 49%."},
    {0.24, " *** CRA>24% CRA>0% *** ", " is CRA > 24%."},
    {0.0, " *** CRA>0% *** ", " is CRA > 0%."},
}};
constexpr std::string_view kCraNoneText = " *** CRA=0% *** ";
constexpr std::string_view kCraNoneSummary = " is CRA 0%.";

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

// The text from `offset` up to the first NUL.
std::string_view TextAt(std::string_view bytes, std::size_t offset) {
  if (offset >= bytes.size()) return {};
  const std::string_view rest = bytes.substr(offset);
  return rest.substr(0, std::min(rest.find('\0'), rest.size()));
}

void RemoveCraSummary(std::string& text) {
  const std::size_t last = text.rfind("***");
  if (last == std::string::npos || last == 0) return;
  std::size_t before = text.rfind("***", last - 1);
  if (before == std::string::npos) return;
  std::size_t end = last + 3;
  // The blanks the summary was appended with go with it, or every scan
  // would leave two more behind.
  if (before > 0 && text[before - 1] == ' ') --before;
  if (end < text.size() && text[end] == ' ') ++end;
  text.erase(before, end - before);
}

void RemoveFrenchMarker(std::string& text) {
  const std::size_t at = text.rfind("FRENCH PAIRING");
  if (at != std::string::npos && at >= 16) text.erase(at - 1, kFrenchPairingMarker.size());
}

void RemoveMealsText(std::string& text) {
  const std::size_t at = text.find(kMealsUs);
  if (at != std::string::npos && at >= 4) text.erase(at - 4, kMealsTextLength);
}

// The last place at or before `from` where `flight` stands as a leg line's
// flight number: a whole number with only the duty day, blanks and a
// deadhead's "DH" before it on its line. " 875" inside " 8757" is another flight, and " 555" in a
// hotel's telephone number no flight at all; marking there would write into
// the middle of another line.
std::size_t FindFlightBackwards(const std::string& text, std::string_view flight,
                                std::size_t from) {
  const auto digit = [&](std::size_t i) {
    return i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) != 0;
  };
  const auto flightField = [&](std::size_t n) {
    if (digit(n + flight.size()) || (n > 0 && digit(n - 1))) return false;
    const std::size_t lineEnd = n == 0 ? std::string::npos : text.rfind('\n', n - 1);
    const std::size_t lineStart = lineEnd == std::string::npos ? 0 : lineEnd + 1;
    const std::size_t other = text.find_first_not_of(" 0123456789DH", lineStart);
    return other == std::string::npos || other >= n;
  };
  for (std::size_t n = text.rfind(flight, from); n != std::string::npos;
       n = n == 0 ? std::string::npos : text.rfind(flight, n - 1)) {
    if (flightField(n)) return n;
  }
  return std::string::npos;
}

// Marks the leg lines of `text` with the aircraft types of the block and
// returns the counts of CRA markers and of all markers. `brackets` is scratch
// space kept between pairings.
std::pair<std::size_t, std::size_t> MarkAircraft(std::string& text, std::string_view block,
                                                 std::size_t flightOffset, const std::string& key,
                                                 ImportWarnings& errors,
                                                 std::vector<std::size_t>& brackets) {
  // Every marker ends in "[": the places of the brackets, found once, stand in
  // for a search of the whole block per marker, which made a month's scan
  // compare the listings four times over.
  constexpr std::size_t kMarkerLength = 5;
  brackets.clear();
  for (std::size_t at = block.find('['); at != std::string_view::npos; at = block.find('[', at + 1))
    if (at + 1 >= kMarkerLength) brackets.push_back(at + 1 - kMarkerLength);

  std::size_t cra = 0;
  std::size_t all = 0;
  for (const AircraftMarker& marker : kAircraftMarkers) {
    std::size_t from = block.size() - 1;
    // Last to first, as a backward search from the end of the block finds them.
    for (auto it = brackets.rbegin(); it != brackets.rend(); ++it) {
      const std::size_t m = *it;
      if (block.substr(m, kMarkerLength) != marker.lis) continue;
      ++all;
      if (marker.lis == kAircraftMarkers[0].lis) ++cra;
      if (m > flightOffset) {
        const std::string_view flight = block.substr(m - flightOffset, 4);
        const std::size_t n = FindFlightBackwards(text, flight, from);
        if (n == std::string::npos) {
          errors.add(key + " Flight Number not Located");
        } else if (text.size() < kMaxMarkedText) {
          const std::size_t end = std::min(n + kLegLineEnd, text.size());
          // A leg line marked by an earlier scan keeps one marker: this
          // scan's, which also follows a change of aircraft in the listing.
          const auto marked = [&] {
            return std::any_of(kAircraftMarkers.begin(), kAircraftMarkers.end(),
                               [&](const AircraftMarker& a) {
                                 return text.compare(end, a.display.size(), a.display) == 0;
                               });
          };
          while (marked()) text.erase(end, marker.display.size());
          text.insert(end, marker.display);
        }
      }
      if (m == 0) break;
      from = m - 1;
    }
  }
  return {cra, all};
}

// The last place of each key in the text, as rfind would find it, in one pass
// over the text: the listings of a month run to megabytes, and a search of the
// whole text per pairing made the scan take seconds. Keys of the usual shape
// (one character and four digits) are found in the pass; any other key by its
// own search.
class KeyPlaces {
 public:
  KeyPlaces(std::string_view text, const std::vector<std::string>& keys) : text_(text) {
    for (const std::string& key : keys)
      if (UsualShape(key)) last_.emplace(key, std::string_view::npos);
    if (last_.empty() || text.size() < kUsualLength) return;
    // A key of the usual shape ends every run of four digits with a
    // character in front of it: the runs are counted as the pass goes.
    std::size_t digits = 0;
    for (std::size_t end = 0; end < text.size(); ++end) {
      digits = text[end] >= '0' && text[end] <= '9' ? digits + 1 : 0;
      if (digits < kUsualLength - 1 || end + 1 < kUsualLength) continue;
      const std::size_t i = end + 1 - kUsualLength;
      const auto found = last_.find(text.substr(i, kUsualLength));
      if (found != last_.end()) found->second = i;
    }
  }

  std::size_t last(std::string_view key) const {
    const auto found = last_.find(key);
    return found != last_.end() ? found->second : text_.rfind(key);
  }

 private:
  static constexpr std::size_t kUsualLength = 5;
  static bool UsualShape(std::string_view key) {
    return key.size() == kUsualLength &&
           std::all_of(key.begin() + 1, key.end(), [](char c) { return c >= '0' && c <= '9'; });
  }

  std::string_view text_;
  std::unordered_map<std::string_view, std::size_t> last_;
};

// Where the text of a file starts and how long it is.
std::pair<std::size_t, std::size_t> LisTextSpan(std::string_view fileBytes) {
  std::size_t offset = kLisTextStart;
  std::size_t length = TextAt(fileBytes, offset).size();
  if (length < kLisMinText) return {0, 0};
  // Stepping back keeps the longer text only while the 100 bytes in front of
  // it hold no NUL; one NUL there gives a text shorter than 100 characters.
  while (offset > 0) {
    const std::size_t step = std::min(offset, kStepBack);
    if (fileBytes.substr(offset - step, step).find('\0') != std::string_view::npos) break;
    offset -= step;
    length += step;
  }
  return {offset, length};
}

}  // namespace

std::string LisFileText(std::string_view fileBytes) {
  const auto [offset, length] = LisTextSpan(fileBytes);
  return std::string(fileBytes.substr(offset, length));
}

std::string LisPairingKey(std::string_view prefix, int number) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%04d", number);
  std::string key(1, prefix.empty() ? '\0' : prefix.front());
  key += digits;
  return key;
}

bool ScanLisText(TDocument& doc, std::string_view lisText, const ImportServices& services,
                 const LisScanHooks& hooks) {
  Ui& ui = services.ui;
  if (lisText.size() < kLisMinText) {
    ui.message(
        "Unable to Read Data from one or more LIS File(s). Try opening file(s) in WordPad and "
        "Save as Type Text Document.",
        kAppCaption, Icon::Error);
    return false;
  }

  const int last = std::clamp(doc.LastPair, -1, kPairSlots - 1);
  const bool cabin = doc.crewKind() == CrewKind::FlightAttendants;
  const std::size_t flightOffset = cabin ? 63 : 71;

  std::unique_ptr<Progress> progress =
      ui.progress("Scanning LIS Pairings", "Scanning Pairing %d of %d");
  if (progress) {
    progress->setRange(last + 1);
    progress->allowCancel();
  }

  std::vector<std::string> keys;
  keys.reserve(static_cast<std::size_t>(last + 1));
  for (int p = 0; p <= last; ++p)
    keys.push_back(LisPairingKey(doc.pair(p).Prefix, doc.pair(p).Number));
  const KeyPlaces places(lisText, keys);

  ImportWarnings errors(kMaxErrorLines);
  std::vector<std::size_t> brackets;
  std::string summary;
  int french = 0;
  // The display texts as they were, so that a cancelled scan leaves none half marked.
  std::vector<std::string> before;
  before.reserve(static_cast<std::size_t>(last + 1));
  for (int p = 0; p <= last; ++p) {
    if (progress) {
      progress->setPosition(p + 1);
      if (progress->cancelled()) {
        for (int q = 0; q < p; ++q)
          doc.pair(q).DisplayText = std::move(before[static_cast<std::size_t>(q)]);
        services.log.write("LIS scan cancelled\n");
        return false;
      }
    }
    TPair& pair = doc.pair(p);
    before.push_back(pair.DisplayText);
    const std::string& key = keys[static_cast<std::size_t>(p)];
    // A pairing without a prefix has no letter; its key is never found.
    const std::string shownKey = key.front() == '\0' ? key.substr(1) : key;
    services.log.write("Scanning Pairing " + shownKey + " for CRA legs\n");

    const std::size_t start = places.last(key);
    if (start == std::string_view::npos) {
      errors.add(shownKey + " Not Found in LIS File.");
      continue;
    }
    const std::size_t meals = lisText.find(kMealsCad, start);
    if (meals == std::string_view::npos) {
      errors.add(shownKey + "Incomplete in LIS File. Can't Locate MEALS CAD:");
      continue;
    }
    const std::string_view block = lisText.substr(start, meals + kBlockTail - start);
    std::string& text = pair.DisplayText;

    if (cabin) {
      if (block.find("FRENCH") != std::string_view::npos) {
        if (text.find(kFrenchPairingMarker) == std::string::npos) text += kFrenchPairingMarker;
        summary += shownKey + " is French Pairing.";
        ++french;
      } else {
        RemoveFrenchMarker(text);
      }
    }

    if (block.size() <= 5) {
      errors.add(shownKey + "Incomplete in LIS File.");
      continue;
    }

    const auto [cra, all] = MarkAircraft(text, block, flightOffset, shownKey, errors, brackets);

    RemoveCraSummary(text);
    const double share = all == 0 ? 0.0 : static_cast<double>(cra) / static_cast<double>(all);
    const CraBand* band = nullptr;
    for (const CraBand& b : kCraBands) {
      if (share > b.above) {
        band = &b;
        break;
      }
    }
    text += band ? band->text : kCraNoneText;
    summary += shownKey;
    summary += band ? band->summary : kCraNoneSummary;

    RemoveMealsText(text);
    const std::size_t us = block.find(kMealsUs);
    if (us != std::string_view::npos) {
      text += "\n   ";
      text += block.substr(us, block.size() - us - 1);
    }
  }
  progress.reset();
  for (int p = 0; p <= last; ++p) NoteDisplayText(doc.Pairs[static_cast<std::size_t>(p)]);

  if (!errors.empty()) ShowListDialog(ui, services.clipboard, kLisErrorsCaption, errors.text());
  const std::string heading = "Total Pairings " + std::to_string(last + 1) + "." +
                              std::to_string(french) + " Pairings Flagged as French.";
  ShowListDialog(ui, services.clipboard, kLisSummaryCaption, heading + summary);

  doc.Modified = 1;
  if (hooks.redrawViews) hooks.redrawViews();
  return true;
}

bool ScanLisFiles(TDocument& doc, const ImportServices& services, const LisScanHooks& hooks) {
  Ui& ui = services.ui;
  const std::string month = Upper(doc.cal.MonthText);

  std::vector<std::string> files;
  for (;;) {
    FileDialogOptions options;
    options.title = kLisDialogTitle;
    options.filter = kLisFileFilter;
    options.startFolder = ImportStartFolder(services.settings, kLastFrenchPath);
    options.multiSelect = true;
    files = ui.openFiles(options);
    if (files.empty()) return false;
    RememberImportFolder(services.settings, kLastFrenchPath, files.front());

    bool confirmed = true;
    for (const std::string& file : files) {
      const std::string name = Upper(std::filesystem::path(file).filename().string());
      if (name.find(month) != std::string::npos) continue;
      const std::string question = file + " does not contain " + month +
                                   " in the File Name. Are you sure this is the correct LIS File";
      if (ui.ask(question, kAppCaption, Buttons::YesNo, Icon::Question) != Answer::Yes) {
        confirmed = false;
        break;
      }
    }
    if (confirmed) break;
  }

  std::string lisText;
  for (const std::string& file : files) {
    std::ifstream in(file, std::ios::binary);
    std::error_code error;
    if (!in || std::filesystem::is_directory(file, error)) {
      ui.message("Unable to Open File " + file, kAppCaption, Icon::Error);
      continue;
    }
    // Never more than the text that could be kept, plus the header in front.
    // The size only sizes the buffer: a file that grew, or whose size is not
    // known, is read on up to the cap.
    constexpr std::size_t kCap = kLisMaxText + kLisTextStart;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    std::string bytes(error ? 0 : static_cast<std::size_t>(std::min<std::uintmax_t>(size, kCap)),
                      '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    std::vector<char> chunk(64 * 1024);
    while (in && bytes.size() < kCap) {
      in.read(chunk.data(),
              static_cast<std::streamsize>(std::min(chunk.size(), kCap - bytes.size())));
      if (in.gcount() <= 0) break;
      bytes.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
    }
    const bool more = bytes.size() == kCap && in && in.peek() != std::char_traits<char>::eof();

    const auto [offset, length] = LisTextSpan(bytes);
    std::string_view text = std::string_view(bytes).substr(offset, length);
    // A text that runs to the end of what was read goes on in a larger file.
    const bool runsOn = more && length > 0 && offset + length == bytes.size();
    const std::size_t room = kLisMaxText - lisText.size();
    if (text.size() > room || runsOn) {
      ui.message("LIS File is Larger than buffer. Some data was not Loaded\n" + file, kAppCaption,
                 Icon::Warning);
      text = text.substr(0, room);
    }
    lisText += text;
  }
  return ScanLisText(doc, lisText, services, hooks);
}

}  // namespace lumora

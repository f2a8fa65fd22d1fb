#pragma once
// The pilots' bids for the month, as the bidding form exports them: one bid
// per pilot, a run of double-quoted fields that starts with his employee
// number and ends with "end_x_bid". The import keeps each bid as a text the
// bids window shows, marks the guaranteed and personal days off it asks for
// as day requests, and flags the pilots who bid reserve.

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "imports/import_services.h"

namespace lumora {

class TDocument;
struct TCalendar;
struct TPilot;

inline constexpr std::string_view kBidsDialogTitle = "Load Pilot Bids";
inline constexpr std::string_view kBidsFileFilter =
    "Pilot Bid Files(*.csv)|*.csv|All Files (*.*)|*.*";
inline constexpr std::string_view kBidsPilotOnly = "This Feature is for Pilot Use Only";
inline constexpr std::string_view kBidsDeleteQuestion =
    "Current Bids will be replaced on an individual basis when a bid is found in this file. "
    "Would you Like to Delete All Current Bids First";
inline constexpr std::string_view kBidsDeleteConfirm =
    "Confirm that you wish to Delete All Pilot Bids before Importing the Bids from the CSV File";
inline constexpr std::string_view kBidsProgressTitle = "Importing Pilot Bids";
inline constexpr std::string_view kBidsProgressLine = "Searching for Bid %d of %d";
inline constexpr std::string_view kBidsWarningsCaption =
    "Missing Bids / Warnings.  List Copied to Windows Clipboard";

// A bid file is read whole; one larger than this is read up to here, far
// beyond the bids of a full roster.
inline constexpr std::size_t kMaxBidFileBytes = std::size_t{32} << 20;

// Request numbers the day-off lists mark.
inline constexpr int kGuaranteedDayOffRequest = 13;  // "RGD"
inline constexpr int kPersonalDayOffRequest = 14;    // "RPD"

// Fields of a bid, counted from the employee number as field 1.
inline constexpr int kBidFields = 34;

struct BidFields {
  // field[1] to field[34]; field[0] is unused.
  std::array<std::string, kBidFields + 1> field;
  // The 8 characters after the last field's closing separator (fewer when
  // the bid ends sooner).
  std::string stamp;
};

// The bids of a file by employee number. A bid starts only at the start of
// the file or of a line, or right after the previous bid's "end_x_bid", so an
// employee number quoted inside another pilot's fields never names a bid. A
// bid ends at its "end_x_bid" or, when a row was cut short, where the next
// line starts another bid. Of two bids with one number, the first counts.
class BidFileIndex {
 public:
  explicit BidFileIndex(std::string_view text);

  // The bid of the six-digit employee number, from its opening quote.
  std::optional<std::string_view> bidFor(int empNumber) const;
  std::size_t size() const { return bids_.size(); }

 private:
  std::unordered_map<int, std::string_view> bids_;
};

// The 34 fields of one bid; nothing when a separator is missing.
std::optional<BidFields> CutBidFields(std::string_view bid);

// Marks a day-off list (field 12, 13 or 14) in the pilot's day requests with
// `request`. Returns the error text appended to the field, or nothing when
// the list was read. `personal` chooses the "too many" text.
std::optional<std::string> MarkDayOffList(TPilot& pilot, const TCalendar& cal,
                                          std::string_view list, int request, bool personal);

// The bid text the bids window shows, before its conversion to upper case.
std::string ComposeBidText(const BidFields& bid);

// What the import needs of the bids window around it. Either may be empty.
struct PilotBidsHooks {
  // Hides the window (it stores its pending edits) without changing whether
  // it is meant to be shown.
  std::function<void()> closeBidsWindow;
  // Shows it again, with the new bids, when it is meant to be shown.
  std::function<void()> showBidsWindow;
};

enum class PilotBidsResult {
  Imported,    // the file was read to its end
  Refused,     // a flight-attendant document
  Cancelled,   // file dialog or question cancelled
  Unreadable,  // the file could not be opened
};

// "Pilot Bids...": the file dialog, the question about the current bids,
// then the import of the chosen file.
PilotBidsResult LoadPilotBids(TDocument& doc, const ImportServices& services,
                              const PilotBidsHooks& hooks = {});

// The import of a file's text into every crew member of the roster; returns
// the warnings text (empty when there was nothing to say) after showing it.
std::string ImportPilotBids(TDocument& doc, std::string_view text, const ImportServices& services,
                            const PilotBidsHooks& hooks = {});

}  // namespace lumora

#pragma once
// Reading the crew-tracking system's line files: a line reader that never
// holds more than a bounded line, and bounded access to the fixed columns of
// one line. Every import of a line file shares them, so that each keeps the
// same bounds and the same treatment of short and damaged lines.

#include <cstddef>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/calendar.h"

namespace lumora {

class EventLog;

// A valid calendar date as its day number; nothing for a date that does not exist.
std::optional<DayNumber> DateOf(int year, int month, int day);

// Reads lines one after the other: each line without its line ending (LF or
// CR LF) and cut to the reader's longest line. The crew-tracking files end a
// line at a NUL byte as the system's own readers do; other files keep it.
// A stream is read in large chunks; a line is a view that stays valid until
// the next call.
class LineReader {
 public:
  static constexpr std::size_t kUnlimited = static_cast<std::size_t>(-1);

  struct Options {
    std::size_t maxLength = kUnlimited;
    bool endAtNul = true;
  };

  LineReader(std::istream& in, Options options);
  // Lines of a text already in memory; nothing is copied but a last line
  // without a line ending.
  LineReader(std::string_view text, Options options);

  // False when no line is left.
  bool next(std::string_view& line);

  // The next line, or an empty line once none is left; then pastEnd() is true.
  std::string_view next();
  bool pastEnd() const { return pastEnd_; }

  // Whether the last line lost characters other than a CR to the length limit.
  bool lastLineCut() const { return cut_; }
  long long lineNumber() const { return lineNumber_; }
  long long consumed() const { return consumed_; }

 private:
  bool refill();
  bool dropsText(std::string_view rest) const;
  std::string_view trim(std::string_view kept) const;
  std::string_view finish(std::string_view raw);
  void gather(std::string_view piece);

  std::streambuf* buffer_ = nullptr;
  // As large as the stream says it holds, up to a limit; left uninitialised.
  std::size_t chunkSize_ = 0;
  std::unique_ptr<char[]> chunk_;
  const char* data_ = nullptr;
  Options options_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  std::string joined_;
  bool cut_ = false;
  bool pastEnd_ = false;
  long long lineNumber_ = 0;
  long long consumed_ = 0;
};

// One line of a fixed-column file with bounded access to its columns. A
// numeric field past the end of the line reads as 0; the first such field of
// a record writes the field reader's log line, the others stay quiet.
class Record {
 public:
  Record(std::string_view line, EventLog& log) : line_(line), log_(log) {}

  std::string_view line() const { return line_; }
  bool isShort() const { return short_; }

  // A blank for a position past the end.
  char at(std::size_t position) const { return position < line_.size() ? line_[position] : ' '; }

  int number(std::size_t position, std::size_t width);

  // Appends `width` characters, blanks standing in for those past the end.
  void appendText(std::string& out, std::size_t position, std::size_t width) const;

  // `width` characters, blanks standing in for those past the end.
  std::string text(std::size_t position, std::size_t width) const;

  bool blank(std::size_t position, std::size_t width) const;

  // A YYYYMMDD field; nothing when it is no date.
  std::optional<DayNumber> date(std::size_t position);

 private:
  std::string_view line_;
  EventLog& log_;
  bool short_ = false;
};

}  // namespace lumora

#include "imports/fixed_lines.h"

#include <algorithm>
#include <cstring>
#include <istream>

#include "model/time_text.h"
#include "platform/event_log.h"

namespace lumora {

namespace {

constexpr std::size_t kChunkBytes = 256 * 1024;

// A text in memory or a small file tells its size: a chunk of that size does.
// A stream that tells less than it holds is still read to its end, in more
// pieces.
std::size_t ChunkSize(std::streambuf* buffer) {
  const std::streamsize available = buffer != nullptr ? buffer->in_avail() : 0;
  if (available > 0 && static_cast<std::size_t>(available) < kChunkBytes)
    return static_cast<std::size_t>(available) + 1;
  return kChunkBytes;
}

}  // namespace

std::optional<DayNumber> DateOf(int year, int month, int day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
      day > DaysInMonth(month, year))
    return std::nullopt;
  return ToDayNumber({day, month, year});
}

LineReader::LineReader(std::istream& in, Options options)
    : buffer_(in.rdbuf()),
      chunkSize_(ChunkSize(buffer_)),
      chunk_(std::make_unique_for_overwrite<char[]>(chunkSize_)),
      data_(chunk_.get()),
      options_(options) {}

LineReader::LineReader(std::string_view text, Options options)
    : data_(text.data()), options_(options), end_(text.size()) {}

bool LineReader::next(std::string_view& line) {
  cut_ = false;
  if (begin_ == end_ && !refill()) return false;
  const char* const start = data_ + begin_;
  const std::size_t available = end_ - begin_;
  if (const void* found = std::memchr(start, '\n', available); found != nullptr) {
    // The whole line is in the chunk: no copy.
    const std::size_t length = static_cast<std::size_t>(static_cast<const char*>(found) - start);
    begin_ += length + 1;
    consumed_ += static_cast<long long>(length) + 1;
    line = finish(std::string_view(start, length));
    ++lineNumber_;
    return true;
  }
  // The line runs on into the next chunk(s): its kept part is gathered.
  joined_.clear();
  while (true) {
    const char* const from = data_ + begin_;
    const std::size_t left = end_ - begin_;
    const void* found = std::memchr(from, '\n', left);
    const std::size_t length =
        found != nullptr ? static_cast<std::size_t>(static_cast<const char*>(found) - from) : left;
    gather(std::string_view(from, length));
    consumed_ += static_cast<long long>(length);
    begin_ += length;
    if (found != nullptr) {
      ++begin_;
      ++consumed_;
      break;
    }
    if (!refill()) break;
  }
  line = trim(joined_);
  ++lineNumber_;
  return true;
}

std::string_view LineReader::next() {
  std::string_view line;
  if (!next(line)) {
    pastEnd_ = true;
    return {};
  }
  return line;
}

bool LineReader::refill() {
  begin_ = end_ = 0;
  if (buffer_ == nullptr) return false;
  const std::streamsize got =
      buffer_->sgetn(chunk_.get(), static_cast<std::streamsize>(chunkSize_));
  if (got <= 0) return false;
  end_ = static_cast<std::size_t>(got);
  return true;
}

// Past the kept characters only a CR is no loss.
bool LineReader::dropsText(std::string_view rest) const {
  return std::any_of(rest.begin(), rest.end(), [](char c) { return c != '\r'; });
}

// The kept characters less a CR that ended them and anything from a NUL on.
std::string_view LineReader::trim(std::string_view kept) const {
  if (!kept.empty() && kept.back() == '\r') kept.remove_suffix(1);
  if (!options_.endAtNul) return kept;
  if (const void* nul = std::memchr(kept.data(), '\0', kept.size()); nul != nullptr)
    kept = kept.substr(0, static_cast<std::size_t>(static_cast<const char*>(nul) - kept.data()));
  return kept;
}

std::string_view LineReader::finish(std::string_view raw) {
  const std::string_view kept = raw.substr(0, std::min(raw.size(), options_.maxLength));
  if (kept.size() < raw.size() && dropsText(raw.substr(kept.size()))) cut_ = true;
  return trim(kept);
}

void LineReader::gather(std::string_view piece) {
  const std::size_t room = options_.maxLength - joined_.size();
  const std::size_t taken = std::min(room, piece.size());
  joined_.append(piece.data(), taken);
  if (taken < piece.size() && dropsText(piece.substr(taken))) cut_ = true;
}

int Record::number(std::size_t position, std::size_t width) {
  if (position > line_.size() || width > line_.size() - position) {
    if (!short_) log_.write("Cannot GetInt. String too Short\n");
    short_ = true;
    return 0;
  }
  return GetInt(line_, position, width, log_);
}

void Record::appendText(std::string& out, std::size_t position, std::size_t width) const {
  std::size_t copied = 0;
  if (position < line_.size()) {
    const std::string_view there = line_.substr(position, width);
    out.append(there);
    copied = there.size();
  }
  out.append(width - copied, ' ');
}

std::string Record::text(std::size_t position, std::size_t width) const {
  std::string field(width, ' ');
  if (position < line_.size()) {
    const std::string_view there = line_.substr(position, width);
    std::copy(there.begin(), there.end(), field.begin());
  }
  return field;
}

bool Record::blank(std::size_t position, std::size_t width) const {
  for (std::size_t i = position; i < position + width; ++i)
    if (at(i) != ' ') return false;
  return true;
}

std::optional<DayNumber> Record::date(std::size_t position) {
  const int value = number(position, 8);
  return DateOf(value / 10000, value / 100 % 100, value % 100);
}

}  // namespace lumora

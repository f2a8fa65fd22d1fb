#pragma once
// The binary object stream behind the schedule file and its variants: a
// header, little-endian primitive items and framed objects. The writer fills
// a memory buffer (the caller puts it on disk in one go, through a temporary
// file); the reader works on the whole file read into memory. Neither throws:
// both carry a failed state that callers test.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lumora {

inline constexpr std::uint8_t kStreamHeaderMark = 0x3A;  // ':'
inline constexpr std::uint32_t kStreamVersion = 257;
inline constexpr std::uint8_t kObjectPrefix = 0x5B;  // '['
inline constexpr std::uint8_t kObjectSuffix = 0x5D;  // ']'
inline constexpr std::uint32_t kNullTextLength = 0xFFFFFFFF;
inline constexpr std::size_t kMaxClassNameLength = 127;

// A class that may appear framed in a stream, with the version the writer
// gives its objects.
struct StreamClass {
  std::string_view name;
  std::uint32_t version;
};

inline constexpr StreamClass kPilotStreamClass{"TPilot", 3};
inline constexpr StreamClass kPairStreamClass{"TPair", 5};

// The registry: the class of that name, or nothing for a name no reader knows.
std::optional<StreamClass> FindStreamClass(std::string_view name);

class StreamWriter {
 public:
  static constexpr std::size_t kNoLimit = std::numeric_limits<std::size_t>::max();

  // Writes the stream header. `byteLimit` stands in for a medium that fills
  // up: the write that would pass it stores only the bytes that fit and fails
  // the stream.
  explicit StreamWriter(std::size_t byteLimit = kNoLimit);

  void writeByte(std::uint8_t value) {
    if (end_ - size_ >= 1) {
      buffer_[size_++] = value;
      return;
    }
    append(&value, 1);
  }
  void writeWord(std::int32_t value) { appendLittleEndian(static_cast<std::uint32_t>(value)); }
  void writeWord32(std::uint32_t value) { appendLittleEndian(value); }
  // A flag is the byte value widened to 32 bits.
  void writeFlag(std::uint8_t value) { writeWord32(value); }
  // The value's 4 bytes as they are in memory (little-endian); 4 bytes in
  // every stream version, unlike a word.
  void writeBytes(std::int32_t value) { appendLittleEndian(static_cast<std::uint32_t>(value)); }
  void writeString(std::string_view text);
  void writeNullString();

  // Frames what `body(*this)` writes as an object of the class.
  template <typename Body>
  void writeObject(std::string_view className, std::uint32_t version, Body&& body) {
    if (failed_) return;
    writeByte(kObjectPrefix);
    writeString(className);
    writeWord32(version);
    std::forward<Body>(body)(*this);
    writeByte(kObjectSuffix);
  }
  template <typename Body>
  void writeObject(const StreamClass& streamClass, Body&& body) {
    writeObject(streamClass.name, streamClass.version, std::forward<Body>(body));
  }

  // Room for a stream of about that size, so that a large save grows its
  // buffer once.
  void reserve(std::size_t bytes);

  // Nothing is buffered beyond `data()`; kept for the callers' save sequence.
  void flush() {}

  bool failed() const { return failed_; }
  const std::vector<std::uint8_t>& data() const {
    trim();
    return buffer_;
  }
  std::vector<std::uint8_t> takeData() {
    trim();
    std::vector<std::uint8_t> data = std::move(buffer_);
    buffer_.clear();
    size_ = end_ = 0;
    return data;
  }

 private:
  void append(const std::uint8_t* bytes, std::size_t count);
  void appendLittleEndian(std::uint32_t value) {
    if (end_ - size_ >= 4) {
      // The common case: room in the buffer and under the limit.
      std::uint8_t* at = buffer_.data() + size_;
      at[0] = static_cast<std::uint8_t>(value);
      at[1] = static_cast<std::uint8_t>(value >> 8);
      at[2] = static_cast<std::uint8_t>(value >> 16);
      at[3] = static_cast<std::uint8_t>(value >> 24);
      size_ += 4;
      return;
    }
    appendLittleEndianSlowly(value);
  }
  void appendLittleEndianSlowly(std::uint32_t value);
  // Grows the buffer to hold at least `count` more bytes.
  void makeRoom(std::size_t count);
  // Cuts the buffer to the bytes written.
  void trim() const {
    buffer_.resize(size_);
    end_ = size_;
  }

  // The bytes written are the first `size_` of the buffer; writes go straight
  // in up to `end_`, which never passes the buffer's size nor the limit, and
  // which a failed stream keeps at `size_`.
  mutable std::vector<std::uint8_t> buffer_;
  std::size_t size_ = 0;
  mutable std::size_t end_ = 0;
  std::size_t byteLimit_;
  bool failed_ = false;
};

class StreamReader {
 public:
  // Reads the header when the data starts with one; otherwise the data is an
  // older version 0 stream and nothing is consumed. The data must outlive the
  // reader.
  explicit StreamReader(std::span<const std::uint8_t> data);
  explicit StreamReader(std::string_view data);

  std::uint32_t version() const { return version_; }

  std::uint8_t readByte() {
    if (end_ - position_ >= 1) return data_[position_++];
    return readByteSlowly();
  }
  // 4 bytes; 2 bytes (unsigned) in a version 0 stream.
  std::int32_t readWord() {
    if (wordBytes_ == 4) return static_cast<std::int32_t>(readWord32());
    return static_cast<std::int32_t>(readLittleEndian(2));
  }
  std::uint32_t readWord32() {
    if (end_ - position_ >= 4) {
      const std::uint8_t* at = data_.data() + position_;
      position_ += 4;
      return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
             static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
    }
    return readLittleEndian(4);
  }
  // Any non-zero value is set.
  bool readFlag() { return readWord32() != 0; }
  std::int32_t readBytes() { return static_cast<std::int32_t>(readWord32()); }
  // A null text reads as the empty text. A length that runs past the data
  // fails the stream without reserving anything for it.
  std::string readString();

  // Reads one framed object into an existing slot: `body(*this, version)`
  // reads the fields that the stored object version has. Fails the stream
  // (and skips `body`) when the frame is broken, the class is not registered
  // or is not `expectedClass`. True when the stream is still good afterwards.
  template <typename Body>
  bool readObject(std::string_view expectedClass, Body&& body) {
    const std::optional<std::uint32_t> objectVersion = beginObject(expectedClass);
    if (!objectVersion) return false;
    std::forward<Body>(body)(*this, *objectVersion);
    return endObject();
  }

  bool failed() const { return failed_; }
  std::size_t position() const { return position_; }
  std::size_t remaining() const { return data_.size() - position_; }

 private:
  // Consumes `count` bytes; nullptr (and the stream failed) when fewer remain.
  const std::uint8_t* take(std::size_t count);
  std::uint32_t readLittleEndian(std::size_t width);
  std::uint8_t readByteSlowly();
  std::string readText(std::size_t maxLength);
  std::optional<std::uint32_t> beginObject(std::string_view expectedClass);
  bool endObject();
  void fail() {
    failed_ = true;
    end_ = position_;
  }

  std::span<const std::uint8_t> data_;
  std::size_t position_ = 0;
  // Reads go straight in up to here: the data's end, or where the stream failed.
  std::size_t end_ = 0;
  std::uint32_t version_ = 0;
  std::size_t wordBytes_ = 2;
  bool failed_ = false;
};

}  // namespace lumora

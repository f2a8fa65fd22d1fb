#include "files/object_stream.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace lumora {

std::optional<StreamClass> FindStreamClass(std::string_view name) {
  for (const StreamClass& known : {kPilotStreamClass, kPairStreamClass}) {
    if (known.name == name) return known;
  }
  return std::nullopt;
}

// ---------------------------------------------------------------- writer

StreamWriter::StreamWriter(std::size_t byteLimit) : byteLimit_(byteLimit) {
  writeByte(kStreamHeaderMark);
  writeWord32(kStreamVersion);
}

void StreamWriter::reserve(std::size_t bytes) {
  const std::size_t wanted = bytes < byteLimit_ ? bytes : byteLimit_;
  if (wanted > size_) makeRoom(wanted - size_);
}

void StreamWriter::makeRoom(std::size_t count) {
  if (buffer_.size() - size_ >= count) return;
  buffer_.resize(std::max({size_ + count, buffer_.size() * 2, std::size_t{256}}));
  end_ = std::min(buffer_.size(), byteLimit_);
}

void StreamWriter::append(const std::uint8_t* bytes, std::size_t count) {
  if (failed_) return;
  const std::size_t room = byteLimit_ - size_;
  const bool fits = count <= room;
  // A short write: what fits is written, then nothing more.
  const std::size_t taken = fits ? count : room;
  if (taken > 0) {
    makeRoom(taken);
    std::memcpy(buffer_.data() + size_, bytes, taken);
    size_ += taken;
  }
  if (!fits) {
    failed_ = true;
    end_ = size_;
  }
}

void StreamWriter::appendLittleEndianSlowly(std::uint32_t value) {
  const std::array<std::uint8_t, 4> bytes{
      static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
      static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
  append(bytes.data(), bytes.size());
}

void StreamWriter::writeString(std::string_view text) {
  if (failed_) return;
  if (text.size() >= kNullTextLength) {
    // Its length cannot be told apart from a null text or does not fit.
    failed_ = true;
    return;
  }
  writeWord32(static_cast<std::uint32_t>(text.size()));
  append(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

void StreamWriter::writeNullString() {
  writeWord32(kNullTextLength);
}

// ---------------------------------------------------------------- reader

StreamReader::StreamReader(std::span<const std::uint8_t> data) : data_(data), end_(data.size()) {
  if (!data_.empty() && data_[0] == kStreamHeaderMark) {
    position_ = 1;
    version_ = readWord32();
  }
  wordBytes_ = version_ == 0 ? 2 : 4;
}

StreamReader::StreamReader(std::string_view data)
    : StreamReader(std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(data.data()),
                                                 data.size())) {}

const std::uint8_t* StreamReader::take(std::size_t count) {
  if (failed_) return nullptr;
  if (count > remaining()) {
    fail();
    return nullptr;
  }
  const std::uint8_t* bytes = data_.data() + position_;
  position_ += count;
  return bytes;
}

std::uint32_t StreamReader::readLittleEndian(std::size_t width) {
  const std::uint8_t* bytes = take(width);
  if (bytes == nullptr) return 0;
  std::uint32_t value = 0;
  for (std::size_t i = width; i > 0; --i) value = (value << 8) | bytes[i - 1];
  return value;
}

std::uint8_t StreamReader::readByteSlowly() {
  const std::uint8_t* bytes = take(1);
  return bytes == nullptr ? 0 : bytes[0];
}

std::string StreamReader::readText(std::size_t maxLength) {
  if (failed_) return {};
  std::uint32_t length = 0;
  if (version_ > 256) {
    length = readWord32();
    if (length == kNullTextLength) return {};
  } else {
    length = readByte();
    if (length == 255) return {};
  }
  if (failed_) return {};
  if (length > maxLength) {
    fail();
    return {};
  }
  // Checked against the data before anything is allocated for it.
  const std::uint8_t* bytes = take(length);
  if (bytes == nullptr) return {};
  return std::string(reinterpret_cast<const char*>(bytes), length);
}

std::string StreamReader::readString() {
  return readText(std::numeric_limits<std::size_t>::max());
}

std::optional<std::uint32_t> StreamReader::beginObject(std::string_view expectedClass) {
  if (failed_) return std::nullopt;
  if (readByte() != kObjectPrefix) {
    fail();
    return std::nullopt;
  }
  const std::string className = readText(kMaxClassNameLength);
  // A registered class of another kind would read its body into the wrong slot.
  if (className.empty() || !FindStreamClass(className) || className != expectedClass) {
    fail();
    return std::nullopt;
  }
  const std::uint32_t objectVersion = version_ == 0 ? 0 : readWord32();
  if (failed_) return std::nullopt;
  return objectVersion;
}

bool StreamReader::endObject() {
  if (readByte() != kObjectSuffix) fail();
  return !failed_;
}

}  // namespace lumora

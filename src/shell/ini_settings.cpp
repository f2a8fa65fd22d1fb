#include "shell/ini_settings.h"

#include <cstdint>
#include <fstream>
#include <span>
#include <system_error>
#include <utility>

#include "files/atomic_file.h"
#include "model/time_text.h"
#include "shell/user_folders.h"

namespace lumora {

namespace {

constexpr std::string_view kBlanks = " \t\f\v";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

char Lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

bool HasLineBreak(std::string_view text) {
  return text.find_first_of("\r\n") != std::string_view::npos;
}

struct Line {
  enum class Kind { Other, Section, Entry } kind = Kind::Other;
  std::string_view name;   // section name or key
  std::string_view value;  // entries only
  std::size_t equals = 0;  // position of "=" in the raw line, entries only
};

// A line as read keeps a carriage return at its end: a rewrite gives every
// line it does not change back byte for byte, whatever mix of line ends the
// file has. It means nothing to the line's content.
std::string_view WithoutReturn(std::string_view raw) {
  if (raw.ends_with('\r')) raw.remove_suffix(1);
  return raw;
}

// Blank lines, comments and lines without "=" are kept but mean nothing.
Line Classify(std::string_view raw) {
  raw = WithoutReturn(raw);
  const std::string_view text = Trim(raw);
  if (text.empty() || text.front() == ';') return {};
  if (text.front() == '[') {
    const std::string_view inner = text.substr(1);
    return {Line::Kind::Section, Trim(inner.substr(0, inner.find(']'))), {}, 0};
  }
  const std::size_t equals = raw.find('=');
  if (equals == std::string_view::npos) return {};
  const std::string_view key = Trim(raw.substr(0, equals));
  if (key.empty()) return {};
  return {Line::Kind::Entry, key, Trim(raw.substr(equals + 1)), equals};
}

bool ValidSection(std::string_view section) {
  return !section.empty() && Trim(section) == section && !HasLineBreak(section) &&
         section.find(']') == std::string_view::npos;
}

bool ValidKey(std::string_view key) {
  return !key.empty() && Trim(key) == key && !HasLineBreak(key) &&
         key.find('=') == std::string_view::npos && key.front() != '[' && key.front() != ';';
}

// FNV-1a: cheap, and any changed, dropped or added byte changes it.
std::uint32_t Checksum(std::string_view text) {
  std::uint32_t hash = 2166136261u;
  for (const char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 16777619u;
  }
  return hash;
}

constexpr char kHexDigits[] = "0123456789ABCDEF";

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The whole file when it is a regular file of at most `limit` bytes.
std::optional<std::string> ReadBounded(const std::filesystem::path& path, std::size_t limit) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string content;
  char buffer[16384];
  while (in) {
    in.read(buffer, sizeof buffer);
    content.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (content.size() > limit) return std::nullopt;
  }
  if (in.bad()) return std::nullopt;
  return content;
}

}  // namespace

std::filesystem::path SettingsFolderPath() {
  return ResolveUserFolder(EnvironmentValue("LUMORA_CONFIG_DIR"),
                           EnvironmentValue("XDG_CONFIG_HOME"), ".config", HomeFolder());
}

std::filesystem::path SettingsFilePath() {
  return SettingsFolderPath() / "lumora.ini";
}

std::string EncodeStructValue(std::string_view text) {
  std::string stored;
  stored.reserve(text.size() + 9);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    // A line keeps neither control characters nor blanks at its ends.
    const bool edgeBlank = byte == ' ' && (i == 0 || i + 1 == text.size());
    if (byte < 0x20 || byte == 0x7F || byte == '%' || edgeBlank) {
      stored += '%';
      stored += kHexDigits[byte >> 4];
      stored += kHexDigits[byte & 0x0F];
    } else {
      stored += static_cast<char>(byte);
    }
  }
  stored += ';';
  const std::uint32_t sum = Checksum(text);
  for (int shift = 28; shift >= 0; shift -= 4) stored += kHexDigits[(sum >> shift) & 0x0F];
  return stored;
}

std::optional<std::string> DecodeStructValue(std::string_view stored) {
  if (stored.size() < 9 || stored[stored.size() - 9] != ';') return std::nullopt;
  std::uint32_t sum = 0;
  for (const char c : stored.substr(stored.size() - 8)) {
    const int digit = HexValue(c);
    if (digit < 0) return std::nullopt;
    sum = (sum << 4) | static_cast<std::uint32_t>(digit);
  }
  const std::string_view body = stored.substr(0, stored.size() - 9);
  std::string text;
  text.reserve(body.size());
  for (std::size_t i = 0; i < body.size(); ++i) {
    if (body[i] != '%') {
      text += body[i];
      continue;
    }
    if (i + 2 >= body.size()) return std::nullopt;
    const int high = HexValue(body[i + 1]);
    const int low = HexValue(body[i + 2]);
    if (high < 0 || low < 0) return std::nullopt;
    text += static_cast<char>(high * 16 + low);
    i += 2;
  }
  if (Checksum(text) != sum) return std::nullopt;
  return text;
}

IniSettingsStore::IniSettingsStore(std::filesystem::path path) : path_(std::move(path)) {
  std::error_code error;
  const bool present = std::filesystem::exists(std::filesystem::symlink_status(path_, error));
  if (!present) return;
  std::optional<std::string> content = ReadBounded(path_, kMaxFileSize);
  if (!content) {
    state_ = LoadState::Unreadable;
    return;
  }
  std::string_view rest = *content;
  if (rest.starts_with(kByteOrderMark)) {
    rest.remove_prefix(kByteOrderMark.size());
    byteOrderMark_ = true;
  }
  const std::size_t firstBreak = rest.find('\n');
  if (firstBreak != std::string_view::npos && firstBreak > 0 && rest[firstBreak - 1] == '\r') {
    newLineEnd_ = "\r";
  }
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    lines_.emplace_back(rest.substr(0, end));
    if (end == std::string_view::npos) {
      // The last line gets the file's own line end when it is rewritten.
      if (!lines_.back().ends_with('\r')) lines_.back() += newLineEnd_;
      break;
    }
    rest.remove_prefix(end + 1);
  }
}

std::optional<std::string> IniSettingsStore::find(std::string_view section,
                                                  std::string_view key) const {
  bool inSection = false;
  for (const std::string& raw : lines_) {
    const Line line = Classify(raw);
    if (line.kind == Line::Kind::Section) {
      inSection = EqualNoCase(line.name, section);
    } else if (inSection && line.kind == Line::Kind::Entry && EqualNoCase(line.name, key)) {
      return std::string(line.value);
    }
  }
  return std::nullopt;
}

std::string IniSettingsStore::readString(std::string_view section, std::string_view key,
                                         std::string_view fallback) const {
  std::optional<std::string> value = find(section, key);
  return value ? std::move(*value) : std::string(fallback);
}

int IniSettingsStore::readInt(std::string_view section, std::string_view key, int fallback) const {
  const std::optional<std::string> value = find(section, key);
  return value ? LeadingInt(*value) : fallback;
}

bool IniSettingsStore::writeString(std::string_view section, std::string_view key,
                                   std::string_view value) {
  if (state_ != LoadState::Loaded) return false;
  if (!ValidSection(section) || !ValidKey(key) || HasLineBreak(value)) return false;

  std::vector<std::string> before = lines_;
  bool inSection = false;
  bool replaced = false;
  std::optional<std::size_t> firstHeader;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const Line line = Classify(lines_[i]);
    if (line.kind == Line::Kind::Section) {
      inSection = EqualNoCase(line.name, section);
      if (inSection && !firstHeader) firstHeader = i;
    } else if (inSection && line.kind == Line::Kind::Entry && EqualNoCase(line.name, key)) {
      // The key keeps its spelling, and the line its blanks around the "=".
      std::size_t valueStart = line.equals + 1;
      while (valueStart < lines_[i].size() && kBlanks.find(lines_[i][valueStart]) != kBlanks.npos)
        ++valueStart;
      const bool returned = lines_[i].ends_with('\r');
      lines_[i] = lines_[i].substr(0, valueStart) + std::string(value) + (returned ? "\r" : "");
      replaced = true;
      break;
    }
  }
  if (!replaced) {
    std::string entry = std::string(key) + "=" + std::string(value) + newLineEnd_;
    if (firstHeader) {
      // After the last entry of the first section of that name, so that the
      // blank lines and comments before the next section stay where they are.
      std::size_t at = *firstHeader + 1;
      for (std::size_t i = at; i < lines_.size(); ++i) {
        const Line line = Classify(lines_[i]);
        if (line.kind == Line::Kind::Section) break;
        if (line.kind == Line::Kind::Entry) at = i + 1;
      }
      lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(entry));
    } else {
      if (!lines_.empty() && !Trim(WithoutReturn(lines_.back())).empty())
        lines_.push_back(newLineEnd_);
      lines_.push_back("[" + std::string(section) + "]" + newLineEnd_);
      lines_.push_back(std::move(entry));
    }
  }
  if (!save()) {
    lines_ = std::move(before);
    return false;
  }
  return true;
}

std::optional<std::string> IniSettingsStore::readStruct(std::string_view section,
                                                        std::string_view key) const {
  const std::optional<std::string> stored = find(section, key);
  if (!stored) return std::nullopt;
  return DecodeStructValue(*stored);
}

bool IniSettingsStore::writeStruct(std::string_view section, std::string_view key,
                                   std::string_view value) {
  return writeString(section, key, EncodeStructValue(value));
}

bool IniSettingsStore::save() {
  std::string content(byteOrderMark_ ? kByteOrderMark : std::string_view{});
  for (const std::string& line : lines_) {
    content += line;
    content += '\n';
  }
  if (content.size() > kMaxFileSize) return false;
  std::error_code error;
  const std::filesystem::path folder = path_.parent_path();
  if (!folder.empty()) std::filesystem::create_directories(folder, error);
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(content.data());
  return WriteFileAtomically(path_, std::span(bytes, content.size())) == AtomicWriteStatus::Ok;
}

}  // namespace lumora

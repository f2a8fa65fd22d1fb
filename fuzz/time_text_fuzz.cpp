// The time and fixed-column readers see every field of every import.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "model/time_text.h"
#include "platform/event_log.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  lumora::EventLog log;
  for (bool limit : {false, true}) {
    const int minutes = lumora::ParseTime(text, limit);
    if (minutes < -1) std::abort();
    if (limit && minutes >= 24 * 60 + 60) std::abort();
  }
  const std::size_t position = size ? data[0] : 0;
  (void)lumora::GetInt(text, position, size / 2, log);
  (void)lumora::LeadingInt(text);
  const int minutes = static_cast<int>(lumora::LeadingInt(text) % 100000);
  (void)lumora::FormatTime(minutes, size % 2 == 0, size % 3 == 0);
  return 0;
}

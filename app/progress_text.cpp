#include "app/progress_text.h"

#include <algorithm>
#include <cstdint>

namespace lumora {

std::string formatProgressLine(std::string_view format, int position, int maximum) {
  const int values[2] = {position, maximum};
  int used = 0;
  std::string out;
  out.reserve(format.size() + 16);
  for (std::size_t i = 0; i < format.size(); ++i) {
    const char c = format[i];
    if (c == '%' && i + 1 < format.size()) {
      const char next = format[i + 1];
      if (next == '%') {
        out += '%';
        ++i;
        continue;
      }
      if (next == 'd' && used < 2) {
        out += std::to_string(values[used++]);
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

int progressPercent(int position, int maximum) {
  if (maximum <= 0) return 0;
  const std::int64_t percent = std::int64_t{position} * 100 / maximum;
  return static_cast<int>(std::clamp<std::int64_t>(percent, 0, 100));
}

std::string formatProgressPercent(int position, int maximum) {
  return formatProgressLine("%d%%", progressPercent(position, maximum), 0);
}

}  // namespace lumora

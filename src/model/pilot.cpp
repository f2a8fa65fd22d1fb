#include "model/pilot.h"

#include <algorithm>
#include <string_view>

#include "model/time_text.h"

namespace lumora {

void TPilot::Clear() {
  const std::int32_t reserved = ReservedWord;
  const std::uint8_t below = BelowBlockHolderLine;
  static_cast<TPilotData&>(*this) = TPilotData{};
  DayCell.fill(kEmptyCell);
  ReservedWord = reserved;
  BelowBlockHolderLine = below;
}

void TPilot::ParseLast89HardTime() {
  if (Last89HardTimeText.size() < 4 * kLast89Days) return;
  const std::string_view text = Last89HardTimeText;
  for (std::size_t i = 0; i < kLast89Days; ++i)
    Last89HardTime[i] = LeadingInt(text.substr(4 * i, 4));
}

bool IsLeaveCode(std::string_view code) {
  static constexpr std::string_view kLeave[] = {"LOA", "PSD", "UTF", "MAT", "MED",
                                                "WCB", "LTD", "PWC", "MOD"};
  return std::find(std::begin(kLeave), std::end(kLeave), code) != std::end(kLeave);
}

void TPilot::ComputeOnLeaveAllMonth(int monthLength) {
  const int days = std::clamp(monthLength, 0, kBlockDays);
  const auto leaveDays = std::count_if(DayCode.begin(), DayCode.begin() + days,
                                       [](const std::string& c) { return IsLeaveCode(c); });
  OnLeaveAllMonth = leaveDays >= monthLength ? 1 : 0;
}

std::string RequestLabel(int code) {
  if (code >= 1 && code <= 9) return "X" + std::to_string(code);
  switch (code) {
    case 10:
      return "XA";
    case 11:
      return "XP";
    case 12:
      return "XM";
    case 13:
      return "RGD";
    case 14:
      return "RPD";
    default:
      break;
  }
  if (code >= 20 && code <= 51) return "X" + std::to_string(code - 19);
  return {};
}

}  // namespace lumora

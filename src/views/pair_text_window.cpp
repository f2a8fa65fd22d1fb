#include "views/pair_text_window.h"

#include <algorithm>
#include <cstdlib>

#include "building/roster_bounds.h"
#include "model/time_text.h"

namespace lumora {

namespace {

constexpr int kFlightAttendants = 2;
constexpr Rgb kLineIndocText = colors::kBlue;
constexpr Rgb kLineCheckText{255, 51, 153};
constexpr Rgb kRecurrentLckText{128, 192, 96};

// The caption's times, clock times and durations alike, as "%02d:%02d".
std::string CaptionTime(int minutes) {
  return FormatTime(minutes, false, true);
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

Rgb TextColorOf(int type) {
  switch (type) {
    case 1:
      return kLineIndocText;
    case 2:
      return kLineCheckText;
    case 3:
      return kRecurrentLckText;
    default:
      return colors::kBlack;
  }
}

}  // namespace

PairTextContent PairTextFor(const TDocument& doc, int pair, int day) {
  PairTextContent content;
  if (!doc.isPairIndex(pair)) return content;
  const TPair& p = doc.pair(pair);
  content.pair = pair;
  content.day = day;
  content.lines = SplitLines(p.DisplayText);
  if (day >= 0 && day < kMonthDays)
    content.textColor = TextColorOf(p.DayPairingType[static_cast<std::size_t>(day)]);

  // A required rest of a day or more would otherwise read as a time past 24:00.
  int legal = p.OffTime + (doc.CrewType == kFlightAttendants ? 720 : p.MinRestAfter);
  while (legal > kMinutesPerDay) legal -= kMinutesPerDay;
  int duty = 0;
  for (std::size_t i = 0; i < 6; ++i) duty += p.DailyDutyTime[i];
  content.caption = "ON " + CaptionTime(p.OnTime) + " OFF " + CaptionTime(p.OffTime) + " CREDIT " +
                    CaptionTime(p.Credit) + " LEGAL AT " + CaptionTime(legal) + " Type " +
                    p.CrewPosition + " Fat Unit " + CaptionTime(p.FatUnits) + " Duty " +
                    CaptionTime(duty);
  return content;
}

PairTextContent PreviousMonthText(std::string text) {
  PairTextContent content;
  content.lines = SplitLines(text);
  content.caption = "Last Pairing of Previous Month";
  return content;
}

Rect PlacePairTextWindow(Point mouse, int lineCount, int captionHeight, const Rect& mainWindow) {
  const int height = std::max(0, lineCount) * kPairTextLineHeight + captionHeight + 41;
  int left = mouse.x - 317;
  int top = mouse.y - height / 2;
  left = std::min(left, mainWindow.right - kPairTextWidth);
  top = std::min(top, mainWindow.bottom - height);
  left = std::max(left, 1);
  top = std::max(top, 1);
  return {left, top, left + kPairTextWidth, top + height};
}

void PaintPairText(Canvas& canvas, const PairTextContent& content, const Rect& client) {
  canvas.fillRect(client, colors::kWhite);
  const TextStyle style{FontRole::PairText, content.textColor};
  int y = client.top;
  for (const std::string& line : content.lines) {
    if (y >= client.bottom) break;
    canvas.text({client.left + 1, y}, line, style);
    y += kPairTextLineHeight;
  }
  if (!content.footer.empty())
    canvas.text({client.left + 14, client.bottom - 22}, content.footer,
                TextStyle{FontRole::PairText, colors::kBlack});
}

}  // namespace lumora

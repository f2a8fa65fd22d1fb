#pragma once
// Hand-made PRG records: each builder puts its fields at their columns of a
// line of blanks, as the crew-tracking system writes them.

#include <cstdio>
#include <string>
#include <string_view>

namespace lumora::testing {

class PrgLine {
 public:
  PrgLine(char type, std::string_view key, std::size_t length) : text_(length, ' ') {
    put(0, std::string(1, type));
    put(1, key);
  }

  PrgLine& put(std::size_t position, std::string_view field) {
    if (text_.size() < position + field.size()) text_.resize(position + field.size(), ' ');
    text_.replace(position, field.size(), field);
    return *this;
  }
  // Zero-padded decimal digits.
  PrgLine& num(std::size_t position, int width, int value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
    return put(position, buffer);
  }

  std::string str() const { return text_; }
  operator std::string() const { return text_; }

 private:
  std::string text_;
};

// Type 1: key is the pairing letter and its 4-digit number ("J8123").
struct Header {
  std::string key = "J8123";
  int date = 20260706;  // this operating date
  int report = 420;
  int tafb = 1980;
  std::string complement = "CA01FO01";
  int rest = 660;
  int blocks[6] = {150, 60, 0, 0, 0, 0};
  int credit = 600;
  bool spill = false;
  std::string weekdays = "YNNNNNN";
  int firstOp = 706;  // MMDD
  int lastOp = 727;
  int exceptions[4] = {713, 0, 0, 0};

  std::string str() const {
    PrgLine line('1', key, 303);
    line.num(19, 2, firstOp / 100).num(21, 2, firstOp % 100);
    line.num(27, 2, lastOp / 100).num(29, 2, lastOp % 100);
    line.put(31, weekdays);
    for (int i = 0; i < 4; ++i) line.num(38 + 4 * static_cast<std::size_t>(i), 4, exceptions[i]);
    line.num(70, 4, date / 10000).num(74, 2, date / 100 % 100).num(76, 2, date % 100);
    line.num(78, 4, report).num(107, 5, tafb).put(112, spill ? "Y" : "N");
    line.put(113, complement).num(145, 4, rest);
    for (int k = 0; k < 6; ++k) line.num(150 + 4 * static_cast<std::size_t>(k), 4, blocks[k]);
    line.num(299, 4, credit);
    return line;
  }
};

// Type 2.
inline std::string Leg(std::string_view key, int firstDate, int flight, std::string_view from,
                       int date, int departs, std::string_view to, int arrives, int block,
                       bool deadhead = false) {
  PrgLine line('2', key, 68);
  line.num(7, 8, firstDate).num(15, 4, flight).put(28, from).num(31, 8, date).num(39, 4, departs);
  line.put(43, to).num(54, 4, arrives).put(61, deadhead ? "D" : " ").num(64, 4, block);
  return line;
}

// Type 3. An empty remark marks the pairing's last duty period.
struct Duty {
  std::string key = "J8123";
  int date = 20260706;
  int report = 420;
  int end = 720;
  int length = 300;
  int rest = 1200;
  std::string station = "YVR";
  std::string remark = "HOTEL ABC";
  int totals[3] = {330, 105, 300};  // positions 114, 130, 122
  int credit = 300;
  bool noDutyData = false;  // blanks at positions 30-31

  std::string str() const {
    PrgLine line('3', key, 134);
    line.num(22, 8, date);
    if (noDutyData)
      line.put(30, "  ");
    else
      line.num(30, 4, report);
    line.num(42, 4, end).num(47, 4, length).num(51, 5, rest).put(56, station).put(59, remark);
    line.num(114, 4, totals[0]).num(130, 4, totals[1]).num(122, 4, totals[2]);
    line.num(126, 4, credit);
    return line;
  }
};

// Type 4.
inline std::string OtherCarrier(std::string_view key, int firstDate, std::string_view flight,
                                int date, std::string_view from, int departs, std::string_view to,
                                int arrives, std::string_view code) {
  PrgLine line('4', key, 86);
  line.num(7, 8, firstDate).put(18, flight).num(26, 8, date).put(34, from).num(45, 4, departs);
  line.put(49, to).num(60, 4, arrives).put(83, code);
  return line;
}

// Type 5.
inline std::string Segment(std::string_view key, int firstDate, std::string_view code,
                           std::string_view from, int date, int departs, std::string_view to,
                           int arrives) {
  PrgLine line('5', key, 59);
  line.num(7, 8, firstDate).put(18, code).put(29, from).num(32, 8, date).num(40, 4, departs);
  line.put(44, to).num(55, 4, arrives);
  return line;
}

}  // namespace lumora::testing

#include "samples/bids_writer.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>

#include "samples/random.h"

namespace lumora::samples {

namespace {

constexpr std::array<const char*, 34> kHeader{
    "EmpNo",    "LastName",  "FirstName", "Email",        "Phone1",   "Phone2",   "Seniority",
    "Position", "LBW",       "VAC",       "STAT",         "GDO",      "PDO1",     "PDO2",
    "PDONext",  "UsedPDO",   "SIM",       "MaxDays",      "CrewRest", "PairRes",  "MaxDaysRes",
    "Request1", "Request2",  "Request3",  "Request4",     "Request5", "Request6", "Request7",
    "Request8", "PrefPairs", "Comments",  "LastComments", "HistPDO",  "Submitted"};

constexpr std::array<const char*, 12> kFirstNames{"Alain",    "Benoit",   "Carole",    "Denis",
                                                  "Emilie",   "Francois", "Genevieve", "Hugo",
                                                  "Isabelle", "Julien",   "Karine",    "Luc"};

constexpr std::array<const char*, 6> kWords{
    "Early starts please", "No red-eyes", "Line with weekends off",
    "Layovers in YYZ",     "Short trips", "Day trips only"};

std::string Number(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%d", value);
  return text;
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string Capitalised(const std::string& text) {
  std::string out = Lower(text);
  if (!out.empty()) out[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(out[0])));
  return out;
}

class BidMaker {
 public:
  BidMaker(const MonthPeriod& period, const std::vector<std::string>& keys, Rng& rng)
      : period_(period), keys_(keys), rng_(rng) {}

  std::array<std::string, 35> fields(const BidPilot& pilot) {
    std::array<std::string, 35> f;
    char number[16];
    std::snprintf(number, sizeof number, "%06d", pilot.employeeNumber % 1000000);
    const std::string first =
        kFirstNames[static_cast<std::size_t>(pilot.initial - 'A') % kFirstNames.size()];
    f[1] = number;
    f[2] = first;
    f[3] = Capitalised(pilot.surname);
    f[4] = Lower(first) + "." + Lower(pilot.surname) + "@example.com";
    f[5] = "514-555-" + Number(1000 + rng_.Uniform(0, 8999));
    f[6] = rng_.Percent(40) ? "438-555-" + Number(1000 + rng_.Uniform(0, 8999)) : "";
    f[7] = Number(rng_.Uniform(1, 400));
    f[9] = rng_.Percent(30) ? "Y" : "N";
    f[10] = rng_.Percent(15) ? Number(rng_.Uniform(1, 3) * 7) : "";
    f[11] = rng_.Percent(10) ? "1" : "";
    f[12] = dayList(rng_.Uniform(0, 3), true);
    f[13] = dayList(rng_.Uniform(0, 2), false);
    f[14] = rng_.Percent(10) ? dayList(1, false) : "";
    f[15] = rng_.Percent(20) ? Number(dayOfMonth(rng_.Uniform(0, period_.Length() - 1))) : "";
    f[16] = Number(rng_.Uniform(0, 6));
    f[17] = rng_.Percent(10) ? Number(dayOfMonth(rng_.Uniform(0, period_.Length() - 1))) : "";
    f[18] = Number(rng_.Uniform(14, 19));
    f[19] = Number(rng_.Uniform(10, 14));
    const std::size_t kind = rng_.Weighted({70, 10, 8, 12});
    static constexpr std::array<const char*, 4> kPairRes{"Pairings", "reserve", "Reserve", "Line"};
    f[20] = kPairRes[kind];
    f[21] = kind == 1 || kind == 2 ? Number(rng_.Uniform(16, 20)) : "";
    const int requests = rng_.Uniform(0, 8);
    for (int k = 0; k < requests; ++k) f[static_cast<std::size_t>(22 + k)] = request();
    // A request left empty between others.
    if (requests > 2 && rng_.Percent(20)) f[23].clear();
    f[30] = rng_.Percent(50) ? key() + " " + key() : "";
    f[31] = rng_.Percent(30) ? "Thanks" : "";
    f[32] = rng_.Percent(10) ? "Same as last month" : "";
    f[33] = rng_.Percent(30) ? MonthAbbrev((month() + 10) % 12 + 1) + std::string(" ") +
                                   Number(rng_.Uniform(1, 28))
                             : "";
    const Date submitted = DateOf(period_.first - rng_.Uniform(8, 20));
    char date[16];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", submitted.year, submitted.month,
                  submitted.day);
    f[34] = date;
    char stamp[16];
    std::snprintf(stamp, sizeof stamp, "%02d:%02d:%02d", rng_.Uniform(6, 23), rng_.Uniform(0, 59),
                  rng_.Uniform(0, 59));
    f[0] = stamp;
    return f;
  }

 private:
  int month() const { return period_.month; }
  int dayOfMonth(int index) const { return DateOf(period_.first + index).day; }

  std::string key() { return keys_.empty() ? "M7001" : rng_.Pick(keys_); }

  // Days of the month; some of the guaranteed ones in the next month.
  std::string dayList(int count, bool guaranteed) {
    std::string list;
    for (int i = 0; i < count; ++i) {
      if (!list.empty()) list += ",";
      if (guaranteed && rng_.Percent(10))
        list += (rng_.Percent(50) ? "+" : std::string(MonthAbbrev(month() % 12 + 1)) + "+") +
                Number(rng_.Uniform(1, 5));
      else
        list += Number(dayOfMonth(rng_.Uniform(1, period_.Length() - 2)));
    }
    return list;
  }

  std::string request() {
    switch (rng_.Weighted({35, 10, 25, 8, 12, 10})) {
      case 0: {
        const int a = rng_.Uniform(1, period_.Length() - 5);
        const int b = a + rng_.Uniform(1, 3);
        std::string text = "OFF " + Number(dayOfMonth(a)) + "-" + Number(dayOfMonth(b));
        if (rng_.Percent(50))
          text += ", " + Number(dayOfMonth(rng_.Uniform(0, period_.Length() - 1)));
        return text;
      }
      case 1:
        return "off weekends";
      case 2:
        return key() + " " + key();
      case 3: {
        // Over the turn of the month where the period has one (31 January
        // to 2 February), else its last days.
        int turn = period_.Length() - 3;
        for (int i = 0; i + 1 < period_.Length(); ++i)
          if (dayOfMonth(i + 1) < dayOfMonth(i)) {
            turn = i;
            break;
          }
        const int from = std::max(turn - 1, 0);
        return "OFF " + Number(dayOfMonth(from)) + "-" + Number(dayOfMonth(from + 2));
      }
      case 4:
        // Two lines typed in one request box.
        return "OFF " + Number(dayOfMonth(rng_.Uniform(0, period_.Length() - 1))) + "\v" + key();
      default:
        return rng_.Pick(std::vector<std::string>(kWords.begin(), kWords.end()));
    }
  }

  const MonthPeriod& period_;
  const std::vector<std::string>& keys_;
  Rng& rng_;
};

std::string Row(const std::array<std::string, 35>& f) {
  std::string row = "\"";
  for (std::size_t k = 1; k <= 34; ++k) row += f[k] + "\",\"";
  return row + f[0] + "\",\"end_x_bid\"\r\n";
}

}  // namespace

std::string WriteBids(const std::vector<BidPilot>& pilots, const MonthPeriod& period,
                      const std::vector<std::string>& keys, std::uint32_t seed,
                      int missingPercent) {
  Rng rng = Rng::Stream(seed, "bids");
  BidMaker maker(period, keys, rng);
  std::string text = "\"";
  for (std::size_t k = 0; k < kHeader.size(); ++k)
    text += std::string(kHeader[k]) + (k + 1 < kHeader.size() ? "\",\"" : "\"\r\n");
  std::string resubmitted;
  for (const BidPilot& pilot : pilots) {
    if (rng.Percent(missingPercent)) continue;  // no bid this month
    std::array<std::string, 35> fields = maker.fields(pilot);
    text += Row(fields);
    if (resubmitted.empty() && rng.Percent(5)) {
      // Sent again later in the day; the form keeps both.
      fields[31] = "Resubmitted: please use this one";
      resubmitted = Row(fields);
    }
  }
  return text + resubmitted;
}

std::string BidsFileName(const World& world) {
  if (world.options.category == Category::FlightAttendant) return {};
  return world.options.base + world.options.equipment + CategoryCode(world.options.category) +
         "bids.csv";
}

std::string WriteBidsFile(const World& world) {
  std::vector<BidPilot> pilots;
  for (const CrewMember& c : world.crew) pilots.push_back({c.employeeNumber, c.surname, c.initial});
  std::vector<std::string> keys;
  for (const Pairing& p : world.pairings)
    if (p.selected) keys.push_back(p.Key());
  return WriteBids(pilots, world.period, keys, world.options.seed);
}

}  // namespace lumora::samples

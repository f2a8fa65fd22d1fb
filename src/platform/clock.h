#pragma once

namespace lumora {

struct LocalDateTime {
  int year = 0;
  int month = 0;  // 1 to 12
  int day = 0;    // 1 to 31
  int hour = 0;
  int minute = 0;
  int second = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalDateTime now() const = 0;
};

// The machine's local time; both front ends use it.
class SystemClock final : public Clock {
 public:
  LocalDateTime now() const override;
};

}  // namespace lumora

#pragma once
// A clock that always shows the time it was given.

#include "platform/clock.h"

namespace lumora::testing {

class FixedClock : public Clock {
 public:
  explicit FixedClock(LocalDateTime t) : time(t) {}
  LocalDateTime now() const override { return time; }
  LocalDateTime time;
};

}  // namespace lumora::testing

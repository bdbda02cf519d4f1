// The calendar clock: the real time in seconds unless a test has fixed it.
#include "support/clock.h"

#include <ctime>

namespace {
bool clockFixed = false;
std::int64_t fixedSeconds = 0;
}  // namespace

std::int64_t calendarSeconds() {
  return clockFixed ? fixedSeconds : static_cast<std::int64_t>(std::time(nullptr));
}

void fixClock(std::int64_t seconds) {
  clockFixed = true;
  fixedSeconds = seconds;
}

void releaseClock() { clockFixed = false; }

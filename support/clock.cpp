// The calendar clock: the real time in seconds unless a test has fixed it.
#include "support/clock.h"

#include "support/os.h"
#include "testing/fixedclock.h"

namespace {
bool clockFixed = false;
std::int64_t fixedSeconds = 0;
}  // namespace

std::int64_t calendarSeconds() { return clockFixed ? fixedSeconds : os::clockSeconds(); }

void fixClock(std::int64_t seconds) {
  clockFixed = true;
  fixedSeconds = seconds;
}

void releaseClock() { clockFixed = false; }

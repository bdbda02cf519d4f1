// Test hook into the calendar clock (support/clock.h): fixing the time that the game seeds its
// generator from, so that a pick can be reproduced. Implemented in support/clock.cpp.
#pragma once

#include <cstdint>

// Makes calendarSeconds() return `seconds` until releaseClock() is called.
void fixClock(std::int64_t seconds);

// Returns calendarSeconds() to the real clock.
void releaseClock();

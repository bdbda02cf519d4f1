// The calendar clock the game seeds its generator from, with a seam that lets tests fix it so
// that a pick can be reproduced. The product never fixes it.
#pragma once

#include <cstdint>

// The current calendar time in whole seconds, or the fixed time while one is set.
std::int64_t calendarSeconds();

// Makes calendarSeconds() return `seconds` until releaseClock() is called.
void fixClock(std::int64_t seconds);

// Returns calendarSeconds() to the real clock.
void releaseClock();

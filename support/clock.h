// The calendar clock the game seeds its generator from. Tests may fix it through the hook of
// testing/fixedclock.h, so that a pick can be reproduced; the product never does.
#pragma once

#include <cstdint>

// The current calendar time in whole seconds, or the fixed time while one is set.
std::int64_t calendarSeconds();

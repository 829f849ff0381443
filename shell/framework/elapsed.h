// Time between two readings of the clock that Timer() gives.
#pragma once

#include "shell/vb_runtime.h"

// Seconds from one Timer() reading to a later one. Timer() counts from
// midnight, so a later reading below the earlier one has passed midnight:
// an answer given at 00:00:01 to a question shown at 23:59:59 took 2 s.
inline Single SecondsBetween(Single earlier, Single later) {
    constexpr Single SecondsPerDay = 86400;
    return later >= earlier ? later - earlier : later + SecondsPerDay - earlier;
}

// The names that tie the Right Or Left screens together.
#pragma once

#include "shell/framework/triad.h"

inline Triad RightOrLeftTriad() {
    return {"frmRLO", "frmRLT", "frmRLS", "RightLeft.hlp"};
}

// The names that tie the Shape Counting screens together.
#pragma once

#include "shell/framework/triad.h"

inline Triad ShapeCountingTriad() {
    return {"frmFG1o", "frmFG1t", "frmFG1s", "ShapeCounting.hlp"};
}

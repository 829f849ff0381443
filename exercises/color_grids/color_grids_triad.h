// The names that tie the Discriminating Color Grids screens together.
#pragma once

#include "shell/framework/triad.h"

inline Triad ColorGridsTriad() {
    return {"frmVD1o", "frmVD1t", "frmVD1s", "ColorGrids.hlp"};
}

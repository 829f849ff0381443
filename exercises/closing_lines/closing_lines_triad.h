// The names that tie the Closing Lines and Boxes screens together.
#pragma once

#include "shell/framework/triad.h"

inline Triad ClosingLinesTriad() {
    return {"frmVC2o", "frmVC2t", "frmVC2s", "ClosingLines.hlp"};
}

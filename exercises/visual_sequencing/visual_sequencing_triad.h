// The names that tie the Visual Sequencing screens together.
#pragma once

#include "shell/framework/triad.h"

inline Triad VisualSequencingTriad() {
    return {"frmVSS2o", "frmVSS2t", "frmVSS2s", "VisualSequencing.hlp"};
}

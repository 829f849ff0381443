// The names that tie the Pattern Duplicator screens together.
#pragma once

#include "shell/framework/triad.h"

inline Triad PatternDuplicatorTriad() {
    return {"frmVD8o", "frmVD8t", "frmVD8s", "PatternDup.hlp"};
}

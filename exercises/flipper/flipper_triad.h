// The names that tie the Flipper screens together.
#pragma once

#include "shell/framework/triad.h"

inline Triad FlipperTriad() {
    return {"frmFlipperO", "frmFlipperT", "frmFlipperS", "Flipper.hlp"};
}

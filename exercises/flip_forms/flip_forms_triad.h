// The names that tie the Flip Forms screens together.
#pragma once

#include "shell/framework/triad.h"

inline Triad FlipFormTriad() {
    return {"frmFlipFormO", "frmFlipFormT", "frmFlipFormS", "FlipForms.hlp"};
}

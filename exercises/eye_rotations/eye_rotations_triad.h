// The names that tie the Eye Rotations screens together.
#pragma once

#include "shell/framework/triad.h"

inline Triad EyeRotationTriad() {
    return {"frmDotO", "frmDotT", "frmDotS", "EyeRotations.hlp"};
}

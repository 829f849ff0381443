// The names that tie the tracking screens together.
#pragma once

#include "shell/framework/triad.h"

inline Triad TrackingTriad() {
    return {"frmTrackO", "frmTrackT", "frmTrackS", "TrackNumbers.hlp"};
}

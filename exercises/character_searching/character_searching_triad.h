// The names that tie the Character Searching screens together.
#pragma once

#include "shell/framework/triad.h"

inline Triad CharacterSearchingTriad() {
    return {"frmFG7o", "frmFG7t", "frmFG7s", "ChaacterSearching.hlp"};
}

// Everyday objects drawn simply, each lopsided both left-right and top-bottom
// so that a mirrored or upside-down copy never looks like the original.
#pragma once

#include "draw_kit.h"

#include <vector>

struct ObjectRecipe {
    const char* name;
    void (*draw)(QPainter& p, const kit::Ink& ink);
    kit::Ink ink;    // its natural colours
    kit::Ink altInk; // other colours, used when it appears in a pair
};

const std::vector<ObjectRecipe>& Objects();

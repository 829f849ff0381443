// Which variant of the sample each of the four boxes shows, and which one the
// question asks for.
#pragma once

#include "exercises/flipper/orientations.h"

#include <array>

struct Arrangement {
    Orientation asked;
    std::array<Orientation, 4> boxes; // boxes 1 to 4, left to right
};

// The arrangement for arrangement number a (0 to 2) and the index of the
// answer button (0 to 3) under the box that holds the variant asked for.
Arrangement ArrangementFor(int a, int correctAnswer);

QString QuestionFor(Orientation asked);

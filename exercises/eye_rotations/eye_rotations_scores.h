// The score values of Eye Rotations, zeroed by ResetScores.
#pragma once

#include "shell/mod_dodi.h"
#include "shell/vb_runtime.h"

struct EyeRotationScores {
    Counter16 CorrectCount;       // presses while a target disc was shown
    Counter16 WrongCount;         // presses on any other disc
    Counter16 TargetsShown;       // target discs presented
    Counter16 RotationsCompleted; // rotations, or discs when they go at random
};

inline EyeRotationScores& EyeScores() {
    return Scores<EyeRotationScores>();
}

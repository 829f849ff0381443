// The platform's random numbers as plain functions, for the exercise rules
// that draw through a function handed to them.
#pragma once

// The platform's next uniform value in [0, 1).
double PlatformRnd();
// Mixes the clock into the platform's generator.
void PlatformRandomize();

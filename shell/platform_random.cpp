#include "shell/platform_random.h"

#include "shell/platform.h"

double PlatformRnd() {
    return platform().Rnd();
}

void PlatformRandomize() {
    platform().Randomize();
}

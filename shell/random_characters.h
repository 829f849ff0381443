// Characters drawn at random from one value of Rnd, as the character
// exercises draw them: a digit 1 to 9, a capital A to Y, a small letter a to y
// (Z and z never come up) or one of b, d, p, q.
#pragma once

#include <QString>

enum class CharacterKind { Digit, Capital, Small, Bdpq };

// One character of the kind from rnd in [0, 1).
QString RandomCharacter(CharacterKind kind, double rnd);

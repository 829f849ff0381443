// The names that tie the Closing Letters screens together.
#pragma once

#include "shell/framework/triad.h"

inline Triad ClosingLettersTriad() {
    return {"frmLetterO", "frmLetterT", "frmLetterS", "RevealLetters.hlp"};
}

// Makes the Character Searching screens loadable by name.
#include "exercises/character_searching/frmFG7o.h"
#include "exercises/character_searching/frmFG7s.h"
#include "exercises/character_searching/frmFG7t.h"

void RegisterCharacterSearching() {
    Forms::Register(frmFG7o::Name, [] { return new frmFG7o; });
    Forms::Register(frmFG7t::Name, [] { return new frmFG7t; });
    Forms::Register(frmFG7s::Name, [] { return new frmFG7s; });
    AdaptivePlaces places;
    places.optionRowsTop = 6000;
    places.optionRowsLeft = 120;
    // At the end of the question's line, left of the counters (the screen keeps it there).
    places.levelLabel = QRectF(6420, 6873, 1500, 405);
    DeclareAdaptiveLadder(
        {frmFG7o::Name, frmFG7t::Name, frmFG7s::Name, CharacterSearching::Ladder(), places});
}

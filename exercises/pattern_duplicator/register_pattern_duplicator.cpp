// Makes the Pattern Duplicator screens loadable by name.
#include "exercises/pattern_duplicator/frmVD8o.h"
#include "exercises/pattern_duplicator/frmVD8s.h"
#include "exercises/pattern_duplicator/frmVD8t.h"

void RegisterPatternDuplicator() {
    Forms::Register(frmVD8o::Name, [] { return new frmVD8o; });
    Forms::Register(frmVD8t::Name, [] { return new frmVD8t; });
    Forms::Register(frmVD8s::Name, [] { return new frmVD8s; });
    AdaptivePlaces places;
    places.optionRowsTop = 3600;
    places.optionRowsLeft = 240;
    // On the buttons' row, between Options and Check Answer.
    places.levelLabel = QRectF(4800, 6660, 1935, 495);
    DeclareAdaptiveLadder(
        {frmVD8o::Name, frmVD8t::Name, frmVD8s::Name, PatternDuplicator::Ladder(), places});
}

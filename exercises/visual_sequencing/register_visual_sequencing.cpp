// Makes the Visual Sequencing screens loadable by name.
#include "exercises/visual_sequencing/frmVSS2o.h"
#include "exercises/visual_sequencing/frmVSS2s.h"
#include "exercises/visual_sequencing/frmVSS2t.h"

void RegisterVisualSequencing() {
    Forms::Register(frmVSS2o::Name, [] { return new frmVSS2o; });
    Forms::Register(frmVSS2t::Name, [] { return new frmVSS2t; });
    Forms::Register(frmVSS2s::Name, [] { return new frmVSS2s; });
    AdaptivePlaces places;
    places.optionRowsTop = 5520;
    places.optionRowsLeft = 1200;
    places.levelLabel = QRectF(360, 3600, 2655, 420);
    DeclareAdaptiveLadder(
        {frmVSS2o::Name, frmVSS2t::Name, frmVSS2s::Name, VisualSequencing::Ladder(), places});
}

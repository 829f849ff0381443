// Makes the Shape Counting screens loadable by name.
#include "exercises/shape_counting/frmFG1o.h"
#include "exercises/shape_counting/frmFG1s.h"
#include "exercises/shape_counting/frmFG1t.h"

void RegisterShapeCounting() {
    Forms::Register(frmFG1o::Name, [] { return new frmFG1o; });
    Forms::Register(frmFG1t::Name, [] { return new frmFG1t; });
    Forms::Register(frmFG1s::Name, [] { return new frmFG1s; });
    AdaptivePlaces places;
    places.optionRowsTop = 3480;
    places.optionRowsLeft = 240;
    // In the counters' strip, left of the average time (the screen keeps it there).
    places.levelLabelParent = "Frame1";
    places.levelLabel = QRectF(4830, 0, 1500, 495);
    DeclareAdaptiveLadder(
        {frmFG1o::Name, frmFG1t::Name, frmFG1s::Name, ShapeCounting::Ladder(), places});
}

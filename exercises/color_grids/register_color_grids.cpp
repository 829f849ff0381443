// Makes the Discriminating Color Grids screens loadable by name.
#include "exercises/color_grids/frmVD1o.h"
#include "exercises/color_grids/frmVD1s.h"
#include "exercises/color_grids/frmVD1t.h"

void RegisterColorGrids() {
    Forms::Register(frmVD1o::Name, [] { return new frmVD1o; });
    Forms::Register(frmVD1t::Name, [] { return new frmVD1t; });
    Forms::Register(frmVD1s::Name, [] { return new frmVD1s; });
    AdaptivePlaces places;
    places.optionRowsTop = 4440;
    places.optionRowsLeft = 240;
    places.levelLabel = QRectF(240, 6000, 2040, 495);
    DeclareAdaptiveLadder(
        {frmVD1o::Name, frmVD1t::Name, frmVD1s::Name, ColorGrids::Ladder(), places});
}

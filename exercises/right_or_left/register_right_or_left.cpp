// Makes the Right Or Left screens loadable by name.
#include "exercises/right_or_left/frmRLO.h"
#include "exercises/right_or_left/frmRLS.h"
#include "exercises/right_or_left/frmRLT.h"

void RegisterRightOrLeft() {
    Forms::Register(frmRLO::Name, [] { return new frmRLO; });
    Forms::Register(frmRLT::Name, [] { return new frmRLT; });
    Forms::Register(frmRLS::Name, [] { return new frmRLS; });
    AdaptivePlaces places;
    places.optionRowsTop = 4440;
    places.optionRowsLeft = 720;
    places.levelLabel = QRectF(7080, 7920, 1440, 495);
    DeclareAdaptiveLadder(
        {frmRLO::Name, frmRLT::Name, frmRLS::Name, RightOrLeftRules::Ladder(), places});
}

// Makes the Eye Rotations screens loadable by name.
#include "exercises/eye_rotations/eye_rotations_rules.h"
#include "exercises/eye_rotations/frmDotO.h"
#include "exercises/eye_rotations/frmDotS.h"
#include "exercises/eye_rotations/frmDotT.h"

void RegisterEyeRotations() {
    Forms::Register(frmDotO::Name, [] { return new frmDotO; });
    Forms::Register(frmDotT::Name, [] { return new frmDotT; });
    Forms::Register(frmDotS::Name, [] { return new frmDotS; });
    AdaptivePlaces places;
    places.optionRowsTop = 4800;
    places.optionRowsLeft = 450;
    // The therapy screen places "Level n" itself, left of its counters.
    places.levelLabel = QRectF(7170, 8430, 1080, 480);
    places.infoLine = "lblTarget";
    DeclareAdaptiveLadder(
        {frmDotO::Name, frmDotT::Name, frmDotS::Name, EyeRotations::Ladder(), places});
}

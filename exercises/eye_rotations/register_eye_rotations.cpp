// Makes the Eye Rotations screens loadable by name.
#include "exercises/eye_rotations/frmDotO.h"
#include "exercises/eye_rotations/frmDotS.h"
#include "exercises/eye_rotations/frmDotT.h"

void RegisterEyeRotations() {
    Forms::Register(frmDotO::Name, [] { return new frmDotO; });
    Forms::Register(frmDotT::Name, [] { return new frmDotT; });
    Forms::Register(frmDotS::Name, [] { return new frmDotS; });
}

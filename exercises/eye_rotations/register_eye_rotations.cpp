// Makes the Eye Rotations screens loadable by name.
#include "exercises/eye_rotations/frm_dot_o.h"
#include "exercises/eye_rotations/frm_dot_s.h"
#include "exercises/eye_rotations/frm_dot_t.h"

void RegisterEyeRotations() {
    Forms::Register(frmDotO::Name, [] { return new frmDotO; });
    Forms::Register(frmDotT::Name, [] { return new frmDotT; });
    Forms::Register(frmDotS::Name, [] { return new frmDotS; });
}

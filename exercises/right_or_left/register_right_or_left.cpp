// Makes the Right Or Left screens loadable by name.
#include "exercises/right_or_left/frmRLO.h"
#include "exercises/right_or_left/frmRLS.h"
#include "exercises/right_or_left/frmRLT.h"

void RegisterRightOrLeft() {
    Forms::Register(frmRLO::Name, [] { return new frmRLO; });
    Forms::Register(frmRLT::Name, [] { return new frmRLT; });
    Forms::Register(frmRLS::Name, [] { return new frmRLS; });
}

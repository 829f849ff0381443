// Makes the three Flip Forms screens loadable by name.
#include "exercises/flip_forms/frmFlipFormO.h"
#include "exercises/flip_forms/frmFlipFormS.h"
#include "exercises/flip_forms/frmFlipFormT.h"

void RegisterFlipForms() {
    Forms::Register(frmFlipFormO::Name, [] { return new frmFlipFormO; });
    Forms::Register(frmFlipFormT::Name, [] { return new frmFlipFormT; });
    Forms::Register(frmFlipFormS::Name, [] { return new frmFlipFormS; });
}

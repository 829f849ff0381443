// Makes the three Flipper screens loadable by name.
#include "exercises/flipper/frmFlipperO.h"
#include "exercises/flipper/frmFlipperS.h"
#include "exercises/flipper/frmFlipperT.h"

void RegisterFlipper() {
    Forms::Register(frmFlipperO::Name, [] { return new frmFlipperO; });
    Forms::Register(frmFlipperT::Name, [] { return new frmFlipperT; });
    Forms::Register(frmFlipperS::Name, [] { return new frmFlipperS; });
}

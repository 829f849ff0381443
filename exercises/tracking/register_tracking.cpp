// Makes the three tracking screens loadable by name.
#include "exercises/tracking/frmTrackO.h"
#include "exercises/tracking/frmTrackS.h"
#include "exercises/tracking/frmTrackT.h"

void RegisterTracking() {
    Forms::Register(frmTrackO::Name, [] { return new frmTrackO; });
    Forms::Register(frmTrackT::Name, [] { return new frmTrackT; });
    Forms::Register(frmTrackS::Name, [] { return new frmTrackS; });
}

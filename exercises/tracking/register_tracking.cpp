// Makes the three tracking screens loadable by name.
#include "exercises/tracking/frmTrackO.h"
#include "exercises/tracking/frmTrackS.h"
#include "exercises/tracking/frmTrackT.h"
#include "exercises/tracking/tracking_rules.h"

void RegisterTracking() {
    Forms::Register(frmTrackO::Name, [] { return new frmTrackO; });
    Forms::Register(frmTrackT::Name, [] { return new frmTrackT; });
    Forms::Register(frmTrackS::Name, [] { return new frmTrackS; });
    AdaptivePlaces places;
    places.optionRowsTop = 4980;
    places.optionRowsLeft = 360;
    places.levelLabel = QRectF(4560, 7740, 1680, 495);
    places.infoLine = "lblTargType";
    DeclareAdaptiveLadder(
        {frmTrackO::Name, frmTrackT::Name, frmTrackS::Name, Tracking::Ladder(), places});
}

// Makes the three Closing Letters screens loadable by name.
#include "exercises/closing_letters/frmLetterO.h"
#include "exercises/closing_letters/frmLetterS.h"
#include "exercises/closing_letters/frmLetterT.h"

void RegisterClosingLetters() {
    Forms::Register(frmLetterO::Name, [] { return new frmLetterO; });
    Forms::Register(frmLetterT::Name, [] { return new frmLetterT; });
    Forms::Register(frmLetterS::Name, [] { return new frmLetterS; });
    AdaptivePlaces places;
    places.optionRowsTop = 5400;
    places.optionRowsLeft = 240;
    places.levelLabel = QRectF(8410, 5880, 1440, 495);
    places.infoLine = "lblAnswer";
    DeclareAdaptiveLadder(
        {frmLetterO::Name, frmLetterT::Name, frmLetterS::Name, ClosingLetters::Ladder(), places});
}

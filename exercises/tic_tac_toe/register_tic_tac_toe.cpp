// Makes the Tic Tac Toe Rotations screens loadable by name.
#include "exercises/tic_tac_toe/frmVSS1o.h"
#include "exercises/tic_tac_toe/frmVSS1s.h"
#include "exercises/tic_tac_toe/frmVSS1t.h"

void RegisterTicTacToe() {
    Forms::Register(frmVSS1o::Name, [] { return new frmVSS1o; });
    Forms::Register(frmVSS1t::Name, [] { return new frmVSS1t; });
    Forms::Register(frmVSS1s::Name, [] { return new frmVSS1s; });
    AdaptivePlaces places;
    places.optionRowsTop = 5940;
    places.optionRowsLeft = 240;
    places.levelLabel = QRectF(360, 5640, 2655, 420);
    DeclareAdaptiveLadder(
        {frmVSS1o::Name, frmVSS1t::Name, frmVSS1s::Name, TicTacToe::Ladder(), places});
}

// Makes the metronome loadable by name, which enables its main-menu button.
#include "tools/metronome/frmMetronome.h"

void RegisterMetronome() {
    Forms::Register(frmMetronome::Name, [] { return new frmMetronome; });
}

// Makes the Visual Sequencing screens loadable by name.
#include "exercises/visual_sequencing/frmVSS2o.h"
#include "exercises/visual_sequencing/frmVSS2s.h"
#include "exercises/visual_sequencing/frmVSS2t.h"

void RegisterVisualSequencing() {
    Forms::Register(frmVSS2o::Name, [] { return new frmVSS2o; });
    Forms::Register(frmVSS2t::Name, [] { return new frmVSS2t; });
    Forms::Register(frmVSS2s::Name, [] { return new frmVSS2s; });
}

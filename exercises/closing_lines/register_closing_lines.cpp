// Makes the Closing Lines and Boxes screens loadable by name.
#include "exercises/closing_lines/frmVC2o.h"
#include "exercises/closing_lines/frmVC2s.h"
#include "exercises/closing_lines/frmVC2t.h"

void RegisterClosingLines() {
    Forms::Register(frmVC2o::Name, [] { return new frmVC2o; });
    Forms::Register(frmVC2t::Name, [] { return new frmVC2t; });
    Forms::Register(frmVC2s::Name, [] { return new frmVC2s; });
}

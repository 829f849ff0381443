// Makes the Shape Counting screens loadable by name.
#include "exercises/shape_counting/frmFG1o.h"
#include "exercises/shape_counting/frmFG1s.h"
#include "exercises/shape_counting/frmFG1t.h"

void RegisterShapeCounting() {
    Forms::Register(frmFG1o::Name, [] { return new frmFG1o; });
    Forms::Register(frmFG1t::Name, [] { return new frmFG1t; });
    Forms::Register(frmFG1s::Name, [] { return new frmFG1s; });
}

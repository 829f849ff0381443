// Makes the Pattern Duplicator screens loadable by name.
#include "exercises/pattern_duplicator/frmVD8o.h"
#include "exercises/pattern_duplicator/frmVD8s.h"
#include "exercises/pattern_duplicator/frmVD8t.h"

void RegisterPatternDuplicator() {
    Forms::Register(frmVD8o::Name, [] { return new frmVD8o; });
    Forms::Register(frmVD8t::Name, [] { return new frmVD8t; });
    Forms::Register(frmVD8s::Name, [] { return new frmVD8s; });
}

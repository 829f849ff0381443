// Makes the Character Searching screens loadable by name.
#include "exercises/character_searching/frmFG7o.h"
#include "exercises/character_searching/frmFG7s.h"
#include "exercises/character_searching/frmFG7t.h"

void RegisterCharacterSearching() {
    Forms::Register(frmFG7o::Name, [] { return new frmFG7o; });
    Forms::Register(frmFG7t::Name, [] { return new frmFG7t; });
    Forms::Register(frmFG7s::Name, [] { return new frmFG7s; });
}

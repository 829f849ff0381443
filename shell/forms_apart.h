// Screens made apart from the forms registry, for reading a screen's own
// rules without touching the screen in use.
#pragma once

#include <QString>
#include <memory>

class Form;

namespace Forms {

// A form of that registered name, made and loaded (Form_Load) but never
// shown, activated or unloaded, and not the one that Get and Find give.
std::unique_ptr<Form> MakeApart(const QString& name);

} // namespace Forms

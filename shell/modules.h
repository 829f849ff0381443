// Modules: parts of the program kept in libraries of their own and loaded
// when first needed, so that starting KOVA does not load the libraries they
// use (the audio output, the desktop's keyring). A module is looked for
// beside the program (the build folder), then in the installed module
// folder, given relative to the installed program so that the installed
// tree may be moved.
#pragma once

#include <QString>

// The module's full path, or nothing when it is in neither place.
QString FindModule(const QString& fileName);

// The function the module exports under symbol, or nullptr with why it
// could not be had. A loaded module stays loaded: what it made lives as
// long as the program.
void* ModuleFunction(const QString& fileName, const char* symbol, QString* why);

// Finds pictures, sounds and help pages by name.
#pragma once

#include <QString>

// The folder of built-in assets beside the executable.
QString AssetDirectory();

// The path of fileName in the current directory if it is there, else in the
// asset folder; empty when neither has it.
QString FindAsset(const QString& fileName);

// Finds pictures, sounds and help pages by name.
#pragma once

#include <QString>

// The folder of built-in assets: beside the executable unless one was set.
QString AssetDirectory();
// Uses another folder of built-in assets; an empty name restores the default.
void SetAssetDirectory(const QString& folder);

// The path of fileName in the current directory if it is there, else in the
// asset folder; empty when neither has it.
QString FindAsset(const QString& fileName);

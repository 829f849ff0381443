// Finds pictures, sounds and help pages by name.
#pragma once

#include <QString>
#include <QStringList>

// The folders that may hold the built-in assets, in the order they are
// searched: assets/ beside the executable (the build tree), then
// ../share/kova beside it (an installed KOVA, wherever it was unpacked).
// Only the chosen folder when one was set.
QStringList AssetFolders();
// The first of AssetFolders() that exists; the first candidate when none does.
QString AssetDirectory();
// Uses another folder of built-in assets; an empty name restores the default.
void SetAssetDirectory(const QString& folder);

// The path of fileName in the current directory if it is there, else in the
// first asset folder that has it; empty when none has it.
QString FindAsset(const QString& fileName);

// When no asset folder exists: what to tell the therapist, naming every
// folder KOVA looked in. Empty when a folder was found.
QString MissingAssetsMessage();

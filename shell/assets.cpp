#include "shell/assets.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

QString& assetDirectoryOverride() {
    static QString folder;
    return folder;
}

// The path of bare (a file name) in folder, matched in any letter case, or
// empty.
QString findIn(const QString& folder, const QString& bare) {
    const QString path = folder + "/" + bare;
    if (QFileInfo(path).isFile()) {
        return path;
    }
    // Names are matched without regard to case, as the program's files
    // were named on a system that ignores it ("LetterLCA.jpg"). The names
    // are compared here rather than by a name filter, which would be a
    // pattern (and load the pattern engine at start-up).
    const QStringList files = QDir(folder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& entry : files) {
        if (entry.compare(bare, Qt::CaseInsensitive) == 0) {
            return folder + "/" + entry;
        }
    }
    return {};
}

} // namespace

QStringList AssetFolders() {
    const QString& chosen = assetDirectoryOverride();
    if (!chosen.isEmpty()) {
        return {chosen};
    }
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.filePath("assets"), QDir::cleanPath(program.filePath("../share/kova"))};
}

QString AssetDirectory() {
    const QStringList folders = AssetFolders();
    for (const QString& folder : folders) {
        if (QFileInfo(folder).isDir()) {
            return folder;
        }
    }
    return folders.first();
}

void SetAssetDirectory(const QString& folder) {
    assetDirectoryOverride() = folder;
}

QString FindAsset(const QString& fileName) {
    // Callers may name a folder in either style ("<dir>\Image1.jpg"); only
    // the file's own name counts.
    const qsizetype folderEnd = std::max(fileName.lastIndexOf('/'), fileName.lastIndexOf('\\'));
    const QString bare = fileName.mid(folderEnd + 1);
    if (bare.isEmpty()) {
        return {};
    }
    for (const QString& folder : QStringList{QDir::currentPath()} + AssetFolders()) {
        const QString path = findIn(folder, bare);
        if (!path.isEmpty()) {
            return path;
        }
    }
    return {};
}

QString MissingAssetsMessage() {
    const QStringList folders = AssetFolders();
    for (const QString& folder : folders) {
        if (QFileInfo(folder).isDir()) {
            return {};
        }
    }
    QString message = "KOVA cannot find its pictures, sounds and help pages. It looked in:\n";
    for (const QString& folder : QStringList{QDir::currentPath()} + folders) {
        message += "    " + QDir::toNativeSeparators(folder) + "\n";
    }
    return message + "\nThe exercises open without pictures and sounds, and help pages are "
                     "not shown. Installing KOVA again puts the files back.";
}

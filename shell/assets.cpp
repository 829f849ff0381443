#include "shell/assets.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

static QString& assetDirectoryOverride() {
    static QString folder;
    return folder;
}

QString AssetDirectory() {
    const QString& folder = assetDirectoryOverride();
    return folder.isEmpty() ? QCoreApplication::applicationDirPath() + "/assets" : folder;
}

void SetAssetDirectory(const QString& folder) {
    assetDirectoryOverride() = folder;
}

QString FindAsset(const QString& fileName) {
    // Callers may name a folder in either style ("<dir>\Image1.jpg"); only
    // the file's own name counts.
    const QString bare = fileName.section(QRegularExpression(R"([\\/])"), -1);
    if (bare.isEmpty()) {
        return {};
    }
    for (const QString& folder : {QDir::currentPath(), AssetDirectory()}) {
        const QString path = folder + "/" + bare;
        if (QFileInfo(path).isFile()) {
            return path;
        }
        // Names are matched without regard to case, as the program's files
        // were named on a system that ignores it ("LetterLCA.jpg").
        const QStringList sameName =
            QDir(folder).entryList({bare}, QDir::Files, QDir::Name | QDir::IgnoreCase);
        for (const QString& entry : sameName) {
            if (entry.compare(bare, Qt::CaseInsensitive) == 0) {
                return folder + "/" + entry;
            }
        }
    }
    return {};
}

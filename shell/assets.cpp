#include "shell/assets.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString AssetDirectory() {
    return QCoreApplication::applicationDirPath() + "/assets";
}

QString FindAsset(const QString& fileName) {
    const QString bare = QFileInfo(fileName).fileName(); // "\Image1.jpg" style names too
    for (const QString& folder : {QDir::currentPath(), AssetDirectory()}) {
        const QString path = folder + "/" + bare;
        if (QFileInfo(path).isFile()) {
            return path;
        }
    }
    return {};
}

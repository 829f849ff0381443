#include "shell/modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

QString FindModule(const QString& fileName) {
    const QDir program(QCoreApplication::applicationDirPath());
    for (const QString& folder : {program.path(), program.filePath(KOVA_MODULE_FOLDER)}) {
        const QFileInfo module(QDir(folder).filePath(fileName));
        if (module.isFile()) {
            return QDir::cleanPath(module.absoluteFilePath());
        }
    }
    return {};
}

void* ModuleFunction(const QString& fileName, const char* symbol, QString* why) {
    const QString path = FindModule(fileName);
    if (path.isEmpty()) {
        *why = fileName + " not found";
        return nullptr;
    }
    QLibrary module(path);
    module.setLoadHints(QLibrary::PreventUnloadHint);
    void* function = reinterpret_cast<void*>(module.resolve(symbol));
    if (function == nullptr) {
        *why = module.errorString();
    }
    return function;
}

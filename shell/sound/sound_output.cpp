#include "shell/sound/sound_output.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <cstdio>

QString SoundModuleFileName() {
    return QStringLiteral("libkova_sound.so");
}

QString FindSoundModule() {
    const QDir program(QCoreApplication::applicationDirPath());
    for (const QString& folder : {program.path(), program.filePath(KOVA_MODULE_FOLDER)}) {
        const QFileInfo module(QDir(folder).filePath(SoundModuleFileName()));
        if (module.isFile()) {
            return QDir::cleanPath(module.absoluteFilePath());
        }
    }
    return {};
}

std::unique_ptr<SoundOutput> LoadSoundOutput() {
    const QString path = FindSoundModule();
    // Never unloaded: the players it made live as long as the program.
    QLibrary module(path);
    module.setLoadHints(QLibrary::PreventUnloadHint);
    const auto create =
        path.isEmpty()
            ? nullptr
            : reinterpret_cast<CreateSoundOutputFunction>(module.resolve(KOVA_CREATE_SOUND_OUTPUT));
    if (create == nullptr) {
        const QString why =
            path.isEmpty() ? SoundModuleFileName() + " not found" : module.errorString();
        std::fputs(("KOVA plays no sound: " + why + "\n").toLocal8Bit().constData(), stderr);
        return nullptr;
    }
    return std::unique_ptr<SoundOutput>(create());
}

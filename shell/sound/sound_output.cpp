#include "shell/sound/sound_output.h"

#include "shell/modules.h"

#include <cstdio>

QString SoundModuleFileName() {
    return QStringLiteral("libkova_sound.so");
}

QString FindSoundModule() {
    return FindModule(SoundModuleFileName());
}

std::unique_ptr<SoundOutput> LoadSoundOutput() {
    QString why;
    const auto create = reinterpret_cast<CreateSoundOutputFunction>(
        ModuleFunction(SoundModuleFileName(), KOVA_CREATE_SOUND_OUTPUT, &why));
    if (create == nullptr) {
        std::fputs(("KOVA plays no sound: " + why + "\n").toLocal8Bit().constData(), stderr);
        return nullptr;
    }
    return std::unique_ptr<SoundOutput>(create());
}

// The player of the program's sounds. It lives in a module of its own,
// loaded when a sound is first needed, so that starting KOVA does not load
// the audio libraries and everything they bring.
#pragma once

#include <QString>
#include <memory>

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Whether the desktop has a device to play on.
    virtual bool DeviceAvailable() = 0;
    // Starts loading a sound in the background; the file is known to be playable.
    virtual void Preload(const QString& absolutePath) = 0;
    virtual void Play(const QString& absolutePath) = 0;
};

// The module's file name, and where it was found (shell/modules.h).
QString SoundModuleFileName();
QString FindSoundModule();

// The player from the module, or nothing when the module cannot be loaded:
// the program then goes on without sound, as on a desktop with no device.
std::unique_ptr<SoundOutput> LoadSoundOutput();

// The one function the module exports.
using CreateSoundOutputFunction = SoundOutput* (*)();
#define KOVA_CREATE_SOUND_OUTPUT "kova_create_sound_output"

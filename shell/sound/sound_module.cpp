// The sound player module: the program's sounds played through the desktop's
// audio output. Loaded by LoadSoundOutput when a sound is first needed.
#include "shell/sound/sound_output.h"

#include <QAudioDevice>
#include <QHash>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace {

class EffectsOutput final : public SoundOutput {
public:
    ~EffectsOutput() override { qDeleteAll(effects_); }

    bool DeviceAvailable() override { return !QMediaDevices::defaultAudioOutput().isNull(); }

    void Preload(const QString& absolutePath) override { EffectOf(absolutePath); }

    void Play(const QString& absolutePath) override { EffectOf(absolutePath)->play(); }

private:
    // The loaded sound of a file, loading it the first time.
    QSoundEffect* EffectOf(const QString& absolutePath) {
        QSoundEffect*& effect = effects_[absolutePath];
        if (effect == nullptr) {
            effect = new QSoundEffect;
            effect->setSource(QUrl::fromLocalFile(absolutePath));
        }
        return effect;
    }

    QHash<QString, QSoundEffect*> effects_;
};

} // namespace

extern "C" Q_DECL_EXPORT SoundOutput* kova_create_sound_output() {
    return new EffectsOutput;
}

#include "shell/platform.h"

#include "shell/real_platform.h"

#include <QFile>

static std::unique_ptr<Platform>& current() {
    static std::unique_ptr<Platform> instance;
    return instance;
}

Platform& platform() {
    if (!current()) {
        current() = std::make_unique<RealPlatform>();
    }
    return *current();
}

void SetPlatform(std::unique_ptr<Platform> replacement) {
    current() = std::move(replacement);
}

bool IsPlayableWav(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray header = file.read(12);
    return header.size() == 12 && header.startsWith("RIFF") && header.mid(8, 4) == "WAVE" &&
           file.size() > 44;
}

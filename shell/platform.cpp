#include "shell/platform.h"

#include "shell/real_platform.h"

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

#include "shell/random_characters.h"

#include "shell/vb_runtime.h"

#include <algorithm>

namespace {

// Int(rnd × count), 0 to count - 1. Adding a first character code before
// taking the whole part could round a value just under the next whole number
// up to it, so the offset is taken alone.
int PickIndex(int count, double rnd) {
    return std::clamp(static_cast<int>(Int(rnd * count)), 0, count - 1);
}

QString Character(char16_t first, int offset) {
    return QString(QChar(static_cast<char16_t>(first + offset)));
}

} // namespace

QString RandomCharacter(CharacterKind kind, double rnd) {
    switch (kind) {
    case CharacterKind::Digit:
        return Character(u'1', PickIndex(9, rnd));
    case CharacterKind::Capital:
        return Character(u'A', PickIndex(25, rnd));
    case CharacterKind::Small:
        return Character(u'a', PickIndex(25, rnd));
    case CharacterKind::Bdpq:
        break;
    }
    static const QString bdpq = "bdpq";
    return QString(bdpq.at(PickIndex(4, rnd)));
}

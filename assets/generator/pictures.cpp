#include "pictures.h"

#include "draw_kit.h"
#include "objects.h"
#include "shapes.h"

#include <QFont>

#include <algorithm>
#include <cstdint>
#include <random>
#include <stdexcept>

using namespace kit;
namespace c = kit::colour;

namespace {

// Letters, digits and signs that look different in all four orientations.
struct GlyphRecipe {
    const char* text;
    bool serif;
    QColor colour;
};

const std::vector<GlyphRecipe>& Glyphs() {
    static const std::vector<GlyphRecipe> glyphs = {
        {"F", false, c::Red},    {"G", true, c::Blue},       {"J", false, c::Green},
        {"L", true, c::Orange},  {"P", false, c::Purple},    {"Q", true, c::Teal},
        {"R", false, c::Pink},   {"a", true, c::Navy},       {"b", false, c::Red},
        {"e", true, c::Green},   {"f", false, c::Blue},      {"g", true, c::Orange},
        {"h", false, c::Teal},   {"k", true, c::Purple},     {"r", false, c::Brown},
        {"t", true, c::Red},     {"y", false, c::Green},     {"2", true, c::Blue},
        {"4", false, c::Orange}, {"5", true, c::Purple},     {"6", false, c::Pink},
        {"7", true, c::Teal},    {"9", false, c::Navy},      {"?", true, c::Red},
        {"&", false, c::Blue},   {"\u00a3", true, c::Green}, {"\u00df", false, c::Orange},
        {"@", false, c::Purple},
    };
    return glyphs;
}

const std::vector<GlyphRecipe>& Words() {
    static const std::vector<GlyphRecipe> words = {
        {"dog", false, c::Brown},  {"Sky", true, c::Blue},   {"Jug", false, c::Teal},
        {"Fox", true, c::Orange},  {"hat", false, c::Red},   {"key", true, c::Purple},
        {"Go!", false, c::Green},  {"Yes", true, c::Navy},   {"pig", false, c::Pink},
        {"Run", true, c::Red},     {"top", false, c::Blue},  {"fly", true, c::Green},
        {"Jam", false, c::Purple}, {"egg", true, c::Orange}, {"Hop", false, c::Teal},
        {"Cup", true, c::Brown},
    };
    return words;
}

// Draws text as large as fits in width x height, centred, with a soft shadow
// below and to the right.
void DrawText(QPainter& p, const GlyphRecipe& glyph, double width, double height) {
    QFont font(glyph.serif ? "Liberation Serif" : "Liberation Sans");
    font.setBold(true);
    font.setPixelSize(100);
    QPainterPath path;
    path.addText(0, 0, font, QString::fromUtf8(glyph.text));
    const QRectF box = path.boundingRect();
    const double scale = std::min(width / box.width(), height / box.height());
    QTransform fit;
    fit.translate(50, 50);
    fit.scale(scale, scale);
    fit.translate(-box.center().x(), -box.center().y());
    path = fit.map(path);
    Plain(p, c::LightGrey);
    p.drawPath(path.translated(3.5, 3.5));
    Filled(p, glyph.colour, 1.6);
    p.drawPath(path);
}

std::vector<Picture> UnorderedSet() {
    std::vector<Picture> set;
    const std::vector<ObjectRecipe>& objects = Objects();
    for (const ObjectRecipe& object : objects) {
        set.push_back({std::string("a ") + object.name,
                       [&object](QPainter& p) { object.draw(p, object.ink); }});
    }
    for (ShapeRecipe& shape : Shapes()) {
        set.push_back({"a " + shape.name, std::move(shape.draw)});
    }
    for (const GlyphRecipe& glyph : Glyphs()) {
        set.push_back({std::string("the sign ") + glyph.text,
                       [&glyph](QPainter& p) { DrawText(p, glyph, 76, 80); }});
    }
    for (const GlyphRecipe& word : Words()) {
        set.push_back({std::string("the word ") + word.text,
                       [&word](QPainter& p) { DrawText(p, word, 88, 56); }});
    }
    // Pairs of objects in their other colours fill the set up to the count.
    const int n = static_cast<int>(objects.size());
    for (int i = 0; static_cast<int>(set.size()) < PictureCount; ++i) {
        const ObjectRecipe& first = objects[(i * 5) % n];
        const ObjectRecipe& second = objects[(i * 5 + 37) % n];
        const bool diagonal = i % 2 == 0;
        set.push_back(
            {std::string("a ") + first.name + " and a " + second.name,
             [&first, &second, diagonal](QPainter& p) {
                 if (diagonal) {
                     InBox(p, 0, 0, 54, [&](QPainter& q) { first.draw(q, first.altInk); });
                     InBox(p, 46, 46, 54, [&](QPainter& q) { second.draw(q, second.altInk); });
                 } else {
                     InBox(p, 0, 6, 52, [&](QPainter& q) { first.draw(q, first.altInk); });
                     InBox(p, 48, 40, 52, [&](QPainter& q) { second.draw(q, second.altInk); });
                 }
             }});
    }
    if (set.size() != PictureCount) {
        throw std::logic_error("the picture recipes do not add up to the picture count");
    }
    return set;
}

} // namespace

std::vector<Picture> PictureSet() {
    std::vector<Picture> set = UnorderedSet();
    // Mix the kinds so that pictures presented in steps of 15 or 20 vary.
    // A plain Fisher-Yates shuffle on mt19937 gives the same order everywhere.
    std::mt19937 random(20240611u);
    for (size_t i = set.size() - 1; i > 0; --i) {
        std::swap(set[i], set[random() % (i + 1)]);
    }
    // The options screens open on picture 1: make it the key.
    const auto key = std::find_if(set.begin(), set.end(),
                                  [](const Picture& picture) { return picture.name == "a key"; });
    std::iter_swap(set.begin(), key);
    return set;
}

QImage RenderPicture(const Picture& picture, int size) {
    QImage image = kit::NewPicture(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 100.0, size / 100.0);
    picture.draw(p);
    return image;
}

QImage ExamplePicture() {
    // A flag on its pole: at a glance it shows which way it was flipped.
    const ObjectRecipe& flag =
        *std::find_if(Objects().begin(), Objects().end(),
                      [](const ObjectRecipe& o) { return o.name == std::string("flag"); });
    return RenderPicture({"example flag", [&flag](QPainter& p) { flag.draw(p, flag.altInk); }},
                         ExamplePictureSize);
}

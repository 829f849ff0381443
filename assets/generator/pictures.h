// The Flipper and Flip Forms picture set: Image1 ... Image204 and the small
// example picture of the options screens.
#pragma once

#include <QImage>
#include <QPainter>

#include <functional>
#include <string>
#include <vector>

// A picture fills the inside of a 2820-twip picture box (188 pixels less
// its 2-pixel border on each side).
constexpr int PictureSize = 184;
// The example is shown at its own size in a 1095-twip box (73 - 4 pixels).
constexpr int ExamplePictureSize = 69;
constexpr int PictureCount = 204;

struct Picture {
    std::string name; // what it shows, for the picture list
    std::function<void(QPainter&)> draw;
};

// The pictures in file order: element 0 becomes Image1.jpg.
std::vector<Picture> PictureSet();

QImage RenderPicture(const Picture& picture, int size);
QImage ExamplePicture();

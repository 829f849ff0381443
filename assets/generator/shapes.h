// Geometric pictures: shapes built from squares, bent and curved arrows,
// spirals, odd polygons, charts and arrangements of simple shapes. None of
// them looks the same when mirrored or turned upside down.
#pragma once

#include <QPainter>

#include <functional>
#include <string>
#include <vector>

struct ShapeRecipe {
    std::string name;
    std::function<void(QPainter&)> draw; // draws in the 100 x 100 unit square
};

std::vector<ShapeRecipe> Shapes();

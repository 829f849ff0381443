#include "shapes.h"

#include "draw_kit.h"

#include <QPainterPathStroker>
#include <QPoint>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

using namespace kit;
namespace c = kit::colour;

namespace {

// ---- Shapes made of squares ------------------------------------------------

using Cells = std::vector<QPoint>;

Cells QuarterTurn(const Cells& cells) {
    int rows = 0;
    for (const QPoint& cell : cells) {
        rows = std::max(rows, cell.y() + 1);
    }
    Cells turned;
    for (const QPoint& cell : cells) {
        turned.emplace_back(rows - 1 - cell.y(), cell.x());
    }
    return turned;
}

void DrawCells(QPainter& p, const Cells& cells, const std::vector<QColor>& colours) {
    int cols = 0;
    int rows = 0;
    for (const QPoint& cell : cells) {
        cols = std::max(cols, cell.x() + 1);
        rows = std::max(rows, cell.y() + 1);
    }
    const double side = 84.0 / std::max(cols, rows);
    const double left = 50 - cols * side / 2;
    const double top = 50 - rows * side / 2;
    for (size_t i = 0; i < cells.size(); ++i) {
        Filled(p, colours[i % colours.size()]);
        p.drawPath(Rect(left + cells[i].x() * side + 1, top + cells[i].y() * side + 1, side - 2,
                        side - 2, 3));
    }
}

// ---- Arrows ---------------------------------------------------------------

// A thick arrow along `spine`, whose head starts where the spine ends and
// points along `degrees`.
void ThickArrow(QPainter& p, const QPainterPath& spine, double degrees, const QColor& colour) {
    QPainterPathStroker stroker;
    stroker.setWidth(11);
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(Qt::MiterJoin);
    const double a = degrees * std::numbers::pi / 180;
    const QPointF base = spine.currentPosition();
    const QPointF tip(base.x() + 22 * std::cos(a), base.y() + 22 * std::sin(a));
    const QPainterPath arrow = stroker.createStroke(spine).united(ArrowHead(tip, degrees, 23, 30));
    Filled(p, colour);
    p.drawPath(arrow.simplified());
}

std::vector<ShapeRecipe> Arrows() {
    std::vector<ShapeRecipe> arrows;
    arrows.push_back({"arrow turning right", [](QPainter& p) {
                          ThickArrow(p, Path({{24, 90}, {24, 34}, {62, 34}}), 0, c::Blue);
                      }});
    arrows.push_back({"arrow making a U-turn", [](QPainter& p) {
                          QPainterPath spine;
                          spine.moveTo(24, 92);
                          spine.lineTo(24, 42);
                          spine.cubicTo(24, 8, 70, 8, 70, 42);
                          spine.lineTo(70, 56);
                          ThickArrow(p, spine, 90, c::Red);
                      }});
    arrows.push_back({"curved arrow", [](QPainter& p) {
                          QPainterPath spine;
                          spine.moveTo(16, 90);
                          spine.cubicTo(16, 44, 34, 24, 66, 24);
                          ThickArrow(p, spine, 0, c::Green);
                      }});
    arrows.push_back({"zigzag arrow", [](QPainter& p) {
                          ThickArrow(p, Path({{10, 86}, {34, 42}, {54, 74}, {70, 42}}),
                                     std::atan2(-32.0, 16.0) * 180 / std::numbers::pi, c::Orange);
                      }});
    arrows.push_back({"S-shaped arrow", [](QPainter& p) {
                          QPainterPath spine;
                          spine.moveTo(12, 20);
                          spine.cubicTo(72, 10, 22, 84, 68, 80);
                          ThickArrow(p, spine, std::atan2(-4.0, 46.0) * 180 / std::numbers::pi,
                                     c::Purple);
                      }});
    arrows.push_back({"round arrow", [](QPainter& p) {
                          QPainterPath spine;
                          for (int i = 0; i <= 60; ++i) {
                              const double a = std::numbers::pi + 1.5 * std::numbers::pi * i / 60.0;
                              const QPointF point(48 + 32 * std::cos(a), 50 + 32 * std::sin(a));
                              if (i == 0) {
                                  spine.moveTo(point);
                              } else {
                                  spine.lineTo(point);
                              }
                          }
                          ThickArrow(p, spine, 180, c::Teal);
                      }});
    arrows.push_back({"feathered arrow", [](QPainter& p) {
                          Filled(p, c::Yellow, 1.8);
                          p.drawPath(Polygon({{14, 86}, {8, 70}, {20, 72}, {28, 80}}));
                          p.drawPath(Polygon({{14, 86}, {30, 92}, {28, 80}, {20, 72}}));
                          ThickArrow(p, Path({{18, 82}, {66, 34}}), -45, c::Brown);
                      }});
    arrows.push_back({"arrow climbing steps", [](QPainter& p) {
                          ThickArrow(
                              p, Path({{8, 86}, {32, 86}, {32, 58}, {56, 58}, {56, 30}, {68, 30}}),
                              0, c::Pink);
                      }});
    arrows.push_back({"arrow turning down", [](QPainter& p) {
                          ThickArrow(p, Path({{12, 22}, {64, 22}, {64, 62}}), 90, c::Navy);
                      }});
    arrows.push_back({"swooping arrow", [](QPainter& p) {
                          QPainterPath spine;
                          spine.moveTo(8, 64);
                          spine.quadTo(48, 92, 74, 40);
                          ThickArrow(p, spine, std::atan2(-52.0, 26.0) * 180 / std::numbers::pi,
                                     c::Red);
                      }});
    arrows.push_back({"spiral arrow", [](QPainter& p) {
                          QPainterPath spine;
                          double a = 0;
                          for (int i = 0; i <= 90; ++i) {
                              a = i * 0.1;
                              const double r = 3 + i * 0.34;
                              const QPointF point(46 + r * std::cos(a), 50 + r * std::sin(a));
                              if (i == 0) {
                                  spine.moveTo(point);
                              } else {
                                  spine.lineTo(point);
                              }
                          }
                          const double r = 3 + 90 * 0.34;
                          const double dx = 0.34 * std::cos(a) - r * std::sin(a);
                          const double dy = 0.34 * std::sin(a) + r * std::cos(a);
                          ThickArrow(p, spine, std::atan2(dy, dx) * 180 / std::numbers::pi,
                                     c::Green);
                      }});
    arrows.push_back({"wavy arrow", [](QPainter& p) {
                          QPainterPath spine;
                          for (int i = 0; i <= 60; ++i) {
                              const double x = 8 + i;
                              const QPointF point(
                                  x, 54 - 18 * std::sin(i * 3 * std::numbers::pi / 60));
                              if (i == 0) {
                                  spine.moveTo(point);
                              } else {
                                  spine.lineTo(point);
                              }
                          }
                          ThickArrow(p, spine, 0, c::Blue);
                      }});
    return arrows;
}

// ---- Spirals --------------------------------------------------------------

void Spiral(QPainter& p, double turns, double startDegrees, const QColor& colour) {
    QPainterPath spiral;
    const int steps = static_cast<int>(turns * 60);
    QPointF end;
    for (int i = 0; i <= steps; ++i) {
        const double a = startDegrees * std::numbers::pi / 180 + i * 2 * std::numbers::pi / 60;
        const double r = 2 + 38.0 * i / steps;
        end = QPointF(50 + r * std::cos(a), 50 + r * std::sin(a));
        if (i == 0) {
            spiral.moveTo(end);
        } else {
            spiral.lineTo(end);
        }
    }
    Stroke(p, c::Outline, 9);
    p.drawPath(spiral);
    Stroke(p, colour, 5.5);
    p.drawPath(spiral);
    Filled(p, colour);
    p.drawPath(Circle(end, 7));
}

// ---- Steps, charts and pies -----------------------------------------------

void Staircase(QPainter& p, int steps, const QColor& colour,
               const std::function<void(QPointF)>& top) {
    const double width = 80.0 / steps;
    const double rise = 64.0 / steps;
    QPainterPath stairs;
    stairs.moveTo(10, 90);
    for (int i = 0; i < steps; ++i) {
        stairs.lineTo(10 + i * width, 90 - (i + 1) * rise);
        stairs.lineTo(10 + (i + 1) * width, 90 - (i + 1) * rise);
    }
    stairs.lineTo(90, 90);
    stairs.closeSubpath();
    Filled(p, colour);
    p.drawPath(stairs);
    top(QPointF(90 - width / 2, 90 - 64));
}

void BarChart(QPainter& p, const std::vector<int>& heights) {
    static const QColor colours[] = {c::Red, c::Blue, c::Yellow, c::Green, c::Purple};
    const double width = 76.0 / heights.size();
    for (size_t i = 0; i < heights.size(); ++i) {
        Filled(p, colours[i % 5]);
        p.drawPath(Rect(16 + i * width + 2, 88 - heights[i], width - 4, heights[i]));
    }
    Stroke(p, c::Outline, 3);
    p.drawLine(QPointF(10, 8), QPointF(10, 88));
    p.drawLine(QPointF(10, 88), QPointF(94, 88));
}

// A pie of slices given in percent, clockwise from `startDegrees`
// (0 = three o'clock); slice `pulled` is moved out a little.
void Pie(QPainter& p, const std::vector<int>& percents, double startDegrees,
         const std::vector<QColor>& colours, int pulled) {
    double start = startDegrees;
    for (size_t i = 0; i < percents.size(); ++i) {
        const double sweep = percents[i] * 3.6;
        const double middle = (start + sweep / 2) * std::numbers::pi / 180;
        const double shift = static_cast<int>(i) == pulled ? 7 : 0;
        const QPointF centre(50 + shift * std::cos(middle), 50 + shift * std::sin(middle));
        QPainterPath slice;
        slice.moveTo(centre);
        // Qt measures angles counter-clockwise; the slices go clockwise on screen.
        slice.arcTo(QRectF(centre.x() - 38, centre.y() - 38, 76, 76), -start, -sweep);
        slice.closeSubpath();
        Filled(p, colours[i % colours.size()]);
        p.drawPath(slice);
        start += sweep;
    }
}

// ---- Arrangements of simple shapes ----------------------------------------

enum class Form { Circle, Square, Triangle, Star };

void DrawForm(QPainter& p, Form form, QPointF at, double size, const QColor& colour) {
    Filled(p, colour);
    switch (form) {
    case Form::Circle:
        p.drawPath(Circle(at, size));
        break;
    case Form::Square:
        p.drawPath(Rect(at.x() - size * 0.9, at.y() - size * 0.9, size * 1.8, size * 1.8, 2));
        break;
    case Form::Triangle:
        p.drawPath(Polygon({{at.x(), at.y() - size * 1.1},
                            {at.x() + size, at.y() + size * 0.8},
                            {at.x() - size, at.y() + size * 0.8}}));
        break;
    case Form::Star:
        p.drawPath(Star(at, size * 1.2, size * 0.5, 5));
        break;
    }
}

struct Placed {
    Form form;
    QPointF at;
    double size;
    QColor colour;
};

std::function<void(QPainter&)> Arrangement(std::vector<Placed> items) {
    return [items](QPainter& p) {
        for (const Placed& item : items) {
            DrawForm(p, item.form, item.at, item.size, item.colour);
        }
    };
}

// ---- Grids with some squares filled ---------------------------------------

using Pattern = std::vector<std::vector<bool>>;

bool SameAfter(const Pattern& a, bool mirror, bool invert) {
    const int n = static_cast<int>(a.size());
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            if (a[y][x] != a[invert ? n - 1 - y : y][mirror ? n - 1 - x : x]) {
                return false;
            }
        }
    }
    return true;
}

// A pattern of `filled` squares on an n x n grid that changes under every
// flip. The seed makes it the same on every build.
Pattern LopsidedPattern(int n, int filled, unsigned seed) {
    std::mt19937 random(seed);
    for (;;) {
        Pattern pattern(n, std::vector<bool>(n, false));
        for (int placed = 0; placed < filled;) {
            const int cell = static_cast<int>(random() % (n * n));
            if (!pattern[cell / n][cell % n]) {
                pattern[cell / n][cell % n] = true;
                ++placed;
            }
        }
        if (!SameAfter(pattern, true, false) && !SameAfter(pattern, false, true) &&
            !SameAfter(pattern, true, true)) {
            return pattern;
        }
    }
}

void DrawPattern(QPainter& p, const Pattern& pattern, const QColor& colour) {
    const int n = static_cast<int>(pattern.size());
    const double side = 84.0 / n;
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            if (pattern[y][x]) {
                Plain(p, colour);
                p.drawRect(QRectF(8 + x * side, 8 + y * side, side, side));
            }
        }
    }
    Stroke(p, c::Outline, 2);
    for (int i = 0; i <= n; ++i) {
        p.drawLine(QPointF(8, 8 + i * side), QPointF(92, 8 + i * side));
        p.drawLine(QPointF(8 + i * side, 8), QPointF(8 + i * side, 92));
    }
}

// ---- Puzzle pieces ----------------------------------------------------------

enum class Edge { Flat, Tab, Hole };

// A jigsaw piece; edges are given top, right, bottom, left, each knob sits
// a little before the middle of its edge (going clockwise).
void PuzzlePiece(QPainter& p, Edge top, Edge right, Edge bottom, Edge left, const QColor& colour) {
    QPainterPath piece = Rect(24, 24, 52, 52);
    const QPointF knobs[] = {{44, 24}, {76, 44}, {56, 76}, {24, 56}};
    const QPointF outward[] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};
    const Edge edges[] = {top, right, bottom, left};
    for (int i = 0; i < 4; ++i) {
        const QPointF centre = knobs[i] + outward[i] * 7;
        if (edges[i] == Edge::Tab) {
            piece = piece.united(Circle(centre, 10));
        } else if (edges[i] == Edge::Hole) {
            piece = piece.subtracted(Circle(knobs[i] - outward[i] * 7, 10));
        }
    }
    Filled(p, colour);
    p.drawPath(piece.simplified());
}

} // namespace

std::vector<ShapeRecipe> Shapes() {
    std::vector<ShapeRecipe> shapes;
    auto add = [&shapes](std::string name, std::function<void(QPainter&)> draw) {
        shapes.push_back({std::move(name), std::move(draw)});
    };

    struct Polyomino {
        const char* name;
        Cells cells;
        QColor colour;
    };
    const std::vector<Polyomino> polyominoes = {
        {"F", {{1, 0}, {2, 0}, {0, 1}, {1, 1}, {1, 2}}, c::Red},
        {"L", {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {1, 3}}, c::Blue},
        {"N", {{1, 0}, {1, 1}, {0, 2}, {1, 2}, {0, 3}}, c::Green},
        {"P", {{0, 0}, {1, 0}, {0, 1}, {1, 1}, {0, 2}}, c::Orange},
        {"Y", {{1, 0}, {0, 1}, {1, 1}, {1, 2}, {1, 3}}, c::Purple},
        {"short L", {{0, 0}, {0, 1}, {0, 2}, {1, 2}}, c::Teal},
        {"stair", {{0, 0}, {1, 0}, {2, 0}, {2, 1}, {3, 1}, {3, 2}}, c::Pink},
    };
    for (const Polyomino& shape : polyominoes) {
        add(std::string("shape of squares ") + shape.name,
            [shape](QPainter& p) { DrawCells(p, shape.cells, {shape.colour}); });
    }
    const std::vector<QColor> rainbow = {c::Red,  c::Yellow, c::Green,
                                         c::Blue, c::Purple, c::Orange};
    for (const Polyomino& shape : polyominoes) {
        add(std::string("coloured squares ") + shape.name,
            [shape, rainbow](QPainter& p) { DrawCells(p, QuarterTurn(shape.cells), rainbow); });
    }

    for (ShapeRecipe& arrow : Arrows()) {
        shapes.push_back(std::move(arrow));
    }

    add("purple spiral", [](QPainter& p) { Spiral(p, 3, 0, c::Purple); });
    add("teal spiral", [](QPainter& p) { Spiral(p, 2.5, 120, c::Teal); });
    add("orange spiral", [](QPainter& p) { Spiral(p, 3.5, 250, c::Orange); });

    add("red triangle with a dot", [](QPainter& p) {
        Filled(p, c::Red);
        p.drawPath(Polygon({{8, 86}, {90, 70}, {34, 10}}));
        Filled(p, c::Yellow, 1.5);
        p.drawPath(Circle({28, 72}, 8));
    });
    add("striped right triangle", [](QPainter& p) {
        const QPainterPath triangle = Polygon({{12, 12}, {12, 88}, {88, 88}});
        Filled(p, c::Blue);
        p.drawPath(triangle);
        p.save();
        p.setClipPath(triangle);
        Plain(p, c::White);
        for (int i = 0; i < 3; ++i) {
            p.drawRect(QRectF(26 + i * 18, 10, 6, 80));
        }
        p.restore();
        Stroke(p, c::Outline, 2.2);
        p.drawPath(triangle);
    });
    add("green shape with a square hole", [](QPainter& p) {
        Filled(p, c::Green);
        p.drawPath(
            Polygon({{14, 22}, {86, 8}, {78, 88}, {22, 70}}).subtracted(Rect(34, 30, 18, 18)));
    });
    add("orange dart", [](QPainter& p) {
        Filled(p, c::Orange);
        p.drawPath(Polygon({{88, 12}, {52, 90}, {48, 52}, {10, 44}}));
    });
    add("purple five-sided shape", [](QPainter& p) {
        Filled(p, c::Purple);
        p.drawPath(Polygon({{20, 88}, {12, 40}, {46, 10}, {88, 34}, {74, 88}}));
        Filled(p, c::Yellow, 1.5);
        p.drawPath(Circle({62, 66}, 9));
    });
    add("teal slanted shape", [](QPainter& p) {
        Filled(p, c::Teal);
        p.drawPath(Polygon({{12, 18}, {58, 18}, {90, 86}, {12, 86}}));
        Filled(p, c::White, 1.5);
        p.drawPath(Circle({34, 50}, 10));
    });

    add("steps with a ball", [](QPainter& p) {
        Staircase(p, 3, c::Brown, [&p](QPointF top) {
            Filled(p, c::Red);
            p.drawPath(Circle(top - QPointF(0, 10), 10));
        });
    });
    add("steps with a flag", [](QPainter& p) {
        Staircase(p, 4, c::Grey, [&p](QPointF top) {
            Stroke(p, c::Outline, 2.5);
            p.drawLine(top, top - QPointF(0, 22));
            Filled(p, c::Green, 1.5);
            p.drawPath(
                Polygon({top - QPointF(0, 22), top - QPointF(-14, 18), top - QPointF(0, 13)}));
        });
    });
    add("steps with a star", [](QPainter& p) {
        Staircase(p, 5, c::Tan, [&p](QPointF top) {
            Filled(p, c::Blue, 1.5);
            p.drawPath(Star(top - QPointF(0, 10), 10, 4, 5));
        });
    });

    add("bar chart rising", [](QPainter& p) { BarChart(p, {20, 38, 56, 74}); });
    add("bar chart with a tall bar", [](QPainter& p) { BarChart(p, {30, 56, 40, 78}); });
    add("bar chart of five", [](QPainter& p) { BarChart(p, {70, 44, 60, 24, 50}); });
    add("bar chart of three", [](QPainter& p) { BarChart(p, {46, 76, 30}); });

    add("munching face", [](QPainter& p) {
        // The mouth opens up and to the right, towards two dots.
        Plain(p, c::Orange);
        p.drawPath(Circle({84, 26}, 4));
        p.drawPath(Circle({94, 19}, 4));
        Pie(p, {88}, -13.4, {c::Yellow}, -1);
        Plain(p, c::Black);
        p.drawPath(Circle({36, 34}, 4.5));
    });
    add("pie of three", [](QPainter& p) {
        Pie(p, {50, 30, 20}, -90, {c::Red, c::Blue, c::Yellow}, -1);
    });
    add("pie of four", [](QPainter& p) {
        Pie(p, {40, 25, 20, 15}, 10, {c::Green, c::Purple, c::Orange, c::Sky}, 2);
    });

    add("circle, square and triangle", Arrangement({{Form::Circle, {28, 28}, 20, c::Red},
                                                    {Form::Square, {58, 56}, 13, c::Blue},
                                                    {Form::Triangle, {82, 82}, 10, c::Yellow}}));
    add("triangle, circle and square", Arrangement({{Form::Triangle, {28, 30}, 20, c::Green},
                                                    {Form::Circle, {58, 58}, 13, c::Orange},
                                                    {Form::Square, {82, 82}, 9, c::Purple}}));
    add("square, triangle and circle", Arrangement({{Form::Square, {26, 26}, 17, c::Teal},
                                                    {Form::Triangle, {58, 58}, 14, c::Pink},
                                                    {Form::Circle, {82, 82}, 9, c::Navy}}));
    add("star, circle and square", Arrangement({{Form::Star, {28, 28}, 18, c::Yellow},
                                                {Form::Circle, {26, 74}, 14, c::Red},
                                                {Form::Square, {72, 74}, 11, c::Blue}}));
    add("growing triangles", Arrangement({{Form::Triangle, {16, 80}, 8, c::Red},
                                          {Form::Triangle, {42, 72}, 13, c::Green},
                                          {Form::Triangle, {74, 60}, 20, c::Blue}}));
    add("shrinking dots", [](QPainter& p) {
        const QColor colours[] = {c::Purple, c::Blue, c::Teal, c::Green, c::Yellow};
        for (int i = 0; i < 5; ++i) {
            const double a = std::numbers::pi * (0.9 + 0.22 * i);
            DrawForm(p, Form::Circle, QPointF(54 + 36 * std::cos(a), 40 - 36 * std::sin(a)),
                     14 - 2.2 * i, colours[i]);
        }
    });

    const QColor gridColours[] = {c::Red,    c::Blue, c::Green, c::Orange,
                                  c::Purple, c::Teal, c::Pink,  c::Navy};
    const int gridSizes[] = {3, 4, 4, 5, 3, 4, 5, 4};
    const int gridFilled[] = {4, 6, 7, 9, 3, 5, 10, 8};
    for (int i = 0; i < 8; ++i) {
        const Pattern pattern = LopsidedPattern(gridSizes[i], gridFilled[i], 1000u + i);
        const QColor colour = gridColours[i];
        add("grid pattern " + std::to_string(i + 1),
            [pattern, colour](QPainter& p) { DrawPattern(p, pattern, colour); });
    }

    add("dial", [](QPainter& p) {
        const QColor bands[] = {c::Green, c::Yellow, c::Red};
        for (int i = 0; i < 3; ++i) {
            Stroke(p, bands[i], 12);
            p.drawArc(QRectF(14, 30, 72, 72), (180 - i * 60) * 16, -60 * 16);
        }
        Filled(p, c::Grey);
        p.drawPath(Rect(10, 70, 80, 14, 3));
        Stroke(p, c::Outline, 4);
        p.drawLine(QPointF(50, 66), QPointF(50 + 30 * std::cos(-0.7), 66 + 30 * std::sin(-0.7)));
        Filled(p, c::Outline);
        p.drawPath(Circle({50, 66}, 5));
    });
    add("thermometer", [](QPainter& p) {
        Filled(p, c::White);
        p.drawPath(Rect(40, 8, 16, 70, 8));
        Filled(p, c::Red);
        p.drawPath(Circle({48, 80}, 13).united(Rect(44, 40, 8, 40)));
        Stroke(p, c::Outline, 2);
        for (int i = 0; i < 6; ++i) {
            p.drawLine(QPointF(60, 16 + i * 10), QPointF(i % 2 == 0 ? 72 : 67, 16 + i * 10));
        }
    });

    add("blue puzzle piece",
        [](QPainter& p) { PuzzlePiece(p, Edge::Tab, Edge::Tab, Edge::Hole, Edge::Flat, c::Blue); });
    add("orange puzzle piece", [](QPainter& p) {
        PuzzlePiece(p, Edge::Tab, Edge::Hole, Edge::Flat, Edge::Tab, c::Orange);
    });
    return shapes;
}

#include "shell/controls/drawing_surface.h"
#include "tests/support/kova_test.h"

#include <random>

namespace {

// A black surface scaled 0 to 1000 both ways, as a figure-ground exercise
// draws its sets.
struct SetSurface {
    SetSurface() : surface("Canvas", nullptr) {
        surface.resize(400, 300);
        surface.SetBackColor(Qt::black);
        surface.Scale(0, 0, 1000, 1000);
    }
    QImage picture() { return surface.grab().toImage(); }
    DrawingSurface surface;
};

// Dots of widths 1 to 4 in two greys and red, with outlines, lines and a
// filled box between them, drawn by draw (the surface or one pass).
template <class Painter> void DrawSet(DrawingSurface& surface, Painter& painter) {
    std::mt19937 generator(7);
    std::uniform_real_distribution<double> unit(0, 1);
    const QColor grey(0xCF, 0xCF, 0xCF), red(Qt::red);
    for (int i = 0; i < 600; ++i) {
        surface.DrawWidth = 1 + int(unit(generator) * 4);
        const double x = unit(generator) * 1000, y = unit(generator) * 1000;
        painter.PSet(x, y, i % 3 == 0 ? red : grey);
        if (i % 100 == 0) {
            painter.Box(x, y, x + 90, y + 60, QColor(0x8F, 0x8F, 0x8F), true);
            painter.Circle(x, y, 120, QColor(0xBF, 0xBF, 0xBF), QColor());
            painter.Line(x, 0, 1000 - x, 1000, Qt::green);
        }
    }
    surface.DrawWidth = 1;
}

} // namespace

class DrawingSurfaceTest : public KovaTest {};

TEST_F(DrawingSurfaceTest, OnePassDrawsTheSamePixelsAsOneCallPerDot) {
    SetSurface byDot;
    DrawSet(byDot.surface, byDot.surface);
    SetSurface inOnePass;
    {
        DrawingPass pass(inOnePass.surface);
        DrawSet(inOnePass.surface, pass);
    }
    const QImage expected = byDot.picture();
    EXPECT_EQ(inOnePass.picture(), expected);

    int lit = 0;
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            lit += expected.pixelColor(x, y) != QColor(Qt::black);
        }
    }
    EXPECT_GT(lit, 3000) << "the set was drawn at all";
}

TEST_F(DrawingSurfaceTest, ADotIsADiscOfDrawWidthPixelsClippedAtTheEdges) {
    SetSurface screen;
    screen.surface.Scale(0, 0, 400, 300); // one unit a pixel
    const auto litPixels = [&screen] {
        const QImage image = screen.picture();
        int lit = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                lit += image.pixelColor(x, y) == QColor(Qt::white);
            }
        }
        return lit;
    };
    const struct {
        int width;
        int pixels;
    } dots[] = {{1, 1}, {2, 4}, {3, 9}, {4, 12}, {5, 21}};
    for (const auto& dot : dots) {
        screen.surface.Cls();
        screen.surface.DrawWidth = dot.width;
        screen.surface.PSet(100.5, 100.5, Qt::white);
        EXPECT_EQ(litPixels(), dot.pixels) << "width " << dot.width;
    }
    screen.surface.Cls();
    screen.surface.DrawWidth = 4;
    screen.surface.PSet(0, 0, Qt::white);         // 8 of its 12 pixels inside
    screen.surface.PSet(399.5, 299.5, Qt::white); // 3 inside
    screen.surface.PSet(400, 300, Qt::white);     // none inside
    EXPECT_EQ(litPixels(), 8 + 3) << "only the parts inside the surface";
}

TEST_F(DrawingSurfaceTest, PrintingOnTheLineLeavesTheCurrentPositionJustPastTheText) {
    SetSurface screen;
    screen.surface.SetBackColor(Qt::white);
    screen.surface.SetFontSize(20);
    screen.surface.CurrentX = 100;
    screen.surface.CurrentY = 200;
    screen.surface.Print("7", AfterPrint::StayOnLine);
    EXPECT_DOUBLE_EQ(screen.surface.CurrentX, 100 + screen.surface.TextWidth("7"));
    EXPECT_EQ(screen.surface.CurrentY, 200);

    const double past = screen.surface.CurrentX;
    screen.surface.ForeColor = Qt::magenta;
    screen.surface.Print("W", AfterPrint::StayOnLine);
    EXPECT_DOUBLE_EQ(screen.surface.CurrentX, past + screen.surface.TextWidth("W"));

    // The 7 lies before the first position past it, the magenta W after it.
    const QImage image = screen.picture();
    const int boundary = int(screen.surface.ToPixels(past, 0).x());
    const int top = int(screen.surface.ToPixels(0, 200).y());
    const int bottom = int(screen.surface.ToPixels(0, 200 + screen.surface.TextHeight("W")).y());
    int blackAfter = 0, magentaBefore = 0, magenta = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const bool isMagenta = c.red() > 200 && c.green() < 60 && c.blue() > 200;
            magenta += isMagenta;
            magentaBefore += isMagenta && x < boundary;
            blackAfter += c == QColor(Qt::black) && x > boundary + 1;
        }
    }
    EXPECT_GT(magenta, 20);
    EXPECT_EQ(magentaBefore, 0);
    EXPECT_EQ(blackAfter, 0);

    screen.surface.Print("next line");
    EXPECT_EQ(screen.surface.CurrentX, 0);
    EXPECT_GT(screen.surface.CurrentY, 200);
}

TEST_F(DrawingSurfaceTest, AResizedDrawingStaysWhereItsScalePutsItOrIsDrawnAgain) {
    SetSurface s;
    s.surface.Box(250, 250, 500, 500, Qt::red, true);
    s.surface.resize(800, 600); // the box was at 100-200 x 75-150
    QImage shown = s.picture();
    EXPECT_EQ(shown.pixelColor(300, 225), QColor(Qt::red)) << "stretched with the surface";
    EXPECT_EQ(shown.pixelColor(120, 90), QColor(Qt::black));

    int redraws = 0;
    s.surface.Redraw = [&] {
        ++redraws;
        s.surface.Cls();
        s.surface.Box(0, 0, 100, 100, Qt::green, true);
    };
    s.surface.resize(400, 300);
    shown = s.picture();
    EXPECT_EQ(redraws, 1);
    EXPECT_EQ(shown.pixelColor(20, 15), QColor(Qt::green));
    EXPECT_EQ(shown.pixelColor(150, 112), QColor(Qt::black)) << "drawn afresh, not stretched";
}

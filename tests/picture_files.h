// Test pictures written into a temporary working directory, where the
// program looks for pictures first.
#pragma once

#include "shell/assets.h"
#include "tests/support/exercise_test.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdlib>

// Image1.jpg … Image204.jpg (PNG content) and ImageExample.jpg, 184 pixels
// square, in four coloured quadrants, so every orientation looks different.
// Pixel (0, 0) of ImageN has the red value N, which names the picture.
// The pictures are written once per test program and shared by its tests.
class PictureFolder {
public:
    // The built-in asset folder is swapped for an empty one, so only these
    // pictures exist.
    PictureFolder() : previous_(QDir::currentPath()) {
        QDir::setCurrent(folder().path());
        SetAssetDirectory(empty_.path());
    }
    ~PictureFolder() {
        for (const auto& [name, number] : removed_) {
            write(name, number);
        }
        QDir::setCurrent(previous_);
        SetAssetDirectory({});
    }
    // Removes a picture for one test (it is put back afterwards).
    void Remove(const QString& name) {
        if (QDir(folder().path()).remove(name)) {
            removed_.append({name, numberIn(name)});
        }
    }

    static QColor TopLeft() { return QColor(230, 30, 30); }
    static QColor TopRight() { return QColor(30, 200, 30); }
    static QColor BottomLeft() { return QColor(30, 30, 230); }
    static QColor BottomRight() { return QColor(240, 220, 20); }
    static int NumberOf(const QImage& picture) { return qRed(picture.pixel(0, 0)); }
    // The colour a box shows at a quarter of its size from the top left.
    static QColor CornerColour(QWidget* box) {
        const QImage shot = box->grab().toImage();
        return shot.pixelColor(shot.width() / 4, shot.height() / 4);
    }
    // Whether a box shows one colour at a quarter and three quarters of its size.
    static bool IsBlank(QWidget* box) {
        const QImage shot = box->grab().toImage();
        return shot.pixelColor(shot.width() / 4, shot.height() / 4) ==
               shot.pixelColor(3 * shot.width() / 4, 3 * shot.height() / 4);
    }

    // Which orientation a box shows, read from the colours at a quarter and
    // three quarters of its size: 1 unchanged, 2 flipped right to left, 3
    // upside down, 4 both ways, 0 when it shows none of them.
    static int OrientationIn(QWidget* box) {
        const QImage shot = box->grab().toImage();
        const QColor topLeft = shot.pixelColor(shot.width() / 4, shot.height() / 4);
        const QColor bottomRight = shot.pixelColor(3 * shot.width() / 4, 3 * shot.height() / 4);
        const QColor corners[4][2] = {{TopLeft(), BottomRight()},
                                      {TopRight(), BottomLeft()},
                                      {BottomLeft(), TopRight()},
                                      {BottomRight(), TopLeft()}};
        for (int i = 0; i < 4; ++i) {
            if (near(topLeft, corners[i][0]) && near(bottomRight, corners[i][1])) {
                return i + 1;
            }
        }
        return 0;
    }

private:
    static bool near(const QColor& a, const QColor& b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                   std::abs(a.blue() - b.blue()) <
               60;
    }
    static QImage quadrants() {
        QImage image(184, 184, QImage::Format_RGB32);
        QPainter painter(&image);
        painter.fillRect(0, 0, 92, 92, TopLeft());
        painter.fillRect(92, 0, 92, 92, TopRight());
        painter.fillRect(0, 92, 92, 92, BottomLeft());
        painter.fillRect(92, 92, 92, 92, BottomRight());
        return image;
    }
    static int numberIn(const QString& name) {
        return QString(name).remove("Image").remove(".jpg").toInt(); // 0 for the example
    }
    static void write(const QString& name, int number) { writeInto(folder(), name, number); }
    static void writeInto(const QTemporaryDir& dir, const QString& name, int number) {
        static const QImage base = quadrants();
        QImage image = base;
        image.setPixel(0, 0, qRgb(number, 0, 0));
        image.save(dir.filePath(name), "PNG", 0);
    }
    static QTemporaryDir& folder() {
        static QTemporaryDir dir;
        static const bool written = [] {
            for (int n = 1; n <= 204; ++n) {
                writeInto(dir, "Image" + QString::number(n) + ".jpg", n);
            }
            writeInto(dir, "ImageExample.jpg", 0);
            return true;
        }();
        (void)written;
        return dir;
    }
    QTemporaryDir empty_;
    QString previous_;
    QList<QPair<QString, int>> removed_;
};

// The message shown when the in-order sequence passes the last picture.
inline const QString LastPictureMessage = "Congratulations You have reached the last image! We "
                                          "will start over with Picture 1.";

// A picture exercise opened on its options screen, with the test pictures.
template <class Options, class Therapy, void (*Register)()>
class PictureExerciseTest : public ExerciseTest<Options, Therapy, Register> {
protected:
    using Base = ExerciseTest<Options, Therapy, Register>;
    using Base::options;
    using Base::therapy;
    // The number of the picture the therapy screen shows as its sample.
    int samplePicture() { return PictureFolder::NumberOf(therapy().Picture0->Picture()); }
    // The corner colour of the four example boxes once the three flipped ones
    // were clicked (the boxes are smaller than the picture: each flip brings
    // another quadrant into the corner).
    QList<QColor> exampleCorners() {
        EXPECT_TRUE(PictureFolder::IsBlank(options().ExampleBoxes[1])) << "drawn before a click";
        QList<QColor> corners;
        for (int i = 0; i < 4; ++i) {
            if (i > 0) {
                Click(options().ExampleBoxes[i]);
            }
            corners << PictureFolder::CornerColour(options().ExampleBoxes[i]);
        }
        return corners;
    }

    PictureFolder pictures_;
};

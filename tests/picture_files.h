// Test pictures written into a temporary working directory, where the
// program looks for pictures first.
#pragma once

#include "shell/assets.h"

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

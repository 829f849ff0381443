// Test pictures written into a temporary working directory, where the
// program looks for pictures first.
#pragma once

#include "shell/assets.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

// Image1.jpg … Image204.jpg (PNG content) and ImageExample.jpg, 184 pixels
// square, in four coloured quadrants, so every orientation looks different.
// Pixel (0, 0) of ImageN has the red value N, which names the picture.
class PictureFolder {
public:
    // The built-in asset folder is swapped for an empty one, so only these
    // pictures exist.
    PictureFolder() : previous_(QDir::currentPath()) {
        QDir::setCurrent(dir_.path());
        SetAssetDirectory(empty_.path());
        for (int n = 1; n <= 204; ++n) {
            write("Image" + QString::number(n) + ".jpg", n);
        }
        write("ImageExample.jpg", 0);
    }
    ~PictureFolder() {
        QDir::setCurrent(previous_);
        SetAssetDirectory({});
    }
    void Remove(const QString& name) { QDir(dir_.path()).remove(name); }

    static QColor TopLeft() { return QColor(230, 30, 30); }
    static QColor TopRight() { return QColor(30, 200, 30); }
    static QColor BottomLeft() { return QColor(30, 30, 230); }
    static QColor BottomRight() { return QColor(240, 220, 20); }
    static int NumberOf(const QImage& picture) { return qRed(picture.pixel(0, 0)); }

private:
    static QImage quadrants() {
        QImage image(184, 184, QImage::Format_RGB32);
        QPainter painter(&image);
        painter.fillRect(0, 0, 92, 92, TopLeft());
        painter.fillRect(92, 0, 92, 92, TopRight());
        painter.fillRect(0, 92, 92, 92, BottomLeft());
        painter.fillRect(92, 92, 92, 92, BottomRight());
        return image;
    }
    void write(const QString& name, int number) {
        static const QImage base = quadrants();
        QImage image = base;
        image.setPixel(0, 0, qRgb(number, 0, 0));
        image.save(dir_.filePath(name), "PNG", 0);
    }
    QTemporaryDir dir_;
    QTemporaryDir empty_;
    QString previous_;
};

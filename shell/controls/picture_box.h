// A picture box: a drawing surface that shows a picture at its top-left
// corner and can draw pictures into itself mirrored or upside down.
#pragma once

#include "shell/controls/drawing_surface.h"

#include <optional>

class PictureBox : public DrawingSurface {
    Q_OBJECT
public:
    PictureBox(const QString& name, QWidget* parent);

    // Loads a picture file found by FindAsset; a missing or unreadable file
    // leaves the box empty. Returns whether a picture was loaded.
    bool LoadPicture(const QString& fileName);
    void SetPicture(const QImage& picture);
    void ClearPicture();
    const QImage& Picture() const { return picture_; }

    // Draws source into the box. A negative width mirrors it left to right
    // (x is then the right edge), a negative height turns it upside down
    // (y is then the bottom edge). An omitted size is the picture's own.
    void PaintPicture(const QImage& source, double x, double y,
                      std::optional<double> width = std::nullopt,
                      std::optional<double> height = std::nullopt);

    // The picture's own size in the box's scale units.
    double PictureWidth(const QImage& source) const;
    double PictureHeight(const QImage& source) const;

protected:
    void paintBackground(QPainter& painter) override;

private:
    // Pixels of the box per pixel of a picture's own size.
    double pictureScale() const;
    QImage picture_;
};

// Loads a picture by name (FindAsset); a null image when it cannot be read.
QImage LoadPictureFile(const QString& fileName);
// Reads a picture file. One drawn at several pixels per screen pixel (its
// resolution is that many times 96 dpi) shows at its screen size.
QImage ReadPictureFile(const QString& path);

// An image control: shows its picture stretched to its own size, or, when it
// keeps the picture's proportions, as large as fits, centred.
class ImageBox : public QWidget {
    Q_OBJECT
public:
    ImageBox(const QString& name, QWidget* parent);
    bool LoadPicture(const QString& fileName);
    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return picture_; }
    bool Stretch = true;
    bool KeepProportions = false;
    // Where the stretched picture is drawn.
    QRect PictureRect() const;
    // The monotonic time at which the last paint began (0 before any): a
    // picture shown for a time is timed from here, not from after its drawing.
    double PaintStartedMs() const { return paintStartedMs_; }

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage picture_;
    double paintStartedMs_ = 0;
};

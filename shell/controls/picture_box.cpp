#include "shell/controls/picture_box.h"

#include "shell/assets.h"
#include "shell/controls/picture_cache.h"
#include "shell/platform.h"
#include "shell/resizer.h"
#include "shell/twips.h"

#include <QMouseEvent>
#include <QPainter>

QImage LoadPictureFile(const QString& fileName) {
    const QString path = FindAsset(fileName);
    return path.isEmpty() ? QImage() : PictureCache::Shared().Picture(path);
}

QImage ReadPictureFile(const QString& path) {
    // A picture made at several pixels per screen pixel says so in its
    // resolution, 96 dpi per screen pixel: it shows at its screen size, sharp.
    QImage picture(path);
    const double ratio = picture.dotsPerMeterX() / (96 / 0.0254);
    const long whole = std::lround(ratio);
    if (whole >= 2 && whole <= 8 && std::abs(ratio - double(whole)) < 0.02) {
        picture.setDevicePixelRatio(double(whole));
    }
    return picture;
}

PictureBox::PictureBox(const QString& name, QWidget* parent) : DrawingSurface(name, parent) {
    SetBorder(true);
}

bool PictureBox::LoadPicture(const QString& fileName) {
    SetPicture(LoadPictureFile(fileName));
    return !picture_.isNull();
}

void PictureBox::SetPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void PictureBox::ClearPicture() {
    picture_ = QImage();
    Cls();
}

// A picture's own size is its size in pixels at design size: it grows as the
// box's interior does. The border keeps its width, so the interior grows a
// little more than the form: a picture that filled it at design size still does.
double PictureBox::pictureScale() const {
    const double factor = DesignScale(this);
    if (factor == 1.0) {
        return 1.0;
    }
    const int borders = width() - Interior().width();
    const double designInterior = width() / factor - borders;
    return designInterior > 0 ? Interior().width() / designInterior : factor;
}

double PictureBox::PictureWidth(const QImage& source) const {
    return source.deviceIndependentSize().width() * pictureScale() * ScaleWidth() /
           Interior().width();
}

double PictureBox::PictureHeight(const QImage& source) const {
    return source.deviceIndependentSize().height() * pictureScale() * ScaleHeight() /
           Interior().height();
}

void PictureBox::PaintPicture(const QImage& source, double x, double y, std::optional<double> width,
                              std::optional<double> height) {
    if (source.isNull()) {
        return;
    }
    const double w = width.value_or(PictureWidth(source));
    const double h = height.value_or(PictureHeight(source));
    const QPointF corner = ToPixels(x, y);
    const double pixelWidth = ToPixelsX(w);
    const double pixelHeight = ToPixelsY(h);
    QPainter painter(&canvas());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Negative sizes mirror about the destination corner.
    painter.translate(corner);
    painter.scale(pixelWidth < 0 ? -1 : 1, pixelHeight < 0 ? -1 : 1);
    painter.drawImage(QRectF(0, 0, std::abs(pixelWidth), std::abs(pixelHeight)), source);
    update();
}

void PictureBox::paintBackground(QPainter& painter) {
    if (!picture_.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(QPointF(), picture_.deviceIndependentSize() * pictureScale()),
                          picture_);
    }
}

ImageBox::ImageBox(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
}

bool ImageBox::LoadPicture(const QString& fileName) {
    SetPicture(LoadPictureFile(fileName));
    return !picture_.isNull();
}

void ImageBox::SetPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void ImageBox::paintEvent(QPaintEvent*) {
    paintStartedMs_ = platform().MonotonicMs();
    if (picture_.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (Stretch) {
        painter.drawImage(PictureRect(), picture_);
    } else {
        painter.drawImage(0, 0, picture_);
    }
}

QRect ImageBox::PictureRect() const {
    if (!KeepProportions || picture_.isNull()) {
        return rect();
    }
    QRect fitted({0, 0}, picture_.size().scaled(size(), Qt::KeepAspectRatio));
    fitted.moveCenter(rect().center());
    return fitted;
}

void ImageBox::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        Q_EMIT clicked();
    }
}

// The decoded-picture cache: a picture is decoded once while it is kept,
// again when its file is replaced, and the least recently used pictures go
// first when the bound is reached.
#include "shell/controls/picture_box.h"
#include "shell/controls/picture_cache.h"

#include <QColor>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A 100 x 100 picture: 40,000 bytes decoded.
constexpr qsizetype PictureBytes = 100 * 100 * 4;

class PictureCacheTest : public ::testing::Test {
protected:
    QString Write(const QString& name, QColor color, QSize size = {100, 100}) {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(color);
        const QString path = folder_.filePath(name);
        EXPECT_TRUE(picture.save(path, "PNG"));
        return path;
    }
    // A cache that counts its reads.
    PictureCache Counting(qsizetype maxBytes) {
        return PictureCache(maxBytes, [this](const QString& path) {
            ++reads_[path];
            return QImage(path);
        });
    }
    static void SetModified(const QString& path, const QDateTime& when) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(when, QFileDevice::FileModificationTime));
    }
    static QRgb ColorOf(const QImage& picture) { return picture.pixel(0, 0) & 0xffffff; }

    QTemporaryDir folder_;
    QHash<QString, int> reads_;
};

TEST_F(PictureCacheTest, APictureShownAgainIsNotDecodedAgain) {
    PictureCache cache = Counting(64 * 1024 * 1024);
    const QString red = Write("red.png", Qt::red);
    const QImage first = cache.Picture(red);
    const QImage second = cache.Picture(red);
    EXPECT_EQ(reads_[red], 1);
    EXPECT_EQ(first, second);
    EXPECT_EQ(ColorOf(second), QColor(Qt::red).rgb() & 0xffffff);
    EXPECT_EQ(cache.KeptPictures(), 1);
    EXPECT_GE(cache.KeptBytes(), PictureBytes);
}

// A therapist replaces a picture by one of the same name: the new one shows,
// whether the file's size or only its modification time tells it apart.
TEST_F(PictureCacheTest, AReplacedFileIsReadAgain) {
    PictureCache cache = Counting(64 * 1024 * 1024);
    const QString path = Write("own.png", Qt::red);
    const QDateTime written = QDateTime::currentDateTime().addSecs(-60);
    SetModified(path, written);
    ASSERT_EQ(ColorOf(cache.Picture(path)), QColor(Qt::red).rgb() & 0xffffff);

    Write("own.png", Qt::blue, {120, 80}); // another size on disk
    SetModified(path, written);
    EXPECT_EQ(ColorOf(cache.Picture(path)), QColor(Qt::blue).rgb() & 0xffffff);

    Write("own.png", Qt::green, {120, 80}); // the same size, a later time
    SetModified(path, written.addSecs(1));
    EXPECT_EQ(ColorOf(cache.Picture(path)), QColor(Qt::green).rgb() & 0xffffff);
    EXPECT_EQ(reads_[path], 3);
    EXPECT_EQ(cache.KeptPictures(), 1);
}

TEST_F(PictureCacheTest, TheLeastRecentlyUsedPictureGoesWhenTheBoundIsReached) {
    PictureCache cache = Counting(2 * PictureBytes + 1024);
    const QString a = Write("a.png", Qt::red);
    const QString b = Write("b.png", Qt::green);
    const QString c = Write("c.png", Qt::blue);
    cache.Picture(a);
    cache.Picture(b);
    cache.Picture(a); // b is now the least recently used
    cache.Picture(c);
    EXPECT_EQ(cache.KeptPictures(), 2);
    EXPECT_LE(cache.KeptBytes(), 2 * PictureBytes + 1024);
    cache.Picture(a);
    cache.Picture(c);
    EXPECT_EQ(reads_[a], 1);
    EXPECT_EQ(reads_[c], 1);
    cache.Picture(b);
    EXPECT_EQ(reads_[b], 2);
}

TEST_F(PictureCacheTest, AMissingOrUnreadableFileIsNotKept) {
    PictureCache cache = Counting(64 * 1024 * 1024);
    const QString path = folder_.filePath("later.png");
    EXPECT_TRUE(cache.Picture(path).isNull());
    QFile broken(path);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    EXPECT_TRUE(cache.Picture(path).isNull());
    EXPECT_EQ(cache.KeptPictures(), 0);
    Write("later.png", Qt::red);
    EXPECT_FALSE(cache.Picture(path).isNull());
    EXPECT_EQ(reads_[path], 3);
}

// Picture boxes load through the shared cache: a picture put in the start
// directory in place of a built-in one shows at once, and again the
// built-in one when it is taken away.
TEST_F(PictureCacheTest, PictureBoxesShowAPictureReplacedInTheStartDirectory) {
    const QString startDirectory = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder_.path()));
    const auto back = qScopeGuard([&] { QDir::setCurrent(startDirectory); });
    const QString name = "Image1.jpg";
    const QImage builtIn = LoadPictureFile(name);
    ASSERT_FALSE(builtIn.isNull());
    ImageBox box("img", nullptr);
    box.LoadPicture(name);
    EXPECT_EQ(box.Picture(), builtIn);

    QImage own(50, 40, QImage::Format_RGB32);
    own.fill(Qt::magenta);
    ASSERT_TRUE(own.save(folder_.filePath(name), "JPG"));
    box.LoadPicture(name);
    EXPECT_EQ(box.Picture().size(), QSize(50, 40));
    EXPECT_NE(box.Picture(), builtIn);

    QFile::remove(folder_.filePath(name));
    box.LoadPicture(name);
    EXPECT_EQ(box.Picture(), builtIn);
}

} // namespace

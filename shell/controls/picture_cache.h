// Decoded pictures kept for the next set: every picture exercise reads its
// pictures through one cache, so a picture shown again is not decoded again.
#pragma once

#include <QCache>
#include <QDateTime>
#include <QImage>
#include <QString>
#include <functional>

// Least recently used pictures, bounded by the memory their pixels take. A
// file is known by its path, modification time and size: a picture replaced
// on disk (a therapist's own in the start directory) is read again.
class PictureCache {
public:
    using Reader = std::function<QImage(const QString& path)>;
    PictureCache(qsizetype maxBytes, Reader read);

    // The picture of the file at path, read with the reader when it is not
    // kept or the file changed since. Unreadable files are not kept.
    QImage Picture(const QString& path);

    qsizetype KeptBytes() const;
    qsizetype KeptPictures() const { return pictures_.count(); }
    void Clear() { pictures_.clear(); }

    // The cache shared by every picture box: 64 MB.
    static PictureCache& Shared();

private:
    struct Kept {
        QDateTime modified;
        qint64 fileSize = 0;
        QImage picture;
    };
    Reader read_;
    // The cost of a picture is the bytes of its pixels.
    QCache<QString, Kept> pictures_;
};

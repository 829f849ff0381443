#include "shell/controls/picture_cache.h"

#include "shell/controls/picture_box.h"

#include <QFileInfo>

namespace {

constexpr qsizetype SharedBytes = 64 * 1024 * 1024;

} // namespace

PictureCache::PictureCache(qsizetype maxBytes, Reader read)
    : read_(std::move(read)), pictures_(maxBytes) {}

QImage PictureCache::Picture(const QString& path) {
    const QFileInfo file(path);
    const QDateTime modified = file.lastModified();
    const qint64 fileSize = file.size();
    if (const Kept* kept = pictures_.object(path)) {
        if (kept->modified == modified && kept->fileSize == fileSize) {
            return kept->picture;
        }
    }
    QImage picture = read_(path);
    if (picture.isNull()) {
        pictures_.remove(path);
        return picture;
    }
    // A picture larger than the whole bound is not kept (QCache refuses it).
    pictures_.insert(path, new Kept{modified, fileSize, picture}, picture.sizeInBytes());
    return picture;
}

qsizetype PictureCache::KeptBytes() const {
    return pictures_.totalCost();
}

PictureCache& PictureCache::Shared() {
    static PictureCache shared(SharedBytes, ReadPictureFile);
    return shared;
}

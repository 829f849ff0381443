// kova_icongen OUTPUT_DIR APP_ID
// Writes KOVA's desktop icons into an hicolor icon tree under OUTPUT_DIR:
// the logo as a scalable picture and as PNG files of the usual sizes.
#include "shell/logo.h"

#include <QDir>
#include <QFile>
#include <cstdio>

namespace {

bool writeText(const QString& path, const QString& text) {
    QFile file(path);
    const QByteArray bytes = text.toUtf8();
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: kova_icongen OUTPUT_DIR APP_ID\n");
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    const QString appId = QString::fromLocal8Bit(argv[2]);
    bool written = output.mkpath("scalable/apps") &&
                   writeText(output.filePath("scalable/apps/" + appId + ".svg"), LogoSvg());
    for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QString("%1x%1/apps").arg(side);
        written = written && output.mkpath(folder) &&
                  DrawLogo(side).save(output.filePath(folder + "/" + appId + ".png"), "PNG");
    }
    if (!written) {
        std::fprintf(stderr, "kova_icongen: cannot write the icons in %s\n", argv[1]);
        return 1;
    }
    return 0;
}

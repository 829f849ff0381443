// kova_assetgen OUTPUT_DIR HELP_SOURCE_DIR
// Makes every picture, sound and help page the program loads by name and
// writes them, flat, into OUTPUT_DIR. The output depends only on this recipe
// (and the Liberation fonts), so every build makes the same files.
#include "help_pages.h"
#include "letters.h"
#include "pictures.h"
#include "sounds.h"
#include "stick_figures.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int JpegQuality = 90;

class Writer {
public:
    explicit Writer(QDir folder) : folder_(std::move(folder)) {}

    void Image(const QString& name, const QImage& image) {
        if (!image.save(folder_.filePath(name), "JPG", JpegQuality)) {
            Fail(name);
        }
        Count(name);
    }

    void Bytes(const QString& name, const QByteArray& bytes) {
        QFile file(folder_.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            Fail(name);
        }
        file.close();
        Count(name);
    }

    int files() const { return files_; }
    qint64 bytes() const { return bytes_; }
    bool failed() const { return failed_; }

private:
    void Count(const QString& name) {
        ++files_;
        bytes_ += QFileInfo(folder_.filePath(name)).size();
    }
    void Fail(const QString& name) {
        std::fprintf(stderr, "kova_assetgen: cannot write %s\n",
                     qPrintable(folder_.filePath(name)));
        failed_ = true;
    }

    QDir folder_;
    int files_ = 0;
    qint64 bytes_ = 0;
    bool failed_ = false;
};

} // namespace

int main(int argc, char* argv[]) {
    // Offscreen Qt wants a private runtime folder; a build has none.
    QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid()) {
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    }
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: kova_assetgen OUTPUT_DIR HELP_SOURCE_DIR\n");
        return 2;
    }
    QElapsedTimer clock;
    clock.start();
    const QDir output(QString::fromLocal8Bit(argv[1]));
    const QDir helpSources(QString::fromLocal8Bit(argv[2]));
    if (!QDir().mkpath(output.path())) {
        std::fprintf(stderr, "kova_assetgen: cannot create %s\n", argv[1]);
        return 1;
    }
    Writer write(output);

    const std::vector<Picture> pictures = PictureSet();
    for (size_t i = 0; i < pictures.size(); ++i) {
        write.Image(QString("Image%1.jpg").arg(i + 1), RenderPicture(pictures[i], PictureSize));
    }
    write.Image("ImageExample.jpg", ExamplePicture());

    for (const StickFigure& figure : StickFigures()) {
        write.Image(figure.fileName, DrawStickFigure(figure));
    }

    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        for (const QChar glyph : {QChar(letter), QChar(letter).toLower()}) {
            write.Image(LetterFileName(glyph), DrawLetter(glyph));
        }
    }

    write.Bytes("Ding.wav", WaveFile(Synthesize(DingTone())));
    write.Bytes("Bell.wav", WaveFile(Synthesize(BellTone())));

    const QStringList pages = helpSources.entryList({"*.html"}, QDir::Files, QDir::Name);
    if (pages.isEmpty()) {
        std::fprintf(stderr, "kova_assetgen: no help pages in %s\n", argv[2]);
        return 1;
    }
    for (const QString& page : pages) {
        QFile source(helpSources.filePath(page));
        if (!source.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "kova_assetgen: cannot read %s\n", qPrintable(source.fileName()));
            return 1;
        }
        write.Bytes(page, HelpPage(QString::fromUtf8(source.readAll())).toUtf8());
    }

    if (write.failed()) {
        return 1;
    }
    std::printf("kova_assetgen: %d files, %.2f MB in %lld ms\n", write.files(), write.bytes() / 1e6,
                static_cast<long long>(clock.elapsed()));
    return 0;
}

// Checks the generated pictures, sounds and help pages that KOVA loads by
// name, and the order in which a file is looked up.
#include "shell/assets.h"

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

QString AssetPath(const QString& name) {
    return AssetDirectory() + "/" + name;
}

QImage LoadImage(const QString& name) {
    return QImage(AssetPath(name)).convertToFormat(QImage::Format_RGB32);
}

QStringList FlipPictureNames() {
    QStringList names;
    for (int i = 1; i <= 204; ++i) {
        names << QString("Image%1.jpg").arg(i);
    }
    names << "ImageExample.jpg";
    return names;
}

QStringList LetterNames() {
    QStringList names;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        names << QString("Letter%1.jpg").arg(letter);
    }
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        names << QString("LetterLC%1.jpg").arg(letter);
    }
    return names;
}

const QStringList StickFigureNames = {"StkManFL.jpg",      "StkManFR.jpg",      "StkManBL.jpg",
                                      "StkManBR.jpg",      "StkManFL_Ball.jpg", "StkManFR_Ball.jpg",
                                      "StkManBL_Ball.jpg", "StkManBR_Ball.jpg"};

const QStringList HelpNames = {
    "KOVA_MainHelp",     "Flipper",    "FlipForms",    "RightLeft",     "RevealLetters",
    "TrackNumbers",      "TrackSeq",   "EyeRotations", "TicTacToe",     "VisualSequencing",
    "ChaacterSearching", "ColorGrids", "PatternDup",   "ShapeCounting", "ClosingLines"};

int Channel(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

// Share of the pixels whose colour differs by more than `level` (of 255) in
// some channel. JPEG noise at quality 90 stays well under 64 levels even at
// sharp edges, so a symmetric picture scores near 0 here however it is
// compressed, while a visibly changed region counts in full.
double StronglyDifferentShare(const QImage& a, const QImage& b, int level = 64) {
    long changed = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            changed += Channel(rowA[x], rowB[x]) > level ? 1 : 0;
        }
    }
    return double(changed) / (a.width() * a.height());
}

// Mean absolute channel difference, 0 to 255.
double MeanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            sum += std::abs(qRed(rowA[x]) - qRed(rowB[x])) +
                   std::abs(qGreen(rowA[x]) - qGreen(rowB[x])) +
                   std::abs(qBlue(rowA[x]) - qBlue(rowB[x]));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

QImage Thumbnail(const QImage& image) {
    return image.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

bool IsWhite(QRgb pixel) {
    return qRed(pixel) > 235 && qGreen(pixel) > 235 && qBlue(pixel) > 235;
}

// ---- WAV reading ----------------------------------------------------------

struct Wave {
    bool riffWave = false;
    int format = 0;
    int channels = 0;
    int sampleRate = 0;
    int byteRate = 0;
    int blockAlign = 0;
    int bits = 0;
    bool dataFitsFile = false;
    std::vector<std::int16_t> samples;
};

quint32 Le32(const char* p) {
    return quint32(quint8(p[0])) | quint32(quint8(p[1])) << 8 | quint32(quint8(p[2])) << 16 |
           quint32(quint8(p[3])) << 24;
}
quint16 Le16(const char* p) {
    return quint16(quint8(p[0]) | quint8(p[1]) << 8);
}

Wave ReadWave(const QString& name) {
    Wave wave;
    QFile file(AssetPath(name));
    if (!file.open(QIODevice::ReadOnly)) {
        return wave;
    }
    const QByteArray bytes = file.readAll();
    const char* d = bytes.constData();
    if (bytes.size() < 12 || std::memcmp(d, "RIFF", 4) != 0 || std::memcmp(d + 8, "WAVE", 4) != 0 ||
        Le32(d + 4) != quint32(bytes.size() - 8)) {
        return wave;
    }
    wave.riffWave = true;
    // Walk the chunks rather than assume a 44-byte header.
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const quint32 size = Le32(d + at + 4);
        const char* body = d + at + 8;
        if (std::memcmp(d + at, "fmt ", 4) == 0 && size >= 16) {
            wave.format = Le16(body);
            wave.channels = Le16(body + 2);
            wave.sampleRate = static_cast<int>(Le32(body + 4));
            wave.byteRate = static_cast<int>(Le32(body + 8));
            wave.blockAlign = Le16(body + 12);
            wave.bits = Le16(body + 14);
        } else if (std::memcmp(d + at, "data", 4) == 0) {
            wave.dataFitsFile = at + 8 + qsizetype(size) <= bytes.size() && size % 2 == 0;
            for (quint32 i = 0; wave.dataFitsFile && i < size; i += 2) {
                wave.samples.push_back(static_cast<std::int16_t>(Le16(body + i)));
            }
        }
        at += 8 + size + (size % 2);
    }
    return wave;
}

double Seconds(const Wave& wave) {
    return double(wave.samples.size()) / wave.sampleRate;
}

double Rms(const Wave& wave, double from, double to) {
    const auto first = static_cast<size_t>(from * wave.sampleRate);
    const auto last = std::min(wave.samples.size(), static_cast<size_t>(to * wave.sampleRate));
    double sum = 0;
    for (size_t i = first; i < last; ++i) {
        sum += double(wave.samples[i]) * wave.samples[i];
    }
    return std::sqrt(sum / std::max<size_t>(1, last - first)) / 32768.0;
}

// The perceived pitch, from the lag of the strongest self-similarity over the
// first 60 ms (searching 200 Hz to 2 kHz).
double Pitch(const Wave& wave) {
    const int n = static_cast<int>(0.06 * wave.sampleRate);
    int bestLag = 0;
    double best = 0;
    for (int lag = wave.sampleRate / 2000; lag <= wave.sampleRate / 200; ++lag) {
        double sum = 0;
        for (int i = 0; i + lag < n; ++i) {
            sum += double(wave.samples[i]) * wave.samples[i + lag];
        }
        if (sum > best) {
            best = sum;
            bestLag = lag;
        }
    }
    return bestLag > 0 ? double(wave.sampleRate) / bestLag : 0;
}

QString ReadText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Restores the working directory when a test that changes it ends.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const QString& path) : saved_(QDir::currentPath()) {
        QDir::setCurrent(path);
    }
    ~WorkingDirectory() { QDir::setCurrent(saved_); }

private:
    QString saved_;
};

} // namespace

// ---- Files ------------------------------------------------------------------

TEST(AssetFiles, EveryNamedPictureExistsAndLoadsAtTheSizeOfItsBox) {
    for (const QString& name : FlipPictureNames()) {
        const QImage image(AssetPath(name));
        const int side = name == "ImageExample.jpg" ? 69 : 184;
        EXPECT_EQ(image.size(), QSize(side, side)) << qPrintable(name);
    }
    for (const QString& name : StickFigureNames) {
        EXPECT_EQ(QImage(AssetPath(name)).size(), QSize(161, 217)) << qPrintable(name);
    }
    for (const QString& name : LetterNames()) {
        EXPECT_EQ(QImage(AssetPath(name)).size(), QSize(184, 184)) << qPrintable(name);
    }
}

TEST(AssetFiles, AllTogetherStayUnderTenMegabytes) {
    qint64 total = 0;
    for (const QFileInfo& file : QDir(AssetDirectory()).entryInfoList(QDir::Files)) {
        total += file.size();
    }
    EXPECT_GT(total, 0);
    EXPECT_LT(total, 10'000'000);
}

TEST(AssetFiles, GeneratorMakesTheSameFilesAgain) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QProcess generator;
    generator.start(KOVA_ASSETGEN, {folder.path(), KOVA_HELP_SOURCES});
    ASSERT_TRUE(generator.waitForFinished(60000));
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();

    const QStringList made = QDir(folder.path()).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(made.size(), 205 + 8 + 52 + 2 + HelpNames.size());
    for (const QString& name : made) {
        QFile again(folder.filePath(name));
        QFile built(AssetPath(name));
        ASSERT_TRUE(again.open(QIODevice::ReadOnly) && built.open(QIODevice::ReadOnly));
        EXPECT_TRUE(again.readAll() == built.readAll()) << qPrintable(name);
    }
}

// ---- Flipper and Flip Forms pictures ---------------------------------------

// The exercises show a picture unchanged, mirrored, upside down and both; the
// patient must be able to tell all four apart. Flipping both images of a pair
// the same way keeps their difference, so the six pairs of orientations come
// down to the picture against each of its three flips.
//
// Threshold: at least 2% of the pixels must change strongly (by more than 64
// of 255 levels). On a 184-pixel picture that is 677 pixels, a patch of about
// 26 x 26 pixels: the size of a large letter on screen, seen at a glance. A
// symmetric picture saved as JPEG scores 0 (see the next test), and the least
// changed of the 205 pictures scores about 4%, so the threshold sits well
// between "looks the same" and the weakest picture of the set.
TEST(FlipPictures, EveryOrientationLooksDifferent) {
    constexpr double Threshold = 0.02;
    double smallest = 1;
    QString least;
    for (const QString& name : FlipPictureNames()) {
        const QImage picture = LoadImage(name);
        ASSERT_FALSE(picture.isNull()) << qPrintable(name);
        const struct {
            QImage flipped;
            const char* how;
        } flips[] = {{picture.mirrored(true, false), "mirrored"},
                     {picture.mirrored(false, true), "upside down"},
                     {picture.mirrored(true, true), "flipped both ways"}};
        for (const auto& flip : flips) {
            const double share = StronglyDifferentShare(picture, flip.flipped);
            EXPECT_GT(share, Threshold) << qPrintable(name) << " looks the same " << flip.how;
            if (share < smallest) {
                smallest = share;
                least = name + " " + flip.how;
            }
        }
    }
    RecordProperty("smallest_share", std::to_string(smallest) + " " + least.toStdString());
}

// The measure itself: a symmetric picture, saved as JPEG like the others,
// must score far below the threshold, or the test above would prove nothing.
TEST(FlipPictures, MeasureIgnoresJpegNoiseOnASymmetricPicture) {
    QImage symmetric(184, 184, QImage::Format_RGB32);
    symmetric.fill(Qt::white);
    {
        QPainter p(&symmetric);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, 4));
        p.setBrush(QColor(220, 50, 47));
        p.drawEllipse(QPointF(92, 92), 60, 60);
        p.setBrush(QColor(40, 95, 210));
        p.drawRect(QRectF(62, 62, 60, 60));
    }
    QTemporaryDir folder;
    ASSERT_TRUE(symmetric.save(folder.filePath("s.jpg"), "JPG", 90));
    const QImage loaded = QImage(folder.filePath("s.jpg")).convertToFormat(QImage::Format_RGB32);
    EXPECT_LT(StronglyDifferentShare(loaded, loaded.mirrored(true, false)), 0.005);
    EXPECT_LT(StronglyDifferentShare(loaded, loaded.mirrored(true, true)), 0.005);
}

// No picture may repeat another, also not as one of its flips: a repeat
// would let a patient answer from memory instead of looking.
TEST(FlipPictures, NoTwoLookAlikeInAnyOrientation) {
    std::vector<std::vector<QImage>> thumbnails;
    for (int i = 1; i <= 204; ++i) {
        const QImage picture = LoadImage(QString("Image%1.jpg").arg(i));
        thumbnails.push_back({Thumbnail(picture), Thumbnail(picture.mirrored(true, false)),
                              Thumbnail(picture.mirrored(false, true)),
                              Thumbnail(picture.mirrored(true, true))});
    }
    double closest = 255;
    for (size_t i = 0; i < thumbnails.size(); ++i) {
        for (size_t j = i + 1; j < thumbnails.size(); ++j) {
            for (const QImage& flip : thumbnails[j]) {
                const double difference = MeanDifference(thumbnails[i][0], flip);
                closest = std::min(closest, difference);
                EXPECT_GT(difference, 8.0) << "Image" << i + 1 << " and Image" << j + 1;
            }
        }
    }
    RecordProperty("closest_pair_difference", std::to_string(closest));
}

TEST(FlipPictures, AreDrawnOnWhiteAndKeepClearOfTheEdges) {
    for (const QString& name : FlipPictureNames()) {
        const QImage picture = LoadImage(name);
        int edge = 0;
        int white = 0;
        int inked = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const bool isWhite = IsWhite(picture.pixel(x, y));
                if (x < 2 || y < 2 || x >= picture.width() - 2 || y >= picture.height() - 2) {
                    ++edge;
                    white += isWhite ? 1 : 0;
                }
                inked += isWhite ? 0 : 1;
            }
        }
        EXPECT_GT(double(white) / edge, 0.95) << qPrintable(name) << " runs into its edges";
        EXPECT_GT(double(inked) / (picture.width() * picture.height()), 0.05)
            << qPrintable(name) << " is nearly empty";
    }
}

// ---- Right Or Left ---------------------------------------------------------

namespace {

bool IsBalloon(QRgb p) {
    return qRed(p) > 170 && qGreen(p) < 90 && qBlue(p) < 90;
}
bool IsBall(QRgb p) {
    return qRed(p) > 200 && qGreen(p) > 100 && qGreen(p) < 185 && qBlue(p) < 80;
}
bool IsFace(QRgb p) {
    return qBlue(p) > 120 && qRed(p) < 90 && qGreen(p) < 110;
}

struct ColourSpot {
    int count = 0;
    double meanX = 0;
};

ColourSpot Find(const QImage& image, bool (*matches)(QRgb), QRect within) {
    ColourSpot spot;
    double sumX = 0;
    for (int y = within.top(); y <= within.bottom(); ++y) {
        for (int x = within.left(); x <= within.right(); ++x) {
            if (matches(image.pixel(x, y))) {
                ++spot.count;
                sumX += x;
            }
        }
    }
    spot.meanX = spot.count > 0 ? sumX / spot.count : -1;
    return spot;
}

} // namespace

// F = seen from the front, B = from behind; L and R are the figure's own left
// and right. From the front its left hand is on the viewer's right; from
// behind it is on the viewer's left.
TEST(StickFigures, BalloonOrBallIsOnTheSideTheNameGives) {
    struct Case {
        QString name;
        bool onViewersRight;
        bool ball;
    };
    const Case cases[] = {
        {"StkManFL.jpg", true, false},      {"StkManFR.jpg", false, false},
        {"StkManBL.jpg", false, false},     {"StkManBR.jpg", true, false},
        {"StkManFL_Ball.jpg", true, true},  {"StkManFR_Ball.jpg", false, true},
        {"StkManBL_Ball.jpg", false, true}, {"StkManBR_Ball.jpg", true, true},
    };
    for (const Case& test : cases) {
        const QImage image = LoadImage(test.name);
        const ColourSpot item = Find(image, test.ball ? IsBall : IsBalloon, image.rect());
        const ColourSpot other = Find(image, test.ball ? IsBalloon : IsBall, image.rect());
        ASSERT_GT(item.count, 300) << qPrintable(test.name) << ": no balloon or ball";
        EXPECT_LT(other.count, 20) << qPrintable(test.name) << ": holds both";
        const double third = image.width() / 3.0;
        if (test.onViewersRight) {
            EXPECT_GT(item.meanX, 2 * third) << qPrintable(test.name);
        } else {
            EXPECT_LT(item.meanX, third) << qPrintable(test.name);
        }
    }
}

TEST(StickFigures, FaceShowsOnlyFromTheFront) {
    const QRect head(50, 10, 61, 60);
    for (const QString& name : StickFigureNames) {
        const QImage image = LoadImage(name);
        const ColourSpot face = Find(image, IsFace, head);
        if (name.startsWith("StkManF")) {
            EXPECT_GT(face.count, 40) << qPrintable(name) << " shows no face";
            EXPECT_NEAR(face.meanX, image.width() / 2.0, 4) << qPrintable(name);
        } else {
            EXPECT_LT(face.count, 5) << qPrintable(name) << " shows a face from behind";
        }
        EXPECT_LT(Find(image, IsFace, image.rect()).count - face.count, 5)
            << qPrintable(name) << ": the face colour is used elsewhere";
    }
}

// The options screen's two examples (front with the balloon in the left
// hand, back with it in the right) must show the same figure: the two
// pictures agree everywhere but on the head.
TEST(StickFigures, ExamplesShowTheSameFigureFromBothSides) {
    const QImage front = LoadImage("StkManFL.jpg");
    const QImage back = LoadImage("StkManBR.jpg");
    const QImage frontBody = front.copy(0, 70, front.width(), front.height() - 70);
    const QImage backBody = back.copy(0, 70, back.width(), back.height() - 70);
    // The body below the head differs only by the badge on the shirt front.
    EXPECT_LT(StronglyDifferentShare(frontBody, backBody), 0.01);
    EXPECT_GT(StronglyDifferentShare(front.copy(50, 10, 61, 55), back.copy(50, 10, 61, 55)), 0.2);
}

// ---- Closing Letters ---------------------------------------------------------

TEST(Letters, AreLargeBlackLettersOnWhite) {
    for (const QString& name : LetterNames()) {
        const QImage letter = LoadImage(name);
        QRect ink;
        int coloured = 0;
        for (int y = 0; y < letter.height(); ++y) {
            for (int x = 0; x < letter.width(); ++x) {
                const QRgb p = letter.pixel(x, y);
                const int spread = std::max({qRed(p), qGreen(p), qBlue(p)}) -
                                   std::min({qRed(p), qGreen(p), qBlue(p)});
                coloured += spread > 40 ? 1 : 0;
                if (qGray(p) < 128) {
                    ink = ink.united(QRect(x, y, 1, 1));
                }
            }
        }
        EXPECT_EQ(coloured, 0) << qPrintable(name) << " is not black and white";
        ASSERT_FALSE(ink.isEmpty()) << qPrintable(name);
        EXPECT_GE(ink.left(), 3) << qPrintable(name) << " is cut off";
        EXPECT_LE(ink.right(), letter.width() - 4) << qPrintable(name) << " is cut off";
        EXPECT_GE(ink.top(), 3) << qPrintable(name) << " is cut off";
        EXPECT_LE(ink.bottom(), letter.height() - 4) << qPrintable(name) << " is cut off";
        // Capitals stand at least 3/4 of the box high; small letters, which
        // share one baseline as in print, at least 40%. Every letter is
        // centred.
        if (name.startsWith("LetterLC")) {
            EXPECT_GT(ink.height(), 184 * 0.4) << qPrintable(name);
        } else {
            EXPECT_GT(ink.height(), 184 * 0.75) << qPrintable(name);
        }
        EXPECT_NEAR(ink.center().x(), 92, 4) << qPrintable(name);
    }
}

TEST(Letters, AreFiftyTwoDistinctPictures) {
    const QStringList names = LetterNames();
    ASSERT_EQ(names.size(), 52);
    std::vector<QImage> letters;
    for (const QString& name : names) {
        letters.push_back(LoadImage(name));
    }
    for (int i = 0; i < 52; ++i) {
        for (int j = i + 1; j < 52; ++j) {
            EXPECT_GT(StronglyDifferentShare(letters[i], letters[j], 128), 0.01)
                << qPrintable(names[i]) << " and " << qPrintable(names[j]);
        }
    }
}

// ---- Sounds -------------------------------------------------------------------

TEST(Sounds, AreShortMonoSixteenBitPcmWaves) {
    for (const QString name : {"Ding.wav", "Bell.wav"}) {
        const Wave wave = ReadWave(name);
        ASSERT_TRUE(wave.riffWave) << qPrintable(name);
        EXPECT_EQ(wave.format, 1) << qPrintable(name);
        EXPECT_EQ(wave.channels, 1) << qPrintable(name);
        EXPECT_EQ(wave.sampleRate, 44100) << qPrintable(name);
        EXPECT_EQ(wave.bits, 16) << qPrintable(name);
        EXPECT_EQ(wave.blockAlign, 2) << qPrintable(name);
        EXPECT_EQ(wave.byteRate, 88200) << qPrintable(name);
        ASSERT_TRUE(wave.dataFitsFile) << qPrintable(name);
        // At 180 beats a minute a beat lasts 333 ms; the sound must end
        // before the next one starts.
        EXPECT_LT(Seconds(wave), 0.33) << qPrintable(name);
        EXPECT_GT(Seconds(wave), 0.15) << qPrintable(name);
    }
}

TEST(Sounds, StartSoftlyFadeOutAndNeverClip) {
    for (const QString name : {"Ding.wav", "Bell.wav"}) {
        const Wave wave = ReadWave(name);
        ASSERT_FALSE(wave.samples.empty()) << qPrintable(name);
        const auto peak = std::abs(*std::max_element(
            wave.samples.begin(), wave.samples.end(),
            [](std::int16_t a, std::int16_t b) { return std::abs(a) < std::abs(b); }));
        EXPECT_LT(peak, 32000) << qPrintable(name) << " clips";
        EXPECT_GT(peak, 8000) << qPrintable(name) << " is too quiet";
        EXPECT_LT(std::abs(wave.samples.front()), 100)
            << qPrintable(name) << " starts with a click";
        EXPECT_LT(std::abs(wave.samples.back()), 100) << qPrintable(name) << " ends with a click";
        EXPECT_LT(Rms(wave, 0, 0.001), Rms(wave, 0.005, 0.02) / 3)
            << qPrintable(name) << " has no soft attack";
        const double end = Seconds(wave);
        EXPECT_LT(Rms(wave, end - 0.05, end), Rms(wave, 0, 0.05) / 4)
            << qPrintable(name) << " does not die away";
    }
}

TEST(Sounds, DingIsClearlyHigherThanBell) {
    const double ding = Pitch(ReadWave("Ding.wav"));
    const double bell = Pitch(ReadWave("Bell.wav"));
    RecordProperty("ding_hz", std::to_string(ding));
    RecordProperty("bell_hz", std::to_string(bell));
    EXPECT_GT(ding, bell * 1.3);
    EXPECT_GT(bell, 250);
    EXPECT_LT(ding, 2000);
}

// ---- Help pages -------------------------------------------------------------

namespace {

QString PlainText(const QString& html) {
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText().simplified();
}

// The source text without its comments, so that names used in examples of
// comments are not taken for names the program asks for.
QString WithoutComments(const QString& source) {
    QString code;
    code.reserve(source.size());
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar c = source[i];
        const QChar next = i + 1 < source.size() ? source[i + 1] : QChar();
        if (c == '/' && next == '/') {
            while (i < source.size() && source[i] != '\n') {
                ++i;
            }
            code += '\n';
        } else if (c == '/' && next == '*') {
            i = source.indexOf("*/", i + 2);
            if (i < 0) {
                break;
            }
            ++i;
        } else if (c == '"' || (c == '\'' && (i == 0 || !source[i - 1].isLetterOrNumber()))) {
            // A string or character literal (not a digit separator as in
            // 10'000), copied whole with its escapes.
            code += c;
            for (++i; i < source.size() && source[i] != c; ++i) {
                if (source[i] == '\\' && i + 1 < source.size()) {
                    code += source[i++];
                }
                code += source[i];
            }
            code += c;
        } else {
            code += c;
        }
    }
    return code;
}

// The help names the program's own code asks for: string literals such as
// "Flipper.hlp" or "\\Flipper.hlp".
QSet<QString> HelpNamesInCode() {
    QSet<QString> names;
    const QRegularExpression helpFile(R"re("(?:[^"\n]*[\\/])?([A-Za-z_]\w*)\.hlp")re");
    for (const char* folder : {"shell", "exercises", "tools"}) {
        QDirIterator files(QString(KOVA_SOURCE_DIR) + "/" + folder, {"*.cpp", "*.h"}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString code = WithoutComments(ReadText(files.next()));
            for (const QRegularExpressionMatch& match : helpFile.globalMatch(code)) {
                names.insert(match.captured(1));
            }
        }
    }
    return names;
}

} // namespace

TEST(HelpPages, ExistForEveryHelpNameOfTheProgram) {
    const QSet<QString> inCode = HelpNamesInCode();
    RecordProperty("help_names_in_code",
                   QStringList(inCode.begin(), inCode.end()).join(' ').toStdString());
    QSet<QString> names(HelpNames.begin(), HelpNames.end());
    names.unite(inCode);
    for (const QString& name : names) {
        EXPECT_TRUE(QFile::exists(AssetPath(name + ".html"))) << qPrintable(name) << ".html";
    }
}

TEST(HelpPages, AreSelfContainedPagesTheHelpWindowCanShow) {
    const QRegularExpression link(R"re(href\s*=\s*"([^"]*)")re");
    for (const QString& name : HelpNames) {
        const QString html = ReadText(AssetPath(name + ".html"));
        ASSERT_FALSE(html.isEmpty()) << qPrintable(name);
        QTextDocument document;
        document.setHtml(html);
        EXPECT_FALSE(document.metaInformation(QTextDocument::DocumentTitle).isEmpty())
            << qPrintable(name);
        EXPECT_GT(document.toPlainText().size(), 1500) << qPrintable(name) << " says too little";
        for (const char* banned : {"<script", "<link", "<img", "<iframe", "src="}) {
            EXPECT_FALSE(html.contains(banned, Qt::CaseInsensitive))
                << qPrintable(name) << " contains " << banned;
        }
        // Links may only lead to other help pages beside this one.
        for (const QRegularExpressionMatch& match : link.globalMatch(html)) {
            const QString target = match.captured(1);
            EXPECT_TRUE(target.startsWith('#') ||
                        (!target.contains(':') && QFile::exists(AssetPath(target))))
                << qPrintable(name) << " links to " << qPrintable(target);
        }
    }
}

// Each page names every option, message and score line of its screens with
// the captions the screens show, so that a therapist can find them.
TEST(HelpPages, NameTheCaptionsOfTheirScreens) {
    const std::vector<std::pair<QString, QStringList>> pages = {
        {"KOVA_MainHelp",
         {"Therapy",
          "Tools",
          "Help",
          "Exit",
          "Enter New Patient Name",
          "Metronome",
          "Eye Rotations",
          "Tic Tac Toe Rotations",
          "Tracking Numbers, Letters",
          "Visual Sequencing",
          "Tracking Sequences",
          "Discriminating Color Grids",
          "Character Searching",
          "Pattern Duplicator",
          "Right Or Left",
          "Shape Counting",
          "Flipper",
          "Closing Lines and Boxes",
          "Flip Forms",
          "Closing Letters",
          "800 by 600",
          "Beats Per Minute",
          "Bell",
          "Ding",
          "Options",
          "Scores",
          "Main Menu",
          "Practice Time"}},
        {"Flipper",
         {"Pictures Presented In Numerical Order",
          "Random Picture Presentation",
          "Pick A Picture To Start With",
          "Picture Number",
          "Original Picture",
          "Picture Flipped Left To Right",
          "Picture Flipped Upside Down",
          "Flipped Upside Down And Left To Right",
          "Which Pattern Matches?",
          "Which Pattern Is Flipped Right To Left?",
          "Which Pattern Is Flipped Upside Down?",
          "Which Pattern Is Flipped Upside Down AND Also Flipped Right To Left?",
          "Congratulations You have reached the last image!",
          "Next Set",
          "Start",
          "Stop",
          "Total Correct",
          "Total Incorrect",
          "Total New Images Tried",
          "Percent Correct",
          "Ave Response Time",
          "Practice Time"}},
        {"FlipForms",
         {"Pictures Presented In Numerical Order",
          "Random Picture Presentation",
          "Pick A Picture To Start With",
          "Original Image",
          "Image Flipped Left To Right",
          "Click on Picture Box 1 until the image appears flipped right to left",
          "Now click on Picture Box 2 until the image in Box 1 appears flipped upside down",
          "Now click on Picture Box 3 until the image in Box 2 appears flipped right to left",
          "OK",
          "Correct",
          "Incorrect",
          "Repeat",
          "Using REPEAT will not change Correct and Incorrect scores",
          "Next Set",
          "Total Correct",
          "Total Incorrect",
          "Total New Images Tried",
          "Percent Correct",
          "Total Repeats",
          "Correct Repeats",
          "Ave Response Time",
          "Practice Time"}},
        {"RightLeft",
         {"Display Speed (Secs)", "Off", "Which Hand Is Holding The Ballon?",
          "Which Foot Is Kicking The Ball?", "Right Hand", "Left Hand", "Right Foot", "Left Foot",
          "Next One", "Display Speed must be Off or between 0.1 and 5 secs.", "Total Correct",
          "Total Incorrect", "Total Tried", "Percent Correct", "Ave Response Time",
          "Practice Time"}},
        {"RevealLetters",
         {"Upper Case Only", "Lower Case Only", "Both", "Faster", "Slower",
          "Review How The Letters Look", "Erase Tiles", "Erase All Tiles", "Next Set", "Is Correct",
          "Is Incorrect", "Total Correct", "Total Incorrect Guesses", "Total Letters Tried",
          "Guesses/Correct", "Average % Completed", "Percent Correct", "Ave Response Time",
          "Practice Time"}},
        {"TrackNumbers",
         {"Single Digit Numbers",
          "Double Digit Numbers",
          "Upper Case Letters",
          "Lower Case Letters",
          "bdpq",
          "Characters Per Line",
          "Font Size",
          "Display Speed",
          "Pages Per Session",
          "NoLimit",
          "Practice Time (mins)",
          "Reaction Time On",
          "Reaction Time Off",
          "Display Border On",
          "Display Border Off",
          "Information",
          "Click To Score",
          "Total Targets Presented",
          "Total Targets Counted",
          "Total Incorrect Responses",
          "Targets Missed",
          "Percent Correct:",
          "Over Counted Targets By:",
          "Number Of Pages",
          "Total Characters All Pages"}},
        {"TrackSeq",
         {"Sequence Targets",
          "Numbers",
          "Upper Case Letters",
          "Lower Case Letters",
          "Sequence Length",
          "Sequences Per Line",
          "Font Size",
          "Display Speed",
          "Pages Per Session",
          "NoLimit",
          "Practice Time (mins)",
          "Reaction Time On",
          "Reaction Time Off",
          "Display Border On",
          "Click To Score",
          "Total Targets Presented",
          "Total Targets Counted",
          "Total Incorrect Responses",
          "Targets Missed",
          "Over Counted Targets By:",
          "Number Of Pages",
          "Total Sequences All Pages"}},
        {"EyeRotations",
         {"Practice Time (mins)",
          "Display Speed",
          "Font Size",
          "Circle Size",
          "Circle Color",
          "Target Character",
          "Numbers",
          "Upper Case Letters",
          "Lower Case Letters",
          "bdpq",
          "Random",
          "Rotation Pattern",
          "Rectangle",
          "Circle",
          "Four Corners",
          "Rotation Direction",
          "Clockwise",
          "CounterClockwise",
          "Pattern Separation",
          "Wide",
          "Narrow",
          "Very Narrow",
          "Beep On",
          "Beep Off",
          "Information",
          "Click To Score",
          "GET READY",
          "Targets Counted",
          "Incorrect Responses",
          "Targets Missed",
          "Targets Displayed",
          "Rotations Completed",
          "Total Circles Presented",
          "Percent Correct:",
          "Over Counted Targets By:"}},
        {"TicTacToe",
         {"Display Speed (Secs)",
          "Number Of X's",
          "Font Size",
          "Practice Time (mins)",
          "Pre Display Beep On",
          "Pre Display Beep Off",
          "Rotation Pattern",
          "Pattern Not Rotated",
          "Counter Clockwise",
          "Clockwise",
          "Next Pattern",
          "Check Answer",
          "Correct Answer",
          "Unrotated Pattern",
          "Cx's=",
          "Wx's=",
          "Total Correct X's All Grids",
          "Percent Correct",
          "Wrong Responses All Grids",
          "Total X's Displayed All Grids",
          "Total Number Of Grids",
          "Grids 100% Correct"}},
        {"VisualSequencing", {"Display Speed (Secs)",
                              "Practice Time (mins)",
                              "Number Of Squares",
                              "New Sequence Each Time",
                              "Same Sequence Each Time",
                              "Pre Display Beep On",
                              "Sequence Pattern",
                              "Fixed Sequence Length",
                              "Increasing Sequence Length",
                              "Next Sequence",
                              "Repeat Same Sequence",
                              "Sequence Correct",
                              "Sequence Wrong!",
                              "Total Sequences Correct",
                              "Total Sequences Displayed",
                              "Percent Correct",
                              "Number Of Repeats Used",
                              "Correct / Total Displayed + Repeats",
                              "Total Targets Correct",
                              "Total Targets Displayed",
                              "Sequence Length",
                              "Max Seq Length"}},
        {"ChaacterSearching",
         {"Number Of Rows", "Characters Per Row", "Font Size", "Practice Time (mins)",
          "Character Type", "Numbers", "Lower Case Letters", "Upper Case Letters", "Random",
          "Next Set", "Is Correct!", "Is Wrong!", "Total Grids Correct", "Total Grids Wrong",
          "Percent Correct", "Total New Grids Displayed", "Ave Response Time", "Char. Per Row"}},
        {"ColorGrids",
         {"Grid Size", "Different Colors", "Practice Time (mins)", "Easier Colors (Brighter)",
          "Harder Colors", "Grid Borders On", "Pre Display Beep On", "Next Set", "Is Correct!",
          "Is Wrong! WHY?", "Correct Responses", "Wrong Responses", "Total Displayed",
          "Ave Response Time", "Percent Correct"}},
        {"PatternDup",
         {"25 Square Grid", "100 Square Grid", "Grid Borders On", "Grid Borders Off",
          "Maximum Squares", "Practice Time (mins)", "Check Answer", "Next Set",
          "Very Good, Correct!", "Squares Are Wrong, Try Again!", "Total Correct", "Total Wrong",
          "Total New Patterns Displayed", "Tries Per Pattern", "Percent Correct",
          "Ave Response Time", "Max Squares"}},
        {"ShapeCounting",
         {"Background Complexity", "Shape Edge Thickness", "Max Shapes", "Practice Time (mins)",
          "Looking For", "Boxes", "Circles", "Is Wrong, Try Again", "There are", "Very Good",
          "Total Correct", "Total Wrong", "Total Grids Displayed", "Percent Correct",
          "Ave Response Time", "Max Targets"}},
        {"ClosingLines",
         {"Target Type", "Converging Lines", "Corner Of The Box", "Display Speed (Secs)",
          "Visual Confusion On", "Visual Confusion Off", "Pre Display Beep On",
          "Practice Time (mins)", "Clk To Answer", "You were off by",
          "Get Ready For Visual Confusion Targets", "Total Targets Displayed", "Average Error",
          "Ave Response Time", "Display Speed"}},
    };
    ASSERT_EQ(pages.size(), size_t(HelpNames.size()));
    for (const auto& [name, captions] : pages) {
        const QString text = PlainText(ReadText(AssetPath(name + ".html")));
        for (const QString& caption : captions) {
            EXPECT_TRUE(text.contains(caption))
                << qPrintable(name) << " does not mention \"" << qPrintable(caption) << "\"";
        }
        // Every page says how to start and stop and where the scores are.
        if (name != "KOVA_MainHelp") {
            for (const char* common :
                 {"Therapy", "Main Menu", "Help", "Options", "Scores", "Practice Time"}) {
                EXPECT_TRUE(text.contains(common)) << qPrintable(name) << " lacks " << common;
            }
        }
    }
}

// ---- Lookup -------------------------------------------------------------------

// A file is looked for in the working directory first and then in the asset
// folder beside the program, so KOVA runs from any folder and a therapist's
// own picture of the same name replaces the built-in one.
TEST(AssetLookup, WorkingDirectoryComesBeforeTheAssetFolder) {
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    WorkingDirectory here(work.path());
    const auto same = [](const QString& a, const QString& b) {
        return QFileInfo(a).canonicalFilePath() == QFileInfo(b).canonicalFilePath();
    };

    EXPECT_TRUE(same(FindAsset("Image1.jpg"), AssetPath("Image1.jpg")));
    EXPECT_TRUE(same(FindAsset("Ding.wav"), AssetPath("Ding.wav")));
    EXPECT_TRUE(same(FindAsset("Flipper.html"), AssetPath("Flipper.html")));

    QImage own(184, 184, QImage::Format_RGB32);
    own.fill(Qt::magenta);
    ASSERT_TRUE(own.save(work.filePath("Image1.jpg")));
    EXPECT_TRUE(same(FindAsset("Image1.jpg"), work.filePath("Image1.jpg")));
    EXPECT_TRUE(same(FindAsset("Image2.jpg"), AssetPath("Image2.jpg")));
    // Names as the screens build them: a folder, a backslash, the file name.
    EXPECT_TRUE(same(FindAsset(QDir::currentPath() + "\\Image1.jpg"), work.filePath("Image1.jpg")));
    EXPECT_TRUE(same(FindAsset("C:\\KOVA\\Ding.wav"), AssetPath("Ding.wav")));

    EXPECT_TRUE(FindAsset("NoSuchPicture.jpg").isEmpty());
}

// Checks the generated pictures, sounds and help pages that KOVA loads by
// name, and the order in which a file is looked up.
#include "shell/assets.h"
#include "shell/controls/picture_box.h"

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <tuple>
#include <vector>

namespace {

QString AssetPath(const QString& name) {
    return AssetDirectory() + "/" + name;
}

// A picture as it shows at design size, one pixel per screen pixel.
QImage LoadImage(const QString& name) {
    const QImage picture = ReadPictureFile(AssetPath(name));
    return picture
        .scaled(picture.deviceIndependentSize().toSize(), Qt::IgnoreAspectRatio,
                Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

QStringList FlipPictureNames() {
    QStringList names;
    for (int i = 1; i <= 204; ++i) {
        names << QString("Image%1.jpg").arg(i);
    }
    return names << "ImageExample.jpg";
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

// Calls f with each pair of pixels at the same place of two images of one size.
template <typename F> void ForPixelPairs(const QImage& a, const QImage& b, F f) {
    for (int y = 0; y < a.height(); ++y) {
        const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            f(rowA[x], rowB[x]);
        }
    }
}

// Share of the pixels whose colour differs by more than `level` (of 255) in
// some channel. JPEG noise at quality 90 stays well under 64 levels even at
// sharp edges, so a symmetric picture scores near 0 here however it is
// compressed, while a visibly changed region counts in full.
double StronglyDifferentShare(const QImage& a, const QImage& b, int level = 64) {
    long changed = 0;
    ForPixelPairs(a, b, [&](QRgb p, QRgb q) {
        changed += std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                             std::abs(qBlue(p) - qBlue(q))}) > level;
    });
    return double(changed) / (a.width() * a.height());
}

// Mean absolute channel difference, 0 to 255.
double MeanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    ForPixelPairs(a, b, [&](QRgb p, QRgb q) {
        sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
               std::abs(qBlue(p) - qBlue(q));
    });
    return sum / (3.0 * a.width() * a.height());
}

// The pixels of image (within a rectangle of it) that match: how many,
// their mean x and the rectangle around them.
struct Matches {
    int count = 0;
    double meanX = -1;
    QRect bounds;
};
template <typename F> Matches Find(const QImage& image, F matches, QRect within = {}) {
    within = within.isNull() ? image.rect() : within;
    Matches found;
    double sumX = 0;
    for (int y = within.top(); y <= within.bottom(); ++y) {
        for (int x = within.left(); x <= within.right(); ++x) {
            if (matches(image.pixel(x, y))) {
                ++found.count;
                sumX += x;
                found.bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    found.meanX = found.count > 0 ? sumX / found.count : -1;
    return found;
}

bool IsWhite(QRgb p) {
    return qRed(p) > 235 && qGreen(p) > 235 && qBlue(p) > 235;
}

QImage Thumbnail(const QImage& image) {
    return image.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

// ---- WAV reading ----------------------------------------------------------

struct Wave {
    bool riffWave = false;
    // format, channels, sample rate, byte rate, block align, bits per sample
    std::tuple<int, int, int, int, int, int> header;
    int sampleRate = 0;
    std::vector<std::int16_t> samples;
};

Wave ReadWave(const QString& name) {
    Wave wave;
    QFile file(AssetPath(name));
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const char* d = bytes.constData();
    const auto le32 = [](const char* p) { return qFromLittleEndian<quint32>(p); };
    const auto le16 = [](const char* p) { return int(qFromLittleEndian<quint16>(p)); };
    if (bytes.size() < 12 || std::memcmp(d, "RIFF", 4) != 0 || std::memcmp(d + 8, "WAVE", 4) != 0 ||
        le32(d + 4) != quint32(bytes.size() - 8)) {
        return wave;
    }
    wave.riffWave = true;
    // Walk the chunks rather than assume a 44-byte header.
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const quint32 size = le32(d + at + 4);
        const char* body = d + at + 8;
        if (std::memcmp(d + at, "fmt ", 4) == 0 && size >= 16) {
            wave.sampleRate = int(le32(body + 4));
            wave.header = {le16(body),          le16(body + 2),  wave.sampleRate,
                           int(le32(body + 8)), le16(body + 12), le16(body + 14)};
        } else if (std::memcmp(d + at, "data", 4) == 0) {
            const bool fits = at + 8 + qsizetype(size) <= bytes.size() && size % 2 == 0;
            for (quint32 i = 0; fits && i < size; i += 2) {
                wave.samples.push_back(static_cast<std::int16_t>(le16(body + i)));
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

} // namespace

// ---- Files ------------------------------------------------------------------

// Each picture shows at the size of its box at design size, and holds four
// pixels for each screen pixel there, so that it stays sharp when the
// screens fill a large or high-density display.
TEST(AssetFiles, EveryNamedPictureExistsAndLoadsAtTheSizeOfItsBox) {
    const auto expectSize = [](const QString& name, QSize onScreen) {
        const QImage loaded = ReadPictureFile(AssetPath(name));
        EXPECT_EQ(loaded.deviceIndependentSize(), QSizeF(onScreen)) << qPrintable(name);
        EXPECT_EQ(loaded.size(), onScreen * 4) << qPrintable(name);
    };
    for (const QString& name : FlipPictureNames() + LetterNames()) {
        const int side = name == "ImageExample.jpg" ? 69 : 184;
        expectSize(name, {side, side});
    }
    for (const QString& name : StickFigureNames) {
        expectSize(name, {161, 217});
    }
    // A picture of the therapist's own at a usual resolution shows pixel for pixel.
    QTemporaryDir folder;
    QImage own(120, 90, QImage::Format_RGB32);
    own.fill(Qt::blue);
    own.setDotsPerMeterX(11811); // 300 dpi
    own.setDotsPerMeterY(11811);
    ASSERT_TRUE(own.save(folder.filePath("own.jpg")));
    EXPECT_EQ(ReadPictureFile(folder.filePath("own.jpg")).deviceIndependentSize(), QSizeF(120, 90));
}

TEST(AssetFiles, GeneratorMakesTheSameFilesAgainUnderTenMegabytes) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QProcess generator;
    generator.start(KOVA_ASSETGEN, {folder.path(), KOVA_HELP_SOURCES});
    ASSERT_TRUE(generator.waitForFinished(60000));
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();

    const QStringList made = QDir(folder.path()).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(made.size(), 205 + 8 + 52 + 2 + HelpNames.size());
    qint64 total = 0;
    for (const QString& name : made) {
        QFile again(folder.filePath(name));
        QFile built(AssetPath(name));
        ASSERT_TRUE(again.open(QIODevice::ReadOnly) && built.open(QIODevice::ReadOnly));
        EXPECT_TRUE(again.readAll() == built.readAll()) << qPrintable(name);
        total += built.size();
    }
    EXPECT_LT(total, 10'000'000);
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
// symmetric picture saved as JPEG scores near 0, and the least
// changed of the 205 pictures scores about 4%, so the threshold sits well
// between "looks the same" and the weakest picture of the set.
TEST(FlipPictures, EveryOrientationLooksDifferentOnWhiteClearOfTheEdges) {
    double smallest = 1;
    for (const QString& name : FlipPictureNames()) {
        const QImage picture = LoadImage(name);
        ASSERT_FALSE(picture.isNull()) << qPrintable(name);
        for (const auto& [horizontal, vertical] :
             {std::pair{true, false}, {false, true}, {true, true}}) {
            const double share =
                StronglyDifferentShare(picture, picture.mirrored(horizontal, vertical));
            EXPECT_GT(share, 0.02)
                << qPrintable(name) << " looks the same flipped "
                << (horizontal ? "left-right " : "") << (vertical ? "upside down" : "");
            smallest = std::min(smallest, share);
        }
        const QRect inside = picture.rect().adjusted(2, 2, -2, -2);
        const int area = picture.width() * picture.height();
        const int edge = area - inside.width() * inside.height();
        const int white = Find(picture, IsWhite).count;
        EXPECT_GT(double(white - Find(picture, IsWhite, inside).count) / edge, 0.95)
            << qPrintable(name) << " runs into its edges";
        EXPECT_GT(double(area - white) / area, 0.05) << qPrintable(name) << " is nearly empty";
    }
    RecordProperty("smallest_share", std::to_string(smallest));
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
    for (size_t i = 0; i < thumbnails.size(); ++i) {
        for (size_t j = i + 1; j < thumbnails.size(); ++j) {
            for (const QImage& flip : thumbnails[j]) {
                EXPECT_GT(MeanDifference(thumbnails[i][0], flip), 8.0)
                    << "Image" << i + 1 << " and Image" << j + 1;
            }
        }
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

} // namespace

// F = seen from the front, B = from behind; L and R are the figure's own left
// and right. From the front its left hand is on the viewer's right; from
// behind it is on the viewer's left. Only the front shows a face.
TEST(StickFigures, BalloonOrBallIsOnTheSideTheNameGivesAndOnlyTheFrontHasAFace) {
    const QRect head(50, 10, 61, 60);
    for (const QString& name : StickFigureNames) {
        const QImage image = LoadImage(name);
        const bool ball = name.contains("_Ball");
        const bool front = name.startsWith("StkManF");
        const bool onViewersRight = front == (name[7] == 'L');
        const Matches held = Find(image, ball ? IsBall : IsBalloon);
        ASSERT_GT(held.count, 300) << qPrintable(name) << ": no balloon or ball";
        EXPECT_LT(Find(image, ball ? IsBalloon : IsBall).count, 20)
            << qPrintable(name) << ": holds both";
        EXPECT_EQ(held.meanX > image.width() / 2.0, onViewersRight) << qPrintable(name);
        EXPECT_GT(std::abs(held.meanX - image.width() / 2.0), image.width() / 6.0)
            << qPrintable(name) << ": held in the middle";

        const Matches face = Find(image, IsFace, head);
        if (front) {
            EXPECT_GT(face.count, 40) << qPrintable(name) << " shows no face";
            EXPECT_NEAR(face.meanX, image.width() / 2.0, 4) << qPrintable(name);
        } else {
            EXPECT_LT(face.count, 5) << qPrintable(name) << " shows a face from behind";
        }
        EXPECT_LT(Find(image, IsFace).count - face.count, 5)
            << qPrintable(name) << ": the face colour is used elsewhere";
    }
}

// The options screen's two examples (front with the balloon in the left
// hand, back with it in the right) must show the same figure: the body below
// the head differs only by the badge on the shirt front.
TEST(StickFigures, ExamplesShowTheSameFigureFromBothSides) {
    const QImage front = LoadImage("StkManFL.jpg");
    const QImage back = LoadImage("StkManBR.jpg");
    const QRect body(0, 70, front.width(), front.height() - 70);
    const QRect head(50, 10, 61, 55);
    EXPECT_LT(StronglyDifferentShare(front.copy(body), back.copy(body)), 0.01);
    EXPECT_GT(StronglyDifferentShare(front.copy(head), back.copy(head)), 0.2);
}

// ---- Closing Letters ---------------------------------------------------------

TEST(Letters, AreFiftyTwoDistinctLargeBlackLettersOnWhite) {
    const QStringList names = LetterNames();
    ASSERT_EQ(names.size(), 52);
    std::vector<QImage> letters;
    for (const QString& name : names) {
        const QImage letter = letters.emplace_back(LoadImage(name));
        const int coloured = Find(letter, [](QRgb p) {
                                 return std::max({qRed(p), qGreen(p), qBlue(p)}) -
                                            std::min({qRed(p), qGreen(p), qBlue(p)}) >
                                        40;
                             }).count;
        const QRect ink = Find(letter, [](QRgb p) { return qGray(p) < 128; }).bounds;
        EXPECT_EQ(coloured, 0) << qPrintable(name) << " is not black and white";
        EXPECT_TRUE(letter.rect().adjusted(3, 3, -3, -3).contains(ink))
            << qPrintable(name) << " is cut off or empty";
        // Capitals stand at least 3/4 of the box high; small letters, which
        // share one baseline as in print, at least 40%. Every letter is
        // centred.
        EXPECT_GT(ink.height(), 184 * (name.startsWith("LetterLC") ? 0.4 : 0.75))
            << qPrintable(name);
        EXPECT_NEAR(ink.center().x(), 92, 4) << qPrintable(name);
    }
    for (int i = 0; i < 52; ++i) {
        for (int j = i + 1; j < 52; ++j) {
            EXPECT_GT(StronglyDifferentShare(letters[i], letters[j], 128), 0.01)
                << qPrintable(names[i]) << " and " << qPrintable(names[j]);
        }
    }
}

// ---- Sounds -------------------------------------------------------------------

TEST(Sounds, AreShortCleanMonoSixteenBitPcmWavesDingClearlyHigherThanBell) {
    const double ding = Pitch(ReadWave("Ding.wav"));
    const double bell = Pitch(ReadWave("Bell.wav"));
    EXPECT_GT(ding, bell * 1.3);
    EXPECT_GT(bell, 250);
    EXPECT_LT(ding, 2000);
    for (const QString name : {"Ding.wav", "Bell.wav"}) {
        const Wave wave = ReadWave(name);
        ASSERT_TRUE(wave.riffWave) << qPrintable(name);
        EXPECT_EQ(wave.header, std::make_tuple(1, 1, 44100, 88200, 2, 16)) << qPrintable(name);
        ASSERT_FALSE(wave.samples.empty()) << qPrintable(name) << ": no data that fits the file";
        // At 180 beats a minute a beat lasts 333 ms; the sound must end
        // before the next one starts.
        const double end = Seconds(wave);
        EXPECT_LT(end, 0.33) << qPrintable(name);
        EXPECT_GT(end, 0.15) << qPrintable(name);

        const auto [low, high] = std::minmax_element(wave.samples.begin(), wave.samples.end());
        const int peak = std::max(-int(*low), int(*high));
        EXPECT_LT(peak, 32000) << qPrintable(name) << " clips";
        EXPECT_GT(peak, 8000) << qPrintable(name) << " is too quiet";
        EXPECT_LT(std::abs(wave.samples.front()), 100)
            << qPrintable(name) << " starts with a click";
        EXPECT_LT(std::abs(wave.samples.back()), 100) << qPrintable(name) << " ends with a click";
        EXPECT_LT(Rms(wave, 0, 0.001), Rms(wave, 0.005, 0.02) / 3)
            << qPrintable(name) << " has no soft attack";
        EXPECT_LT(Rms(wave, end - 0.05, end), Rms(wave, 0, 0.05) / 4)
            << qPrintable(name) << " does not die away";
    }
}

// ---- Help pages -------------------------------------------------------------

namespace {

// The help names the program's own code asks for: string literals such as
// "Flipper.hlp" or "\\Flipper.hlp", outside comments (whose examples are not
// names the program asks for).
QSet<QString> HelpNamesInCode() {
    // A string or character literal is kept whole (a quote-like character in
    // it starts no comment); a comment is dropped.
    const QRegularExpression comment(
        R"re(("(?:\\.|[^"\\\n])*"|'(?:\\.|[^'\\\n])')|//[^\n]*|/\*[\s\S]*?\*/)re");
    const QRegularExpression helpFile(R"re("(?:[^"\n]*[\\/])?([A-Za-z_]\w*)\.hlp")re");
    QSet<QString> names;
    for (const char* folder : {"shell", "exercises", "tools"}) {
        QDirIterator files(QString(KOVA_SOURCE_DIR) + "/" + folder, {"*.cpp", "*.h"}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString code = ReadText(files.next()).replace(comment, "\\1");
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
    EXPECT_TRUE(inCode.contains("EyeRotations")) << "the search finds no help names";
    QSet<QString> names(HelpNames.begin(), HelpNames.end());
    for (const QString& name : names.unite(inCode)) {
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

// Each page names its exercise's key options and score lines with the
// captions the screens show, so that a therapist can find them, and says how
// to start and stop and where the scores are.
TEST(HelpPages, NameTheKeyCaptionsOfTheirScreens) {
    const std::vector<std::pair<QString, QStringList>> pages = {
        {"KOVA_MainHelp",
         {"Enter New Patient Name", "Metronome", "Beats Per Minute", "800 by 600", "Eye Rotations",
          "Tracking Sequences", "Closing Letters", "Tic Tac Toe Rotations"}},
        {"Flipper",
         {"Random Picture Presentation", "Pick A Picture To Start With",
          "Which Pattern Is Flipped Upside Down?", "Total New Images Tried", "Ave Response Time"}},
        {"FlipForms",
         {"Random Picture Presentation", "Repeat",
          "Using REPEAT will not change Correct and Incorrect scores", "Total Repeats",
          "Correct Repeats"}},
        {"RightLeft",
         {"Display Speed (Secs)", "Which Hand Is Holding The Ballon?",
          "Which Foot Is Kicking The Ball?", "Total Tried", "Percent Correct"}},
        {"RevealLetters",
         {"Upper Case Only", "Erase All Tiles", "Guesses/Correct", "Average % Completed"}},
        {"TrackNumbers",
         {"Characters Per Line", "Pages Per Session", "Reaction Time On", "Total Targets Counted",
          "Over Counted Targets By:"}},
        {"TrackSeq",
         {"Sequence Length", "Sequences Per Line", "Targets Missed", "Total Sequences All Pages"}},
        {"EyeRotations",
         {"Rotation Pattern", "Rotation Direction", "Pattern Separation", "Circle Color",
          "Rotations Completed", "Total Circles Presented", "Over Counted Targets By:"}},
        {"TicTacToe",
         {"Number Of X's", "Pattern Not Rotated", "Total Correct X's All Grids",
          "Grids 100% Correct"}},
        {"VisualSequencing",
         {"Number Of Squares", "Increasing Sequence Length", "Number Of Repeats Used",
          "Max Seq Length"}},
        {"ChaacterSearching",
         {"Number Of Rows", "Characters Per Row", "Total Grids Correct",
          "Total New Grids Displayed"}},
        {"ColorGrids",
         {"Grid Size", "Easier Colors (Brighter)", "Correct Responses", "Wrong Responses"}},
        {"PatternDup", {"25 Square Grid", "Maximum Squares", "Tries Per Pattern", "Max Squares"}},
        {"ShapeCounting",
         {"Background Complexity", "Shape Edge Thickness", "Total Grids Displayed", "Max Targets"}},
        {"ClosingLines",
         {"Converging Lines", "Corner Of The Box", "Visual Confusion On", "Average Error"}},
    };
    ASSERT_EQ(pages.size(), size_t(HelpNames.size()));
    for (const auto& [name, captions] : pages) {
        QTextDocument page;
        page.setHtml(ReadText(AssetPath(name + ".html")));
        const QString text = page.toPlainText().simplified();
        QStringList expected = captions;
        if (name != "KOVA_MainHelp") {
            expected << "Therapy"
                     << "Main Menu"
                     << "Help"
                     << "Options"
                     << "Scores"
                     << "Practice Time";
        }
        for (const QString& caption : expected) {
            EXPECT_TRUE(text.contains(caption))
                << qPrintable(name) << " does not mention \"" << qPrintable(caption) << "\"";
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
    const QString saved = QDir::currentPath();
    QDir::setCurrent(work.path());
    const auto restore = qScopeGuard([&saved] { QDir::setCurrent(saved); });
    const auto same = [](const QString& a, const QString& b) {
        return QFileInfo(a).canonicalFilePath() == QFileInfo(b).canonicalFilePath();
    };

    EXPECT_TRUE(same(FindAsset("Flipper.html"), AssetPath("Flipper.html")));
    EXPECT_TRUE(same(FindAsset("Image1.jpg"), AssetPath("Image1.jpg")));

    QImage own(184, 184, QImage::Format_RGB32);
    own.fill(Qt::magenta);
    ASSERT_TRUE(own.save(work.filePath("Image1.jpg")));
    EXPECT_TRUE(same(FindAsset("Image1.jpg"), work.filePath("Image1.jpg")));
    EXPECT_TRUE(same(FindAsset("Image2.jpg"), AssetPath("Image2.jpg")));
    // Names as the screens build them: a folder, a backslash, the file name.
    EXPECT_TRUE(same(FindAsset(QDir::currentPath() + "\\Image1.jpg"), work.filePath("Image1.jpg")));
    EXPECT_TRUE(same(FindAsset("C:\\KOVA\\Ding.wav"), AssetPath("Ding.wav")));
    EXPECT_TRUE(same(FindAsset("image2.JPG"), AssetPath("Image2.jpg"))) << "case does not matter";

    EXPECT_TRUE(FindAsset("NoSuchPicture.jpg").isEmpty());
}

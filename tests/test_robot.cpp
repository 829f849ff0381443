// The random-input robot over every exercise of the main menu: short runs
// here; the sanitizer step and `./dev.sh robot` make them long
// (KOVA_ROBOT_SCALE, KOVA_ROBOT_EVENTS), and run the real platform under Xvfb.
#include "tests/robot/robot.h"

#include "tests/robot/invariants.h"
#include "tests/robot/robot_platform.h"
#include "tests/robot/user_events.h"

#include "exercises/closing_letters/closing_letters_scores.h"
#include "exercises/flipper/picture_sequence.h"
#include "shell/app.h"
#include "shell/assets.h"
#include "shell/controls/picture_box.h"
#include "shell/forms.h"
#include "shell/help_window.h"
#include "shell/mod_dodi.h"
#include "shell/real_platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>
#include <optional>

namespace {

// Events per exercise in an ordinary test run, before KOVA_ROBOT_SCALE.
constexpr long ShortRunEvents = 1500;
constexpr long KeyboardRunEvents = 500;
constexpr long BadAssetsRunEvents = 300;
constexpr long BadAssetsLongestRun = 1000;
// Seconds of the real-platform run, shared by all exercises.
constexpr int RealPlatformSeconds = 60;

long scaled(long events) {
    bool ok = false;
    const long scale = qEnvironmentVariable("KOVA_ROBOT_SCALE").toLong(&ok);
    return ok && scale > 0 ? events * scale : events;
}

// The bad-asset runs grow with the scale only up to a point: what they test
// (files that fail to load) is met in the first few hundred events.
long badAssetsEvents() {
    return std::min(scaled(BadAssetsRunEvents), BadAssetsLongestRun);
}

void report(const QString& entry, const Robot& robot, const char* what) {
    std::printf("[  robot   ] %s%s: %ld events in %.1f s (%.0f events/s)\n", qPrintable(entry),
                what, robot.EventsRun(), robot.Seconds(),
                robot.Seconds() > 0 ? robot.EventsRun() / robot.Seconds() : 0.0);
    std::fflush(stdout);
}

class RobotTest : public ::testing::Test {
protected:
    void TearDown() override {
        Forms::UnloadAll();
        if (HelpWindow* help = HelpWindow::Instance()) {
            help->close();
        }
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        SetPlatform(nullptr);
        SetAssetDirectory({});
    }

    // Runs the robot on the fake platform; returns the platform's records.
    // Returns how often each sound file really played.
    QHash<QString, int> RunOnFake(const QString& entry, long defaultEvents, const char* what = "",
                                  std::function<QString()> alsoCheck = {}, bool keysOnly = false) {
        RobotRun run = RobotRun::FromEnvironment(entry, defaultEvents);
        run.keysOnly = keysOnly;
        auto owned = std::make_unique<RobotPlatform>(run.seed);
        RobotPlatform& fake = *owned;
        SetPlatform(std::move(owned));
        Robot robot(run);
        robot.AlsoCheck = std::move(alsoCheck);
        robot.RunOnFakePlatform(fake);
        report(entry, robot, what);
        return fake.SoundsPlayed;
    }
};

class RobotOnExercise : public RobotTest, public ::testing::WithParamInterface<QString> {};

std::string entryName(const ::testing::TestParamInfo<QString>& info) {
    return info.param.toStdString();
}

} // namespace

void PrintTo(const QString& text, std::ostream* out) {
    *out << text.toStdString();
}

TEST_P(RobotOnExercise, SurvivesRandomUserEvents) {
    RunOnFake(GetParam(), scaled(ShortRunEvents));
}

INSTANTIATE_TEST_SUITE_P(Menu, RobotOnExercise, ::testing::ValuesIn(MenuEntries()), entryName);

class RobotWithKeysOnly : public RobotOnExercise {};

// A keyboard user: Tab, Enter, Space, Escape, the arrows and the digits.
TEST_P(RobotWithKeysOnly, SurvivesRandomKeys) {
    RunOnFake(GetParam(), scaled(KeyboardRunEvents), " (keys only)", {}, true);
}

INSTANTIATE_TEST_SUITE_P(Menu, RobotWithKeysOnly, ::testing::ValuesIn(MenuEntries()), entryName);

// A double-click whose first click closes the window: the second click must
// not reach the closed window's button (it once stopped a page that had
// already been zeroed, and the scores showed -1 pages).
TEST_F(RobotTest, DoubleClickThatClosesItsWindowClicksOnce) {
    QWidget window;
    auto* button = new QPushButton("Close", &window);
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&] {
        ++clicks;
        window.hide();
    });
    window.show();
    ClickThroughWindow(button, button->rect().center(), Qt::LeftButton, true);
    EXPECT_EQ(clicks, 1);
}

// Ten wrong guesses for one letter named is "1000%" Guesses/Correct, a
// ratio; the same figure as a percent correct would be a fault.
TEST_F(RobotTest, ARatioOfTwoCountsMayPassAHundredPercent) {
    RegisterExercises();
    auto& scores = Scores<LetterScores>();
    scores.LettersCorrect = 1;
    scores.LettersWrong = 10;
    scores.LettersTried = 1;
    Forms::Show("frmLetterS");
    auto* ratio = Forms::Find("frmLetterS")->findChild<QLabel*>("lblRatio");
    ASSERT_NE(ratio, nullptr);
    EXPECT_EQ(ratio->text(), "1000%");
    EXPECT_EQ(InsaneNumberShown(), "");
    Forms::Find("frmLetterS")->findChild<QLabel*>("lblPerCor")->setText("1000%");
    EXPECT_NE(InsaneNumberShown(), "");
}

// A refused option's message, a designed notice and a question asked for
// are the design's boxes; one that tells of a practice lost is a fault.
TEST_F(RobotTest, OnlyTheDesignsOwnBoxesMayAppear) {
    SetPlatform(std::make_unique<FakePlatform>());
    RegisterExercises();
    Forms::Show("frmFG1o");
    EXPECT_TRUE(IsDesignedMessage("Max Targets must be between 4 and 25.", vbExclamation));
    EXPECT_TRUE(IsDesignedMessage(LastPictureNotice, vbOKOnly));
    EXPECT_TRUE(
        IsDesignedMessage("Delete Ann and all 2 of their practices?", vbYesNo | vbQuestion));
    EXPECT_FALSE(IsDesignedMessage("This practice could not be kept in the practice history:\n"
                                   "NOT NULL constraint failed: practice_line.shown",
                                   vbExclamation));
    EXPECT_FALSE(IsDesignedMessage("Circle Size must be between 1 and 6.", vbExclamation))
        << "Eye Rotations is not open";
}

TEST(RobotInvariants, AChangeBetweenTwoMeansMayBeNegativeACountMayNot) {
    EXPECT_EQ(InsaneFigure("first 3 sessions 61.0%, last 3 sessions 22.0%, change -39.0%", false),
              "");
    EXPECT_NE(InsaneFigure("Total Correct -1", false), "");
    EXPECT_NE(InsaneFigure("change 5, wrong -2", false), "");
}

// ---- Bad assets: nothing crashes, boxes stay empty, sounds stay silent ----

namespace {

// A folder of the built-in assets (linked, not copied) in which spoil() may
// replace some files by other bytes; made once per test program.
class SpoiltAssets {
public:
    explicit SpoiltAssets(const std::function<std::optional<QByteArray>(const QString&)>& spoil) {
        QDirIterator files(AssetDirectory(), QDir::Files);
        while (files.hasNext()) {
            const QString source = files.next();
            const QString path = folder_.filePath(files.fileName());
            if (const auto bytes = spoil(files.fileName())) {
                QFile file(path);
                if (file.open(QIODevice::WriteOnly)) {
                    file.write(*bytes);
                }
            } else {
                QFile::link(source, path);
            }
        }
    }
    void Use() const { SetAssetDirectory(folder_.path()); }

private:
    QTemporaryDir folder_;
};

// Accepts the warnings the JPEG reader prints about damaged files, for as
// long as it lives; every other warning still fails the test.
class JpegWarningsAccepted {
public:
    JpegWarningsAccepted() { previous_ = qInstallMessageHandler(filter); }
    ~JpegWarningsAccepted() { qInstallMessageHandler(previous_); }

private:
    static void filter(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (!text.contains("JPEG")) {
            previous_(type, context, text);
        }
    }
    static inline QtMessageHandler previous_ = nullptr;
};

// Whether any exercise screen holds a picture.
QString PictureShown() {
    for (const Form* form : LoadedForms()) {
        if (form->objectName() == "frmMain") {
            continue;
        }
        for (const PictureBox* box : form->findChildren<PictureBox*>()) {
            if (!box->Picture().isNull()) {
                return PathOf(box) + " shows a picture";
            }
        }
        for (const ImageBox* box : form->findChildren<ImageBox*>()) {
            if (!box->Picture().isNull()) {
                return PathOf(box) + " shows a picture";
            }
        }
    }
    return {};
}

} // namespace

class RobotWithBadAssets : public RobotOnExercise {};

TEST_P(RobotWithBadAssets, AssetsFolderMissing) {
    SetAssetDirectory(QDir::temp().filePath("kova-no-such-assets-folder"));
    EXPECT_TRUE(RunOnFake(GetParam(), badAssetsEvents(), " without assets").isEmpty());
}

TEST_P(RobotWithBadAssets, ZeroByteDing) {
    static const SpoiltAssets assets([](const QString& name) -> std::optional<QByteArray> {
        if (name.compare("Ding.wav", Qt::CaseInsensitive) == 0) {
            return QByteArray();
        }
        return std::nullopt;
    });
    assets.Use();
    const auto played = RunOnFake(GetParam(), badAssetsEvents(), " with a zero-byte Ding.wav");
    EXPECT_EQ(played.value("ding.wav"), 0) << "the other sounds may play";
}

TEST_P(RobotWithBadAssets, PicturesThatAreNotJpegs) {
    // Text, nothing, a JPEG cut short after its header, noise: in turn.
    static int spoilt = 0;
    static const SpoiltAssets assets([](const QString& name) -> std::optional<QByteArray> {
        if (!name.endsWith(".jpg", Qt::CaseInsensitive)) {
            return std::nullopt;
        }
        const QByteArray kinds[] = {"this is not a picture\n", QByteArray(),
                                    QByteArray("\xff\xd8\xff\xe0\x00\x10JFIF", 10) +
                                        QByteArray(64, '\x55'),
                                    QByteArray(512, '\x9c')};
        return kinds[spoilt++ % 4];
    });
    assets.Use();
    const JpegWarningsAccepted damagedFilesReported;
    RunOnFake(GetParam(), badAssetsEvents(), " with pictures that are not JPEGs", PictureShown);
}

INSTANTIATE_TEST_SUITE_P(Menu, RobotWithBadAssets, ::testing::ValuesIn(MenuEntries()), entryName);

// ---- The real platform under Xvfb: real timers, waits and nested loops ----

TEST_F(RobotTest, RealPlatformUnderXvfb) {
    if (qEnvironmentVariable("QT_QPA_PLATFORM") == "offscreen") {
        GTEST_SKIP() << "runs under Xvfb with the xcb platform (./dev.sh sanitize, ./dev.sh robot)";
    }
    // KOVA_ROBOT_ENTRY=cmdRL spends the whole run on one exercise.
    const QString only = qEnvironmentVariable("KOVA_ROBOT_ENTRY");
    const QStringList entries = only.isEmpty() ? MenuEntries() : QStringList{only};
    ASSERT_FALSE(entries.isEmpty());
    for (const QString& entry : entries) {
        RobotRun run = RobotRun::FromEnvironment(entry, 1000000);
        run.seconds = std::max(4, RealPlatformSeconds / static_cast<int>(entries.size()));
        SetPlatform(std::make_unique<RealPlatform>());
        Robot robot(run);
        robot.RunOnRealPlatform();
        report(entry, robot, " on the real platform");
        SetPlatform(nullptr);
        if (robot.Failed()) {
            break;
        }
    }
}

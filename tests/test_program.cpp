// The real program: starts offscreen, shows the main menu, exits cleanly.
#include <QCoreApplication>
#include <QProcess>
#include <gtest/gtest.h>

TEST(Program, StartsShowsTheMainMenuAndExitsCleanly) {
    QProcess kova;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("KOVA_EXIT_AFTER_START", "1");
    kova.setProcessEnvironment(env);
    kova.start(QCoreApplication::applicationDirPath() + "/kova", {});
    ASSERT_TRUE(kova.waitForStarted(10000));
    ASSERT_TRUE(kova.waitForFinished(30000));
    EXPECT_EQ(kova.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(kova.exitCode(), 0);
    EXPECT_EQ(kova.readAllStandardOutput().trimmed(), "KOVA main menu shown");
    const QByteArray errors = kova.readAllStandardError();
    EXPECT_FALSE(errors.contains("QWidget")) << errors.toStdString();
}

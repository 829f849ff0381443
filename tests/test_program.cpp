// The real program: starts offscreen, shows the main menu, exits cleanly;
// answers --help and --version; goes on without its assets folder; loads its
// sound player, keyring, print dialog and clinic apart.
#include "clinic/history/keyring.h"
#include "shell/modules.h"
#include "shell/print/print_dialog.h"
#include "shell/sound/sound_output.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString builtProgram() {
    return QCoreApplication::applicationDirPath() + "/kova";
}

struct KovaRun {
    int exitCode = -1;
    QString output;
    QString errors;
};

// Runs the program offscreen until its start-up is done ("load": until the
// clinic module is loaded, every symbol bound at once).
KovaRun runKova(const QString& program, const QStringList& arguments,
                const QString& workingDirectory = QDir::currentPath(),
                const QString& exitAfterStart = "1") {
    QProcess kova;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("KOVA_EXIT_AFTER_START", exitAfterStart);
    if (exitAfterStart == "load") {
        env.insert("LD_BIND_NOW", "1");
    }
    kova.setProcessEnvironment(env);
    kova.setWorkingDirectory(workingDirectory);
    kova.start(program, arguments);
    EXPECT_TRUE(kova.waitForStarted(10000));
    EXPECT_TRUE(kova.waitForFinished(30000));
    EXPECT_EQ(kova.exitStatus(), QProcess::NormalExit);
    return {kova.exitCode(), QString::fromLocal8Bit(kova.readAllStandardOutput()),
            QString::fromLocal8Bit(kova.readAllStandardError())};
}

} // namespace

TEST(Program, StartsShowsTheMainMenuFindsItsFilesAndExitsCleanly) {
    QTemporaryDir elsewhere;
    const KovaRun run = runKova(builtProgram(), {}, elsewhere.path());
    EXPECT_EQ(run.exitCode, 0);
    const QString assets = QCoreApplication::applicationDirPath() + "/assets/";
    EXPECT_EQ(run.output, "KOVA main menu shown\n"
                          "KOVA picture found: " +
                              assets + "Image1.jpg\nKOVA help page found: " + assets +
                              "KOVA_MainHelp.html\nKOVA sound player found: " +
                              QCoreApplication::applicationDirPath() +
                              "/libkova_sound.so\nKOVA clinic module found: " +
                              QCoreApplication::applicationDirPath() + "/libkova_clinic.so\n");
    EXPECT_FALSE(run.errors.contains("QWidget")) << run.errors.toStdString();
}

// The picture check reads a JPEG header itself and asks the image plugins
// only about other kinds of picture.
TEST(Program, SaysWhetherThePictureInItsStartFolderCanBeRead) {
    QImage png(8, 8, QImage::Format_RGB32);
    png.fill(Qt::white);
    QByteArray pngData;
    QBuffer pngBuffer(&pngData);
    ASSERT_TRUE(pngBuffer.open(QIODevice::WriteOnly) && png.save(&pngBuffer, "PNG"));
    QFile shipped(QCoreApplication::applicationDirPath() + "/assets/Image1.jpg");
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray jpeg = shipped.readAll();
    const struct {
        QByteArray contents;
        const char* verdict;
    } pictures[] = {{jpeg.left(jpeg.indexOf("\xFF\xC0")), "unreadable"},
                    {"\xFF\xD8\xFF\xFF\xFF" + jpeg.mid(2), "found"},
                    {pngData, "found"},
                    {"not a picture", "unreadable"}};
    for (const auto& picture : pictures) {
        QTemporaryDir start;
        QFile file(start.filePath("Image1.jpg"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(picture.contents);
        file.close();
        const KovaRun run = runKova(builtProgram(), {}, start.path());
        EXPECT_TRUE(run.output.contains(
            QString("KOVA picture %1: %2").arg(picture.verdict, file.fileName())))
            << run.output.toStdString();
    }
}

TEST(Program, AnswersVersionAndHelpWithoutAWindowSystem) {
    for (const char* option : {"--version", "-v"}) {
        const KovaRun run = runKova(builtProgram(), {option});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.output, "KOVA " KOVA_VERSION "\n");
    }
    const KovaRun help = runKova(builtProgram(), {"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* named : {"--help", "--version", "KOVA_DATABASE", "KOVA_EXIT_AFTER_START",
                              "../share/kova", "KOVA " KOVA_VERSION}) {
        EXPECT_TRUE(help.output.contains(named)) << named;
    }
    EXPECT_FALSE(help.output.contains("main menu shown"));
}

TEST(Program, WithoutItsAssetsFolderSaysWhereItLookedAndGoesOn) {
    QTemporaryDir lonely;
    const QString program = lonely.filePath("kova");
    ASSERT_TRUE(QFile::copy(builtProgram(), program));
    const KovaRun run = runKova(program, {}, lonely.path());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, "KOVA main menu shown\n"
                          "KOVA picture not found\n"
                          "KOVA help page not found\n"
                          "KOVA sound player not found\n"
                          "KOVA clinic module not found\n");
    EXPECT_TRUE(run.errors.contains("KOVA cannot find its pictures, sounds and help pages"));
    EXPECT_TRUE(run.errors.contains(lonely.filePath("assets")));
    EXPECT_TRUE(run.errors.contains(QDir::cleanPath(lonely.filePath("../share/kova"))));
}

TEST(Program, StartsWithoutTheLibrariesThatComeWithItsModules) {
    QProcess readelf;
    readelf.start("readelf", {"--dynamic", builtProgram()});
    ASSERT_TRUE(readelf.waitForFinished(30000));
    const QString needed = QString::fromLocal8Bit(readelf.readAllStandardOutput());
    EXPECT_TRUE(needed.contains("libQt6Widgets")) << needed.toStdString();
    for (const char* library : {"libQt6Multimedia", "keychain", "libQt6PrintSupport", "libQt6Sql",
                                "libQt6Charts", "libQt6OpenGL"}) {
        EXPECT_FALSE(needed.contains(library)) << library;
    }
    EXPECT_NE(LoadSoundOutput(), nullptr) << "the module beside the program makes a player";
    QString why;
    for (const auto& [module, symbol] :
         {std::pair{KeyringModuleFileName(), "kova_create_keyring"},
          std::pair{QString(KOVA_PRINT_MODULE), KOVA_RUN_PRINT_DIALOG}}) {
        EXPECT_NE(ModuleFunction(module, symbol, &why), nullptr) << why.toStdString();
    }
}

// The clinic module binds to the program's own shell, so only the program
// can load it: the start-up check loads it there, every symbol bound at once
// (LD_BIND_NOW) so that one the program lacks fails the load.
TEST(Program, LoadsItsClinicModule) {
    const KovaRun run = runKova(builtProgram(), {}, QDir::currentPath(), "load");
    EXPECT_TRUE(
        run.output.endsWith("KOVA clinic module loaded: " + QCoreApplication::applicationDirPath() +
                            "/libkova_clinic.so\n"))
        << run.output.toStdString();
}

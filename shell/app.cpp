#include "shell/app.h"

#include "shell/assets.h"
#include "shell/forms.h"
#include "shell/main_menu.h"
#include "shell/platform.h"
#include "shell/sound/sound_output.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QStyleFactory>
#include <cstdio>

namespace {

// A built-in picture and help page that the start-up check reads.
const char* const CheckedPicture = "Image1.jpg";
const char* const CheckedHelpPage = "KOVA_MainHelp.html";

QString foundLine(const QString& what, const QString& path, bool readable) {
    if (path.isEmpty()) {
        return "KOVA " + what + " not found\n";
    }
    return QString("KOVA %1 %2: %3\n")
        .arg(what, readable ? "found" : "unreadable", QDir::toNativeSeparators(path));
}

// Whether a picture file is one that can be read: its header is read, not
// its pixels, so that the check costs no decoding.
bool pictureReadable(const QString& path) {
    if (path.isEmpty()) {
        return false;
    }
    QImageReader reader(path);
    return reader.canRead() && reader.size().isValid();
}

} // namespace

void SetUpAppearance(QApplication& app) {
    app.setStyle(QStyleFactory::create("Fusion"));
    QFont font("Arial");
    font.setPointSize(9);
    app.setFont(font);
}

frmMain& StartMainMenu() {
    auto& main = Forms::Get<frmMain>();
    Forms::Show(main);
    return main;
}

void TellWhenAssetsAreMissing(bool inBox) {
    const QString message = MissingAssetsMessage();
    if (message.isEmpty()) {
        return;
    }
    std::fputs((message + "\n").toLocal8Bit().constData(), stderr);
    if (inBox) {
        platform().MsgBox(message, vbExclamation, "KOVA");
    }
}

QString StartUpReport() {
    const QString picture = FindAsset(CheckedPicture);
    const QString helpPage = FindAsset(CheckedHelpPage);
    QFile helpFile(helpPage);
    const bool helpReadable = helpFile.open(QIODevice::ReadOnly) && helpFile.size() > 0;
    const QString soundModule = FindSoundModule();
    return "KOVA main menu shown\n" + foundLine("picture", picture, pictureReadable(picture)) +
           foundLine("help page", helpPage, helpReadable) +
           foundLine("sound player", soundModule, !soundModule.isEmpty());
}

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
#include <cstdint>
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

int bigEndian16(const QByteArray& data, qsizetype at) {
    return (std::uint8_t(data[at]) << 8) | std::uint8_t(data[at + 1]);
}

// Whether JPEG data holds a frame header with a size, found by walking its
// segments from the start-of-image marker to the first start-of-frame one.
bool jpegHasFrameSize(const QByteArray& data) {
    if (!data.startsWith("\xFF\xD8")) {
        return false;
    }
    qsizetype at = 2;
    while (at + 9 <= data.size() && std::uint8_t(data[at]) == 0xFF) {
        const int marker = std::uint8_t(data[at + 1]);
        if (marker == 0xFF) { // a fill byte before the marker
            ++at;
            continue;
        }
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            return bigEndian16(data, at + 5) > 0 && bigEndian16(data, at + 7) > 0;
        }
        if (marker == 0xD9 || marker == 0xDA) {
            return false; // end of image or image data before any frame header
        }
        at += 2 + bigEndian16(data, at + 2);
    }
    return false;
}

// Whether a picture file is one that can be read: its header is read, not
// its pixels, so that the check costs no decoding. A JPEG header is walked
// here, which spares start-up the image plugins; any other kind of picture
// is asked of them.
bool pictureReadable(const QString& path) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray head = file.read(64 * 1024);
    if (head.startsWith("\xFF\xD8")) {
        return jpegHasFrameSize(head);
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

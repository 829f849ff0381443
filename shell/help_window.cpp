#include "shell/help_window.h"

#include "shell/assets.h"

#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QRegularExpression>
#include <QTextDocument>

static QPointer<HelpWindow>& instancePointer() {
    static QPointer<HelpWindow> instance;
    return instance;
}

HelpWindow::HelpWindow() {
    setObjectName("HelpWindow");
    setWindowTitle("KOVA Help");
    setAttribute(Qt::WA_DeleteOnClose);
    setOpenExternalLinks(false);
    document()->setDocumentMargin(14);
    resize(640, 520);
}

HelpWindow* HelpWindow::Instance() {
    return instancePointer();
}

QString HelpWindow::PageName(const QString& helpFile) {
    // Accept both separators: the caller builds "<dir>\Name.hlp".
    const QString leaf = helpFile.section(QRegularExpression(R"([\\/])"), -1);
    return QFileInfo(leaf).completeBaseName();
}

bool HelpWindow::Open(const QString& helpFile) {
    QPointer<HelpWindow>& window = instancePointer();
    if (window == nullptr) {
        window = new HelpWindow;
    }
    const QString page = PageName(helpFile);
    const QString path = FindAsset(page + ".html");
    QFile file(path);
    const bool found = !path.isEmpty() && file.open(QIODevice::ReadOnly);
    if (found) {
        window->setSearchPaths({QFileInfo(path).absolutePath()});
        window->setHtml(QString::fromUtf8(file.readAll()));
    } else {
        window->setHtml(QString("<h2>Help</h2><p>No help page is available for \"%1\".</p>")
                            .arg(page.toHtmlEscaped()));
    }
    window->setWindowTitle("KOVA Help - " + page);
    window->show();
    window->raise();
    return found;
}

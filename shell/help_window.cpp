#include "shell/help_window.h"

#include "shell/assets.h"
#include "shell/controls/basic.h"

#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QTextDocument>
#include <QVBoxLayout>

static QPointer<HelpWindow>& instancePointer() {
    static QPointer<HelpWindow> instance;
    return instance;
}

HelpWindow::HelpWindow() {
    setObjectName("HelpWindow");
    setWindowTitle("KOVA Help");
    setAttribute(Qt::WA_DeleteOnClose);
    page_ = new QTextBrowser(this);
    page_->setObjectName("txtHelp");
    page_->setOpenExternalLinks(false);
    page_->document()->setDocumentMargin(14);
    cmdClose = new VbButton("cmdClose", "Close", this);
    cmdClose->setMinimumWidth(100);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    auto* column = new QVBoxLayout(this);
    column->addWidget(page_, 1);
    column->addWidget(cmdClose, 0, Qt::AlignRight);
    resize(640, 560);
}

HelpWindow* HelpWindow::Instance() {
    return instancePointer();
}

QString HelpWindow::PageName(const QString& helpFile) {
    // Accept both separators: the caller builds "<dir>\Name.hlp".
    const QString leaf = helpFile.section(QRegularExpression(R"([\\/])"), -1);
    return QFileInfo(leaf).completeBaseName();
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool HelpWindow::showPage(const QString& pageName) {
    const QString path = FindAsset(pageName + ".html");
    QFile file(path);
    const bool found = !path.isEmpty() && file.open(QIODevice::ReadOnly);
    if (found) {
        page_->setSearchPaths({QFileInfo(path).absolutePath()});
        page_->setHtml(QString::fromUtf8(file.readAll()));
    } else {
        page_->setHtml(QString("<h2>Help</h2><p>No help page is available for \"%1\".</p>")
                           .arg(pageName.toHtmlEscaped()));
    }
    // The page's title names what it helps with ("Flipper"), not its file.
    const QString title = page_->document()->metaInformation(QTextDocument::DocumentTitle);
    setWindowTitle(title.isEmpty() || title == "KOVA Help" ? QString("KOVA Help")
                                                           : "KOVA Help - " + title);
    return found;
}

bool HelpWindow::Open(const QString& helpFile) {
    QPointer<HelpWindow>& window = instancePointer();
    if (window == nullptr) {
        window = new HelpWindow;
    }
    const bool found = window->showPage(PageName(helpFile));
    window->show();
    window->raise();
    window->activateWindow();
    return found;
}

// The in-program help window: shows the HTML page made for a help file, with
// a Close button; Escape closes it too.
#pragma once

#include <QString>
#include <QTextBrowser>
#include <QWidget>

class VbButton;

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // Shows the page for a name such as "C:\dir\Flipper.hlp" (the page made
    // for "Flipper"); when there is none, the window says so. Returns
    // whether a page was found.
    static bool Open(const QString& helpFile);
    // The window, if it was ever opened.
    static HelpWindow* Instance();

    static QString PageName(const QString& helpFile);

    QTextBrowser* Page() const { return page_; }
    VbButton* cmdClose;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    HelpWindow();
    bool showPage(const QString& pageName); // false when there is no page

    QTextBrowser* page_;
};

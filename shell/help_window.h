// The in-program help window: shows the HTML page made for a help file.
#pragma once

#include <QString>
#include <QTextBrowser>

class HelpWindow : public QTextBrowser {
    Q_OBJECT
public:
    // Shows the page for a name such as "C:\dir\Flipper.hlp" (the page made
    // for "Flipper"); when there is none, the window says so. Returns
    // whether a page was found.
    static bool Open(const QString& helpFile);
    // The window, if it was ever opened.
    static HelpWindow* Instance();

    static QString PageName(const QString& helpFile);

private:
    HelpWindow();
};

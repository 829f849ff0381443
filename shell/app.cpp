#include "shell/app.h"

#include "shell/forms.h"
#include "shell/main_menu.h"

#include <QApplication>
#include <QStyleFactory>

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

// Buttons that some scores screens offer beside Main Menu and Options (the
// next step of a therapy program): set once at start-up, asked each time a
// scores screen is activated whether they are offered on it.
#pragma once

#include <QList>
#include <QString>
#include <functional>

class ScoresScreen;

struct OfferedScoresButton {
    QString name;
    QString caption;
    QString toolTip;
    std::function<bool(const ScoresScreen&)> offered;
    std::function<void(ScoresScreen&)> clicked;
};
// Scores screens made from now on have these buttons.
void SetOfferedScoresButtons(QList<OfferedScoresButton> buttons);

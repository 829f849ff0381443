// Base of every exercise's scores screen: a title and caption/value lines,
// filled in when the screen is activated, with Options and Main Menu.
#pragma once

#include "shell/controls/basic.h"
#include "shell/forms.h"
#include "shell/framework/triad.h"
#include "shell/vb_runtime.h"

#include <QDateTime>
#include <functional>

// part / whole × 100 in whole numbers, rounded down: 29 of 50 is 58, 2 of 3 is
// 66. No floating point, so no 57.99999 shown as 57. whole must not be 0.
int WholePercent(int part, int whole);

// What a scores line shows: a result of the practice, or a setting of the
// run shown again beside the results (the display speed chosen), which says
// nothing about what the practice presented.
enum class LineKind { Result, Setting };

// A caption and its value; a line without a value name is a caption alone,
// centred across the screen (a heading such as the mode of the run).
struct ScoreLine {
    QString captionName; // e.g. "Label1"
    QString caption;     // e.g. "Total Correct"
    QString valueName;   // e.g. "lblCorrect"; empty for a caption alone
    LineKind kind = LineKind::Result;
};

class ScoresScreen;

// What the program adds to every scores screen beyond its own lines, set
// once at start-up: buttons for what can be done with the practice shown
// (in a row under Main Menu and Options), what is done when a practice is
// first shown, and what goes with the screen when it closes.
struct ScoresScreenExtras {
    struct Button {
        QString name;
        QString caption;
        QString toolTip;
        std::function<void(ScoresScreen&)> clicked;
    };
    QList<Button> buttons;
    std::function<void(ScoresScreen&)> practiceShown; // once per practice
    std::function<void(ScoresScreen&)> closing;
};
// Scores screens made from now on have these extras.
void SetScoresScreenExtras(ScoresScreenExtras extras);

class ScoresScreen : public Form {
    Q_OBJECT
public:
    ScoresScreen(const QString& name, Triad triad, const QString& title,
                 const QList<ScoreLine>& lines, const QString& titleName = "lblTitle");

    // Fills the practice-time line and the exercise's lines, then hides the therapy and options
    // screens.
    void Form_Activate() override;
    // Zeroes the scores; unloads therapy and scores; shows the options screen.
    void cmdOptions_Click();
    // Zeroes the scores; opens the main menu; unloads scores, options, therapy.
    void cmdMainMenu_Click();
    // Zeroes the scores; closed by its title-bar button, goes back to the options.
    void Form_Unload() override;

    const Triad& Names() const { return triad_; }
    // Options, as closing the window does.
    QAbstractButton* EscapeButton() const override;
    VbLabel* Title() const { return title_; }
    // Every line the screen has, shown or hidden, in screen order.
    const QList<ScoreLine>& AllLines() const { return lines_; }
    // When this screen was first shown, and when the practice clock it
    // reports on started; invalid before the screen was shown.
    const QDateTime& ShownAt() const { return shownAt_; }
    const QDateTime& PracticeStartedAt() const { return practiceStartedAt_; }
    VbLabel* Caption(const QString& captionName) const;
    VbLabel* Value(const QString& valueName) const;
    // Shows or hides a whole line, named by its value (or its caption when it
    // has no value).
    void SetLineVisible(const QString& lineName, bool visible);
    // Lays the lines shown out under one another, so hidden lines leave no
    // gap; the caption column widens to the widest caption (trailing blanks
    // left out) and the screen with it. Runs again after FillLines.
    void StackVisibleLines();

    // WholePercent(correct, tried), then "%"; empty when tried is 0.
    static QString PercentText(int correct, int tried);
    // sum / tried with one decimal, then " Secs"; empty when tried is 0.
    static QString AverageText(Single sum, int tried);

    // Adds a line after the screen's own, for what the framework adds to an
    // exercise. Each time the screen is filled, value gives its text; the
    // line is shown only when that text is not empty.
    void AddLine(const ScoreLine& line, std::function<QString()> value);

protected:
    virtual void FillLines() = 0;
    template <class T> T* OptionControl(const QString& name) const {
        return Forms::Get(triad_.options).findChild<T*>(name);
    }
    // Sets a value label; "" leaves the label empty.
    void SetValue(const QString& valueName, const QString& text);
    void SetValue(const QString& valueName, int number);

private:
    void makeLineLabels(const ScoreLine& line);
    void fillAddedLines();
    int captionColumnWidth() const;
    void placeButtonsBelow(int linesBottom, int formWidth);
    void addExtraButton(const ScoresScreenExtras::Button& extra);
    int extraRowWidth() const;
    void placeExtraRow(int top, int formWidth);
    // Tells the extras of a practice shown, once.
    void practiceShown();
    void notePracticePeriod();

    Triad triad_;
    bool leaving_ = false; // set by Options and Main Menu
    VbLabel* title_;
    QList<ScoreLine> lines_;
    QList<VbButton*> extraButtons_;
    QList<std::pair<QString, std::function<QString()>>> addedValues_; // by value name
    QDateTime shownAt_;
    QDateTime practiceStartedAt_;
    bool practiceTold_ = false;
};

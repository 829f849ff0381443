// The main menu's "Today's Program" button, set once at start-up: offered
// while the patient named with "Enter New Patient Name" has a program to
// run, and running it when clicked. The menu knows no program.
#pragma once

#include <QString>
#include <functional>

struct TodaysProgramButton {
    std::function<bool(const QString& patient)> offered;
    std::function<void()> clicked;
};
// Main menus from now on offer this button.
void SetTodaysProgramButton(TodaysProgramButton button);
const TodaysProgramButton& TodaysProgram();
// How the main menu shows (true) or hides the button; set by the menu.
void SetTodaysProgramPlacer(std::function<void(bool offered)> place);

// Shows "Today's Program" on the main menu, with the top row closed up to
// make room for it, when the patient named has a program to run; hides it
// otherwise. Asked again whenever the menu comes back.
void OfferTodaysProgram();

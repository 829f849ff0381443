#include "shell/todays_program.h"

#include "shell/mod_dodi.h"

namespace {

TodaysProgramButton& installedButton() {
    static TodaysProgramButton installed;
    return installed;
}

std::function<void(bool)>& menuPlacer() {
    static std::function<void(bool)> place;
    return place;
}

} // namespace

void SetTodaysProgramButton(TodaysProgramButton button) {
    installedButton() = std::move(button);
}

const TodaysProgramButton& TodaysProgram() {
    return installedButton();
}

void SetTodaysProgramPlacer(std::function<void(bool offered)> place) {
    menuPlacer() = std::move(place);
}

void OfferTodaysProgram() {
    if (!menuPlacer()) {
        return;
    }
    const TodaysProgramButton& hook = installedButton();
    menuPlacer()(hook.offered && hook.clicked && hook.offered(ModDODI::PatientName));
}

// The clinic module's entry points (clinic_module.h).
#include "app/clinic_module.h"

#include "app/practice_extras.h"
#include "clinic/history/practice_history.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT void kova_install_clinic() {
    InstallClinicExtras();
    PracticeHistory::Store();
}

extern "C" Q_DECL_EXPORT void kova_open_history() {
    OpenHistoryWindow();
}

extern "C" Q_DECL_EXPORT void kova_open_programs() {
    OpenProgramsWindow();
}

#include "app/clinic_loader.h"

#include "app/clinic_menu.h"
#include "app/clinic_module.h"
#include "shell/modules.h"
#include "shell/platform.h"

namespace {

bool loaded = false;
bool failed = false;

ClinicFunction clinicFunction(const char* symbol) {
    QString why;
    const auto function =
        reinterpret_cast<ClinicFunction>(ModuleFunction(ClinicModuleFileName(), symbol, &why));
    if (function == nullptr && !failed) {
        failed = true;
        platform().MsgBox("The practice history, the printed reports and the programs cannot "
                          "be used: " +
                              why,
                          vbExclamation, "KOVA");
    }
    return function;
}

// Calls one of the module's functions, the module loaded and installed first.
void callClinic(const char* symbol) {
    LoadClinic();
    if (!loaded) {
        return;
    }
    if (const ClinicFunction function = clinicFunction(symbol)) {
        function();
    }
}

} // namespace

QString ClinicModuleFileName() {
    return "libkova_clinic.so";
}

void InstallClinicMenu() {
    InstallToolsFrameButtons(
        {[] { callClinic(KOVA_OPEN_HISTORY); }, [] { callClinic(KOVA_OPEN_PROGRAMS); }});
}

void LoadClinic() {
    if (loaded || failed) {
        return;
    }
    if (const ClinicFunction install = clinicFunction(KOVA_INSTALL_CLINIC)) {
        loaded = true;
        install();
    }
}

QString ClinicStartUpLine(bool load) {
    const QString module = FindModule(ClinicModuleFileName());
    if (module.isEmpty()) {
        return "KOVA clinic module not found\n";
    }
    QString why;
    if (load && ModuleFunction(ClinicModuleFileName(), KOVA_INSTALL_CLINIC, &why) == nullptr) {
        return "KOVA clinic module unusable: " + why + "\n";
    }
    return QString("KOVA clinic module %1: %2\n").arg(load ? "loaded" : "found", module);
}

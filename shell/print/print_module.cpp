// The print dialog module (print_dialog.h).
#include "shell/print/print_dialog.h"

#include <QPointer>
#include <QPrintDialog>

extern "C" Q_DECL_EXPORT bool kova_run_print_dialog(QPrinter& printer, QWidget* parent) {
    // The dialog may be deleted with its parent while it is open.
    QPointer<QPrintDialog> dialog = new QPrintDialog(&printer, parent);
    const bool accepted = dialog->exec() == QDialog::Accepted && dialog != nullptr;
    delete dialog;
    return accepted;
}

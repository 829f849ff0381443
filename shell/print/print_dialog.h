// The print dialog lives in a module of its own, loaded when a report is
// first printed, so that starting KOVA does not load the printing library.
#pragma once

class QPrinter;
class QWidget;

#define KOVA_PRINT_MODULE "libkova_print.so"
#define KOVA_RUN_PRINT_DIALOG "kova_run_print_dialog"
// Shows the dialog over parent; true when the user chose Print.
using RunPrintDialogFunction = bool (*)(QPrinter& printer, QWidget* parent);

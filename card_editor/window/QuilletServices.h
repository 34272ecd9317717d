#pragma once

#include "common/dialogs/CommonDialog.h"

#include <functional>
#include <memory>

class MessageBox;
class Printer;
class Shell;

// What Quillet's main window asks of the outside world; tests hand in doubles.
struct QuilletServices {
    MessageBox& messageBox;
    CommonDialog& commonDialog;
    Shell& shell;
    // A printer for one print run.
    std::function<std::unique_ptr<Printer>()> makePrinter;
    // Number of printers the system offers.
    std::function<int()> printerCount;
    // Common dialogs for a window that keeps its own: the preferences, made afresh each time.
    CommonDialogFactory makeCommonDialog;
};

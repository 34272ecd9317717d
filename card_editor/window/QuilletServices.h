#pragma once

#include <functional>
#include <memory>

class CommonDialog;
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
};

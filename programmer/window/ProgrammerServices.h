#pragma once

#include <functional>
#include <memory>

class CommonDialog;
class MessageBox;
class Printer;
class Shell;

// What Tavrin's main window needs from the outside world; main.cpp passes the real ones, tests
// pass doubles.
struct ProgrammerServices {
    MessageBox& messageBox;
    Shell& shell;
    CommonDialog& commonDialog;
    // A printer for one print job.
    std::function<std::unique_ptr<Printer>()> makePrinter;
    // Number of printers the system offers.
    std::function<int()> printerCount;
};

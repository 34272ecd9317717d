#pragma once

class MessageBox;
class Shell;

// What Tavrin's main window needs from the outside world; main.cpp passes the real ones, tests
// pass doubles.
struct ProgrammerServices {
    MessageBox& messageBox;
    Shell& shell;
};

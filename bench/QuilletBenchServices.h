#pragma once

#include "card_editor/window/FrmTemplate.h"
#include "common/printing/Printer.h"
#include "tests/support/SilentDoubles.h"

#include <memory>

// What Quillet's window needs from the desktop, for benchmarks: no dialog is ever shown, no
// printer is there.
struct QuilletBenchServices {
    SilentMessageBox messageBox;
    CancelledDialog dialog;
    SilentShell shell;
    QuilletServices get() {
        return QuilletServices{messageBox,
                               dialog,
                               shell,
                               []() -> std::unique_ptr<Printer> { return nullptr; },
                               [] { return 0; },
                               [](QWidget*) { return std::make_unique<CancelledDialog>(); }};
    }
};

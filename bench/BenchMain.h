#pragma once

#include <QByteArray>
#include <QtGlobal>

// Benchmarks run without a display unless one is there.
inline void chooseOffscreenPlatform() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

#pragma once

#include <QApplication>
#include <QByteArray>
#include <QtGlobal>
#include <benchmark/benchmark.h>

// Benchmarks run without a display unless one is there.
inline void chooseOffscreenPlatform() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

// The whole of main() for a benchmark program that needs widgets.
inline int runWidgetBenchmarks(int argc, char** argv) {
    chooseOffscreenPlatform();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

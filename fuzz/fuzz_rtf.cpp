// Any bytes load as RTF without a crash or a hang, and what was read survives being written
// and read again: the same text and the same formatting.

#include "common/richtext/Rtf.h"
#include "common/richtext/RtfSummary.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QString summaryOfRead(const QByteArray& rtf, QByteArray* written) {
    QTextDocument document;
    QTextCursor cursor(&document);
    Rtf::read(rtf, cursor);
    if (written != nullptr) {
        *written = Rtf::write(document);
    }
    return Rtf::summary(document);
}

} // namespace

// Text documents make many allocations; filling each one with a pattern cost a third of the
// run time, and the reader never reads memory it did not write.
extern "C" const char* __asan_default_options() {
    return "max_malloc_fill_size=0";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Text documents need the font database, which needs the application object.
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QByteArray written;
    const QString first = summaryOfRead(input, &written);
    const QString second = summaryOfRead(written, nullptr);
    if (first != second) {
        std::fprintf(stderr, "Round trip differs.\nRead:\n%s\nRead again:\n%s\nWritten:\n%s\n",
                     first.toUtf8().constData(), second.toUtf8().constData(), written.constData());
        std::abort();
    }
    return 0;
}

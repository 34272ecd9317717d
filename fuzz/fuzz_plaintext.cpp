// Any bytes read as a plain-text document without a crash or a hang, and a document is written
// back byte for byte in the encoding it was read in. Only bytes that are no UTF-8 after a
// byte-order mark change, and what is written for them reads back as the same text.

#include "common/platform/TextFile.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char* what, const QByteArray& input, const QByteArray& written) {
    std::fprintf(stderr, "%s\nRead:    %s\nWritten: %s\n", what, input.toHex(' ').constData(),
                 written.toHex(' ').constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const TextFile::Document document = TextFile::decodeDocument(input);
    const QByteArray written = TextFile::encode(document.text, document.encoding);
    const bool replaced = document.encoding == TextFile::Encoding::Utf8WithBom &&
                          document.text.contains(QChar::ReplacementCharacter);
    if (written != input && !replaced) {
        fail("Written back differently.", input, written);
    }
    const TextFile::Document again = TextFile::decodeDocument(written);
    if (again.text != document.text || again.encoding != document.encoding) {
        fail("Read back differently.", input, written);
    }
    return 0;
}

// Any bytes read as a plain-text document are written back byte for byte in the encoding they
// were read in, except bytes that are no UTF-8 after a byte-order mark and UTF-16 cut to an odd
// size, and read back the same.

#include "common/platform/TextFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const TextFile::Document document = TextFile::decodeDocument(input);
    const QByteArray written = TextFile::encode(document.text, document.encoding);
    const TextFile::Document again = TextFile::decodeDocument(written);
    const bool utf16 = document.encoding == TextFile::Encoding::Utf16Le ||
                       document.encoding == TextFile::Encoding::Utf16Be;
    const bool replaced = (document.encoding == TextFile::Encoding::Utf8WithBom &&
                           document.text.contains(QChar::ReplacementCharacter)) ||
                          (utf16 && input.size() % 2 != 0);
    if ((written != input && !replaced) || again.text != document.text ||
        again.encoding != document.encoding) {
        std::fprintf(stderr, "Written: %s\n", written.toHex(' ').constData());
        std::abort();
    }
    return 0;
}

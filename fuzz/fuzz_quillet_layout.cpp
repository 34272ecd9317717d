// "Default.txt", "Restore.txt" and the layout lines of templates: any bytes must read without
// a crash or a hang, and every box must end with a rectangle of no negative size.
#include "card_editor/card/LayoutFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    CardLayout layout = builtInLayout();
    LayoutFile::apply(LayoutFile::read(text), layout);
    for (const BoxRect& box : layout.boxes) {
        if (box.width < 0 || box.height < 0) {
            std::abort();
        }
    }
    if (layout.picture.width < 0 || layout.picture.height < 0) {
        std::abort();
    }
    return 0;
}

// The four fields of the box-size dialog, Top, Left, Width and Height, one per line: any text
// must read without a crash or a hang, and a rectangle that is accepted must hold only numbers
// the layout files write and read back unchanged.
#include "card_editor/card/BoxSizeInput.h"
#include "card_editor/card/LayoutFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList lines = text.split(u'\n');
    std::array<QString, BoxSizeInput::FieldCount> fields;
    for (int i = 0; i < BoxSizeInput::FieldCount && i < lines.size(); ++i) {
        fields[i] = lines[i];
    }
    const std::optional<BoxRect> rect = BoxSizeInput::read(fields);
    if (!rect) {
        return 0;
    }
    if (rect->top < 0 || rect->left < 0 || rect->width < BoxSizeInput::MinWidth ||
        rect->height < BoxSizeInput::MinHeight) {
        std::abort();
    }
    // Each value as the layout files print it, read back by their reader.
    QString line;
    for (int value : BoxSizeInput::fieldValues(*rect)) {
        line += LayoutFile::printedNumber(value);
    }
    const QByteArray printed = line.toLatin1();
    LayoutFile::NumberReader reader(printed);
    for (int value : BoxSizeInput::fieldValues(*rect)) {
        if (reader.next() != value) {
            std::abort();
        }
    }
    return 0;
}

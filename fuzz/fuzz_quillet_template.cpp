// Template ".qlt" files: any bytes must read without a crash or a hang, every rectangle read
// must have no negative size, and a picture path read must hold no line break.
#include "card_editor/card/TemplateFile.h"
#include "card_editor/card/TemplateFolder.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const TemplateFile::Read read = TemplateFile::read(bytes);
    CardLayout layout = builtInLayout();
    LayoutFile::apply(read.layout, layout);
    for (const BoxRect& box : layout.boxes) {
        if (box.width < 0 || box.height < 0) {
            std::abort();
        }
    }
    if (layout.picture.width < 0 || layout.picture.height < 0) {
        std::abort();
    }
    if (read.imagePath && (read.imagePath->contains(u'\n') || read.imagePath->contains(u'\r'))) {
        std::abort();
    }
    // What was read writes back and reads the same again.
    if (read.imagePath) {
        const std::optional<QByteArray> again = TemplateFile::bytes(layout, *read.imagePath);
        if (!again) {
            std::abort();
        }
        const TemplateFile::Read back = TemplateFile::read(*again);
        CardLayout backLayout;
        LayoutFile::apply(back.layout, backLayout);
        if (back.imagePath != read.imagePath || !(backLayout == layout)) {
            std::abort();
        }
    }
    // The same bytes as a name: a name accepted is one folder right under the templates folder.
    const QString name = QString::fromUtf8(bytes);
    const QString folder = TemplateFolder::folderOf(QStringLiteral("/memory/Templates"), name);
    if (TemplateFolder::isAcceptableName(name) &&
        (TemplateFolder::folderOfFile(folder) != u"/memory/Templates" ||
         TemplateFolder::nameOfFolder(folder) != name)) {
        std::abort();
    }
    return 0;
}

#pragma once

#include "card_editor/card/LayoutFile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// The ".qlt" file of a template: the picture's rectangle and visibility flag, the picture's
// path on a line of its own, then one line of four numbers per box.
namespace TemplateFile {

// What a ".qlt" file held. Whatever is missing or damaged stays empty, so the caller keeps
// what it had for it.
struct Read {
    LayoutFile::Read layout;
    // The whole of line 2 after its leading blanks, commas included.
    std::optional<QString> imagePath;
};

Read read(QByteArrayView bytes);

// The file's bytes: Windows-1252 with CR LF line ends, or UTF-8 after a byte-order mark when
// the picture path holds a character Windows-1252 lacks, so that the path reads back whole.
// Nothing for a path with a line break, which would shift every box line after it.
std::optional<QByteArray> bytes(const CardLayout& layout, const QString& imagePath);

} // namespace TemplateFile

#pragma once

#include "card_editor/card/CardLayout.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>
#include <array>
#include <optional>

// The layout lines of "Default.txt", "Restore.txt" and templates: the picture's rectangle and
// visibility flag, then one line of four numbers per box.
namespace LayoutFile {

// A number as the layout lines print it: a leading blank (or the minus sign), the digits and
// one trailing blank.
QString printedNumber(int value);

// The 36 lines of a layout file, without line ends.
QStringList lines(const CardLayout& layout);

// Reads the numbers of layout lines one after another; blanks, tabs, commas and line ends all
// separate them. A number that is not a whole number in the 16-bit range ends the reading. A
// UTF-8 byte-order mark in front, as editors write, is passed over.
class NumberReader {
public:
    explicit NumberReader(QByteArrayView text);

    std::optional<int> next();

private:
    QByteArrayView text_;
    qsizetype pos_ = 0;
    bool failed_ = false;
};

// What a layout file held. A rectangle that is missing, cut short or has a negative size is
// left empty, so the caller keeps what it had.
struct Read {
    std::optional<BoxRect> picture;
    std::optional<bool> pictureVisible;
    std::array<std::optional<BoxRect>, CardLayout::BoxCount> boxes{};
};

// The bytes after a UTF-8 byte-order mark, and whether there was one; a layout written where a
// path needed UTF-8 starts with one.
QByteArrayView withoutByteOrderMark(QByteArrayView bytes, bool* hadMark = nullptr);

// Reads the picture line; the box lines follow in the same reader.
void readPicture(NumberReader& reader, Read& into);
void readBoxes(NumberReader& reader, Read& into);
Read read(QByteArrayView text);

// Puts what was read over a layout.
void apply(const Read& read, CardLayout& layout);

} // namespace LayoutFile

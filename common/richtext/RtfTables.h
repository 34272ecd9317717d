#pragma once

#include "common/richtext/RtfTextBuffer.h"

#include <QHash>
#include <QList>
#include <QRgb>
#include <QString>

#include <optional>
#include <string_view>

class RtfDecoder;

// The font table as it is read: \fN starts an entry, its text up to ";" is the name.
class RtfFontTable {
public:
    explicit RtfFontTable(RtfDecoder& decoder) : name_(decoder) {}

    void beginEntry(int id);
    void setCharset(int charset) { charset_ = charset; }
    void setCodepage(int codepage) { codepage_ = codepage; }
    // Name text; a ";" in the bytes ends the entry.
    void appendText(std::string_view bytes, int documentCodepage);
    void appendByte(unsigned char byte, int documentCodepage);
    void appendChar(char16_t ch) { name_.appendChar(ch); }
    // Ends the entry being read, if any (its ";" or its group's end).
    void endEntry();

    // The family of font id, empty when the table has no such font.
    QString family(int id) const;
    // The code page of the text in font id.
    int codepage(int id, int documentCodepage) const;

private:
    static constexpr int kSymbolCharset = 2;

    struct Font {
        QString family;
        int charset = -1;
        int codepage = 0;
    };

    int entryCodepage(int documentCodepage) const;

    QHash<int, Font> fonts_;
    int id_ = -1;
    int charset_ = -1;
    int codepage_ = 0;
    RtfTextBuffer name_;
};

// The colour table as it is read: each ";" ends an entry; an entry without a colour stands for
// the automatic colour.
class RtfColorTable {
public:
    enum class Component { Red, Green, Blue };

    void clear();
    void setComponent(Component component, int value);
    void endEntry();
    // The table's end: a last entry without its ";" still counts.
    void endTable();

    std::optional<QRgb> at(int index) const;

private:
    QList<std::optional<QRgb>> colors_;
    int red_ = 0;
    int green_ = 0;
    int blue_ = 0;
    bool pending_ = false;
};

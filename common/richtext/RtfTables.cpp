#include "common/richtext/RtfTables.h"

#include "common/richtext/RtfCodepage.h"
#include "common/richtext/RtfSymbolFonts.h"

#include <algorithm>

void RtfFontTable::beginEntry(int id) {
    endEntry();
    id_ = id;
    charset_ = -1;
    codepage_ = 0;
}

void RtfFontTable::appendText(std::string_view bytes, int documentCodepage) {
    while (!bytes.empty()) {
        const std::size_t end = bytes.find(';');
        name_.appendBytes(bytes.substr(0, end), entryCodepage(documentCodepage));
        if (end == std::string_view::npos) {
            return;
        }
        endEntry();
        bytes.remove_prefix(end + 1);
    }
}

void RtfFontTable::appendByte(unsigned char byte, int documentCodepage) {
    name_.appendByte(byte, entryCodepage(documentCodepage));
}

void RtfFontTable::endEntry() {
    if (name_.isEmpty()) {
        return;
    }
    const QString family = name_.take().trimmed();
    if (id_ >= 0 && !family.isEmpty()) {
        int codepage = codepage_;
        if (codepage <= 0 && charset_ == kSymbolCharset) {
            codepage = RtfSymbolFonts::codepageOf(family);
        }
        fonts_.insert(id_, Font{family, charset_, codepage});
    }
    // Text after the ";" belongs to no font until the next \f.
    id_ = -1;
}

QString RtfFontTable::family(int id) const {
    const auto found = fonts_.constFind(id);
    return found != fonts_.constEnd() ? found->family : QString();
}

int RtfFontTable::codepage(int id, int documentCodepage) const {
    const auto found = fonts_.constFind(id);
    if (found == fonts_.constEnd()) {
        return documentCodepage;
    }
    if (found->codepage > 0) {
        return found->codepage;
    }
    return RtfCodepage::ofCharset(found->charset, documentCodepage);
}

int RtfFontTable::entryCodepage(int documentCodepage) const {
    if (codepage_ > 0) {
        return codepage_;
    }
    return RtfCodepage::ofCharset(charset_, documentCodepage);
}

void RtfColorTable::clear() {
    colors_.clear();
    pending_ = false;
    red_ = green_ = blue_ = 0;
}

void RtfColorTable::setComponent(Component component, int value) {
    value = std::clamp(value, 0, 255);
    switch (component) {
    case Component::Red:
        red_ = value;
        break;
    case Component::Green:
        green_ = value;
        break;
    case Component::Blue:
        blue_ = value;
        break;
    }
    pending_ = true;
}

void RtfColorTable::endEntry() {
    if (pending_) {
        colors_.append(qRgb(red_, green_, blue_));
    } else {
        colors_.append(std::nullopt);
    }
    pending_ = false;
    red_ = green_ = blue_ = 0;
}

void RtfColorTable::endTable() {
    if (pending_) {
        endEntry();
    }
}

std::optional<QRgb> RtfColorTable::at(int index) const {
    if (index < 0 || index >= colors_.size()) {
        return std::nullopt;
    }
    return colors_.at(index);
}

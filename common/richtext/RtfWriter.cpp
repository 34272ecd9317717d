#include "common/richtext/RtfWriter.h"

#include "common/platform/Cp1252.h"

#include <QColor>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

RtfWriter::RtfWriter(const QTextDocument& document, LastMark lastMark)
    : document_(document), lastMark_(lastMark), documentFont_(document.defaultFont()) {}

QByteArray RtfWriter::write(int from, int to) {
    const int last = document_.characterCount() - 1;
    to = (to < 0 || to > last) ? last : to;
    from = std::clamp(from, 0, to);
    bool first = true;
    for (QTextBlock block = document_.findBlock(from); block.isValid(); block = block.next()) {
        // A block starting at the range's end is outside it, unless it is the document's
        // last one: that paragraph has no break of its own but still has its format.
        if (!first && block.position() >= to && (to < last || block.next().isValid())) {
            break;
        }
        paragraph(block, from, to, first);
        first = false;
    }
    QByteArray rtf = header();
    rtf.append(body_);
    rtf.append('}');
    return rtf;
}

void RtfWriter::paragraph(const QTextBlock& block, int from, int to, bool first) {
    const RtfAlignment align = rtfAlignmentOf(block.blockFormat().alignment());
    if (first || align != currentAlign_) {
        controlWord("\\pard");
        switch (align) {
        case RtfAlignment::Left:
            break;
        case RtfAlignment::Center:
            controlWord("\\qc");
            break;
        case RtfAlignment::Right:
            controlWord("\\qr");
            break;
        case RtfAlignment::Justify:
            controlWord("\\qj");
            break;
        }
        currentAlign_ = align;
    }
    if (block.length() == 1) {
        // An empty line keeps the size of its font.
        setFormat(RtfCharFormat::of(block.charFormat(), documentFont_));
    }
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const int start = std::max(fragment.position(), from);
        const int end = std::min(fragment.position() + fragment.length(), to);
        if (start >= end) {
            continue;
        }
        setFormat(RtfCharFormat::of(fragment.charFormat(), documentFont_));
        const QString text = fragment.text();
        appendText(body_, QStringView(text).mid(start - fragment.position(), end - start),
                   TextKind::Body);
    }
    // The block's separator sits after its text; the document's last block has none, but a
    // file still closes it.
    const bool lastOfFile = lastMark_ == LastMark::Written && !block.next().isValid();
    if (block.position() + block.length() - 1 < to || lastOfFile) {
        controlWord("\\par");
        body_.append("\r\n");
        delimit_ = false;
    }
}

void RtfWriter::setFormat(const RtfCharFormat& format) {
    struct Toggle {
        bool RtfCharFormat::*flag;
        const char* on;
        const char* off;
    };
    static constexpr Toggle kToggles[] = {{&RtfCharFormat::bold, "\\b", "\\b0"},
                                          {&RtfCharFormat::italic, "\\i", "\\i0"},
                                          {&RtfCharFormat::underline, "\\ul", "\\ulnone"},
                                          {&RtfCharFormat::strike, "\\strike", "\\strike0"}};
    const bool all = !current_;
    const RtfCharFormat was = current_.value_or(RtfCharFormat{});
    // What ends comes first: readers that keep formatting on a stack end the latest first.
    for (const Toggle& toggle : kToggles) {
        if (was.*toggle.flag && !(format.*toggle.flag)) {
            controlWord(toggle.off);
        }
    }
    if (all || format.family != was.family) {
        controlWord("\\f", fontIndex(format.family));
    }
    if (all || format.halfPoints != was.halfPoints) {
        controlWord("\\fs", format.halfPoints);
    }
    if ((all && format.color) || format.color != was.color) {
        controlWord("\\cf", format.color ? colorIndex(*format.color) : 0);
    }
    for (const Toggle& toggle : kToggles) {
        if (format.*toggle.flag && !(was.*toggle.flag)) {
            controlWord(toggle.on);
        }
    }
    current_ = format;
}

void RtfWriter::controlWord(const char* word) {
    body_.append(word);
    delimit_ = true;
}

void RtfWriter::controlWord(const char* word, int param) {
    body_.append(word).append(QByteArray::number(param));
    delimit_ = true;
}

void RtfWriter::appendText(QByteArray& out, QStringView text, TextKind kind) {
    static constexpr char kHex[] = "0123456789abcdef";
    for (const QChar qch : text) {
        const char16_t ch = qch.unicode();
        if (kind == TextKind::Body && (ch == u'\t' || ch == 0x2028)) {
            out.append(ch == u'\t' ? "\\tab" : "\\line");
            delimit_ = true;
            continue;
        }
        // A vertical tab is text (the control keeps it), written as its byte.
        if (kind == TextKind::Body &&
            ((ch < 0x20 && ch != u'\v') || ch == 0x2029 || ch == 0xFDD0 || ch == 0xFDD1)) {
            continue; // no text a reader would keep
        }
        if (ch == u'\\' || ch == u'{' || ch == u'}') {
            out.append('\\').append(static_cast<char>(ch));
        } else if (ch >= 0x20 && ch < 0x80 && !(kind == TextKind::FontName && ch == u';')) {
            if (delimit_) {
                out.append(' ');
            }
            out.append(static_cast<char>(ch));
        } else if (const char byte = Cp1252::fromUnicode(ch); byte != '?' || ch == u'?') {
            const auto b = static_cast<unsigned char>(byte);
            out.append("\\'").append(kHex[b >> 4]).append(kHex[b & 15]);
        } else {
            // RTF's \u takes a signed 16-bit number; '?' is what older readers show.
            out.append("\\u").append(QByteArray::number(static_cast<qint16>(ch))).append('?');
        }
        delimit_ = false;
    }
}

int RtfWriter::fontIndex(const QString& family) {
    const auto found = familyIndex_.constFind(family);
    if (found != familyIndex_.constEnd()) {
        return *found;
    }
    families_.append(family);
    familyIndex_.insert(family, static_cast<int>(families_.size() - 1));
    return static_cast<int>(families_.size() - 1);
}

int RtfWriter::colorIndex(QRgb color) {
    const auto found = colorIndex_.constFind(color);
    if (found != colorIndex_.constEnd()) {
        return *found;
    }
    colors_.append(color);
    // Index 0 is the automatic colour.
    colorIndex_.insert(color, static_cast<int>(colors_.size()));
    return static_cast<int>(colors_.size());
}

QByteArray RtfWriter::header() {
    if (families_.isEmpty()) {
        fontIndex(documentFont_.family()); // \deff0 needs a font 0
    }
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl";
    for (int i = 0; i < families_.size(); ++i) {
        out.append("{\\f").append(QByteArray::number(i)).append("\\fnil\\fcharset0");
        delimit_ = true;
        appendText(out, families_.at(i), TextKind::FontName);
        out.append(";}");
    }
    out.append("}\r\n{\\colortbl ;");
    for (const QRgb color : colors_) {
        out.append("\\red").append(QByteArray::number(qRed(color)));
        out.append("\\green").append(QByteArray::number(qGreen(color)));
        out.append("\\blue").append(QByteArray::number(qBlue(color)));
        out.append(';');
    }
    out.append("}\r\n\\uc1");
    return out;
}

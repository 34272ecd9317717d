#include "common/richtext/PlainTextPositions.h"

#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace PlainTextPositions {
namespace {

constexpr QChar kLineSeparator(0x2028);

// Plain characters of the first `count` characters of a block's text.
int plainWidth(const QString& text, int count) {
    int width = 0;
    for (int i = 0; i < count; ++i) {
        width += text.at(i) == kLineSeparator ? 2 : 1;
    }
    return width;
}

// Characters a block holds in the document, without its paragraph separator.
int blockTextLength(const QTextBlock& block) {
    return block.length() - 1;
}

} // namespace

int length(const QTextDocument& document) {
    return fromDocument(document, document.characterCount() - 1);
}

int fromDocument(const QTextDocument& document, int position) {
    position = std::clamp(position, 0, document.characterCount() - 1);
    int plainBefore = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const int inBlock = position - block.position();
        const QString blockText = block.text();
        if (inBlock <= blockTextLength(block)) {
            return plainBefore + plainWidth(blockText, inBlock);
        }
        plainBefore += plainWidth(blockText, blockTextLength(block)) + 2;
    }
    return plainBefore;
}

int toDocument(const QTextDocument& document, int index) {
    index = std::max(index, 0);
    int plainBefore = 0;
    QTextBlock block = document.begin();
    for (; block.isValid(); block = block.next()) {
        const QString blockText = block.text();
        const int count = blockTextLength(block);
        const int blockWidth = plainWidth(blockText, count);
        if (index <= plainBefore + blockWidth + 1 || !block.next().isValid()) {
            int plain = plainBefore;
            int offset = 0;
            while (offset < count && plain < index) {
                plain += blockText.at(offset) == kLineSeparator ? 2 : 1;
                ++offset;
            }
            if (plain > index) {
                --offset; // between the CR and the LF of a forced line break
            }
            return block.position() + offset;
        }
        plainBefore += blockWidth + 2;
    }
    return document.characterCount() - 1;
}

QString text(const QTextDocument& document, int from, int to) {
    const int last = document.characterCount() - 1;
    from = std::clamp(from, 0, last);
    to = std::clamp(to, from, last);
    QString result;
    for (QTextBlock block = document.findBlock(from); block.isValid() && block.position() < to;
         block = block.next()) {
        const int start = std::max(from - block.position(), 0);
        const int end = std::min(to - block.position(), blockTextLength(block));
        QString part = block.text().mid(start, end - start);
        part.replace(kLineSeparator, QStringLiteral("\r\n"));
        result += part;
        if (block.position() + blockTextLength(block) < to) {
            result += QStringLiteral("\r\n");
        }
    }
    return result;
}

} // namespace PlainTextPositions

#include "common/richtext/RtfTextBuffer.h"

#include "common/richtext/RtfCodepage.h"

namespace {

bool isDocumentText(char16_t ch) {
    if (ch < 0x20) {
        return ch == u'\t' || ch == u'\v'; // the control keeps a vertical tab as text
    }
    // Paragraph breaks come only from \par; frame marks belong to the document's structure.
    return ch != 0x2029 && ch != 0xFDD0 && ch != 0xFDD1;
}

} // namespace

void RtfTextBuffer::appendBytes(std::string_view bytes, int codepage) {
    if (bytes.empty()) {
        return;
    }
    if (codepage != codepage_ && !bytes_.isEmpty()) {
        decodeBytes();
    }
    codepage_ = codepage;
    bytes_.append(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

void RtfTextBuffer::appendByte(unsigned char byte, int codepage) {
    const char c = static_cast<char>(byte);
    appendBytes(std::string_view(&c, 1), codepage);
}

void RtfTextBuffer::appendChar(char16_t ch) {
    decodeBytes();
    appendText(QStringView(&ch, 1));
}

QString RtfTextBuffer::take() {
    decodeBytes();
    QString text;
    text.swap(text_);
    return text;
}

void RtfTextBuffer::decodeBytes() {
    if (bytes_.isEmpty()) {
        return;
    }
    appendText(decoder_.decode(bytes_, codepage_));
    bytes_.resize(0);
}

void RtfTextBuffer::appendText(QStringView text) {
    for (const QChar ch : text) {
        if (isDocumentText(ch.unicode())) {
            text_.append(ch);
        }
    }
}

#pragma once

#include <QByteArray>
#include <QString>

#include <string_view>

class RtfDecoder;

// Text being read: bytes wait in their code page until a character of another kind arrives,
// so that a double-byte character split over two hex escapes decodes as one.
class RtfTextBuffer {
public:
    explicit RtfTextBuffer(RtfDecoder& decoder) : decoder_(decoder) {}

    void appendBytes(std::string_view bytes, int codepage);
    void appendByte(unsigned char byte, int codepage);
    void appendChar(char16_t ch);

    bool isEmpty() const { return bytes_.isEmpty() && text_.isEmpty(); }

    // The text so far, without the characters a document cannot hold as text (controls other
    // than tab and vertical tab, paragraph and frame marks); the buffer is empty afterwards.
    QString take();

private:
    void decodeBytes();
    void appendText(QStringView text);

    RtfDecoder& decoder_;
    QByteArray bytes_;
    int codepage_ = 0;
    QString text_;
};

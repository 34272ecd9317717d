#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <map>

namespace RtfCodepage {

// Windows-1252, the code page of RTF's \ansi and of everything written here.
constexpr int kWindows1252 = 1252;

// The code page of a font character set (\fcharsetN); ANSI is 1252, the default and unknown
// sets take the document's code page.
int ofCharset(int charset, int documentCodepage);

} // namespace RtfCodepage

// Decodes bytes of a Windows code page. Windows-1252 is built in; other code pages are decoded
// by Qt when it knows them, and read as Windows-1252 when it does not.
class RtfDecoder {
public:
    QString decode(QByteArrayView bytes, int codepage);

private:
    QStringDecoder* decoderFor(int codepage);

    std::map<int, QStringDecoder> decoders_;
};

#include "common/richtext/RtfCodepage.h"

#include "common/platform/Cp1252.h"
#include "common/richtext/RtfSymbolFonts.h"

namespace {

// Every distinct code page costs a converter; a document naming more than this many is odd
// and its extra ones are read as Windows-1252.
constexpr std::size_t kMaxDecoders = 16;

QByteArray codecName(int codepage) {
    if (codepage == 874 || (codepage >= 1250 && codepage <= 1258)) {
        return "windows-" + QByteArray::number(codepage);
    }
    if (codepage == 10000) {
        return "macintosh";
    }
    if (codepage == 65001) {
        return "UTF-8";
    }
    return "cp" + QByteArray::number(codepage);
}

} // namespace

namespace RtfCodepage {

int ofCharset(int charset, int documentCodepage) {
    switch (charset) {
    case 0: // ANSI
    case 2: // symbol fonts: their names are ANSI; their text goes by the font (RtfSymbolFonts)
        return kWindows1252;
    case 77: // Macintosh
        return 10000;
    case 128: // Shift-JIS
        return 932;
    case 129: // Hangul
        return 949;
    case 130: // Johab
        return 1361;
    case 134: // GB2312
        return 936;
    case 136: // Big5
        return 950;
    case 161: // Greek
        return 1253;
    case 162: // Turkish
        return 1254;
    case 163: // Vietnamese
        return 1258;
    case 177: // Hebrew
        return 1255;
    case 178: // Arabic
        return 1256;
    case 186: // Baltic
        return 1257;
    case 204: // Cyrillic
        return 1251;
    case 222: // Thai
        return 874;
    case 238: // Eastern European
        return 1250;
    case 254: // PC 437
        return 437;
    case 255: // OEM
        return 850;
    default:
        return documentCodepage;
    }
}

} // namespace RtfCodepage

QString RtfDecoder::decode(QByteArrayView bytes, int codepage) {
    if (RtfSymbolFonts::isSymbolCodepage(codepage)) {
        return RtfSymbolFonts::decode(bytes, codepage);
    }
    if (codepage != RtfCodepage::kWindows1252) {
        if (QStringDecoder* decoder = decoderFor(codepage)) {
            QString text = decoder->decode(bytes);
            // A lead byte left waiting at the end belongs to no character.
            decoder->resetState();
            return text;
        }
    }
    return Cp1252::decode(bytes.toByteArray());
}

QStringDecoder* RtfDecoder::decoderFor(int codepage) {
    auto found = decoders_.find(codepage);
    if (found == decoders_.end()) {
        if (decoders_.size() >= kMaxDecoders) {
            return nullptr;
        }
        found = decoders_.emplace(codepage, QStringDecoder(codecName(codepage).constData())).first;
    }
    return found->second.isValid() ? &found->second : nullptr;
}

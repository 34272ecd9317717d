#include "common/platform/TextFile.h"

#include "common/platform/Cp1252.h"
#include "common/platform/FileSystem.h"

#include <QStringDecoder>

#include <algorithm>

namespace TextFile {
namespace {

// The bytes-per-character form text goes out in.
enum class Unit { Windows1252, Utf8, Utf16Le, Utf16Be };

constexpr QByteArrayView Utf16LeBom("\xFF\xFE", 2);
constexpr QByteArrayView Utf16BeBom("\xFE\xFF", 2);

// The form, and the byte-order mark (if any) that goes before the text.
struct Form {
    Unit unit;
    QByteArrayView bom;
};

// fits() tells whether Windows-1252 holds the text; it is asked only where that decides.
template <typename Fits> Form formOf(Encoding encoding, Fits fits) {
    switch (encoding) {
    case Encoding::Windows1252:
        return {Unit::Windows1252, {}};
    case Encoding::Utf8:
        return {Unit::Utf8, {}};
    case Encoding::Utf8WithBom:
        return {Unit::Utf8, Utf8Bom};
    case Encoding::Utf16Le:
        return {Unit::Utf16Le, Utf16LeBom};
    case Encoding::Utf16Be:
        return {Unit::Utf16Be, Utf16BeBom};
    case Encoding::Utf8WhenNeeded:
        break;
    }
    return fits() ? Form{Unit::Windows1252, {}} : Form{Unit::Utf8, Utf8Bom};
}

// Most bytes one character takes, to size a buffer once.
qsizetype widthOf(Unit unit) {
    return unit == Unit::Windows1252 ? 1 : unit == Unit::Utf8 ? 3 : 2;
}

void appendIn(QByteArray& bytes, QStringView text, Unit unit) {
    switch (unit) {
    case Unit::Windows1252:
        Cp1252::appendEncoded(bytes, text);
        return;
    case Unit::Utf8:
        bytes.append(text.toUtf8());
        return;
    case Unit::Utf16Le:
    case Unit::Utf16Be: {
        // Code units as they are, a lone surrogate included, so that it reads back the same.
        QStringEncoder encoder(unit == Unit::Utf16Le ? QStringEncoder::Utf16LE
                                                     : QStringEncoder::Utf16BE,
                               QStringEncoder::Flag::Stateless);
        const QByteArray encoded = encoder(text);
        bytes.append(encoded);
        return;
    }
    }
}

// UTF-8 as the bytes hold it: a byte-order mark among them is a character, kept for the way
// back. valid is false when some bytes are no UTF-8 (a letter cut short included).
QString fromUtf8(QByteArrayView bytes, bool* valid) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder(bytes);
    *valid = !decoder.hasError();
    return text;
}

} // namespace

std::optional<QStringList> readLines(const QString& path) {
    const std::optional<QByteArray> bytes = FileSystem::readFile(path);
    if (!bytes) {
        return std::nullopt;
    }
    return splitLines(decode(*bytes));
}

QString decode(const QByteArray& bytes) {
    if (bytes.startsWith(Utf8Bom)) {
        return QString::fromUtf8(bytes.constData() + Utf8Bom.size(), bytes.size() - Utf8Bom.size());
    }
    return Cp1252::decode(bytes);
}

Document decodeDocument(const QByteArray& bytes) {
    // Before the UTF-8 test: neither mark is UTF-8, so either would pass for Windows-1252.
    const bool littleEndian = bytes.startsWith(Utf16LeBom);
    if (littleEndian || bytes.startsWith(Utf16BeBom)) {
        // A second mark after the first is a character of the text.
        QStringDecoder decoder(littleEndian ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                               QStringDecoder::Flag::Stateless |
                                   QStringDecoder::Flag::ConvertInitialBom);
        const QByteArrayView units = QByteArrayView(bytes).sliced(Utf16LeBom.size());
        const qsizetype whole = units.size() - units.size() % 2;
        QString text = decoder(units.first(whole));
        if (whole < units.size()) {
            text += QChar::ReplacementCharacter; // a last byte of a file cut short
        }
        return {std::move(text), littleEndian ? Encoding::Utf16Le : Encoding::Utf16Be};
    }
    bool valid = false;
    if (bytes.startsWith(Utf8Bom)) {
        return {fromUtf8(QByteArrayView(bytes).sliced(Utf8Bom.size()), &valid),
                Encoding::Utf8WithBom};
    }
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char byte) {
        return static_cast<unsigned char>(byte) < 0x80;
    });
    if (!ascii) {
        QString text = fromUtf8(bytes, &valid);
        if (valid) {
            return {std::move(text), Encoding::Utf8};
        }
    }
    return {Cp1252::decode(bytes), Encoding::Utf8WhenNeeded};
}

QByteArray encode(QStringView text, Encoding encoding) {
    const Form form = formOf(encoding, [text] { return Cp1252::canEncode(text); });
    QByteArray bytes(form.bom.toByteArray());
    appendIn(bytes, text, form.unit);
    return bytes;
}

QStringList splitLines(const QString& text) {
    const QList<QStringView> views = splitLineViews(text);
    QStringList lines;
    lines.reserve(views.size());
    for (const QStringView line : views) {
        lines.append(line.toString());
    }
    return lines;
}

QList<QStringView> splitLineViews(QStringView text) {
    QList<QStringView> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        const qsizetype next = end < 0 ? text.size() : end + 1;
        if (end < 0) {
            end = text.size();
        }
        if (end > start && text.at(end - 1) == u'\r' && next != end) {
            --end;
        }
        lines.append(text.sliced(start, end - start));
        start = next;
    }
    return lines;
}

QByteArray encodeLines(const QStringList& lines, Encoding encoding) {
    const Form form = formOf(encoding, [&lines] {
        return std::all_of(lines.begin(), lines.end(),
                           [](const QString& line) { return Cp1252::canEncode(line); });
    });
    qsizetype total = form.bom.size();
    for (const QString& line : lines) {
        total += (line.size() + 2) * widthOf(form.unit);
    }
    QByteArray bytes;
    bytes.reserve(total);
    bytes.append(form.bom);
    for (const QString& line : lines) {
        appendIn(bytes, line, form.unit);
        appendIn(bytes, u"\r\n", form.unit);
    }
    return bytes;
}

bool writeLines(const QString& path, const QStringList& lines, QString* error, Encoding encoding) {
    return FileSystem::replaceFile(path, encodeLines(lines, encoding), error);
}

} // namespace TextFile

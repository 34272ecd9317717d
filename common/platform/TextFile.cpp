#include "common/platform/TextFile.h"

#include "common/platform/Cp1252.h"
#include "common/platform/FileSystem.h"

#include <QStringDecoder>

#include <algorithm>

namespace TextFile {
namespace {

// Whether text goes out as UTF-8, and whether a byte-order mark goes before it.
struct Form {
    bool utf8;
    bool bom;
};

// fits() tells whether Windows-1252 holds the text; it is asked only where that decides.
template <typename Fits> Form formOf(Encoding encoding, Fits fits) {
    switch (encoding) {
    case Encoding::Windows1252:
        return {false, false};
    case Encoding::Utf8:
        return {true, false};
    case Encoding::Utf8WithBom:
        return {true, true};
    case Encoding::Utf8WhenNeeded:
        break;
    }
    const bool utf8 = !fits();
    return {utf8, utf8};
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
    QByteArray bytes;
    if (form.bom) {
        bytes.append(Utf8Bom);
    }
    if (form.utf8) {
        bytes.append(text.toUtf8());
    } else {
        Cp1252::appendEncoded(bytes, text);
    }
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
    QByteArray bytes;
    qsizetype total = form.bom ? Utf8Bom.size() : 0;
    for (const QString& line : lines) {
        total += line.size() * (form.utf8 ? 3 : 1) + 2;
    }
    bytes.reserve(total);
    if (form.bom) {
        bytes.append(Utf8Bom);
    }
    for (const QString& line : lines) {
        if (form.utf8) {
            bytes.append(line.toUtf8());
        } else {
            Cp1252::appendEncoded(bytes, line);
        }
        bytes.append("\r\n");
    }
    return bytes;
}

bool writeLines(const QString& path, const QStringList& lines, QString* error, Encoding encoding) {
    return FileSystem::replaceFile(path, encodeLines(lines, encoding), error);
}

} // namespace TextFile

#include "card_editor/card/LayoutFile.h"

#include "common/platform/TextFile.h"

#include <array>
#include <charconv>
#include <limits>

namespace LayoutFile {

namespace {

// Appends without a temporary string: layouts are written often and whole.
void appendPrintedNumber(QString& out, int value) {
    std::array<char, 12> digits{};
    const char* end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    if (value >= 0) {
        out += u' ';
    }
    out += QLatin1StringView(digits.data(), end - digits.data());
    out += u' ';
}

QString rectText(const BoxRect& r) {
    QString text;
    text.reserve(32);
    for (int value : {r.left, r.top, r.width, r.height}) {
        appendPrintedNumber(text, value);
    }
    return text;
}

} // namespace

QString printedNumber(int value) {
    QString text;
    appendPrintedNumber(text, value);
    return text;
}

QStringList lines(const CardLayout& layout) {
    QStringList out;
    out.reserve(1 + CardLayout::BoxCount);
    QString first = rectText(layout.picture);
    appendPrintedNumber(first, layout.pictureVisible ? 1 : 0);
    out << first;
    for (const BoxRect& box : layout.boxes) {
        out << rectText(box);
    }
    return out;
}

static bool isSeparator(char c) {
    return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n';
}

NumberReader::NumberReader(QByteArrayView text) : text_(text) {}

std::optional<int> NumberReader::next() {
    if (failed_) {
        return std::nullopt;
    }
    while (pos_ < text_.size() && isSeparator(text_[pos_])) {
        ++pos_;
    }
    const qsizetype start = pos_;
    while (pos_ < text_.size() && !isSeparator(text_[pos_])) {
        ++pos_;
    }
    QByteArrayView token = text_.sliced(start, pos_ - start);
    bool negative = false;
    if (!token.isEmpty() && (token.front() == '-' || token.front() == '+')) {
        negative = token.front() == '-';
        token = token.sliced(1);
    }
    if (token.isEmpty() || token.size() > 6) {
        failed_ = true;
        return std::nullopt;
    }
    int value = 0;
    for (char c : token) {
        if (c < '0' || c > '9') {
            failed_ = true;
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    value = negative ? -value : value;
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max()) {
        failed_ = true;
        return std::nullopt;
    }
    return value;
}

// Four numbers, or nothing when any is missing or the size is negative.
static std::optional<BoxRect> readRect(NumberReader& reader) {
    std::array<int, 4> v{};
    for (int& n : v) {
        const std::optional<int> got = reader.next();
        if (!got) {
            return std::nullopt;
        }
        n = *got;
    }
    if (v[2] < 0 || v[3] < 0) {
        return std::nullopt;
    }
    return BoxRect{v[0], v[1], v[2], v[3]};
}

void readPicture(NumberReader& reader, Read& into) {
    into.picture = readRect(reader);
    if (const std::optional<int> flag = reader.next()) {
        into.pictureVisible = *flag != 0;
    }
}

void readBoxes(NumberReader& reader, Read& into) {
    for (std::optional<BoxRect>& box : into.boxes) {
        box = readRect(reader);
    }
}

QByteArrayView withoutByteOrderMark(QByteArrayView bytes, bool* hadMark) {
    const bool marked = bytes.startsWith(QByteArrayView(TextFile::Utf8Bom));
    if (hadMark) {
        *hadMark = marked;
    }
    return marked ? bytes.sliced(TextFile::Utf8Bom.size()) : bytes;
}

Read read(QByteArrayView text) {
    Read result;
    NumberReader reader(withoutByteOrderMark(text));
    readPicture(reader, result);
    readBoxes(reader, result);
    return result;
}

void apply(const Read& read, CardLayout& layout) {
    if (read.picture) {
        layout.picture = *read.picture;
    }
    if (read.pictureVisible) {
        layout.pictureVisible = *read.pictureVisible;
    }
    for (int i = 0; i < CardLayout::BoxCount; ++i) {
        if (read.boxes[i]) {
            layout.boxes[i] = *read.boxes[i];
        }
    }
}

} // namespace LayoutFile

#include "common/platform/ProfileText.h"

#include "common/platform/Cp1252.h"
#include "common/platform/TextFile.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <span>
#include <vector>

namespace {

// Blank, tab, CR, VT and FF; not LF. In ranges: it runs for every byte a trim looks at.
bool isBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r' && c != '\n');
}

bool isBlank(QChar c) {
    return c.unicode() < 0x80 && isBlank(static_cast<char>(c.unicode()));
}

QString trimmed(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isBlank(text.at(first))) {
        ++first;
    }
    while (last > first && isBlank(text.at(last - 1))) {
        --last;
    }
    return text.mid(first, last - first);
}

// Names match without regard to the case of ASCII letters only; accented letters must match.
char16_t foldAscii(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool sameName(const QString& a, const QString& b) {
    if (a.size() != b.size()) {
        return false;
    }
    // From the end: the keys of a section often differ only in a trailing number.
    for (qsizetype i = a.size() - 1; i >= 0; --i) {
        if (foldAscii(a.at(i).unicode()) != foldAscii(b.at(i).unicode())) {
            return false;
        }
    }
    return true;
}

bool isAscii(QStringView text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// A byte range [begin, end) of the file.
struct Span {
    qsizetype begin = 0;
    qsizetype end = 0;
};

enum class LineKind { Other, Blank, Comment, Section, Key };

struct Line {
    qsizetype start = 0; // first byte of the line
    qsizetype next = 0;  // first byte of the next line; the end of the file for the last one
    bool terminated = false;
    LineKind kind = LineKind::Other;
    Span name;  // section or key name, blanks removed
    Span value; // key value, blanks removed
};

// Walks the lines of a profile file once, classifying each.
class LineScanner {
public:
    explicit LineScanner(const QByteArray& content)
        : data_(content.constData()), size_(content.size()),
          utf8_(content.startsWith(TextFile::Utf8Bom)), pos_(utf8_ ? TextFile::Utf8Bom.size() : 0) {
    }

    bool utf8() const { return utf8_; }

    bool next(Line& line) {
        if (pos_ >= size_) {
            return false;
        }
        line = Line{};
        line.start = pos_;
        // CR LF, LF and a lone CR all end a line, so no line ever holds the start of another
        // that a write would then lose.
        const qsizetype end = lineEnd(pos_);
        if (end < size_) {
            line.terminated = true;
            const bool crLf = data_[end] == '\r' && end + 1 < size_ && data_[end + 1] == '\n';
            line.next = end + (crLf ? 2 : 1);
        } else {
            line.next = size_;
        }
        classify(line, trim({pos_, end}));
        pos_ = line.next;
        return true;
    }

    // Whether the name in span is name, as sameName compares. Compared byte by byte wherever
    // that is exact, since every lookup walks every line: in a Windows-1252 file, and for an
    // ASCII name in a UTF-8 one (no byte of a longer UTF-8 sequence is ASCII).
    bool nameIs(Span span, const QString& name) const {
        if (utf8_ && !isAscii(name)) {
            return sameName(text(span), name);
        }
        if (span.end - span.begin != name.size()) {
            return false;
        }
        // From the end: the keys of a section often differ only in a trailing number.
        const auto* bytes = reinterpret_cast<const unsigned char*>(data_ + span.begin);
        const char16_t* wanted = QStringView(name).utf16();
        for (qsizetype i = name.size() - 1; i >= 0; --i) {
            if (foldAscii(Cp1252::toUnicode(bytes[i])) != foldAscii(wanted[i])) {
                return false;
            }
        }
        return true;
    }

    QString text(Span span) const {
        const QByteArray bytes = QByteArray::fromRawData(data_ + span.begin, span.end - span.begin);
        return utf8_ ? QString::fromUtf8(bytes) : Cp1252::decode(bytes);
    }

private:
    // The first CR or LF at or after from, or the end of the file. The next of each is kept,
    // so a file is searched once however many lines it has: every lookup walks every line.
    qsizetype lineEnd(qsizetype from) {
        if (nextLf_ < from) {
            nextLf_ = find('\n', from);
        }
        if (nextCr_ < from) {
            nextCr_ = find('\r', from);
        }
        return std::min(nextLf_, nextCr_);
    }

    qsizetype find(char c, qsizetype from) const {
        const void* at = std::memchr(data_ + from, c, static_cast<size_t>(size_ - from));
        return at == nullptr ? size_ : static_cast<const char*>(at) - data_;
    }

    Span trim(Span span) const {
        while (span.begin < span.end && isBlank(data_[span.begin])) {
            ++span.begin;
        }
        while (span.end > span.begin && isBlank(data_[span.end - 1])) {
            --span.end;
        }
        return span;
    }

    void classify(Line& line, Span content) const {
        if (content.begin == content.end) {
            line.kind = LineKind::Blank;
            return;
        }
        const char first = data_[content.begin];
        const auto length = static_cast<size_t>(content.end - content.begin);
        if (first == ';') {
            line.kind = LineKind::Comment;
            return;
        }
        if (first == '[') {
            // The name runs to the last "]"; a "[" without one makes no header.
            for (qsizetype i = content.end - 1; i > content.begin; --i) {
                if (data_[i] == ']') {
                    line.kind = LineKind::Section;
                    line.name = trim({content.begin + 1, i});
                    return;
                }
            }
        }
        const void* equals = std::memchr(data_ + content.begin, '=', length);
        if (equals == nullptr) {
            return;
        }
        const qsizetype at = static_cast<const char*>(equals) - data_;
        line.kind = LineKind::Key;
        line.name = trim({content.begin, at});
        line.value = trim({at + 1, content.end});
    }

    const char* data_;
    qsizetype size_;
    bool utf8_;
    qsizetype pos_;
    qsizetype nextLf_ = -1;
    qsizetype nextCr_ = -1;
};

QString withoutQuotes(const QString& value) {
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == u'"' || value.front() == u'\'')) {
        return value.mid(1, value.size() - 2);
    }
    return value;
}

// Where a section is, and where new keys of it would go.
struct Place {
    bool sectionFound = false;
    Line last; // the section's last non-blank line, header included
};

} // namespace

namespace ProfileText {

// A file's lines, found and classified once.
struct Parsed {
    explicit Parsed(const QByteArray& bytes) : content(bytes), scanner(content) {
        Line line;
        while (scanner.next(line)) {
            lines.push_back(line);
        }
    }

    const QByteArray content;
    LineScanner scanner;
    std::vector<Line> lines;
};

} // namespace ProfileText

namespace {

// nextLine() gives the file's lines in order, nullptr after the last: a write walks the bytes as
// it goes, many look-ups walk lines found once. keys are trimmed and differ in name; found[i]
// becomes the first line of keys[i] in the section, and the walk stops once each is found.
template <typename NextLine>
Place locate(const LineScanner& scanner, NextLine nextLine, const QString& section,
             std::span<const QString> keys, std::span<std::optional<Line>> found) {
    const QString wantedSection = trimmed(section);
    Place place;
    std::size_t missing = keys.size();
    while (missing > 0) {
        const Line* line = nextLine();
        if (line == nullptr) {
            break;
        }
        if (line->kind == LineKind::Section) {
            if (place.sectionFound) {
                break; // the first section of that name is the one that counts
            }
            if (scanner.nameIs(line->name, wantedSection)) {
                place.sectionFound = true;
                place.last = *line;
            }
            continue;
        }
        if (!place.sectionFound) {
            continue;
        }
        if (line->kind != LineKind::Blank) {
            place.last = *line;
        }
        if (line->kind != LineKind::Key) {
            continue;
        }
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (!found[i] && scanner.nameIs(line->name, keys[i])) {
                found[i] = *line;
                --missing;
                break;
            }
        }
    }
    return place;
}

} // namespace

namespace ProfileText {

Document::Document(const QByteArray& content) : parsed_(std::make_unique<const Parsed>(content)) {}

Document::~Document() = default;
Document::Document(Document&&) noexcept = default;
Document& Document::operator=(Document&&) noexcept = default;

std::optional<QString> Document::findValue(const QString& section, const QString& key) const {
    const std::vector<Line>& lines = parsed_->lines;
    auto next = lines.begin();
    const QString wanted = trimmed(key);
    std::optional<Line> line;
    locate(parsed_->scanner, [&] { return next == lines.end() ? nullptr : &*next++; }, section,
           {&wanted, 1}, {&line, 1});
    if (!line) {
        return std::nullopt;
    }
    return withoutQuotes(parsed_->scanner.text(line->value));
}

std::optional<QString> findValue(const QByteArray& content, const QString& section,
                                 const QString& key) {
    return Document(content).findValue(section, key);
}

namespace {

// keyValues with the keys trimmed and each name once, where it first comes, with its last value:
// what writing them one after another leaves.
QList<std::pair<QString, QString>> merged(const QList<std::pair<QString, QString>>& keyValues) {
    QList<std::pair<QString, QString>> result;
    for (const auto& [key, value] : keyValues) {
        const QString name = trimmed(key);
        const auto same = std::find_if(result.begin(), result.end(), [&](const auto& entry) {
            return sameName(entry.first, name);
        });
        if (same != result.end()) {
            same->second = value;
        } else {
            result.append({name, value});
        }
    }
    return result;
}

} // namespace

QByteArray withValue(const QByteArray& content, const QString& section, const QString& key,
                     const QString& value) {
    return withValues(content, section, {{key, value}});
}

// One walk of the file finds every key, and the file is copied once: a program saves dozens
// of keys of a section at a time.
QByteArray withValues(const QByteArray& content, const QString& section,
                      const QList<std::pair<QString, QString>>& keyValues) {
    const QList<std::pair<QString, QString>> entries = merged(keyValues);
    const auto fits = [](const QString& text) { return Cp1252::canEncode(text); };
    const bool allFit = fits(section) &&
                        std::all_of(entries.begin(), entries.end(),
                                    [&](const auto& e) { return fits(e.first) && fits(e.second); });
    if (!content.startsWith(TextFile::Utf8Bom) && !allFit) {
        // A text Windows-1252 cannot hold turns the whole file into UTF-8, for good.
        return withValues(TextFile::Utf8Bom + Cp1252::decode(content).toUtf8(), section, entries);
    }
    if (entries.isEmpty()) {
        return content;
    }
    QStringList keys;
    keys.reserve(entries.size());
    for (const auto& entry : entries) {
        keys.append(entry.first);
    }
    LineScanner scanner(content);
    Line current;
    std::vector<std::optional<Line>> keyLines(static_cast<std::size_t>(keys.size()));
    const Place place = locate(
        scanner, [&] { return scanner.next(current) ? &current : nullptr; }, section,
        {keys.constData(), static_cast<std::size_t>(keys.size())}, keyLines);
    const auto encode = [&scanner](const QString& text) {
        return scanner.utf8() ? text.toUtf8() : Cp1252::encode(text);
    };
    const QByteArray crlf("\r\n");

    // The lines found, in file order: each keeps its key's spelling, and only its value changes.
    std::vector<std::pair<Line, QString>> rewritten;
    QByteArray added; // the keys not found, as new lines
    for (std::size_t i = 0; i < keyLines.size(); ++i) {
        const QString& value = entries.at(static_cast<qsizetype>(i)).second;
        if (keyLines[i]) {
            rewritten.emplace_back(*keyLines[i], value);
        } else {
            added.append(encode(entries.at(static_cast<qsizetype>(i)).first + u'=' + value));
            added.append(crlf);
        }
    }
    std::sort(rewritten.begin(), rewritten.end(),
              [](const auto& a, const auto& b) { return a.first.start < b.first.start; });

    QByteArray result;
    result.reserve(content.size() + added.size() + section.size() + 64 * entries.size());
    qsizetype copied = 0;
    const auto copyTo = [&](qsizetype at) {
        result.append(content.constData() + copied, at - copied);
        copied = at;
    };
    bool lastRewritten = false;
    for (const auto& [line, value] : rewritten) {
        copyTo(line.start);
        result.append(content.constData() + line.name.begin, line.name.end - line.name.begin);
        result.append('=');
        result.append(encode(value));
        result.append(crlf);
        copied = line.next;
        lastRewritten = lastRewritten || line.start == place.last.start;
    }
    if (!added.isEmpty() && place.sectionFound) {
        // After the section's last non-blank line; one that ended the file unbroken, and was not
        // just written anew, gets its line break first.
        copyTo(place.last.next);
        if (!place.last.terminated && !lastRewritten) {
            result.append(crlf);
        }
        result.append(added);
    }
    copyTo(content.size());
    if (!added.isEmpty() && !place.sectionFound) {
        const bool onlyBom = scanner.utf8() && content.size() == TextFile::Utf8Bom.size();
        if (!content.isEmpty() && !onlyBom && !content.endsWith('\n') && !content.endsWith('\r')) {
            result.append(crlf);
        }
        result.append(encode(u'[' + trimmed(section) + u']'));
        result.append(crlf);
        result.append(added);
    }
    return result;
}

bool canStore(const QString& section, const QString& key, const QString& value) {
    const auto hasBreak = [](const QString& text) {
        return text.contains(u'\n') || text.contains(u'\r');
    };
    if (hasBreak(section) || hasBreak(key) || hasBreak(value) || key.contains(u'=')) {
        return false;
    }
    const QString name = trimmed(key);
    return !trimmed(section).isEmpty() && !name.isEmpty() && !name.startsWith(u';') &&
           !name.startsWith(u'[');
}

int parseInt(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && isBlank(text.at(i))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text.at(i) == u'-' || text.at(i) == u'+')) {
        negative = text.at(i) == u'-';
        ++i;
    }
    quint32 magnitude = 0;
    for (; i < text.size() && text.at(i) >= u'0' && text.at(i) <= u'9'; ++i) {
        magnitude = magnitude * 10u + static_cast<quint32>(text.at(i).unicode() - u'0');
    }
    return static_cast<int>(negative ? 0u - magnitude : magnitude);
}

} // namespace ProfileText

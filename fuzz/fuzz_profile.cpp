// Arbitrary bytes as a profile (INI) file: reading never fails, and a write changes only the
// line it writes, or adds its lines, leaving every other line byte for byte (or, where a
// Windows-1252 file turns into UTF-8, its text).
#include "common/platform/Cp1252.h"
#include "common/platform/ProfileText.h"
#include "common/platform/TextFile.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fuzz_profile: %s\n", what);
        std::abort();
    }
}

// The lines of content with their line ends: CR LF, LF or a lone CR.
QList<QByteArray> linesOf(const QByteArray& content) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (start < content.size()) {
        qsizetype end = start;
        while (end < content.size() && content[end] != '\n' && content[end] != '\r') {
            ++end;
        }
        if (end < content.size()) {
            end += content[end] == '\r' && end + 1 < content.size() && content[end + 1] == '\n' ? 2
                                                                                                : 1;
        }
        lines.append(content.mid(start, end - start));
        start = end;
    }
    return lines;
}

bool hasLineEnd(const QByteArray& line) {
    return line.endsWith('\n') || line.endsWith('\r');
}

// after is before with at most one line replaced and new lines, each ended by CR LF, put in
// one place. A last line without a line end may have gained one.
void checkOnlyOnePlaceChanged(const QByteArray& before, const QByteArray& after) {
    if (after == before) {
        return; // the line written was there already
    }
    const QList<QByteArray> old = linesOf(before);
    const QList<QByteArray> now = linesOf(after);
    const auto same = [&](qsizetype oldIndex, qsizetype nowIndex) {
        const QByteArray& line = old.at(oldIndex);
        const QByteArray& other = now.at(nowIndex);
        return line == other ||
               (oldIndex == old.size() - 1 && !hasLineEnd(line) && line + "\r\n" == other);
    };
    qsizetype prefix = 0;
    while (prefix < old.size() && prefix < now.size() && same(prefix, prefix)) {
        ++prefix;
    }
    qsizetype suffix = 0;
    while (suffix < old.size() - prefix && suffix < now.size() - prefix &&
           same(old.size() - 1 - suffix, now.size() - 1 - suffix)) {
        ++suffix;
    }
    const qsizetype removed = old.size() - prefix - suffix;
    const qsizetype added = now.size() - prefix - suffix;
    check(removed <= 1, "more than one line removed");
    check(added >= 1 && added <= 2, "wrong number of lines added");
    for (qsizetype i = prefix; i < prefix + added; ++i) {
        check(now.at(i).endsWith("\r\n"), "written line without CR LF");
    }
}

struct Entry {
    const char* section;
    const char* key;
};

constexpr Entry kEntries[] = {
    {"Styles", "StyleFontName1"},
    {"snap STUFF", " SnapMode "},
    {"Previous Files", "PreviousFilePath1"},
    {"a", "b"},
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray content(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const Entry& entry : kEntries) {
        const std::optional<QString> value =
            ProfileText::findValue(content, entry.section, entry.key);
        if (value) {
            ProfileText::parseInt(*value);
        }
    }

    const Entry& target = kEntries[size % std::size(kEntries)];
    // Every third write holds letters Windows-1252 lacks: a Windows-1252 file then turns into
    // UTF-8 as a whole, and apart from that changes as any other write does.
    const bool unicode = size % 3 == 0;
    const QString value = (unicode ? QStringLiteral("\u0418\u0433\u0440\u0430 %1")
                                   : QStringLiteral("written value %1"))
                              .arg(size);
    const QByteArray once = ProfileText::withValue(content, target.section, target.key, value);
    check(ProfileText::findValue(once, target.section, target.key) == value,
          "written value not read back");
    const bool converted = unicode && !content.startsWith(TextFile::Utf8Bom);
    checkOnlyOnePlaceChanged(
        converted ? TextFile::Utf8Bom + Cp1252::decode(content).toUtf8() : content, once);

    // Writing the same again finds the line just written and changes nothing.
    check(ProfileText::withValue(once, target.section, target.key, value) == once,
          "second write changed the file");

    // Several keys at once make the file that writing them one by one makes.
    const QList<std::pair<QString, QString>> batch = {
        {QStringLiteral("new key"), QStringLiteral("1")},
        {target.key, value},
        {QStringLiteral("NEW KEY "), QStringLiteral("2")},
    };
    QByteArray oneByOne = content;
    for (const auto& [key, text] : batch) {
        oneByOne = ProfileText::withValue(oneByOne, target.section, key, text);
    }
    check(ProfileText::withValues(content, target.section, batch) == oneByOne,
          "several keys at once differ from one by one");

    // Other keys read as before.
    for (const Entry& entry : kEntries) {
        if (&entry != &target) {
            check(ProfileText::findValue(once, entry.section, entry.key) ==
                      ProfileText::findValue(converted ? TextFile::Utf8Bom +
                                                             Cp1252::decode(content).toUtf8()
                                                       : content,
                                             entry.section, entry.key),
                  "another key changed");
        }
    }
    return 0;
}

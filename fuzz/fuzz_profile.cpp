// Arbitrary bytes as a profile (INI) file: reading never fails, and a write changes only the
// line it writes, or adds its lines, leaving every other line byte for byte.
#include "common/platform/ProfileText.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fuzz_profile: %s\n", what);
        std::abort();
    }
}

QList<QByteArray> linesOf(const QByteArray& content) {
    QList<QByteArray> lines = content.split('\n');
    if (content.endsWith('\n') || content.isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

// after is before with at most one line replaced and new lines, each ended by CR LF, put in
// one place. A last line without a line end may have gained one.
void checkOnlyOnePlaceChanged(const QByteArray& before, const QByteArray& after) {
    if (after == before) {
        return; // the line written was there already
    }
    const QList<QByteArray> old = linesOf(before);
    const QList<QByteArray> now = linesOf(after);
    const bool openEnd = !before.isEmpty() && !before.endsWith('\n');
    const auto same = [&](qsizetype oldIndex, qsizetype nowIndex) {
        const QByteArray& line = old.at(oldIndex);
        const QByteArray& other = now.at(nowIndex);
        return line == other || (openEnd && oldIndex == old.size() - 1 && line + '\r' == other);
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
        check(now.at(i).endsWith('\r'), "written line without CR LF");
        check(i + 1 < now.size() || after.endsWith('\n'), "written line without CR LF");
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
    const QString value = QStringLiteral("written value %1").arg(size);
    const QByteArray once = ProfileText::withValue(content, target.section, target.key, value);
    check(ProfileText::findValue(once, target.section, target.key) == value,
          "written value not read back");
    checkOnlyOnePlaceChanged(content, once);

    // Writing the same again finds the line just written and changes nothing.
    check(ProfileText::withValue(once, target.section, target.key, value) == once,
          "second write changed the file");

    // Other keys read as before.
    for (const Entry& entry : kEntries) {
        if (&entry != &target) {
            check(ProfileText::findValue(once, entry.section, entry.key) ==
                      ProfileText::findValue(content, entry.section, entry.key),
                  "another key changed");
        }
    }
    return 0;
}

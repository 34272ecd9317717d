#include "common/richtext/tests/RtfInteropSupport.h"
#include "common/richtext/tests/RtfTestSupport.h"

#include <QDir>
#include <QHash>
#include <gtest/gtest.h>
#include <iostream>

namespace {

// Characters a summary line cannot show plainly, as the .expected files write them.
QString visible(QString summary) {
    summary.replace(QLatin1Char('\t'), QLatin1String("<tab>"));
    summary.replace(QChar::LineSeparator, QLatin1String("<line>"));
    summary.replace(QChar::Nbsp, QLatin1String("<nbsp>"));
    return summary;
}

} // namespace

// RTF as the rich-text control, WordPad, word processors and old RTF 1.0 writers produce it
// loads with its text and formatting (see fixtures/README.md).
TEST(RtfFixtures, LoadWithTheirTextAndFormatting) {
    // Fixtures in code pages Qt may lack without ICU.
    const QHash<QString, const char*> codecs = {{"wordpad_cyrillic", "windows-1251"},
                                                {"wordpad_japanese", "cp932"},
                                                {"unrtf_mac", "macintosh"}};
    const QDir dir(fixturesDir());
    const QStringList fixtures = dir.entryList({QStringLiteral("*.rtf")}, QDir::Files);
    ASSERT_GE(fixtures.size(), 6);
    for (const QString& fixture : fixtures) {
        const QString name = QFileInfo(fixture).completeBaseName();
        SCOPED_TRACE(name.toStdString());
        if (codecs.contains(name) && !qtDecodes(codecs.value(name))) {
            std::cout << "skipped " << name.toStdString() << ": Qt here cannot decode "
                      << codecs.value(name) << "\n";
            continue;
        }
        const QByteArray expected = readFile(dir.filePath(name + QStringLiteral(".expected")));
        ASSERT_FALSE(expected.isEmpty());
        EXPECT_EQ(visible(summaryOf(readFile(dir.filePath(fixture)))),
                  QString::fromUtf8(expected).trimmed());
    }
}

// What was read from them is written and read back unchanged.
TEST(RtfFixtures, SurviveARoundTrip) {
    const QDir dir(fixturesDir());
    for (const QString& fixture : dir.entryList({QStringLiteral("*.rtf")}, QDir::Files)) {
        SCOPED_TRACE(fixture.toStdString());
        const auto document = readRtf(readFile(dir.filePath(fixture)));
        EXPECT_EQ(summaryOf(Rtf::write(*document)), Rtf::summary(*document));
    }
}

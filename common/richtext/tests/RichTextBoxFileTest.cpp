#include "common/richtext/RichTextBox.h"
#include "common/richtext/Rtf.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

class RichTextBoxFiles : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir_;
    RichTextBox box_;
};

TEST_F(RichTextBoxFiles, PlainTextIsWrittenBackInTheEncodingItWasReadIn) {
    struct Row {
        QByteArray file;
        QString text;      // what the box shows
        const char* typed; // UTF-8, typed at its end
        QByteArray saved;
    };
    const Row rows[] = {
        {"\xe9 \x80\r\n\r\nlast\r\n", "é €\r\n\r\nlast\r\n", "", "\xe9 \x80\r\n\r\nlast\r\n"},
        {"Gear G\r\nFlaps F", "Gear G\r\nFlaps F", "", "Gear G\r\nFlaps F"},
        {"caf\xC3\xA9\r\n", "café\r\n", "一", "caf\xC3\xA9\r\n\xE4\xB8\x80"},
        {"{\\rtf1\\ansi Gear}", "Gear", "Ж", "\xEF\xBB\xBFGear\xD0\x96"}, // RTF after UTF-8
        {"\xEF\xBB\xBFOl\xC3\xA9", "Olé", "Ж", "\xEF\xBB\xBFOl\xC3\xA9\xD0\x96"},
        {"caf\xC3", "cafÃ", "", "caf\xC3"}, // a UTF-8 letter cut short
        {"Gear\nup", "Gear\r\nup", "一", "\xEF\xBB\xBFGear\r\nup\xE4\xB8\x80"},
        // UTF-16 after its mark, in either byte order; text that looks like RTF stays text.
        {"\xFF\xFE{\0\\\0r\0t\0f\0\x16\x04\r\0\n\0G\0"_ba, u"{\\rtf\u0416\r\nG"_s, "",
         "\xFF\xFE{\0\\\0r\0t\0f\0\x16\x04\r\0\n\0G\0"_ba},
        {"\xFE\xFF\0G\x04\x16\0\r\0\n"_ba, u"G\u0416\r\n"_s, "一",
         "\xFE\xFF\0G\x04\x16\0\r\0\n\x4E\0"_ba},
        {"\xFF\xFEG\0x"_ba, u"G\uFFFD"_s, "", "\xFF\xFEG\0\xFD\xFF"_ba}, // cut to an odd size
        {"\xFF\xFEG\0\0\xD8x\0"_ba, u"G\xD800x"_s, "",
         "\xFF\xFEG\0\0\xD8x\0"_ba}, // a lone surrogate
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text.toStdString());
        ASSERT_TRUE(writeAll(path("in.txt"), row.file) && box_.LoadFile(path("in.txt")));
        EXPECT_EQ(box_.Text(), row.text);
        box_.setSelStart(box_.TextLength());
        box_.setSelText(QString::fromUtf8(row.typed));
        ASSERT_TRUE(box_.SaveFile(path("out.txt"), 1));
        EXPECT_EQ(readAll(path("out.txt")).toStdString(), row.saved.toStdString());
    }
    EXPECT_EQ(box_.FileName(), path("in.txt"));
}

TEST_F(RichTextBoxFiles, RtfIsWrittenForTypeZeroAndReadBackAsRtf) {
    box_.setText("first\r\nsecond");
    ASSERT_TRUE(box_.SaveFile(path("doc.rtf")));
    const QByteArray written = readAll(path("doc.rtf"));
    EXPECT_TRUE(Rtf::isRtf(written));

    // A file that starts as RTF is read by the RTF reader, whatever its name; type 1 forces text.
    ASSERT_TRUE(writeAll(path("doc.txt"), written));
    RichTextBox asText;
    ASSERT_TRUE(asText.LoadFile(path("doc.txt"), 1));
    EXPECT_EQ(asText.Text().toLatin1(), written);
    RichTextBox loaded;
    ASSERT_TRUE(loaded.LoadFile(path("doc.txt")));
    EXPECT_EQ(loaded.Text(), "first\r\nsecond");
}

TEST_F(RichTextBoxFiles, FailuresReportFalseAndChangeNothing) {
    box_.setText("keep me");
    EXPECT_FALSE(box_.LoadFile(path("missing.rtf")));
    EXPECT_FALSE(box_.LoadFile(dir_.path()));
    EXPECT_EQ(box_.Text(), "keep me");
    EXPECT_EQ(box_.FileName(), QString());

    EXPECT_FALSE(box_.SaveFile(path("no/such/folder/x.rtf")));
    EXPECT_FALSE(box_.SaveFile(path("x.rtf"), 2));
    EXPECT_FALSE(QFile::exists(path("x.rtf")));

    // A read-only file stays as it was, even for a user allowed to override that.
    ASSERT_TRUE(writeAll(path("ro.txt"), "old"));
    ASSERT_TRUE(QFile::setPermissions(path("ro.txt"), QFileDevice::ReadOwner));
    EXPECT_FALSE(box_.SaveFile(path("ro.txt"), 1));
    EXPECT_EQ(readAll(path("ro.txt")), "old");

    // An existing file is replaced whole.
    ASSERT_TRUE(writeAll(path("long.txt"), "a much longer old content"));
    ASSERT_TRUE(box_.SaveFile(path("long.txt"), 1));
    EXPECT_EQ(readAll(path("long.txt")), "keep me");
}

TEST_F(RichTextBoxFiles, SelRtfInsertsTextThatIsNoRtfAsPlainText) {
    box_.setText("ab");
    box_.setSelStart(1);
    box_.setSelRTF(QByteArray("x\r\ny"));
    EXPECT_EQ(box_.Text(), "ax\r\nyb");
    box_.setSelRTF(QString::fromUtf8("\u4e00"));
    EXPECT_EQ(box_.Text(), QString::fromUtf8("ax\r\ny\u4e00b"));
    box_.setSelStart(0);
    box_.setSelLength(2);
    box_.setSelRTF("");
    EXPECT_EQ(box_.Text(), QString::fromUtf8("\r\ny\u4e00b"));
}

TEST_F(RichTextBoxFiles, SelRtfCarriesFormattingIntoAnotherBox) {
    box_.setText("plain bold");
    box_.setSelStart(6);
    box_.setSelLength(4);
    box_.setSelBold(true);
    box_.setSelColor(0x0000FFu);
    const QByteArray rtf = box_.SelRTF();

    RichTextBox other;
    other.setText("[]");
    other.setSelStart(1);
    other.setSelRTF(rtf);
    EXPECT_EQ(other.Text(), "[bold]");
    other.setSelStart(1);
    other.setSelLength(4);
    EXPECT_EQ(other.SelBold(), true);
    EXPECT_EQ(other.SelColor(), 0x0000FFu);
}

class RichTextBoxClipboard : public ::testing::Test {
protected:
    void SetUp() override {
        QApplication::clipboard()->clear();
        box_.setText("one\r\ntwo");
        box_.setSelStart(2);
        box_.setSelLength(4);
    }
    RichTextBox box_;
};

TEST_F(RichTextBoxClipboard, CopyAndCutOfferRtfAndPlainText) {
    box_.copy();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(Rtf::isRtf(data->data("text/rtf")));
    EXPECT_EQ(data->text(), "e\nt");
    EXPECT_EQ(box_.Text(), "one\r\ntwo");

    box_.cut();
    EXPECT_EQ(box_.Text(), "onwo");
    EXPECT_TRUE(Rtf::isRtf(QApplication::clipboard()->mimeData()->data("text/rtf")));
    EXPECT_EQ(QApplication::clipboard()->text(), "e\nt");

    // The box's own Ctrl+C goes the same way.
    QApplication::clipboard()->clear();
    box_.setSelStart(0);
    box_.setSelLength(2);
    QTest::keyClick(&box_, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QApplication::clipboard()->mimeData()->hasFormat("text/rtf"));
    EXPECT_EQ(QApplication::clipboard()->text(), "on");
}

TEST_F(RichTextBoxClipboard, PastePrefersRtfAndTakesPlainTextInTheCaretFormat) {
    auto* both = new QMimeData;
    both->setData("text/rtf", "{\\rtf1\\ansi rich}");
    both->setText("plain");
    QApplication::clipboard()->setMimeData(both);
    box_.paste();
    EXPECT_TRUE(box_.Text().contains("rich"));
    EXPECT_FALSE(box_.Text().contains("plain"));

    auto* plain = new QMimeData;
    plain->setText("x\ny");
    QApplication::clipboard()->setMimeData(plain);
    box_.setText("[]");
    box_.setSelStart(1);
    box_.setSelItalic(true);
    QTest::keyClick(&box_, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box_.Text(), "[x\r\ny]");
    box_.setSelStart(1);
    box_.setSelLength(4);
    EXPECT_EQ(box_.SelItalic(), true);

    // Nothing usable on the clipboard: the box stays as it is.
    QApplication::clipboard()->clear();
    box_.paste();
    EXPECT_EQ(box_.Text(), "[x\r\ny]");
}

} // namespace

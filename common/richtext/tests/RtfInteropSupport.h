#pragma once

// Helpers for checking RTF against independent readers: LibreOffice headless and unrtf.

#include "common/richtext/RtfAlignment.h"
#include "common/richtext/RtfCharFormat.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>

#include <memory>

inline QString fixturesDir() {
    return QStringLiteral(TAVRIN_SOURCE_DIR "/common/richtext/tests/fixtures");
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeFile(const QString& path, const QByteArray& data) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

// Runs a program to its end; its standard output, or a null array when it failed.
inline QByteArray runProgram(const QString& program, const QStringList& arguments,
                             const QString& workDir) {
    QProcess process;
    process.setWorkingDirectory(workDir);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        process.kill();
        process.waitForFinished();
        return QByteArray();
    }
    const QByteArray out = process.readAllStandardOutput();
    return out.isNull() ? QByteArray("") : out;
}

// Converts files with LibreOffice headless into outDir, in one call with a profile of its own
// under workDir (calls in parallel need their own). Files open in the word processor, HTML
// included. True when every converted file is there.
inline bool convertWithLibreOffice(const QStringList& files, const QString& format,
                                   const QString& extension, const QString& outDir,
                                   const QString& workDir, const QString& inFilter = {}) {
    QStringList arguments = {QStringLiteral("-env:UserInstallation=file://") + workDir +
                                 QStringLiteral("/profile"),
                             QStringLiteral("--headless"), QStringLiteral("--writer")};
    if (!inFilter.isEmpty()) {
        arguments << QStringLiteral("--infilter=") + inFilter;
    }
    arguments << QStringLiteral("--convert-to") << format << QStringLiteral("--outdir") << outDir;
    arguments << files;
    if (runProgram(QStringLiteral("soffice"), arguments, workDir).isNull()) {
        return false;
    }
    for (const QString& file : files) {
        const QString converted = outDir + QLatin1Char('/') + QFileInfo(file).completeBaseName() +
                                  QLatin1Char('.') + extension;
        if (!QFile::exists(converted)) {
            return false;
        }
    }
    return true;
}

// LibreOffice's text export: UTF-8 with a byte-order mark, one line a paragraph.
inline QString libreOfficeText(const QString& path) {
    QString text = QString::fromUtf8(readFile(path));
    if (text.startsWith(QChar(0xFEFF))) {
        text.remove(0, 1);
    }
    return text;
}

// Plain text with paragraph and line breaks as "\n", the trailing ones kept: a document's last
// \par closes its paragraph here as in LibreOffice, so empty paragraphs at the end must agree.
inline QString comparableText(QString text) {
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

// Text with every run of white space as one space: what survives HTML.
inline QString collapsedText(const QString& text) {
    static const QRegularExpression space(QStringLiteral("[\\s\\x{00a0}\\x{2028}\\x{2029}]+"));
    return QString(text).replace(space, QStringLiteral(" ")).trimmed();
}

// HTML as Qt's reader needs it to see what LibreOffice and unrtf meant: Qt knows <s> but not
// <strike>, and takes "text-decoration: none" (which they write to end an underline) as also
// ending an enclosing strike-through.
inline std::unique_ptr<QTextDocument> parseHtml(const QByteArray& html) {
    QString text = QString::fromUtf8(html);
    text.replace(QLatin1String("<strike>"), QLatin1String("<s>"));
    text.replace(QLatin1String("</strike>"), QLatin1String("</s>"));
    text.replace(QLatin1String("text-decoration: none"), QString());
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(QFont(QStringLiteral("Body"), 12));
    document->setHtml(text);
    return document;
}

enum class Checked { All, Emphasis };

inline bool isEastAsian(QChar ch) {
    switch (ch.script()) {
    case QChar::Script_Han:
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana:
    case QChar::Script_Hangul:
        return true;
    default:
        return false;
    }
}

// Each visible character's formatting, in runs, white space left out: paragraph alignment,
// font, size, bold, italic, underline, strike-through, colour (automatic shown as black).
// With Checked::Emphasis only bold, italic, underline and strike-through.
inline QString visibleFormatting(const QTextDocument& document, Checked checked = Checked::All,
                                 int from = 0, int to = -1) {
    if (to < 0) {
        to = document.characterCount() - 1;
    }
    QString result;
    QString last;
    for (QTextBlock block = document.findBlock(from); block.isValid() && block.position() < to;
         block = block.next()) {
        const RtfAlignment align = rtfAlignmentOf(block.blockFormat().alignment());
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const RtfCharFormat format =
                RtfCharFormat::of(fragment.charFormat(), document.defaultFont());
            QString key = QStringLiteral("%1%2%3%4")
                              .arg(format.bold ? "b" : "-", format.italic ? "i" : "-",
                                   format.underline ? "u" : "-", format.strike ? "s" : "-");
            if (checked == Checked::All) {
                key = QStringLiteral("%1 %2 %3 %4 %5")
                          .arg(static_cast<int>(align))
                          .arg(format.family)
                          .arg(format.halfPoints / 2.0)
                          .arg(key, QColor(format.color.value_or(qRgb(0, 0, 0))).name());
            }
            // LibreOffice sets East Asian text in its own Asian font.
            QString asianKey = key;
            asianKey.replace(format.family, QStringLiteral("(Asian font)"));
            const QString text = fragment.text();
            for (int i = 0; i < text.size(); ++i) {
                const int position = fragment.position() + i;
                if (position < from || position >= to || text.at(i).isSpace()) {
                    continue;
                }
                const QString& charKey = isEastAsian(text.at(i)) ? asianKey : key;
                if (charKey != last) {
                    result += QLatin1Char('[') + charKey + QLatin1Char(']');
                    last = charKey;
                }
                result += text.at(i);
            }
        }
    }
    return result;
}

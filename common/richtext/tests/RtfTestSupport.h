#pragma once

#include "common/richtext/Rtf.h"
#include "common/richtext/RtfSummary.h"

#include <QByteArray>
#include <QFont>
#include <QString>
#include <QStringDecoder>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>
#include <ostream>

// Failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << text.toStdString();
}

// Whether Qt can decode a code page here (Qt without ICU knows only a few).
inline bool qtDecodes(const char* codec) {
    return QStringDecoder(codec).isValid();
}

// Documents with a default font of a fixed name, so that summaries do not depend on the
// machine's fonts.
inline std::unique_ptr<QTextDocument> newDocument() {
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(QFont(QStringLiteral("Body"), 12));
    return document;
}

inline std::unique_ptr<QTextDocument> readRtf(const QByteArray& rtf) {
    auto document = newDocument();
    QTextCursor cursor(document.get());
    Rtf::read(rtf, cursor);
    return document;
}

inline QString plainText(const QTextDocument& document) {
    return document.toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

// The text as read, paragraphs separated by "\n", other characters as they are.
inline QString textOf(const QByteArray& rtf) {
    return plainText(*readRtf(rtf));
}

// The text of RTF inserted into an empty document, as a paste inserts it.
inline QString insertedTextOf(const QByteArray& rtf) {
    auto document = newDocument();
    QTextCursor cursor(document.get());
    Rtf::insert(rtf, cursor);
    return plainText(*document);
}

inline QString summaryOf(const QByteArray& rtf) {
    return Rtf::summary(*readRtf(rtf));
}

// A RichEdit-style header with Arial as font 0 and red, blue as colours 1 and 2.
inline QByteArray richEdit(const QByteArray& body) {
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fcharset0 "
           "Arial;}}\r\n{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\r\n"
           "\\viewkind4\\uc1\\pard\\f0\\fs20 " +
           body + "}\r\n";
}

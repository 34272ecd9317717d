#pragma once

#include "common/richtext/RtfAlignment.h"
#include "common/richtext/RtfCharFormat.h"

#include <QByteArray>
#include <QFont>
#include <QHash>
#include <QStringList>
#include <QStringView>

#include <optional>

class QTextBlock;
class QTextDocument;

// Writes part of a text document as RTF in the rich-text control's own style: a font table,
// a colour table with a leading ";" (index 0 is the automatic colour), \pard with the
// alignment, formatting as it changes, Windows-1252 bytes as \'hh and the rest as \uN?.
class RtfWriter {
public:
    // A file ends its last paragraph with a mark as it does every other; a selection's part
    // has one only where it holds a paragraph's end.
    enum class LastMark { Written, Omitted };

    RtfWriter(const QTextDocument& document, LastMark lastMark);

    // [from, to) in document positions; to -1 means the end.
    QByteArray write(int from, int to);

private:
    enum class TextKind { Body, FontName };

    void paragraph(const QTextBlock& block, int from, int to, bool first);
    void setFormat(const RtfCharFormat& format);
    void controlWord(const char* word);
    void controlWord(const char* word, int param);
    void appendText(QByteArray& out, QStringView text, TextKind kind);
    int fontIndex(const QString& family);
    int colorIndex(QRgb color);
    QByteArray header();

    const QTextDocument& document_;
    LastMark lastMark_;
    QFont documentFont_;
    QByteArray body_;
    bool delimit_ = false; // the last control word needs a space before plain text
    std::optional<RtfCharFormat> current_;
    std::optional<RtfAlignment> currentAlign_;
    QStringList families_;
    QHash<QString, int> familyIndex_;
    QList<QRgb> colors_;
    QHash<QRgb, int> colorIndex_;
};

#pragma once

#include <QRgb>
#include <QString>

#include <optional>

class QFont;
class QTextCharFormat;

// The character formatting RTF carries here: what the reader sets, the writer writes and a
// round trip keeps.
struct RtfCharFormat {
    // Limits of \fs in half-points: a size beyond them could not be laid out.
    static constexpr int kMinHalfPoints = 2;
    static constexpr int kMaxHalfPoints = 3276;
    static constexpr int kDefaultHalfPoints = 24;

    QString family; // empty: the document's default font
    int halfPoints = kDefaultHalfPoints;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    std::optional<QRgb> color; // none: the automatic text colour

    // What a Qt format shows, with what it leaves unset taken from the document's font.
    static RtfCharFormat of(const QTextCharFormat& format, const QFont& documentFont);

    QTextCharFormat toQt() const;

    bool operator==(const RtfCharFormat&) const = default;
};

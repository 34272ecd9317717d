#pragma once

#include "common/richtext/RtfCharFormat.h"
#include "common/richtext/RtfCodepage.h"
#include "common/richtext/RtfControlWords.h"
#include "common/richtext/RtfLexer.h"
#include "common/richtext/RtfTables.h"
#include "common/richtext/RtfTextBuffer.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

#include <string_view>
#include <vector>

// Reads one RTF document into a text document at a cursor. Whatever the bytes, it ends in
// time linear in their length, with memory bounded by it, having inserted what it could read.
class RtfReader {
public:
    // A whole document's last paragraph mark closes its paragraph; RTF inserted into text keeps
    // every mark, so that what follows it starts a paragraph of its own.
    enum class LastMark { ClosesParagraph, StartsParagraph };

    RtfReader(QTextCursor& cursor, LastMark lastMark);

    void read(std::string_view rtf);

private:
    // UnicodePair is skipped like Skip, but its \ud part is text.
    enum class Destination { Text, FontTable, ColorTable, Skip, UnicodePair };

    struct CharState {
        int font = -1; // -1: the default font (\deff)
        int halfPoints = RtfCharFormat::kDefaultHalfPoints;
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool strike = false;
        int color = -1; // -1: automatic
        bool operator==(const CharState&) const = default;
    };

    struct Group {
        Destination dest = Destination::Text;
        CharState chars;
        Qt::Alignment align = Qt::AlignLeft;
        int unicodeSkip = 1; // \uc: fallback characters after each \u
    };

    Group& group() { return groups_.back(); }
    bool nested() const { return groups_.size() > 2; } // inside a group of the document's own

    void groupStart();
    bool groupEnd();
    void word(const RtfLexer::Token& token);
    void fontTableWord(const RtfLexer::Token& token);
    void colorTableWord(const RtfLexer::Token& token);
    void textWord(const RtfLexer::Token& token);
    void unicodeWord(const RtfLexer::Token& token, RtfControlWords::Action action);
    void symbol(unsigned char symbol);
    void text(std::string_view bytes);
    void hexByte(unsigned char byte);
    void character(char16_t ch);
    void setAlignment(Qt::Alignment align);

    void beginRun();
    void endRun();
    void paragraphBreak();
    void insertPendingBreak();
    void finish();

    int codepage() const;
    const QTextCharFormat& formatOf(const CharState& chars);

    QTextCursor& cursor_;
    RtfDecoder decoder_;
    RtfFontTable fonts_;
    RtfColorTable colors_;
    std::vector<Group> groups_;
    int excessDepth_ = 0; // groups past the depth limit, counted but not kept
    int fallbackLeft_ = 0;
    int documentCodepage_ = RtfCodepage::kWindows1252;
    int defaultFont_ = 0;

    RtfTextBuffer run_;
    CharState runChars_;
    RtfCharFormat cachedKey_;
    QTextCharFormat cachedFormat_;
    bool cacheValid_ = false;

    QTextBlockFormat hostBlockFormat_;
    bool alignmentGiven_ = false; // the document sets paragraph alignment
    Qt::Alignment lastAlign_ = Qt::AlignLeft;
    bool blockIsOurs_ = false; // the cursor's block begins with what was read
    bool contentSinceBreak_ = false;
    // A \par waits until something follows it, so that the last one can close the document.
    bool breakPending_ = false;
    LastMark lastMark_;
};

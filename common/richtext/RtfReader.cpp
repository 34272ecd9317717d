#include "common/richtext/RtfReader.h"

#include "common/richtext/RtfControlWords.h"
#include "common/richtext/RtfSymbolFonts.h"

#include <QTextBlock>

#include <algorithm>

using RtfControlWords::Action;

namespace {

// Deeper nesting is counted but not kept: real documents stay far below it.
constexpr std::size_t kMaxDepth = 256;
constexpr int kMaxUnicodeSkip = 64;

bool isOn(const RtfLexer::Token& token) {
    return !token.hasParam || token.param != 0;
}

} // namespace

RtfReader::RtfReader(QTextCursor& cursor, LastMark lastMark)
    : cursor_(cursor), fonts_(decoder_), groups_(1), run_(decoder_), lastMark_(lastMark) {}

void RtfReader::read(std::string_view rtf) {
    cursor_.beginEditBlock();
    cursor_.removeSelectedText();
    hostBlockFormat_ = cursor_.blockFormat();
    blockIsOurs_ = cursor_.atBlockStart();
    RtfLexer lexer(rtf);
    for (RtfLexer::Token token = lexer.next(); token.kind != RtfLexer::Kind::End;
         token = lexer.next()) {
        using Kind = RtfLexer::Kind;
        if (token.kind == Kind::GroupStart || token.kind == Kind::GroupEnd) {
            fallbackLeft_ = 0; // a fallback never crosses a brace
            if (token.kind == Kind::GroupStart) {
                groupStart();
            } else if (!groupEnd()) {
                break; // the document's own group is closed
            }
            continue;
        }
        if (token.kind == Kind::Text) {
            std::string_view bytes = token.text;
            const std::size_t skipped =
                std::min<std::size_t>(static_cast<std::size_t>(fallbackLeft_), bytes.size());
            bytes.remove_prefix(skipped);
            fallbackLeft_ -= static_cast<int>(skipped);
            text(bytes);
            continue;
        }
        if (fallbackLeft_ > 0) {
            --fallbackLeft_; // a word, symbol or hex byte is one fallback character
            continue;
        }
        if (token.kind == Kind::Word) {
            word(token);
        } else if (token.kind == Kind::Symbol) {
            symbol(token.byte);
        } else {
            hexByte(token.byte);
        }
    }
    finish();
    cursor_.endEditBlock();
}

void RtfReader::groupStart() {
    if (groups_.size() > kMaxDepth) {
        ++excessDepth_;
        return;
    }
    groups_.push_back(groups_.back());
}

bool RtfReader::groupEnd() {
    if (excessDepth_ > 0) {
        --excessDepth_;
        return true;
    }
    if (groups_.size() <= 1) {
        return true; // a stray brace before the document
    }
    const Destination closed = groups_.back().dest;
    groups_.pop_back();
    if (closed == Destination::FontTable) {
        fonts_.endEntry();
        cacheValid_ = false;
    } else if (closed == Destination::ColorTable && group().dest != Destination::ColorTable) {
        colors_.endTable();
        cacheValid_ = false;
    }
    return groups_.size() > 1;
}

void RtfReader::word(const RtfLexer::Token& token) {
    switch (group().dest) {
    case Destination::Text:
        textWord(token);
        break;
    case Destination::FontTable:
        fontTableWord(token);
        break;
    case Destination::ColorTable:
        colorTableWord(token);
        break;
    case Destination::Skip:
        break;
    case Destination::UnicodePair:
        if (RtfControlWords::find(token.text).action == Action::UnicodeDestination) {
            group().dest = Destination::Text;
        }
        break;
    }
}

void RtfReader::fontTableWord(const RtfLexer::Token& token) {
    const RtfControlWords::Word word = RtfControlWords::find(token.text);
    switch (word.action) {
    case Action::SkipDestination:
        group().dest = Destination::Skip;
        break;
    case Action::Font:
        fonts_.beginEntry(token.param);
        break;
    case Action::FontCharset:
        fonts_.setCharset(token.param);
        break;
    case Action::FontCodepage:
        fonts_.setCodepage(token.param);
        break;
    case Action::Unicode:
    case Action::UnicodeSkip:
        unicodeWord(token, word.action);
        break;
    default:
        break;
    }
}

void RtfReader::colorTableWord(const RtfLexer::Token& token) {
    const RtfControlWords::Word word = RtfControlWords::find(token.text);
    using Component = RtfColorTable::Component;
    switch (word.action) {
    case Action::SkipDestination:
        group().dest = Destination::Skip;
        break;
    case Action::Red:
        colors_.setComponent(Component::Red, token.param);
        break;
    case Action::Green:
        colors_.setComponent(Component::Green, token.param);
        break;
    case Action::Blue:
        colors_.setComponent(Component::Blue, token.param);
        break;
    default:
        break;
    }
}

void RtfReader::textWord(const RtfLexer::Token& token) {
    const RtfControlWords::Word word = RtfControlWords::find(token.text);
    CharState& chars = group().chars;
    switch (word.action) {
    case Action::Ignore:
    case Action::FontCharset:
    case Action::FontCodepage:
    case Action::Red:
    case Action::Green:
    case Action::Blue:
        break;
    case Action::SkipDestination:
        // At the top level such a word would hide the whole document.
        if (nested()) {
            group().dest = Destination::Skip;
        }
        break;
    case Action::FontTable:
        if (nested()) {
            group().dest = Destination::FontTable;
        }
        break;
    case Action::UnicodePair:
        if (nested()) {
            group().dest = Destination::UnicodePair;
        }
        break;
    case Action::UnicodeDestination:
        break;
    case Action::ColorTable:
        if (nested()) {
            group().dest = Destination::ColorTable;
            colors_.clear();
        }
        break;
    case Action::Ansi:
        documentCodepage_ = RtfCodepage::kWindows1252;
        break;
    case Action::Mac:
        documentCodepage_ = 10000;
        break;
    case Action::Pc:
        documentCodepage_ = 437;
        break;
    case Action::Pca:
        documentCodepage_ = 850;
        break;
    case Action::AnsiCodepage:
        if (token.param > 0) {
            documentCodepage_ = token.param;
        }
        break;
    case Action::DefaultFont:
        defaultFont_ = token.param;
        break;
    case Action::Plain:
        chars = CharState{};
        break;
    case Action::Font:
        chars.font = token.param;
        break;
    case Action::FontSize:
        chars.halfPoints = token.param > 0 ? std::clamp(token.param, RtfCharFormat::kMinHalfPoints,
                                                        RtfCharFormat::kMaxHalfPoints)
                                           : RtfCharFormat::kDefaultHalfPoints;
        break;
    case Action::Bold:
        chars.bold = isOn(token);
        break;
    case Action::Italic:
        chars.italic = isOn(token);
        break;
    case Action::Underline:
        chars.underline = isOn(token);
        break;
    case Action::UnderlineNone:
        chars.underline = false;
        break;
    case Action::Strike:
        chars.strike = isOn(token);
        break;
    case Action::Color:
        chars.color = token.param;
        break;
    case Action::UnicodeSkip:
    case Action::Unicode:
        unicodeWord(token, word.action);
        break;
    case Action::ParagraphDefault:
    case Action::AlignLeft:
        setAlignment(Qt::AlignLeft);
        break;
    case Action::AlignCenter:
        setAlignment(Qt::AlignHCenter);
        break;
    case Action::AlignRight:
        setAlignment(Qt::AlignRight);
        break;
    case Action::AlignJustify:
        setAlignment(Qt::AlignJustify);
        break;
    case Action::Paragraph:
        paragraphBreak();
        break;
    case Action::Break:
        if (contentSinceBreak_) {
            paragraphBreak();
        }
        break;
    case Action::Character:
        character(word.character);
        break;
    }
}

void RtfReader::unicodeWord(const RtfLexer::Token& token, RtfControlWords::Action action) {
    if (action == Action::UnicodeSkip) {
        group().unicodeSkip = std::clamp(token.hasParam ? token.param : 1, 0, kMaxUnicodeSkip);
        return;
    }
    // Negative values are how RTF writes characters above 32767.
    auto ch = static_cast<char16_t>(token.param);
    // Symbol fonts' own characters sit at U+F0xx; they show what their byte shows.
    if (ch >= 0xF020 && ch <= 0xF0FF && group().dest == Destination::Text &&
        RtfSymbolFonts::isSymbolCodepage(codepage())) {
        ch = RtfSymbolFonts::toUnicode(static_cast<unsigned char>(ch & 0xFF), codepage());
    }
    character(ch);
    fallbackLeft_ = group().unicodeSkip;
}

void RtfReader::symbol(unsigned char symbol) {
    switch (symbol) {
    case '\\':
    case '{':
    case '}': {
        const char c = static_cast<char>(symbol);
        text(std::string_view(&c, 1));
        break;
    }
    case '~':
        character(0x00A0); // no-break space
        break;
    case '-':
        character(0x00AD); // optional hyphen
        break;
    case '_':
        character(0x2011); // no-break hyphen
        break;
    case '*':
        // Marks a destination to skip unless understood; of those only \ud carries text for
        // us, and it comes inside \upr.
        if (nested() && group().dest != Destination::UnicodePair) {
            group().dest = Destination::Skip;
        }
        break;
    default:
        break;
    }
}

void RtfReader::text(std::string_view bytes) {
    if (bytes.empty()) {
        return;
    }
    switch (group().dest) {
    case Destination::Text:
        beginRun();
        run_.appendBytes(bytes, codepage());
        break;
    case Destination::FontTable:
        fonts_.appendText(bytes, documentCodepage_);
        break;
    case Destination::ColorTable:
        for (const char c : bytes) {
            if (c == ';') {
                colors_.endEntry();
            }
        }
        break;
    case Destination::Skip:
    case Destination::UnicodePair:
        break;
    }
}

void RtfReader::hexByte(unsigned char byte) {
    if (group().dest == Destination::Text) {
        beginRun();
        run_.appendByte(byte, codepage());
    } else if (group().dest == Destination::FontTable) {
        fonts_.appendByte(byte, documentCodepage_);
    }
}

void RtfReader::character(char16_t ch) {
    if (group().dest == Destination::Text) {
        beginRun();
        run_.appendChar(ch);
    } else if (group().dest == Destination::FontTable) {
        fonts_.appendChar(ch);
    }
}

void RtfReader::setAlignment(Qt::Alignment align) {
    group().align = align;
    lastAlign_ = align;
    alignmentGiven_ = true;
}

void RtfReader::beginRun() {
    insertPendingBreak();
    if (!(runChars_ == group().chars)) {
        endRun();
        runChars_ = group().chars;
    }
    contentSinceBreak_ = true;
    lastAlign_ = group().align;
}

void RtfReader::endRun() {
    if (run_.isEmpty()) {
        return;
    }
    const QString text = run_.take();
    if (!text.isEmpty()) {
        cursor_.insertText(text, formatOf(runChars_));
    }
}

void RtfReader::paragraphBreak() {
    if (group().dest != Destination::Text) {
        return;
    }
    endRun();
    insertPendingBreak();
    if (alignmentGiven_) {
        QTextBlockFormat format = cursor_.blockFormat();
        format.setAlignment(group().align);
        cursor_.setBlockFormat(format);
    }
    if (cursor_.block().length() == 1) {
        // An empty line is as high as its font.
        cursor_.setBlockCharFormat(formatOf(group().chars));
    }
    breakPending_ = true;
    contentSinceBreak_ = false;
    lastAlign_ = group().align;
}

void RtfReader::insertPendingBreak() {
    if (!breakPending_) {
        return;
    }
    breakPending_ = false;
    // What follows the cursor in the block it splits keeps that block's paragraph format.
    cursor_.insertBlock(hostBlockFormat_);
    blockIsOurs_ = true;
}

void RtfReader::finish() {
    endRun();
    if (breakPending_ && lastMark_ == LastMark::ClosesParagraph) {
        breakPending_ = false;
        return; // the last paragraph got its format from its own mark
    }
    insertPendingBreak();
    // The last paragraph has no \par of its own; it keeps its format only where it is a whole
    // paragraph, not when it ends inside one that was already there.
    if (alignmentGiven_ && blockIsOurs_ && cursor_.atBlockEnd()) {
        QTextBlockFormat format = cursor_.blockFormat();
        format.setAlignment(lastAlign_);
        cursor_.setBlockFormat(format);
    }
}

int RtfReader::codepage() const {
    const int font = groups_.back().chars.font;
    return fonts_.codepage(font < 0 ? defaultFont_ : font, documentCodepage_);
}

const QTextCharFormat& RtfReader::formatOf(const CharState& chars) {
    RtfCharFormat key;
    key.family = fonts_.family(chars.font < 0 ? defaultFont_ : chars.font);
    if (key.family.isEmpty()) {
        key.family = fonts_.family(defaultFont_);
    }
    key.halfPoints = chars.halfPoints;
    key.bold = chars.bold;
    key.italic = chars.italic;
    key.underline = chars.underline;
    key.strike = chars.strike;
    key.color = colors_.at(chars.color);
    if (!cacheValid_ || !(key == cachedKey_)) {
        cachedFormat_ = key.toQt();
        cachedKey_ = key;
        cacheValid_ = true;
    }
    return cachedFormat_;
}

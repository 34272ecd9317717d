#pragma once

#include <string_view>

// What the reader does with each control word it knows.
namespace RtfControlWords {

enum class Action {
    Ignore,
    // destinations
    SkipDestination,
    FontTable,
    ColorTable,
    UnicodePair,        // \upr: text twice, plain and (in \ud) as Unicode
    UnicodeDestination, // \ud
    // document
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCodepage,
    DefaultFont,
    // font and colour tables
    FontCharset,
    FontCodepage,
    Red,
    Green,
    Blue,
    // characters
    Plain,
    Font,
    FontSize,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    Color,
    UnicodeSkip,
    Unicode,
    // paragraphs
    ParagraphDefault,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignJustify,
    // text
    Paragraph,
    Break, // page and section breaks: a paragraph break unless one just happened
    Character,
};

struct Word {
    std::string_view name;
    Action action;
    char16_t character; // for Action::Character
};

// The entry of a word, Action::Ignore for words not listed.
Word find(std::string_view name);

} // namespace RtfControlWords

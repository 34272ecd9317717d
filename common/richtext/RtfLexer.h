#pragma once

#include <cstddef>
#include <string_view>

// Splits RTF bytes into groups, control words, control symbols, hex bytes and text runs.
// Always advances: every call consumes at least one byte until the end.
class RtfLexer {
public:
    enum class Kind { End, GroupStart, GroupEnd, Word, Symbol, Hex, Text };

    struct Token {
        Kind kind = Kind::End;
        std::string_view text; // the word's name (empty when too long to be a known word) or run
        int param = 0;
        bool hasParam = false;
        unsigned char byte = 0; // the symbol's character or the hex byte
    };

    explicit RtfLexer(std::string_view data) : data_(data) {}

    Token next();

private:
    Token word();
    Token escape();

    std::string_view data_;
    std::size_t pos_ = 0;
};

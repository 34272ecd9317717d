#include "common/richtext/RtfLexer.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

// No known word is longer; longer ones are read whole and match nothing.
constexpr std::size_t kMaxWordLength = 32;

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexValue(char c) {
    if (isDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

RtfLexer::Token tokenOf(RtfLexer::Kind kind) {
    RtfLexer::Token token;
    token.kind = kind;
    return token;
}

} // namespace

RtfLexer::Token RtfLexer::next() {
    while (pos_ < data_.size()) {
        const char c = data_[pos_];
        switch (c) {
        case '{':
            ++pos_;
            return tokenOf(Kind::GroupStart);
        case '}':
            ++pos_;
            return tokenOf(Kind::GroupEnd);
        case '\\':
            return escape();
        case '\r':
        case '\n':
            // Line ends in RTF are layout of the file, not text.
            ++pos_;
            continue;
        default:
            break;
        }
        const std::size_t start = pos_;
        while (pos_ < data_.size()) {
            const char d = data_[pos_];
            if (d == '{' || d == '}' || d == '\\' || d == '\r' || d == '\n') {
                break;
            }
            ++pos_;
        }
        Token token = tokenOf(Kind::Text);
        token.text = data_.substr(start, pos_ - start);
        return token;
    }
    return tokenOf(Kind::End);
}

RtfLexer::Token RtfLexer::escape() {
    ++pos_; // the backslash
    if (pos_ >= data_.size()) {
        return tokenOf(Kind::End);
    }
    const char c = data_[pos_];
    if (isLetter(c)) {
        return word();
    }
    ++pos_;
    if (c == '\r' || c == '\n') {
        // A backslash before a line end is an old spelling of \par.
        Token token = tokenOf(Kind::Word);
        token.text = "par";
        return token;
    }
    if (c == '\'') {
        const int high = pos_ < data_.size() ? hexValue(data_[pos_]) : -1;
        const int low = pos_ + 1 < data_.size() ? hexValue(data_[pos_ + 1]) : -1;
        if (high < 0 || low < 0) {
            // A broken hex escape is a symbol nobody knows: it stands for nothing.
            Token token = tokenOf(Kind::Symbol);
            token.byte = '\'';
            return token;
        }
        pos_ += 2;
        Token token = tokenOf(Kind::Hex);
        token.byte = static_cast<unsigned char>(high * 16 + low);
        return token;
    }
    Token token = tokenOf(Kind::Symbol);
    token.byte = static_cast<unsigned char>(c);
    return token;
}

RtfLexer::Token RtfLexer::word() {
    const std::size_t start = pos_;
    while (pos_ < data_.size() && isLetter(data_[pos_])) {
        ++pos_;
    }
    Token token = tokenOf(Kind::Word);
    if (pos_ - start <= kMaxWordLength) {
        token.text = data_.substr(start, pos_ - start);
    }
    bool negative = false;
    if (pos_ + 1 < data_.size() && data_[pos_] == '-' && isDigit(data_[pos_ + 1])) {
        negative = true;
        ++pos_;
    }
    if (pos_ < data_.size() && isDigit(data_[pos_])) {
        // Every digit is consumed; the value saturates instead of overflowing.
        std::int64_t value = 0;
        constexpr std::int64_t kLimit = std::numeric_limits<int>::max();
        while (pos_ < data_.size() && isDigit(data_[pos_])) {
            value = std::min(value * 10 + (data_[pos_] - '0'), kLimit + 1);
            ++pos_;
        }
        value = std::min(value, kLimit);
        token.hasParam = true;
        token.param = static_cast<int>(negative ? -value : value);
    }
    if (pos_ < data_.size() && data_[pos_] == ' ') {
        ++pos_; // the delimiter belongs to the word
    }
    if (token.text == "bin" && token.hasParam && token.param > 0) {
        // Binary data is skipped unread; it may hold any byte, braces included.
        pos_ += std::min<std::size_t>(static_cast<std::size_t>(token.param), data_.size() - pos_);
    }
    return token;
}

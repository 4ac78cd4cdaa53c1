// Tokens of .x text and the conversions of words into numbers and names.
#include "xfile/xfile_lexer.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace d3dx::xfile {

namespace {

constexpr std::size_t kMaxGuidLength = 40;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\0' || c == ',' || c == ';';
}

// Characters that end a word: blanks and the characters that start another token.
bool EndsWord(char c) {
    return IsBlank(c) || c == '{' || c == '}' || c == '"' || c == '<';
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

bool Lexer::SkipBlanks() {
    bool separated = false;
    while (pos_ < text_.size()) {
        char c = text_[pos_];
        bool lineComment =
            c == '#' || (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '/');
        if (lineComment) {
            while (pos_ < text_.size() && text_[pos_] != '\n') {
                ++pos_;
            }
        } else if (IsBlank(c)) {
            separated = separated || c == ',' || c == ';';
            ++pos_;
        } else {
            return separated;
        }
    }
    return separated;
}

Token Lexer::Next() {
    bool separated = SkipBlanks();
    Token token = NextAfterBlanks();
    token.separated = separated;
    return token;
}

Token Lexer::NextAfterBlanks() {
    if (pos_ >= text_.size()) {
        return {TokenKind::End, {}};
    }
    char c = text_[pos_];
    if (c == '{' || c == '}') {
        ++pos_;
        return {c == '{' ? TokenKind::OpenBrace : TokenKind::CloseBrace, text_.substr(pos_ - 1, 1)};
    }
    if (c == '"') {
        std::size_t close = text_.find('"', pos_ + 1);
        if (close == std::string_view::npos) {
            pos_ = text_.size();
            return {TokenKind::Invalid, {}};
        }
        Token token{TokenKind::String, text_.substr(pos_ + 1, close - pos_ - 1)};
        pos_ = close + 1;
        return token;
    }
    if (c == '<') {
        std::size_t close = text_.find('>', pos_ + 1);
        if (close == std::string_view::npos || close - pos_ - 1 > kMaxGuidLength) {
            pos_ = text_.size();
            return {TokenKind::Invalid, {}};
        }
        Token token{TokenKind::Guid, text_.substr(pos_ + 1, close - pos_ - 1)};
        pos_ = close + 1;
        return token;
    }
    std::size_t start = pos_;
    while (pos_ < text_.size() && !EndsWord(text_[pos_])) {
        ++pos_;
    }
    return {TokenKind::Word, text_.substr(start, pos_ - start)};
}

bool ParseDword(std::string_view text, std::uint32_t& out) {
    for (char c : text) {
        if (!IsDigit(c)) {
            return false;
        }
    }
    std::uint64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        value > 0xFFFFFFFFu) {
        return false;
    }
    out = static_cast<std::uint32_t>(value);
    return true;
}

bool ParseFloat(std::string_view text, float& out) {
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '-') {
        digits.remove_prefix(1);
    }
    std::size_t point = digits.find('.');
    std::size_t digitCount = 0;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (IsDigit(digits[i])) {
            ++digitCount;
        } else if (i != point) {
            return false;
        }
    }
    bool isInteger = point == std::string_view::npos && digits.size() == text.size();
    if (digitCount == 0 || isInteger || text.front() == '.') {
        return false;
    }
    float value = 0.0f;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return false;
    }
    out = value;
    return true;
}

bool IsTypeName(std::string_view text) {
    if (text.empty() || !(IsLetter(text.front()) || text.front() == '_')) {
        return false;
    }
    for (char c : text) {
        if (!IsLetter(c) && !IsDigit(c) && c != '_') {
            return false;
        }
    }
    return true;
}

bool IsObjectName(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    for (char c : text) {
        if (!IsLetter(c) && !IsDigit(c) && c != '_' && c != '-' && c != '.') {
            return false;
        }
    }
    return true;
}

} // namespace d3dx::xfile

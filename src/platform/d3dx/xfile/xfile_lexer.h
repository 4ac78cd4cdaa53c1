// Splits the text of a .x file (after its 16-byte header) into tokens.
//
// Whitespace (and NUL bytes), the separators ',' and ';' and comments ('#' or '//' up to the
// end of the line, where a token may start) are skipped: real files place separators loosely,
// and the data's own counts say how many values belong together.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace d3dx::xfile {

enum class TokenKind {
    End,        // no more text
    Word,       // a run of other characters: a number, a name or a keyword
    String,     // "text": `text` holds what is between the quotes
    Guid,       // <...>: `text` holds what is between the angle brackets
    OpenBrace,  // {
    CloseBrace, // }
    Invalid,    // a string or GUID that does not end
};

struct Token {
    TokenKind kind = TokenKind::End;
    std::string_view text;
    bool separated = false; // a ',' or ';' came between the previous token and this one
};

class Lexer {
public:
    explicit Lexer(std::string_view text) : text_(text) {}

    Token Next();

private:
    // Skips to the next token; true if a separator was among what it skipped.
    bool SkipBlanks();
    Token NextAfterBlanks();

    std::string_view text_;
    std::size_t pos_ = 0;
};

// True for a plain decimal DWORD ("0" .. "4294967295"); stores it in `out`.
bool ParseDword(std::string_view text, std::uint32_t& out);
// True for a number the platform's reader takes where a FLOAT is expected: digits with a
// leading '-' or a decimal point or both ("-1", "0.5", "5.", "-.5"). A bare integer ("1"),
// a leading point (".5"), a '+', an exponent and anything else are refused, as there.
bool ParseFloat(std::string_view text, float& out);
// True for a template or type name: a letter or '_' followed by letters, digits or '_'.
bool IsTypeName(std::string_view text);
// True for an object name: letters, digits, '_', '-' and '.'.
bool IsObjectName(std::string_view text);

} // namespace d3dx::xfile

// Data files as the game's readers see them: streams of whitespace-separated tokens that know
// nothing of lines. The checker keeps the whole text, so that a place in the stream (where a
// reader stopped, where a record begins) becomes a line number.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

enum class TextStatus { Read, CannotOpen, TooLarge };

struct DataText {
    TextStatus status;
    std::string text;
};

// Files beyond this size are not checked (the game would read them; no sensible one is this
// large, and a path that names a device could otherwise be read for ever).
constexpr std::size_t kLargestDataText = std::size_t{64} << 20;

// Reads the data file at a path as the game builds it ("levels\\first.txt"), opened as the
// game opens it.
DataText ReadDataText(const std::string& gamePath);

// True for the characters the stream extraction skips as white space.
bool IsStreamSpace(char c);

class ScannedText {
public:
    explicit ScannedText(std::string text);

    const std::string& Text() const { return text_; }
    // Line of the character at offset, from 1; the end of the text is on the last line.
    int LineAt(std::size_t offset) const;
    // Line of the last token, 0 when the text holds none.
    int LastTokenLine() const;
    // The whole whitespace-separated token around offset.
    std::string_view TokenAround(std::size_t offset) const;
    // The first white space (or the end) at or after offset.
    std::size_t TokenEnd(std::size_t offset) const;
    // True when offset lies inside a token, after its first character: a reader that took
    // only the first part of a token (a number's digits, a heading's letter) stopped there.
    bool InsideToken(std::size_t offset) const;
    // The first character at or after offset that is not white space (the size at the end).
    std::size_t SkipSpace(std::size_t offset) const;

private:
    std::string text_;
    std::vector<std::size_t> lineStarts_;
};

enum class FieldType { Keyword, Word, Integer, Number, Letter };

// One extraction of a reader: what it asked for and where in the text its token lies.
struct ReadField {
    FieldType type;
    std::string what;    // for messages: "the height", "'start'", "the kind of object 3"
    std::string keyword; // the keyword a Keyword field asks for
    std::size_t start;   // first character after white space; the text's size at its end
    std::size_t end;     // first character not taken
    bool read;           // false for the field where reading stopped
    int record;          // the object or list record it belongs to, from 0; -1 for none
};

// "a whole number", "a number", ...: what a field's type asks of its token.
const char* Expected(FieldType type);

// Mirrors a reader of the game over the same text, extraction by extraction, with the
// stream's own extraction of each token, and notes where each field lies. Once a field cannot
// be read the reader has stopped and later calls only return false, as the game's do.
class TokenReader {
public:
    explicit TokenReader(const ScannedText& text, std::size_t from = 0);

    bool Keyword(const char* keyword);
    bool Word(std::string what, std::string* value = nullptr);
    bool Integer(std::string what, int* value = nullptr);
    bool Number(std::string what, float* value = nullptr);
    bool Letter(std::string what, char* value = nullptr);
    // The fields that follow belong to this record (-1: to none).
    void InRecord(int record) { record_ = record; }

    bool Stopped() const { return stopped_; }
    const std::vector<ReadField>& Fields() const { return fields_; }

private:
    template <class T>
    bool Extract(FieldType type, std::string what, const char* keyword, T* value);

    const ScannedText& text_;
    std::size_t position_;
    int record_ = -1;
    bool stopped_ = false;
    std::vector<ReadField> fields_;
};

// The field in which a reader that stopped at offset stopped: the last field that begins at
// or before it. Null when there is none.
const ReadField* FieldAt(const std::vector<ReadField>& fields, std::size_t offset);

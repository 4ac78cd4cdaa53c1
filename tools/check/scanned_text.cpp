#include "scanned_text.h"

#include "data_file.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <type_traits>

DataText ReadDataText(const std::string& gamePath) {
    std::ifstream file;
    OpenDataStream(file, gamePath);
    if (!file.is_open()) {
        return {TextStatus::CannotOpen, {}};
    }
    DataText data{TextStatus::Read, {}};
    char block[1 << 16];
    while (file.read(block, sizeof block) || file.gcount() > 0) {
        data.text.append(block, static_cast<std::size_t>(file.gcount()));
        if (data.text.size() > kLargestDataText) {
            return {TextStatus::TooLarge, {}};
        }
    }
    return data;
}

bool IsStreamSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

ScannedText::ScannedText(std::string text) : text_(std::move(text)) {
    lineStarts_.push_back(0);
    for (std::size_t i = 0; i < text_.size(); ++i) {
        if (text_[i] == '\n') {
            lineStarts_.push_back(i + 1);
        }
    }
}

int ScannedText::LineAt(std::size_t offset) const {
    const auto after = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), offset);
    return static_cast<int>(after - lineStarts_.begin());
}

int ScannedText::LastTokenLine() const {
    for (std::size_t i = text_.size(); i > 0; --i) {
        if (!IsStreamSpace(text_[i - 1])) {
            return LineAt(i - 1);
        }
    }
    return 0;
}

std::string_view ScannedText::TokenAround(std::size_t offset) const {
    std::size_t first = std::min(offset, text_.size());
    while (first > 0 && !IsStreamSpace(text_[first - 1])) {
        --first;
    }
    return std::string_view(text_).substr(first, TokenEnd(first) - first);
}

std::size_t ScannedText::TokenEnd(std::size_t offset) const {
    while (offset < text_.size() && !IsStreamSpace(text_[offset])) {
        ++offset;
    }
    return offset;
}

bool ScannedText::InsideToken(std::size_t offset) const {
    return offset > 0 && offset < text_.size() && !IsStreamSpace(text_[offset - 1]) &&
           !IsStreamSpace(text_[offset]);
}

std::size_t ScannedText::SkipSpace(std::size_t offset) const {
    while (offset < text_.size() && IsStreamSpace(text_[offset])) {
        ++offset;
    }
    return offset;
}

const char* Expected(FieldType type) {
    switch (type) {
    case FieldType::Integer:
        return "a whole number";
    case FieldType::Number:
        return "a number";
    case FieldType::Letter:
        return "a letter";
    default:
        return "a word";
    }
}

TokenReader::TokenReader(const ScannedText& text, std::size_t from)
    : text_(text), position_(from) {}

template <class T>
bool TokenReader::Extract(FieldType type, std::string what, const char* keyword, T* value) {
    if (stopped_) {
        return false;
    }
    const std::string& all = text_.Text();
    const std::size_t start = text_.SkipSpace(position_);
    const std::size_t tokenEnd = text_.TokenEnd(start);
    // A number or a word never reaches past its token, so the extraction from the token
    // alone takes what the extraction from the whole stream takes.
    std::istringstream token(all.substr(start, tokenEnd - start));
    T extracted{};
    bool read = start < all.size() && static_cast<bool>(token >> extracted);
    std::size_t end = start;
    if (read) {
        // The buffer's own position: the stream's tellg answers -1 once the token's end
        // has been reached.
        end = start +
              static_cast<std::size_t>(token.rdbuf()->pubseekoff(0, std::ios::cur, std::ios::in));
        if constexpr (std::is_same_v<T, std::string>) {
            read = keyword == nullptr || extracted == keyword;
        }
    }
    fields_.push_back({type, std::move(what), keyword ? keyword : "", start, end, read, record_});
    position_ = end;
    stopped_ = !read;
    if (read && value != nullptr) {
        *value = extracted;
    }
    return read;
}

bool TokenReader::Keyword(const char* keyword) {
    return Extract<std::string>(FieldType::Keyword, "'" + std::string(keyword) + "'", keyword,
                                nullptr);
}

bool TokenReader::Word(std::string what, std::string* value) {
    return Extract(FieldType::Word, std::move(what), nullptr, value);
}

bool TokenReader::Integer(std::string what, int* value) {
    return Extract(FieldType::Integer, std::move(what), nullptr, value);
}

bool TokenReader::Number(std::string what, float* value) {
    return Extract(FieldType::Number, std::move(what), nullptr, value);
}

bool TokenReader::Letter(std::string what, char* value) {
    return Extract(FieldType::Letter, std::move(what), nullptr, value);
}

const ReadField* FieldAt(const std::vector<ReadField>& fields, std::size_t offset) {
    const ReadField* found = nullptr;
    for (const ReadField& field : fields) {
        if (field.start > offset) {
            break;
        }
        found = &field;
    }
    return found;
}

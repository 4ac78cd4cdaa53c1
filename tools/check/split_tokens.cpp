#include "split_tokens.h"

namespace {

std::string Part(const ScannedText& text, const ReadField& field) {
    return Quoted(text.Text().substr(field.start, field.end - field.start));
}

} // namespace

std::string SplitToken(const std::vector<ReadField>& fields, std::size_t index,
                       const ScannedText& text) {
    const ReadField& before = fields[index - 1];
    return Quoted(text.TokenAround(fields[index].start)) + " is not " + Expected(before.type) +
           " (" + before.what + "): the game reads " + Part(text, before);
}

void ReportSplitTokens(const std::vector<ReadField>& fields, std::size_t upTo,
                       const ScannedText& text, const std::string& file, Findings& findings) {
    for (std::size_t i = 1; i < fields.size() && i < upTo; ++i) {
        if (text.InsideToken(fields[i].start)) {
            findings.Warning(file, text.LineAt(fields[i].start),
                             SplitToken(fields, i, text) + " and then " + Part(text, fields[i]) +
                                 " as " + fields[i].what);
        }
    }
}

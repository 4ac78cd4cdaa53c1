#include "level_reading.h"

#include "split_tokens.h"

#include <algorithm>
#include <sstream>

namespace {

const char* const kStops = "; the game stops reading the level here";

std::string Text(const ScannedText& text, std::size_t from, std::size_t to) {
    return text.Text().substr(from, to - from);
}

// Object records the level's object list holds, each station followed by its eight
// "blocked" tiles.
std::vector<ObjectSource> SourcesOf(const CLevel& level) {
    std::vector<ObjectSource> sources;
    int record = 0;
    for (std::size_t i = 0; i < level.objects.size(); ++record) {
        sources.push_back({record, false});
        const bool station = level.objects[i].kind == "station";
        ++i;
        for (int ring = 0; station && ring < 8 && i < level.objects.size(); ++ring, ++i) {
            sources.push_back({record, true});
        }
    }
    return sources;
}

// How many whole object records follow from offset (for a count that is too small).
int RecordsFrom(const ScannedText& text, std::size_t offset) {
    TokenReader reader(text, offset);
    int records = 0;
    while (reader.Integer("x") && reader.Integer("y") && reader.Word("kind") &&
           reader.Number("scale") && reader.Number("angle")) {
        ++records;
    }
    return records;
}

// The message for the field where reading stopped, at the line it concerns.
void ReportStop(const LevelReading& reading, const ScannedText& text, const std::string& file,
                Findings& findings) {
    const std::vector<ReadField>& fields = reading.layout.fields;
    if (text.LastTokenLine() == 0) {
        findings.Error(file, 0, "the file is empty");
        return;
    }
    if (reading.stoppedAt >= fields.size()) {
        findings.Error(file, text.LineAt(reading.endOffset),
                       "the game stops reading the level here");
        return;
    }
    const ReadField& field = fields[reading.stoppedAt];
    const std::size_t countField = reading.layout.FirstFieldOf(LevelPart::Objects) + 1;
    const int countLine = reading.LineOfField(text, countField);
    const int count = reading.level->objectCount;
    const bool firstOfRecord =
        field.record >= 0 && reading.layout.records[field.record] == reading.stoppedAt;
    const std::string token = Text(text, field.start, text.TokenEnd(field.start));

    if (field.start >= text.Text().size()) {
        if (firstOfRecord) {
            findings.Error(file, countLine,
                           "'objects' says " + std::to_string(count) +
                               ", but the file ends after " + std::to_string(field.record) +
                               " object records");
        } else if (field.record >= 0) {
            findings.Error(file, reading.LineOfRecord(text, field.record),
                           "the file ends inside object " + std::to_string(field.record + 1));
        } else {
            findings.Error(file, text.LastTokenLine(),
                           "the file ends where the game expects " + field.what);
        }
    } else if (reading.stoppedAt > 0 && text.InsideToken(field.start)) {
        findings.Error(file, text.LineAt(field.start),
                       SplitToken(fields, reading.stoppedAt, text) + " and stops at " +
                           Quoted(token) + ", where it expects " + field.what);
    } else if (field.type == FieldType::Keyword && field.keyword == "start" &&
               RecordsFrom(text, field.start) > 0) {
        const int more = RecordsFrom(text, field.start);
        findings.Error(file, countLine,
                       "'objects' says " + std::to_string(count) + ", but " +
                           std::to_string(std::max(count, 0) + more) +
                           " object records follow: the game stops at line " +
                           std::to_string(text.LineAt(field.start)) + ", where it expects 'start'");
    } else if (field.type == FieldType::Keyword) {
        findings.Error(file, text.LineAt(field.start),
                       "expected " + field.what + ", found " + Quoted(token) + kStops);
    } else if (firstOfRecord && token == "start") {
        findings.Error(file, countLine,
                       "'objects' says " + std::to_string(count) + ", but only " +
                           std::to_string(field.record) +
                           " object records follow: the game reads " + "'start' on line " +
                           std::to_string(text.LineAt(field.start)) + " as " + field.what +
                           " and stops there");
    } else {
        findings.Error(file, text.LineAt(field.start),
                       Quoted(token) + " cannot be read as " + field.what + " (" +
                           Expected(field.type) + ")" + kStops);
    }
}

// Tokens the reader took in two parts without stopping there, and text it never reads.
void ReportLeftovers(const LevelReading& reading, const ScannedText& text, const std::string& file,
                     Findings& findings) {
    const std::vector<ReadField>& fields = reading.layout.fields;
    ReportSplitTokens(fields, reading.stoppedAt, text, file, findings);
    if (!reading.complete) {
        return;
    }
    const std::size_t rest = text.SkipSpace(reading.endOffset);
    if (rest >= text.Text().size()) {
        return;
    }
    if (text.InsideToken(reading.endOffset)) {
        findings.Warning(file, text.LineAt(reading.endOffset),
                         Quoted(text.TokenAround(reading.endOffset)) +
                             " is not a number (the speed): the game reads " +
                             Quoted(Text(text, fields.back().start, fields.back().end)) +
                             " and ignores the rest");
    } else {
        findings.Warning(file, text.LineAt(rest),
                         "the game ignores everything after the speed, from " +
                             Quoted(text.TokenAround(rest)));
    }
}

} // namespace

int LevelReading::LineOfField(const ScannedText& text, std::size_t field) const {
    return field < layout.fields.size() ? text.LineAt(layout.fields[field].start)
                                        : text.LastTokenLine();
}

int LevelReading::LineOf(const ScannedText& text, LevelPart part) const {
    return LineOfField(text, layout.FirstFieldOf(part));
}

int LevelReading::LineOfRecord(const ScannedText& text, int record) const {
    return record >= 0 && static_cast<std::size_t>(record) < layout.records.size()
               ? LineOfField(text, layout.records[static_cast<std::size_t>(record)])
               : text.LastTokenLine();
}

LevelReading ReadLevelText(const ScannedText& text) {
    LevelReading reading;
    // Made without a file (an empty path opens none), then read from the text itself.
    reading.level = std::make_unique<CLevel>(nullptr, nullptr, "");
    std::istringstream input(text.Text());
    reading.complete = reading.level->ReadLevel(input) == 0;
    input.clear();
    reading.endOffset =
        static_cast<std::size_t>(input.rdbuf()->pubseekoff(0, std::ios::cur, std::ios::in));
    reading.layout = LayOutLevel(text);
    const ReadField* stop = FieldAt(reading.layout.fields, reading.endOffset);
    if (reading.complete) {
        reading.stoppedAt = reading.layout.fields.size();
    } else {
        reading.stoppedAt =
            stop ? static_cast<std::size_t>(stop - reading.layout.fields.data()) : 0;
    }
    reading.sources = SourcesOf(*reading.level);
    return reading;
}

void ReportLevelReading(const LevelReading& reading, const ScannedText& text,
                        const std::string& file, Findings& findings) {
    if (!reading.complete) {
        ReportStop(reading, text, file, findings);
    }
    ReportLeftovers(reading, text, file, findings);
}

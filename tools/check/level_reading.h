// A level file read by the game's own reader (CLevel::ReadLevel), with the place where it
// stopped turned into a field of the file's layout, and the findings about the reading:
// where and why the reader stopped, numbers it read only in part, text it ignores.
#pragma once

#include "findings.h"
#include "level_layout.h"
#include "scanned_text.h"
#include "world/level.h"

#include <memory>
#include <string>
#include <vector>

// Where an object of the game's list comes from: a record of the file, or one of the eight
// "blocked" tiles the reader adds around the station of that record.
struct ObjectSource {
    int record;
    bool aroundStation;
};

struct LevelReading {
    std::unique_ptr<CLevel> level;
    LevelLayout layout;
    bool complete;         // the reader read the whole sequence
    std::size_t stoppedAt; // index of the field where it stopped; the field count when complete
    std::size_t endOffset; // where the reader's stream stood when it returned
    std::vector<ObjectSource> sources; // one per object of the level, in list order

    bool Complete(LevelPart part) const { return layout.Complete(part, stoppedAt); }
    // Line of a field, of a part's first field (its keyword) and of an object record.
    int LineOfField(const ScannedText& text, std::size_t field) const;
    int LineOf(const ScannedText& text, LevelPart part) const;
    int LineOfRecord(const ScannedText& text, int record) const;
};

LevelReading ReadLevelText(const ScannedText& text);

void ReportLevelReading(const LevelReading& reading, const ScannedText& text,
                        const std::string& file, Findings& findings);

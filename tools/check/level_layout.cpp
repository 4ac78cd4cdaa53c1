#include "level_layout.h"

#include <string>

std::size_t LevelLayout::FirstFieldOf(LevelPart part) const {
    const auto index = static_cast<std::size_t>(part);
    return index == 0 ? 0 : partEnds[index - 1];
}

bool LevelLayout::Complete(LevelPart part, std::size_t stoppedAt) const {
    return stoppedAt >= partEnds[static_cast<std::size_t>(part)];
}

LevelLayout LayOutLevel(const ScannedText& text) {
    TokenReader reader(text);
    LevelLayout layout;
    const auto endPart = [&](LevelPart part) {
        layout.partEnds[static_cast<std::size_t>(part)] = reader.Fields().size();
    };

    reader.Keyword("style");
    reader.Word("the style");
    endPart(LevelPart::Style);
    reader.Keyword("height");
    reader.Integer("the height");
    reader.Keyword("width");
    reader.Integer("the width");
    endPart(LevelPart::Size);
    reader.Keyword("camera_data");
    for (const char* vector : {"position", "up", "look", "right"}) {
        for (const char* axis : {"x", "y", "z"}) {
            reader.Number(std::string("the camera's ") + vector + " " + axis);
        }
    }
    endPart(LevelPart::Camera);
    reader.Keyword("objects");
    int count = 0;
    reader.Integer("the object count", &count);
    // As in the game, the count only bounds the loop: reading ends with the file.
    for (int record = 0; record < count && !reader.Stopped(); ++record) {
        const std::string of = " of object " + std::to_string(record + 1);
        reader.InRecord(record);
        layout.records.push_back(reader.Fields().size());
        reader.Integer("the x" + of);
        reader.Integer("the y" + of);
        reader.Word("the kind" + of);
        reader.Number("the scale" + of);
        reader.Number("the angle" + of);
    }
    reader.InRecord(-1);
    endPart(LevelPart::Objects);
    for (const char* part : {"start", "finish"}) {
        reader.Keyword(part);
        reader.Integer(std::string("the ") + part + " x");
        reader.Integer(std::string("the ") + part + " y");
        reader.Letter(std::string("the ") + part + " heading");
        endPart(part[0] == 's' ? LevelPart::Start : LevelPart::Finish);
    }
    reader.Keyword("speed");
    reader.Number("the speed");
    endPart(LevelPart::Speed);
    layout.fields = reader.Fields();
    return layout;
}

// Where each field of a level file lies: the token scanner run over the file in the order of
// the game's level reader (style, height, width, camera_data, objects and their records,
// start, finish, speed).
#pragma once

#include "scanned_text.h"

#include <array>
#include <cstddef>
#include <vector>

enum class LevelPart { Style, Size, Camera, Objects, Start, Finish, Speed };
constexpr std::size_t kLevelParts = 7;

struct LevelLayout {
    std::vector<ReadField> fields;
    // One past the index of each part's last field (the parts never reached end where
    // reading stopped).
    std::array<std::size_t, kLevelParts> partEnds{};
    // Index of the first field (x) of each object record.
    std::vector<std::size_t> records;

    // Index of a part's first field: its keyword (height's for Size).
    std::size_t FirstFieldOf(LevelPart part) const;
    // Whether every field of the part lies before the field where reading stopped.
    bool Complete(LevelPart part, std::size_t stoppedAt) const;
};

LevelLayout LayOutLevel(const ScannedText& text);

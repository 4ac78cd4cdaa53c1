// The end of the track and the pieces the standing turn targets can still lay, as the track
// rules see them.
#pragma once

#include "solver/object_set.h"
#include "world/level.h"

#include <cstddef>
#include <optional>
#include <vector>

struct TrackEnd {
    int x;
    int y;
    char dir;
    bool operator==(const TrackEnd&) const = default;
};

// How many pieces of each turn the standing turn targets lay, one each.
struct TurnCounts {
    int right = 0;
    int left = 0;
    int straight = 0;
    bool operator==(const TurnCounts&) const = default;

    int& Of(char turn);
};

inline constexpr char kTurns[] = {'r', 'l', 's'};

TrackEnd TrackEndOf(const CLevel& level);
TrackEnd FinishOf(const CLevel& level);
TurnCounts StandingTurns(const std::vector<CLevelObject>& fileObjects, const ObjectSet& standing);

// Lays one piece with the game's LayPiece from this track end: the new end, or none when the
// run would be lost. A laid piece stays in the level's list.
std::optional<TrackEnd> LayPieceFrom(CLevel& level, TrackEnd end, char turn);

// A hash of track ends and counts for the searches over them.
std::size_t HashOf(const TrackEnd& end, const TurnCounts& counts);

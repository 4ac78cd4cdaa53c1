#include "solver/track_pieces.h"

#include "solver/target_kinds.h"

#include <functional>

int& TurnCounts::Of(char turn) {
    return turn == 'r' ? right : turn == 'l' ? left : straight;
}

TrackEnd TrackEndOf(const CLevel& level) {
    return {level.trackEndX, level.trackEndY, level.trackEndDir};
}

TrackEnd FinishOf(const CLevel& level) {
    return {level.finishX, level.finishY, level.finishDir};
}

TurnCounts StandingTurns(const std::vector<CLevelObject>& fileObjects, const ObjectSet& standing) {
    TurnCounts counts;
    for (std::size_t i = 0; i < fileObjects.size(); ++i) {
        if (const char turn = TurnLetterOf(fileObjects[i].kind);
            turn != 0 && standing.Contains(i)) {
            ++counts.Of(turn);
        }
    }
    return counts;
}

std::optional<TrackEnd> LayPieceFrom(CLevel& level, TrackEnd end, char turn) {
    level.trackEndX = end.x;
    level.trackEndY = end.y;
    level.trackEndDir = end.dir;
    level.gameOver = false;
    if (level.LayPiece(turn) != 0 || level.gameOver) {
        return std::nullopt;
    }
    return TrackEndOf(level);
}

std::size_t HashOf(const TrackEnd& end, const TurnCounts& counts) {
    std::size_t hash = 0;
    for (const int value :
         {end.x, end.y, int{end.dir}, counts.right, counts.left, counts.straight}) {
        hash = hash * 1000003u ^ std::hash<int>{}(value);
    }
    return hash;
}

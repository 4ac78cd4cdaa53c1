// The fewest pieces the track still needs to reach the finish: a breadth-first search over
// the track ends that LayPiece reaches when each standing turn target lays one piece, with
// every target a hit takes away counted as gone and the pieces of the search itself taking no
// room. It never needs more pieces than play does, so the solver can order by it and drop
// positions it calls unreachable.
#pragma once

#include "solver/track_pieces.h"
#include "world/level.h"

#include <climits>
#include <optional>
#include <string>
#include <unordered_map>

class CCatalog;
class LevelStates;
struct LevelState;

class TrackReach {
public:
    static constexpr int kUnreachable = INT_MAX;

    TrackReach(CCatalog& catalog, const std::string& levelPath, const LevelStates& states);

    int PiecesNeeded(const LevelState& state);

private:
    struct Step {
        TrackEnd from;
        char turn;
        bool operator==(const Step&) const = default;
    };
    struct StepHash {
        std::size_t operator()(const Step& step) const;
    };

    std::optional<TrackEnd> Next(TrackEnd from, char turn);
    int Search(TrackEnd start, TurnCounts counts);

    CLevel m_level;
    const LevelStates& m_states;
    const TrackEnd m_finish;
    // The laid pieces the working level holds now, and where one more piece leads with them.
    std::string m_piecesKey;
    std::unordered_map<Step, std::optional<TrackEnd>, StepHash> m_next;
    std::unordered_map<std::string, int> m_needed;
};

#include "solver/track_reach.h"

#include "solver/level_state.h"
#include "solver/state_key.h"
#include "solver/target_kinds.h"

#include <deque>
#include <unordered_set>

namespace {

struct Position {
    TrackEnd end;
    TurnCounts counts;
    bool operator==(const Position&) const = default;
};

struct PositionHash {
    std::size_t operator()(const Position& position) const {
        return HashOf(position.end, position.counts);
    }
};

std::string PiecesKey(const std::vector<CLevelObject>& laid) {
    std::string key;
    for (const CLevelObject& piece : laid) {
        AppendToKey(key, piece.x);
        AppendToKey(key, piece.y);
        AppendToKey(key, piece.angle);
        key += piece.kind;
        key.push_back('\0');
    }
    return key;
}

} // namespace

std::size_t TrackReach::StepHash::operator()(const Step& step) const {
    return HashOf(step.from, TurnCounts{step.turn, 0, 0});
}

TrackReach::TrackReach(CCatalog& catalog, const std::string& levelPath, const LevelStates& states)
    : m_level(nullptr, &catalog, levelPath), m_states(states), m_finish(FinishOf(m_level)) {
    m_level.objects = LastingObjects(states.FileObjects());
}

int TrackReach::PiecesNeeded(const LevelState& state) {
    const TrackEnd end{state.trackEndX, state.trackEndY, state.trackEndDir};
    if (end == m_finish) {
        return 0;
    }
    const TurnCounts counts = StandingTurns(m_states.FileObjects(), state.standing);
    std::string key = PiecesKey(state.laid);
    if (key != m_piecesKey) {
        m_level.objects = LastingObjects(m_states.FileObjects());
        m_level.objects.insert(m_level.objects.end(), state.laid.begin(), state.laid.end());
        m_piecesKey = key;
        m_next.clear();
    }
    for (const int value :
         {end.x, end.y, int{end.dir}, counts.right, counts.left, counts.straight}) {
        AppendToKey(key, value);
    }
    if (const auto known = m_needed.find(key); known != m_needed.end()) {
        return known->second;
    }
    const int needed = Search(end, counts);
    m_needed.emplace(std::move(key), needed);
    return needed;
}

std::optional<TrackEnd> TrackReach::Next(TrackEnd from, char turn) {
    const Step step{from, turn};
    if (const auto known = m_next.find(step); known != m_next.end()) {
        return known->second;
    }
    const std::size_t pieces = m_level.objects.size();
    const std::optional<TrackEnd> next = LayPieceFrom(m_level, from, turn);
    m_level.objects.resize(pieces);
    m_next.emplace(step, next);
    return next;
}

int TrackReach::Search(TrackEnd start, TurnCounts counts) {
    std::unordered_set<Position, PositionHash> seen{{start, counts}};
    std::deque<std::pair<Position, int>> open{{{start, counts}, 0}};
    while (!open.empty()) {
        const auto [position, pieces] = open.front();
        open.pop_front();
        for (const char turn : kTurns) {
            Position after = position;
            if (after.counts.Of(turn) == 0) {
                continue;
            }
            --after.counts.Of(turn);
            const std::optional<TrackEnd> next = Next(position.end, turn);
            if (!next) {
                continue;
            }
            if (*next == m_finish) {
                return pieces + 1;
            }
            after.end = *next;
            if (seen.insert(after).second) {
                open.emplace_back(after, pieces + 1);
            }
        }
    }
    return kUnreachable;
}

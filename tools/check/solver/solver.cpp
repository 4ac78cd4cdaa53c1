#include "solver/solver.h"

#include "catalog/catalog.h"
#include "shell/game_state.h"
#include "solver/flight_bounds.h"
#include "solver/game_frames.h"
#include "solver/level_state.h"
#include "solver/target_kinds.h"
#include "solver/track_reach.h"
#include "world/game_update.h"
#include "world/level.h"
#include "world/tile.h"

#include <chrono>
#include <cstdio>
#include <unordered_map>

namespace {

// Thrown out of the search when its time is up.
struct OutOfTime {};

// A depth-first search over the moments at which something changes in the level: the
// level's start, each step of the train and each end of a shot (a hit, or a shot that can
// meet nothing more). At each such moment the search fires at the centre of any standing
// target it may take away, one or more shots in the same frame, or waits for the next
// moment. Between those moments nothing a shot could depend on changes, so firing at them
// is as good as firing at any frame in between, and a shot that should land after another
// is fired once that one has landed.
//
// Each shot costs one of a budget that grows from none to the limit, so the first plan found
// has the fewest shots. A position is cut when the pieces the track still needs to reach the
// finish (counted as if every hit laid exactly the piece wanted) exceed the shots left and in
// flight, and when it was searched before with as many shots left, no later.
class Search {
public:
    Search(CCatalog& catalog, const std::string& levelPath, const SolveLimits& limits)
        : m_limits(limits), m_level(nullptr, &catalog, levelPath), m_states(m_level),
          m_bounds(m_states.FileObjects(), catalog), m_reach(catalog, levelPath, m_states),
          m_started(std::chrono::steady_clock::now()) {}

    SolveOutcome Run() {
        SolveOutcome outcome;
        g_pLevel = &m_level;
        g_bullets.clear();
        const LevelState start = m_states.Save(m_level, g_bullets);
        const int needed = m_reach.PiecesNeeded(start);
        if (needed == TrackReach::kUnreachable) {
            outcome.complete = true;
            outcome.whyNot.push_back("no order of the turn targets lays a track to the finish");
        } else if (needed > m_limits.maxShots) {
            outcome.complete = true;
            outcome.whyNot.push_back(
                Sentence("the track needs at least %d pieces, more than %d shots", needed,
                         m_limits.maxShots));
        } else {
            try {
                for (int budget = needed; budget <= m_limits.maxShots && !m_found; ++budget) {
                    Moment(start, 0, budget, 0);
                }
                outcome.complete = true;
            } catch (const OutOfTime&) {
            }
            if (m_found) {
                outcome.plan = m_best;
            } else if (outcome.complete) {
                NeverTaken(outcome.whyNot);
            }
        }
        outcome.statesVisited = m_visited;
        g_bullets.clear();
        g_pLevel = nullptr;
        return outcome;
    }

private:
    template <typename... Values>
    static std::string Sentence(const char* format, Values... values) {
        char text[200];
        std::snprintf(text, sizeof text, format, values...);
        return text;
    }

    // Turn targets that no shot of the search ever took: what the plan would need and could
    // not have, as far as the search can tell.
    void NeverTaken(std::vector<std::string>& whyNot) const {
        const std::vector<CLevelObject>& objects = m_states.FileObjects();
        for (std::size_t i = 0; i < objects.size(); ++i) {
            if (TurnLetterOf(objects[i].kind) != 0 && !m_taken.Contains(i)) {
                whyNot.push_back(Sentence("no shot from the tiles the train passes takes the "
                                          "'%s' target on (%d, %d)",
                                          objects[i].kind.c_str(), objects[i].x, objects[i].y));
            }
        }
    }

    void CountVisit() {
        ++m_visited;
        if ((m_visited & 255) == 0 &&
            std::chrono::duration<double>(std::chrono::steady_clock::now() - m_started).count() >
                m_limits.maxSeconds) {
            throw OutOfTime{};
        }
    }

    // A moment at which the search may fire: `state` at the start of frame `frame`, before
    // the frame's shots. Targets before `firstTarget` are not fired at again in this frame
    // (shots of one frame are tried in one order only).
    void Moment(const LevelState& state, int frame, int shotsLeft, std::size_t firstTarget) {
        CountVisit();
        if (firstTarget == 0 && !FirstVisit(state, frame, shotsLeft)) {
            return;
        }
        const int inFlight = static_cast<int>(state.shots.size());
        const int spare = shotsLeft + inFlight - m_reach.PiecesNeeded(state);
        if (spare < 0) {
            return;
        }
        const std::vector<CLevelObject>& objects = m_states.FileObjects();
        for (std::size_t i = firstTarget; shotsLeft > 0 && i < objects.size() && !m_found; ++i) {
            // Without a shot to spare every shot must lay a piece: only turn targets are aimed
            // at then.
            const bool wanted =
                spare > 0 ? IsTakenByHit(objects[i].kind) : TurnLetterOf(objects[i].kind) != 0;
            if (!state.standing.Contains(i) || !wanted) {
                continue;
            }
            m_states.Restore(state, m_level, g_bullets);
            FireBullet(TileCentre(objects[i].x, objects[i].y));
            m_plan.push_back({frame, objects[i].x, objects[i].y});
            Moment(m_states.Save(m_level, g_bullets), frame, shotsLeft - 1, i + 1);
            m_plan.pop_back();
        }
        if (!m_found) {
            Wait(state, frame, shotsLeft);
        }
    }

    // Plays frames from `state` until the next moment, and searches on from there.
    void Wait(const LevelState& state, int frame, int shotsLeft) {
        m_states.Restore(state, m_level, g_bullets);
        const std::size_t shots = g_bullets.size();
        const int trainX = m_level.trainX, trainY = m_level.trainY;
        const char trainDir = m_level.trainDir;
        while (frame < m_limits.maxFrames) {
            UpdateGame(kFrameTime);
            m_bounds.DropSpent(g_bullets);
            ++frame;
            if (m_level.complete) {
                m_found = true;
                m_best = Plan{m_plan, frame - 1, m_level.score};
                return;
            }
            if (m_level.gameOver) {
                return;
            }
            if (g_bullets.size() != shots || m_level.trainX != trainX || m_level.trainY != trainY ||
                m_level.trainDir != trainDir) {
                const LevelState next = m_states.Save(m_level, g_bullets);
                m_taken |= state.standing.Without(next.standing);
                Moment(next, frame, shotsLeft, 0);
                return;
            }
        }
    }

    // False when the position was searched before with at least as many shots left and no
    // later; the search from there would find nothing new.
    bool FirstVisit(const LevelState& state, int frame, int shotsLeft) {
        std::string key;
        m_states.AppendKey(state, key);
        const auto [seen, isNew] = m_seen.try_emplace(std::move(key), Visit{frame, shotsLeft});
        if (isNew) {
            return true;
        }
        if (seen->second.shotsLeft >= shotsLeft && seen->second.frame <= frame) {
            return false;
        }
        seen->second = Visit{frame, shotsLeft};
        return true;
    }

    struct Visit {
        int frame;
        int shotsLeft;
    };

    const SolveLimits& m_limits;
    CLevel m_level;
    LevelStates m_states;
    FlightBounds m_bounds;
    TrackReach m_reach;
    const std::chrono::steady_clock::time_point m_started;
    std::unordered_map<std::string, Visit> m_seen;
    std::vector<PlannedShot> m_plan;
    ObjectSet m_taken;
    Plan m_best{};
    bool m_found = false;
    long m_visited = 0;
};

} // namespace

SolveOutcome SolveLevel(CCatalog& catalog, const std::string& levelPath,
                        const SolveLimits& limits) {
    const GameGlobalsScope globals(catalog);
    return Search(catalog, levelPath, limits).Run();
}

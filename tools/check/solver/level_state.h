// The changing part of a level in play, held apart from any CLevel: which of the file's
// objects still stand, the pieces laid since, the train, the track end, the run's figures and
// the shots in flight. The search keeps one for every position it reaches and puts it back
// into a working level to play on from there.
#pragma once

#include "solver/object_set.h"
#include "world/bullet.h"
#include "world/level.h"

#include <string>
#include <vector>

struct LevelState {
    ObjectSet standing;             // the level file's objects still in the list
    std::vector<CLevelObject> laid; // pieces laid in play, in list order after the file's
    int objectCount = 0;
    int trainX = 0;
    int trainY = 0;
    char trainDir = 0;
    int trackEndX = 0;
    int trackEndY = 0;
    char trackEndDir = 0;
    int score = 0;
    float stepInterval = 0.0f;
    float stepTimer = 0.0f;
    bool gameOver = false;
    bool complete = false;
    std::vector<CBullet> shots;
};

// Saves and restores states of one level. The rules only ever take objects out of the list
// (hit targets) or append laid pieces, so the list is the file's objects that still stand
// followed by the laid ones.
class LevelStates {
public:
    // The level as read from its file, before any frame.
    explicit LevelStates(const CLevel& loaded);

    const std::vector<CLevelObject>& FileObjects() const { return m_fileObjects; }

    // Between frames (no object is marked dead then).
    LevelState Save(const CLevel& level, const std::vector<CBullet>& shots) const;
    // Puts the state into the level (its file's size, finish and catalog stay) and the shots
    // into `shots`, flying in that level.
    void Restore(const LevelState& state, CLevel& level, std::vector<CBullet>& shots) const;
    // Everything that decides how the level goes on: the score and the object count do not.
    void AppendKey(const LevelState& state, std::string& key) const;

private:
    std::vector<CLevelObject> m_fileObjects;
};

#include "solver/level_state.h"

#include "solver/state_key.h"

namespace {

bool SameObject(const CLevelObject& a, const CLevelObject& b) {
    return a.kind == b.kind && a.x == b.x && a.y == b.y && a.angle == b.angle &&
           a.scale == b.scale && a.dead == b.dead;
}

void AppendObjectKey(std::string& key, const CLevelObject& object) {
    AppendToKey(key, object.kind.size());
    key += object.kind;
    AppendToKey(key, object.x);
    AppendToKey(key, object.y);
    AppendToKey(key, object.angle);
    AppendToKey(key, object.scale);
}

void AppendVectorKey(std::string& key, const D3DXVECTOR3& vector) {
    AppendToKey(key, vector.x);
    AppendToKey(key, vector.y);
    AppendToKey(key, vector.z);
}

} // namespace

LevelStates::LevelStates(const CLevel& loaded) : m_fileObjects(loaded.objects) {}

LevelState LevelStates::Save(const CLevel& level, const std::vector<CBullet>& shots) const {
    LevelState state;
    state.standing = ObjectSet(m_fileObjects.size());
    // Each object is the next of the file's objects that is the same record, or else a laid
    // piece (a piece is only laid on an empty tile, so it is never the same as a file object
    // still standing).
    std::size_t next = 0;
    for (const CLevelObject& object : level.objects) {
        std::size_t index = next;
        while (index < m_fileObjects.size() && !SameObject(m_fileObjects[index], object)) {
            ++index;
        }
        if (index < m_fileObjects.size()) {
            state.standing.Insert(index);
            next = index + 1;
        } else {
            state.laid.push_back(object);
        }
    }
    state.objectCount = level.objectCount;
    state.trainX = level.trainX;
    state.trainY = level.trainY;
    state.trainDir = level.trainDir;
    state.trackEndX = level.trackEndX;
    state.trackEndY = level.trackEndY;
    state.trackEndDir = level.trackEndDir;
    state.score = level.score;
    state.stepInterval = level.stepInterval;
    state.stepTimer = level.stepTimer;
    state.gameOver = level.gameOver;
    state.complete = level.complete;
    state.shots = shots;
    return state;
}

void LevelStates::Restore(const LevelState& state, CLevel& level,
                          std::vector<CBullet>& shots) const {
    level.objects.clear();
    for (std::size_t i = 0; i < m_fileObjects.size(); ++i) {
        if (state.standing.Contains(i)) {
            level.objects.push_back(m_fileObjects[i]);
        }
    }
    level.objects.insert(level.objects.end(), state.laid.begin(), state.laid.end());
    level.objectCount = state.objectCount;
    level.trainX = state.trainX;
    level.trainY = state.trainY;
    level.trainDir = state.trainDir;
    level.trackEndX = state.trackEndX;
    level.trackEndY = state.trackEndY;
    level.trackEndDir = state.trackEndDir;
    level.score = state.score;
    level.stepInterval = state.stepInterval;
    level.stepTimer = state.stepTimer;
    level.gameOver = state.gameOver;
    level.complete = state.complete;
    shots = state.shots;
    for (CBullet& shot : shots) {
        shot.m_pLevel = &level;
        shot.m_pCatalog = level.m_pCatalog;
        shot.m_pSoundManager = nullptr;
    }
}

void LevelStates::AppendKey(const LevelState& state, std::string& key) const {
    state.standing.AppendTo(key);
    AppendToKey(key, state.laid.size());
    for (const CLevelObject& piece : state.laid) {
        AppendObjectKey(key, piece);
    }
    AppendToKey(key, state.trainX);
    AppendToKey(key, state.trainY);
    AppendToKey(key, state.trainDir);
    AppendToKey(key, state.trackEndX);
    AppendToKey(key, state.trackEndY);
    AppendToKey(key, state.trackEndDir);
    AppendToKey(key, state.stepInterval);
    AppendToKey(key, state.stepTimer);
    AppendToKey(key, state.gameOver);
    AppendToKey(key, state.complete);
    AppendToKey(key, state.shots.size());
    for (const CBullet& shot : state.shots) {
        AppendVectorKey(key, shot.position);
        AppendVectorKey(key, shot.direction);
        AppendVectorKey(key, shot.origin);
        AppendToKey(key, shot.speed);
    }
}

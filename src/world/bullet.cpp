// Shots: moving one along its line and testing it against the level's targets, whose hits
// set off the targets' events.
#include "world/bullet.h"

#include "catalog/catalog.h"
#include "world/level.h"
#include "world/saturating.h"
#include "world/sound_cue.h"
#include "world/spheres.h"
#include "world/tile.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace {

// What a hit on one kind of target does.
struct TargetRule {
    std::string_view kind; // compared by length first: most objects are rails and scenery
    bool removed;
    const char* cue;
    void (*effect)(CLevel& level);
};

void Lay(CLevel& level, char turn) {
    if (level.LayPiece(turn) != 0) {
        level.gameOver = true;
    }
}

constexpr TargetRule TARGETS[] = {
    {"rturn", true, "rail", [](CLevel& level) { Lay(level, 'r'); }},
    {"lturn", true, "rail", [](CLevel& level) { Lay(level, 'l'); }},
    {"rrecht", true, "rail", [](CLevel& level) { Lay(level, 's'); }},
    {"50pts", true, "coins", [](CLevel& level) { level.score = SaturatingAdd(level.score, 50); }},
    {"100pts", true, "coins", [](CLevel& level) { level.score = SaturatingAdd(level.score, 100); }},
    {"speed", true, "toot",
     [](CLevel& level) {
         level.stepInterval -= 1.0f;
         if (level.stepInterval <= 0.0f) {
             level.stepInterval = 1.0f;
         }
     }},
    {"block", false, "explode", [](CLevel&) {}},
};

const TargetRule* FindTarget(const std::string& kind) {
    for (const TargetRule& rule : TARGETS) {
        if (kind == rule.kind) {
            return &rule;
        }
    }
    return nullptr;
}

struct Sphere {
    D3DXVECTOR3 centre;
    float radius;
};

// The bounding sphere of the named model placed at a point. A model missing from the
// catalog is the empty model (offset 0, radius 0); only the sphere is read, never the mesh.
Sphere ModelSphere(CCatalog* catalog, const std::string& name, const D3DXVECTOR3& at) {
    if (!catalog) {
        return {at, 0.0f};
    }
    const CModel& model = catalog->GetModel(name);
    return {at + model.center, model.radius};
}

bool Touches(const Sphere& a, const Sphere& b) {
    return SpheresOverlap(a.centre, a.radius, b.centre, b.radius);
}

} // namespace

// What one object does to shots: a target's rule, or "blocked", with the sphere it is hit by.
struct HitTarget {
    const TargetRule* rule = nullptr;
    bool blocked = false;
    Sphere sphere{};
};

namespace {

HitTarget HitTargetOf(const CLevelObject& object, CCatalog* catalog) {
    HitTarget target;
    const D3DXVECTOR3 tile = TileCentre(object.x, object.y);
    if ((target.rule = FindTarget(object.kind)) != nullptr) {
        target.sphere = ModelSphere(catalog, object.kind, tile);
    } else if (object.kind == std::string_view("blocked")) {
        // Invisible obstacles stop shots with the sphere of a straight-piece target.
        target.blocked = true;
        target.sphere = ModelSphere(catalog, "rrecht", tile);
    }
    return target;
}

} // namespace

HitTable::HitTable(const CLevel& level, CCatalog* catalog) : m_pCatalog(catalog) {
    m_targets.reserve(level.objects.size());
    for (const CLevelObject& object : level.objects) {
        m_targets.push_back(HitTargetOf(object, catalog));
    }
}

HitTable::~HitTable() = default;

HitTarget HitTable::At(const CLevel& level, std::size_t index) const {
    // Objects appended during the frame (laid pieces) were not there when the table was made.
    return index < m_targets.size() ? m_targets[index]
                                    : HitTargetOf(level.objects[index], m_pCatalog);
}

void CBullet::Move(float dt) {
    position.x = dt * speed * direction.x + position.x;
    position.y = dt * speed * direction.y + position.y;
    position.z = dt * speed * direction.z + position.z;
}

void CBullet::CheckHits() {
    if (m_pLevel) {
        CheckHits(HitTable(*m_pLevel, m_pCatalog));
    }
}

void CBullet::CheckHits(const HitTable& table) {
    if (!m_pLevel) {
        return;
    }
    CLevel& level = *m_pLevel;
    const Sphere shot = ModelSphere(m_pCatalog, "bullet", position);
    // By index, reading the length afresh: pieces laid by a hit are appended during the walk
    // (and passed over, they are not targets). The walk goes on after a hit, so one shot can
    // set off several targets in list order.
    for (std::size_t i = 0; i < level.objects.size(); ++i) {
        const HitTarget target = table.At(level, i);
        if ((target.rule == nullptr && !target.blocked) || !Touches(shot, target.sphere)) {
            continue;
        }
        dead = true;
        if (target.rule != nullptr) {
            if (target.rule->removed) {
                level.objects[i].dead = true;
            }
            PlayCue(m_pCatalog, m_pSoundManager, target.rule->cue);
            target.rule->effect(level);
        }
    }
}

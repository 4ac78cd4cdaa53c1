#include "solver/flight_bounds.h"

#include "catalog/catalog.h"
#include "solver/target_kinds.h"
#include "world/bullet.h"
#include "world/level.h"
#include "world/tile.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Float rounding in the game's sphere test cannot reach this far beyond the exact figures.
constexpr float kMargin = 1.0f;

// A model the catalog lacks is the empty model: no offset, no radius.
CModel ModelOrEmpty(const CCatalog& catalog, const std::string& name) {
    const auto found = catalog.m_models.find(name);
    return found == catalog.m_models.end() ? CModel{} : found->second;
}

bool Beyond(float position, float low, float high, float direction) {
    return (position < low && direction <= 0.0f) || (position > high && direction >= 0.0f);
}

} // namespace

FlightBounds::FlightBounds(const std::vector<CLevelObject>& fileObjects, const CCatalog& catalog) {
    constexpr float inf = std::numeric_limits<float>::infinity();
    m_low = D3DXVECTOR3(inf, inf, inf);
    m_high = D3DXVECTOR3(-inf, -inf, -inf);
    const CModel shot = ModelOrEmpty(catalog, "bullet");
    m_shotCentre = shot.center;
    const float reach = std::fabs(shot.radius) + kMargin;
    for (const CLevelObject& object : fileObjects) {
        if (!StopsShots(object.kind)) {
            continue;
        }
        const CModel model = ModelOrEmpty(catalog, SphereModelOf(object.kind));
        const D3DXVECTOR3 centre = TileCentre(object.x, object.y) + model.center;
        const float grown = std::fabs(model.radius) + reach;
        m_low.x = std::min(m_low.x, centre.x - grown);
        m_low.y = std::min(m_low.y, centre.y - grown);
        m_low.z = std::min(m_low.z, centre.z - grown);
        m_high.x = std::max(m_high.x, centre.x + grown);
        m_high.y = std::max(m_high.y, centre.y + grown);
        m_high.z = std::max(m_high.z, centre.z + grown);
    }
}

bool FlightBounds::Spent(const CBullet& shot) const {
    const D3DXVECTOR3 centre = shot.position + m_shotCentre;
    return Beyond(centre.x, m_low.x, m_high.x, shot.direction.x) ||
           Beyond(centre.y, m_low.y, m_high.y, shot.direction.y) ||
           Beyond(centre.z, m_low.z, m_high.z, shot.direction.z);
}

void FlightBounds::DropSpent(std::vector<CBullet>& shots) const {
    std::erase_if(shots, [this](const CBullet& shot) { return Spent(shot); });
}

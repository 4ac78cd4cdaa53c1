#include "world/spheres.h"

bool SpheresOverlap(const D3DXVECTOR3& centreA, float radiusA, const D3DXVECTOR3& centreB,
                    float radiusB) {
    const float dx = centreA.x - centreB.x;
    const float dy = centreA.y - centreB.y;
    const float dz = centreA.z - centreB.z;
    const float distanceSquared = dx * dx + dy * dy + dz * dz;
    const float reach = radiusA + radiusB;
    return distanceSquared <= reach * reach;
}

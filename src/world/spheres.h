// Bounding-sphere test used for shots against targets.
#pragma once

#include <d3dx9.h>

// True when the spheres touch or overlap: |a - b|^2 <= (ra + rb)^2, in single precision.
bool SpheresOverlap(const D3DXVECTOR3& centreA, float radiusA, const D3DXVECTOR3& centreB,
                    float radiusB);

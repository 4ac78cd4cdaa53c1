// Where a shot can still meet something: the box round the spheres of every object of the
// level file that stops shots, grown by the shot's own sphere. A shot outside the box and
// moving away from it on some axis can meet nothing for the rest of its flight (shots fly
// straight and objects never move), so dropping it changes nothing in the level.
#pragma once

#include <d3dx9.h>

#include <vector>

class CBullet;
class CCatalog;
class CLevelObject;

class FlightBounds {
public:
    FlightBounds(const std::vector<CLevelObject>& fileObjects, const CCatalog& catalog);

    bool Spent(const CBullet& shot) const;
    void DropSpent(std::vector<CBullet>& shots) const;

private:
    D3DXVECTOR3 m_low;
    D3DXVECTOR3 m_high;
    D3DXVECTOR3 m_shotCentre; // the shot model's sphere centre, from the shot's position
};

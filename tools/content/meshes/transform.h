// A rigid placement of a part: a rotation followed by a translation. Parts are built around
// their own origin and placed with one of these.
#pragma once

#include "meshes/vector3.h"

class Transform {
public:
    Transform() = default;
    static Transform Translation(const Vec3& offset);
    // Rotations in degrees about the axes through the origin; positive turns +x towards +y
    // (about z), +y towards +z (about x) and +z towards +x (about y).
    static Transform RotationZ(double degrees);
    static Transform RotationX(double degrees);
    static Transform RotationY(double degrees);

    // `this` after `first`: (a * b).Point(p) == a.Point(b.Point(p)).
    Transform operator*(const Transform& first) const;

    Vec3 Point(const Vec3& p) const;
    Vec3 Direction(const Vec3& d) const;

private:
    double m_[3][3] = {{1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {0.0, 0.0, 1.0}};
    Vec3 offset_;
};

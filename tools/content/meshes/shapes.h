// Solid parts added to a mesh, each built around its own origin and placed by a transform.
// Every face points outwards; texture coordinates follow the surface in world units divided
// by `texelUnits` (the size one repeat of the texture covers), unless said otherwise.
#pragma once

#include "meshes/mesh.h"

#include <vector>

struct Point2 {
    double x, y;
};

// The box from `low` to `high`.
void AddBox(Mesh& mesh, const Transform& place, const Vec3& low, const Vec3& high, int material,
            double texelUnits = 1.0);

// A solid of revolution about the z axis from z0 to z1, radius r0 at z0 and r1 at z1 (a
// cylinder, a cone or a frustum), with flat ends where the radius is not 0. The sides are
// smooth; `segments` around.
void AddFrustum(Mesh& mesh, const Transform& place, double r0, double z0, double r1, double z1,
                int segments, int sideMaterial, int endMaterial);

// A disc's top face textured with the whole texture: u across x, v down y.
void AddTexturedDisc(Mesh& mesh, const Transform& place, double radius, double z, int segments,
                     int material);

// A flat ring between two radii, facing up at height z.
void AddRing(Mesh& mesh, const Transform& place, double inner, double outer, double z, int segments,
             int material);

// A sphere of `radius` about the origin, `rings` bands from pole to pole.
void AddSphere(Mesh& mesh, const Transform& place, double radius, int rings, int segments,
               int material);

// A sphere pushed in and out by `bumps` (fractions of the radius, one per vertex of the ring
// grid, taken in turn): a rock.
void AddLumpySphere(Mesh& mesh, const Transform& place, double radius, int rings, int segments,
                    const std::vector<double>& bumps, int material);

// A simple polygon (either winding) in the xy plane, raised from z0 to z1: top and bottom in
// `capMaterial`, the sides in `sideMaterial` (textured along the outline and up z).
void AddPrism(Mesh& mesh, const Transform& place, std::vector<Point2> outline, double z0, double z1,
              int capMaterial, int sideMaterial, double texelUnits = 1.0);

// A curved bar: the part of the ring between radii `inner` and `outer` about the origin, from
// angle a0 to a1 (degrees, from +x towards +y), between heights z0 and z1.
void AddArcBar(Mesh& mesh, const Transform& place, double inner, double outer, double a0, double a1,
               double z0, double z1, int segments, int material, double texelUnits = 1.0);

#include "meshes/shapes.h"

#include <algorithm>
#include <array>
#include <tuple>
#include <utility>
#include <cmath>
#include <numbers>

namespace {

constexpr Vec3 kUp{0.0, 0.0, 1.0};
constexpr Vec3 kDown{0.0, 0.0, -1.0};

Vertex At(const Vec3& position, const Vec3& normal, double u = 0.0, double v = 0.0) {
    return {position, normal, u, v};
}

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

// The point at `angle` (radians) on the circle of `radius` about the z axis, at height z.
Vec3 OnCircle(double radius, double angle, double z) {
    return {radius * std::cos(angle), radius * std::sin(angle), z};
}

double SignedArea(const std::vector<Point2>& outline) {
    double twice = 0.0;
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const Point2& p = outline[i];
        const Point2& q = outline[(i + 1) % outline.size()];
        twice += p.x * q.y - q.x * p.y;
    }
    return twice / 2.0;
}

bool Inside(const Point2& p, const Point2& a, const Point2& b, const Point2& c) {
    const auto side = [](const Point2& o, const Point2& d, const Point2& q) {
        return (d.x - o.x) * (q.y - o.y) - (d.y - o.y) * (q.x - o.x);
    };
    return side(a, b, p) >= 0.0 && side(b, c, p) >= 0.0 && side(c, a, p) >= 0.0;
}

// Ear clipping of a simple polygon wound counter-clockwise: triples of outline indices.
std::vector<std::array<std::size_t, 3>> Triangulate(const std::vector<Point2>& outline) {
    std::vector<std::size_t> left(outline.size());
    for (std::size_t i = 0; i < left.size(); ++i) {
        left[i] = i;
    }
    std::vector<std::array<std::size_t, 3>> triangles;
    while (left.size() > 3) {
        bool clipped = false;
        for (std::size_t i = 0; i < left.size() && !clipped; ++i) {
            const std::size_t ia = left[(i + left.size() - 1) % left.size()];
            const std::size_t ib = left[i];
            const std::size_t ic = left[(i + 1) % left.size()];
            const Point2 &a = outline[ia], &b = outline[ib], &c = outline[ic];
            if ((b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x) <= 0.0) {
                continue; // a reflex corner is no ear
            }
            const bool empty = std::none_of(left.begin(), left.end(), [&](std::size_t j) {
                return j != ia && j != ib && j != ic && Inside(outline[j], a, b, c);
            });
            if (empty) {
                triangles.push_back({ia, ib, ic});
                left.erase(left.begin() + static_cast<std::ptrdiff_t>(i));
                clipped = true;
            }
        }
        if (!clipped) {
            break; // not a simple polygon: keep what was clipped
        }
    }
    if (left.size() == 3) {
        triangles.push_back({left[0], left[1], left[2]});
    }
    return triangles;
}

} // namespace

void AddBox(Mesh& mesh, const Transform& place, const Vec3& low, const Vec3& high, int material,
            double texelUnits) {
    const double s = 1.0 / texelUnits;
    const Vec3& l = low;
    const Vec3& h = high;
    // Each face: its normal and corners; u and v run along the face, v downwards on walls.
    const auto wallX = [&](double x, const Vec3& n) {
        mesh.AddQuad(place, At({x, l.y, l.z}, n, l.y * s, -l.z * s),
                     At({x, h.y, l.z}, n, h.y * s, -l.z * s),
                     At({x, h.y, h.z}, n, h.y * s, -h.z * s),
                     At({x, l.y, h.z}, n, l.y * s, -h.z * s), n, material);
    };
    const auto wallY = [&](double y, const Vec3& n) {
        mesh.AddQuad(place, At({l.x, y, l.z}, n, l.x * s, -l.z * s),
                     At({h.x, y, l.z}, n, h.x * s, -l.z * s),
                     At({h.x, y, h.z}, n, h.x * s, -h.z * s),
                     At({l.x, y, h.z}, n, l.x * s, -h.z * s), n, material);
    };
    const auto flat = [&](double z, const Vec3& n) {
        mesh.AddQuad(place, At({l.x, l.y, z}, n, l.x * s, l.y * s),
                     At({h.x, l.y, z}, n, h.x * s, l.y * s), At({h.x, h.y, z}, n, h.x * s, h.y * s),
                     At({l.x, h.y, z}, n, l.x * s, h.y * s), n, material);
    };
    wallX(l.x, {-1.0, 0.0, 0.0});
    wallX(h.x, {1.0, 0.0, 0.0});
    wallY(l.y, {0.0, -1.0, 0.0});
    wallY(h.y, {0.0, 1.0, 0.0});
    flat(l.z, kDown);
    flat(h.z, kUp);
}

void AddFrustum(Mesh& mesh, const Transform& place, double r0, double z0, double r1, double z1,
                int segments, int sideMaterial, int endMaterial) {
    const double step = 2.0 * std::numbers::pi / segments;
    for (int i = 0; i < segments; ++i) {
        const double a = step * i;
        const double b = step * (i + 1);
        const auto normal = [&](double angle) {
            return Normalized({std::cos(angle) * (z1 - z0), std::sin(angle) * (z1 - z0), r0 - r1});
        };
        const Vertex a0 = At(OnCircle(r0, a, z0), normal(a), r0 * a, -z0);
        const Vertex b0 = At(OnCircle(r0, b, z0), normal(b), r0 * b, -z0);
        const Vertex a1 = At(OnCircle(r1, a, z1), normal(a), r1 * a, -z1);
        const Vertex b1 = At(OnCircle(r1, b, z1), normal(b), r1 * b, -z1);
        const Vec3 outward = normal((a + b) / 2.0);
        if (r0 > 0.0 && r1 > 0.0) {
            mesh.AddQuad(place, a0, b0, b1, a1, outward, sideMaterial);
        } else if (r0 > 0.0) {
            mesh.AddTriangle(place, a0, b0, a1, outward, sideMaterial);
        } else if (r1 > 0.0) {
            mesh.AddTriangle(place, a0, b1, a1, outward, sideMaterial);
        }
        for (const auto& [radius, z, n] : {std::tuple{r0, z0, kDown}, std::tuple{r1, z1, kUp}}) {
            if (radius > 0.0) {
                const Vec3 p = OnCircle(radius, a, z), q = OnCircle(radius, b, z);
                mesh.AddTriangle(place, At({0.0, 0.0, z}, n), At(p, n, p.x, p.y),
                                 At(q, n, q.x, q.y), n, endMaterial);
            }
        }
    }
}

void AddTexturedDisc(Mesh& mesh, const Transform& place, double radius, double z, int segments,
                     int material) {
    const double step = 2.0 * std::numbers::pi / segments;
    const auto textured = [&](const Vec3& p) {
        return At(p, kUp, p.x / (2.0 * radius) + 0.5, p.y / (2.0 * radius) + 0.5);
    };
    for (int i = 0; i < segments; ++i) {
        mesh.AddTriangle(place, textured({0.0, 0.0, z}), textured(OnCircle(radius, step * i, z)),
                         textured(OnCircle(radius, step * (i + 1), z)), kUp, material);
    }
}

void AddRing(Mesh& mesh, const Transform& place, double inner, double outer, double z, int segments,
             int material) {
    const double step = 2.0 * std::numbers::pi / segments;
    for (int i = 0; i < segments; ++i) {
        const double a = step * i, b = step * (i + 1);
        mesh.AddQuad(place, At(OnCircle(inner, a, z), kUp), At(OnCircle(outer, a, z), kUp),
                     At(OnCircle(outer, b, z), kUp), At(OnCircle(inner, b, z), kUp), kUp, material);
    }
}

void AddLumpySphere(Mesh& mesh, const Transform& place, double radius, int rings, int segments,
                    const std::vector<double>& bumps, int material) {
    // The grid of points: the two poles and (rings - 1) bands of `segments` points.
    std::size_t next = 0;
    const auto bump = [&]() { return bumps.empty() ? 1.0 : 1.0 + bumps[next++ % bumps.size()]; };
    std::vector<std::vector<Vec3>> grid;
    grid.push_back(std::vector<Vec3>(segments, Vec3{0.0, 0.0, radius * bump()}));
    for (int ring = 1; ring < rings; ++ring) {
        const double polar = std::numbers::pi * ring / rings;
        std::vector<Vec3> band;
        for (int i = 0; i < segments; ++i) {
            const double around = 2.0 * std::numbers::pi * i / segments;
            const double r = radius * bump();
            band.push_back({r * std::sin(polar) * std::cos(around),
                            r * std::sin(polar) * std::sin(around), r * std::cos(polar)});
        }
        grid.push_back(band);
    }
    grid.push_back(std::vector<Vec3>(segments, Vec3{0.0, 0.0, -radius * bump()}));

    const bool smooth = bumps.empty();
    const std::size_t last = grid.size() - 2;
    for (std::size_t ring = 0; ring <= last; ++ring) {
        for (int i = 0; i < segments; ++i) {
            const int j = (i + 1) % segments;
            // At the poles one corner of the band's quad is the pole: a triangle.
            std::vector<Vec3> corners;
            if (ring != 0) {
                corners.push_back(grid[ring][i]);
                corners.push_back(grid[ring][j]);
            } else {
                corners.push_back(grid[0][i]);
            }
            if (ring != last) {
                corners.push_back(grid[ring + 1][j]);
                corners.push_back(grid[ring + 1][i]);
            } else {
                corners.push_back(grid[ring + 1][i]);
            }
            Vec3 centre;
            for (const Vec3& corner : corners) {
                centre = centre + corner;
            }
            const Vec3 outward = Normalized(centre);
            Vec3 flat = Normalized(Cross(corners[1] - corners[0], corners[2] - corners[0]));
            if (Dot(flat, outward) < 0.0) {
                flat = flat * -1.0;
            }
            const auto vertex = [&](const Vec3& q) { return At(q, smooth ? Normalized(q) : flat); };
            if (corners.size() == 3) {
                mesh.AddTriangle(place, vertex(corners[0]), vertex(corners[1]), vertex(corners[2]),
                                 outward, material);
            } else {
                mesh.AddQuad(place, vertex(corners[0]), vertex(corners[1]), vertex(corners[2]),
                             vertex(corners[3]), outward, material);
            }
        }
    }
}

void AddSphere(Mesh& mesh, const Transform& place, double radius, int rings, int segments,
               int material) {
    AddLumpySphere(mesh, place, radius, rings, segments, {}, material);
}

void AddPrism(Mesh& mesh, const Transform& place, std::vector<Point2> outline, double z0, double z1,
              int capMaterial, int sideMaterial, double texelUnits) {
    if (SignedArea(outline) < 0.0) {
        std::reverse(outline.begin(), outline.end());
    }
    const double s = 1.0 / texelUnits;
    for (const auto& [ia, ib, ic] : Triangulate(outline)) {
        for (const auto& [z, n] : {std::pair{z0, kDown}, std::pair{z1, kUp}}) {
            const auto cap = [&](std::size_t i) {
                return At({outline[i].x, outline[i].y, z}, n, outline[i].x * s, outline[i].y * s);
            };
            mesh.AddTriangle(place, cap(ia), cap(ib), cap(ic), n, capMaterial);
        }
    }
    double along = 0.0;
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const Point2& p = outline[i];
        const Point2& q = outline[(i + 1) % outline.size()];
        const double length = std::hypot(q.x - p.x, q.y - p.y);
        // Counter-clockwise: the outside lies to the right of each edge.
        const Vec3 n = Normalized({q.y - p.y, p.x - q.x, 0.0});
        const double u0 = along * s, u1 = (along + length) * s;
        mesh.AddQuad(place, At({p.x, p.y, z0}, n, u0, -z0 * s), At({q.x, q.y, z0}, n, u1, -z0 * s),
                     At({q.x, q.y, z1}, n, u1, -z1 * s), At({p.x, p.y, z1}, n, u0, -z1 * s), n,
                     sideMaterial);
        along += length;
    }
}

void AddArcBar(Mesh& mesh, const Transform& place, double inner, double outer, double a0, double a1,
               double z0, double z1, int segments, int material, double texelUnits) {
    const double s = 1.0 / texelUnits;
    const double middle = (inner + outer) / 2.0;
    for (int i = 0; i < segments; ++i) {
        const double a = Radians(a0 + (a1 - a0) * i / segments);
        const double b = Radians(a0 + (a1 - a0) * (i + 1) / segments);
        const double ua = middle * (a - Radians(a0)) * s, ub = middle * (b - Radians(a0)) * s;
        const Vec3 ra{std::cos(a), std::sin(a), 0.0}, rb{std::cos(b), std::sin(b), 0.0};
        const Vec3 outwardMid = Normalized(ra + rb);
        // Top, facing up: u along the arc, v across it.
        mesh.AddQuad(place, At(OnCircle(inner, a, z1), kUp, ua, inner * s),
                     At(OnCircle(outer, a, z1), kUp, ua, outer * s),
                     At(OnCircle(outer, b, z1), kUp, ub, outer * s),
                     At(OnCircle(inner, b, z1), kUp, ub, inner * s), kUp, material);
        // The outer and inner walls.
        mesh.AddQuad(place, At(OnCircle(outer, a, z0), ra, ua, -z0 * s),
                     At(OnCircle(outer, b, z0), rb, ub, -z0 * s),
                     At(OnCircle(outer, b, z1), rb, ub, -z1 * s),
                     At(OnCircle(outer, a, z1), ra, ua, -z1 * s), outwardMid, material);
        mesh.AddQuad(place, At(OnCircle(inner, a, z0), ra * -1.0, ua, -z0 * s),
                     At(OnCircle(inner, b, z0), rb * -1.0, ub, -z0 * s),
                     At(OnCircle(inner, b, z1), rb * -1.0, ub, -z1 * s),
                     At(OnCircle(inner, a, z1), ra * -1.0, ua, -z1 * s), outwardMid * -1.0,
                     material);
    }
    // The two ends.
    for (const auto& [angle, sign] : {std::pair{a0, -1.0}, std::pair{a1, 1.0}}) {
        const double r = Radians(angle);
        const Vec3 n = Vec3{-std::sin(r), std::cos(r), 0.0} * (sign * (a1 > a0 ? 1.0 : -1.0));
        mesh.AddQuad(place, At(OnCircle(inner, r, z0), n), At(OnCircle(outer, r, z0), n),
                     At(OnCircle(outer, r, z1), n), At(OnCircle(inner, r, z1), n), n, material);
    }
}

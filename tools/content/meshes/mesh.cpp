#include "meshes/mesh.h"

#include <utility>

namespace {

bool SameColour(const Colour& a, const Colour& b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

bool SameMaterial(const Material& a, const Material& b) {
    return SameColour(a.diffuse, b.diffuse) && SameColour(a.specular, b.specular) &&
           SameColour(a.emissive, b.emissive) && a.power == b.power && a.texture == b.texture;
}

} // namespace

int Mesh::UseMaterial(const Material& material) {
    for (std::size_t i = 0; i < materials_.size(); ++i) {
        if (SameMaterial(materials_[i], material)) {
            return static_cast<int>(i);
        }
    }
    materials_.push_back(material);
    return static_cast<int>(materials_.size() - 1);
}

void Mesh::AddTriangle(const Transform& place, Vertex a, Vertex b, Vertex c, const Vec3& outward,
                       int material) {
    if (Dot(Cross(b.position - a.position, c.position - a.position), outward) < 0.0) {
        std::swap(b, c);
    }
    const int first = static_cast<int>(vertices_.size());
    for (Vertex* vertex : {&a, &b, &c}) {
        vertex->position = place.Point(vertex->position);
        vertex->normal = Normalized(place.Direction(vertex->normal));
        vertices_.push_back(*vertex);
    }
    triangles_.push_back({first, first + 1, first + 2, material});
}

void Mesh::AddQuad(const Transform& place, const Vertex& a, const Vertex& b, const Vertex& c,
                   const Vertex& d, const Vec3& outward, int material) {
    AddTriangle(place, a, b, c, outward, material);
    AddTriangle(place, a, c, d, outward, material);
}

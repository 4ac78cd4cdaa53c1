// A mesh as the game's .x files hold it: vertices with normals and texture coordinates,
// triangles, and one material per triangle.
#pragma once

#include "meshes/transform.h"
#include "meshes/vector3.h"

#include <string>
#include <vector>

struct Colour {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
};

struct Material {
    Colour diffuse;
    Colour specular;
    Colour emissive;
    double power = 0.0;
    std::string texture; // a file of the style's textures, or empty
};

struct Vertex {
    Vec3 position;
    Vec3 normal;
    double u = 0.0;
    double v = 0.0;
};

struct Triangle {
    int a, b, c;
    int material;
};

class Mesh {
public:
    // The index of this material, adding it when the mesh has no equal one.
    int UseMaterial(const Material& material);

    // A triangle of three new vertices, placed by `place`. It is wound so that it faces
    // `outward` (model space, before placing): the platform draws a triangle whose vertices
    // turn clockwise on screen, which is the side (b - a) x (c - a) points to.
    void AddTriangle(const Transform& place, Vertex a, Vertex b, Vertex c, const Vec3& outward,
                     int material);
    // Two triangles a-b-c and a-c-d.
    void AddQuad(const Transform& place, const Vertex& a, const Vertex& b, const Vertex& c,
                 const Vertex& d, const Vec3& outward, int material);

    const std::vector<Vertex>& Vertices() const { return vertices_; }
    const std::vector<Triangle>& Triangles() const { return triangles_; }
    const std::vector<Material>& Materials() const { return materials_; }

private:
    std::vector<Vertex> vertices_;
    std::vector<Triangle> triangles_;
    std::vector<Material> materials_;
};

// The text of a .x file holding this one mesh under `name`.
std::string XFileText(const Mesh& mesh, const std::string& name);

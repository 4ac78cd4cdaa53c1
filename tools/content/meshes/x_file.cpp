// The .x text of a mesh: positions, one normal per vertex, texture coordinates and a material
// per triangle, with numbers written the same on every machine (fixed decimals, no locale).
#include "meshes/mesh.h"

#include <charconv>
#include <cmath>

namespace {

// Four decimals; a value that rounds to zero is written without a sign.
std::string Number(double value) {
    if (std::fabs(value) < 0.00005) {
        value = 0.0;
    }
    char text[64];
    const auto end = std::to_chars(text, text + sizeof(text), value, std::chars_format::fixed, 4);
    return std::string(text, end.ptr);
}

// Writes `count` items, each made by `item`, separated by ",\n" and ended by ";;\n".
template <typename Item>
void List(std::string& out, std::size_t count, const std::string& indent, Item item) {
    for (std::size_t i = 0; i < count; ++i) {
        out += indent + item(i) + (i + 1 < count ? ",\n" : ";\n");
    }
}

std::string Triple(const Vec3& v) {
    return Number(v.x) + ";" + Number(v.y) + ";" + Number(v.z) + ";";
}

std::string ColourText(const Colour& c) {
    return Number(c.r) + ";" + Number(c.g) + ";" + Number(c.b) + ";";
}

std::string FaceText(const Triangle& t) {
    return "3;" + std::to_string(t.a) + "," + std::to_string(t.b) + "," + std::to_string(t.c) + ";";
}

} // namespace

std::string XFileText(const Mesh& mesh, const std::string& name) {
    const auto& vertices = mesh.Vertices();
    const auto& triangles = mesh.Triangles();
    std::string out = "xof 0303txt 0032\n\nMesh " + name + " {\n";
    out += "  " + std::to_string(vertices.size()) + ";\n";
    List(out, vertices.size(), "  ", [&](std::size_t i) { return Triple(vertices[i].position); });
    out += "  " + std::to_string(triangles.size()) + ";\n";
    List(out, triangles.size(), "  ", [&](std::size_t i) { return FaceText(triangles[i]); });

    out += "  MeshNormals {\n    " + std::to_string(vertices.size()) + ";\n";
    List(out, vertices.size(), "    ", [&](std::size_t i) { return Triple(vertices[i].normal); });
    out += "    " + std::to_string(triangles.size()) + ";\n";
    List(out, triangles.size(), "    ", [&](std::size_t i) { return FaceText(triangles[i]); });
    out += "  }\n";

    out += "  MeshTextureCoords {\n    " + std::to_string(vertices.size()) + ";\n";
    List(out, vertices.size(), "    ",
         [&](std::size_t i) { return Number(vertices[i].u) + ";" + Number(vertices[i].v) + ";"; });
    out += "  }\n";

    const auto& materials = mesh.Materials();
    out += "  MeshMaterialList {\n    " + std::to_string(materials.size()) + ";\n    " +
           std::to_string(triangles.size()) + ";\n";
    List(out, triangles.size(), "    ",
         [&](std::size_t i) { return std::to_string(triangles[i].material); });
    for (const Material& material : materials) {
        out += "    Material {\n";
        out += "      " + ColourText(material.diffuse) + "1.0000;;\n";
        out += "      " + Number(material.power) + ";\n";
        out += "      " + ColourText(material.specular) + ";\n";
        out += "      " + ColourText(material.emissive) + ";\n";
        if (!material.texture.empty()) {
            out += "      TextureFilename {\n        \"" + material.texture + "\";\n      }\n";
        }
        out += "    }\n";
    }
    out += "  }\n}\n";
    return out;
}

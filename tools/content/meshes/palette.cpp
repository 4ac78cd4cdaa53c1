#include "meshes/palette.h"

namespace {

Colour Scaled(const Colour& c, double s) {
    return {c.r * s, c.g * s, c.b * s};
}

} // namespace

Material Paint(const Colour& colour, double shine) {
    Material material;
    material.diffuse = Scaled(colour, 0.55);
    material.emissive = Scaled(colour, 0.2);
    if (shine > 0.0) {
        material.specular = {shine, shine, shine};
        material.power = 24.0;
    }
    return material;
}

Material Textured(const std::string& texture) {
    Material material = Paint({1.0, 1.0, 1.0});
    material.texture = texture;
    return material;
}

Material Glow(const Colour& colour) {
    Material material;
    material.diffuse = Scaled(colour, 0.3);
    material.emissive = colour;
    return material;
}

Material Picture(const std::string& texture) {
    // Diffuse white under the downward light already reaches full brightness on a face that
    // looks up; nothing else is added.
    Material material;
    material.diffuse = {1.0, 1.0, 1.0};
    material.texture = texture;
    return material;
}

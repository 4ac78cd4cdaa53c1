// The models the scene draws besides the level's objects, and the full-screen pictures.
#pragma once

#include "meshes/mesh.h"

#include <string>

// Where the title camera looks on the ground, and the picture's size around it: the central
// square carries the texture, the bands beside it stretch its edge columns for wide screens.
inline constexpr double kPictureCentreX = 0.4136;
inline constexpr double kPictureCentreY = 2.7841;
inline constexpr double kPictureSide = 80.0;
inline constexpr double kPictureWidth = 160.0;

Mesh PictureMesh(const std::string& texture);
// The ground under every board up to 40 x 40 tiles and well beyond.
Mesh FloorMesh();
// Drawn 10 units above the point aimed at: a ring on the ground around it and an arrow
// pointing down at it.
Mesh PointerMesh();
// A shot in flight: a glowing ball.
Mesh BulletMesh();

// Whether a level's camera shows the whole board: the board's corners, on the ground and at
// the height of the shots (about that of the objects standing there), projected with the
// level's view and the game's projection.
#pragma once

#include "render/camera.h"

#include <string>

// The windowed game's aspect: its client area, the 1024 x 768 window less frame and title.
constexpr float kWindowedAspect = 1016.0f / 741.0f;

// Where the corners of a board of width x height tiles that fall outside the view fall, as
// "(0, 80) is below the view; (100, 0) 3 above the ground is right of the view"; empty when
// the camera shows them all.
std::string BoardOutOfView(const CCamera& camera, int width, int height);

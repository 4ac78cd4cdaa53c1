// The full-screen pictures outside play (title, introduction, level complete, game over),
// and drawing any catalog model by name.
#pragma once

class CCamera;

// Draws one frame with the picture of the screen that is up, seen from the title pose
// (unless paused). Neither argument is used: the screens show no text.
void RenderScreens(float dt, int fps);
// Draws the catalog model of that name with the current device state and transforms.
void DrawModel(const char* name);
// Writes the title pose into the camera's position and axes (its mode is kept): almost
// straight down the -z axis from 66.17 units above a point near the origin, the top of the
// screen towards -y. The pictures are made to fill the view from it.
void SetTitlePose(CCamera& camera);

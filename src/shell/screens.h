// The full-screen pictures outside play (title, introduction, level complete, game over),
// and drawing any catalog model by name.
#pragma once

// Draws one frame with the picture of the screen that is up, seen from the title pose
// (unless paused). Neither argument is used: the screens show no text.
void RenderScreens(float dt, int fps);
// Draws the catalog model of that name with the current device state and transforms.
void DrawModel(const char* name);

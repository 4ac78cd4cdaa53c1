// One frame of play: the level's objects and train, the shots, the floor, the pointer, the
// grid lines and the texts, lit by the one light.
#pragma once

// The seconds are not used; the frames per second are shown as text.
void RenderScene(float dt, int fps);

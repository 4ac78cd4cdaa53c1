// The game's keyboard: polled once per frame, driving the screens, pause, music, grid and
// readout switches, level starts and skips, the free camera while paused and camera.txt.
#pragma once

// 0 to go on, 1 to quit (Escape released on the title screen).
int HandleKeys(float dt);

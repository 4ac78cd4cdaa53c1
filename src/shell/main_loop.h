// The frame loop and shutdown.
#pragma once

// Handles one queued window message per pass, or runs one frame when the queue is empty,
// until WM_QUIT arrives or the keys ask to quit.
void GameLoop();
// One frame with its measured time and the current frame rate: keys, update, drawing,
// music. False when the keys asked to quit (nothing is updated or drawn then).
bool RunFrame(float dt, int fps);
// Starts "blues" when music is on and it is not playing; stops it when music is off.
void PlayMusicCue();
// Releases the device and the Direct3D object; a second call finds nothing to release.
void Cleanup();
// Releases what the game made on the device and for the sound (font, grid, level, catalog,
// sound player) before Cleanup lets the device go, so nothing outlives it.
void ReleaseGameObjects();

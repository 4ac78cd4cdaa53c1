// Loading level n of the catalog's level list into g_pLevel, with its grid and camera.
#pragma once

// 0 when a level was loaded; 1 without a catalog or with an empty level list. A number past
// the last level (or below 0) loads level 0 and sets g_nLevel to 0. The level, the grid and
// the shots it replaces are released; the level's camera becomes g_camera (a level file that
// stopped before its camera keeps the current one).
int LoadLevel(int n);

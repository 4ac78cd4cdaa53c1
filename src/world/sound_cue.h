// Plays a named sound cue: the sound of that name from the catalog's sound table, handed to
// the sound player. A missing sound, catalog or player plays nothing.
#pragma once

class CCatalog;
class CSoundPlayer;

void PlayCue(CCatalog* catalog, CSoundPlayer* player, const char* name);

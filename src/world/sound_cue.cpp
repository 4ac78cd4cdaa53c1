#include "world/sound_cue.h"

#include "catalog/catalog.h"
#include "sound/sound_player.h"

void PlayCue(CCatalog* catalog, CSoundPlayer* player, const char* name) {
    if (!catalog || !player) {
        return;
    }
    if (CSound* sound = catalog->GetSound(name)) {
        player->Play(sound);
    }
}

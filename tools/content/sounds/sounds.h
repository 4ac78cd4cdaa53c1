// The style's sounds as WAV files: the music "blues" and the cues "steam", "toot", "coins",
// "rail" and "explode".
#pragma once

#include "content_file.h"

#include <vector>

// One file per sound, at "sounds/<name>.wav".
std::vector<ContentFile> MakeSounds();

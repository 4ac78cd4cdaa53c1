// The generator's sounds, made once and shared by the tests.
#pragma once

#include "wav_decoding.h"

#include "content_file.h"

#include <string>
#include <vector>

inline const std::vector<std::string> kCueNames = {"steam", "toot", "coins", "rail", "explode"};
inline const std::string kMusicName = "blues";

const std::vector<ContentFile>& GeneratedSounds();

// The sound at "sounds/<name>.wav" read back; its problem says so when there is no such file.
const DecodedWav& Sound(const std::string& name);

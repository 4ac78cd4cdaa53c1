#include "generated_sounds.h"

#include "sounds/sounds.h"

#include <map>
#include <utility>

const std::vector<ContentFile>& GeneratedSounds() {
    static const std::vector<ContentFile> files = MakeSounds();
    return files;
}

const DecodedWav& Sound(const std::string& name) {
    static std::map<std::string, DecodedWav> decoded;
    auto found = decoded.find(name);
    if (found == decoded.end()) {
        DecodedWav wav;
        wav.problem = "no file for " + name;
        for (const ContentFile& file : GeneratedSounds()) {
            if (file.path == "sounds/" + name + ".wav") {
                wav = DecodeWav(file.bytes);
            }
        }
        found = decoded.emplace(name, std::move(wav)).first;
    }
    return found->second;
}

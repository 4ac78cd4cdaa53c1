#include "catalog/catalog.h"

#include "catalog/list_reading.h"
#include "data_file.h"
#include "sound/sound.h"
#include "sound/sound_player.h"

#include <fstream>
#include <vector>

namespace {

// The process's current directory at its full length, or "" when it cannot be had. The first
// call asks for the size the directory needs; it is asked again if it grew in between.
std::string CurrentDirectory() {
    DWORD needed = GetCurrentDirectoryA(0, nullptr);
    while (needed > 0) {
        std::vector<char> buffer(needed);
        const DWORD length = GetCurrentDirectoryA(needed, buffer.data());
        if (length < needed) {
            return std::string(buffer.data(), length);
        }
        needed = length;
    }
    return {};
}

} // namespace

int CCatalog::LoadSounds(int style) {
    const std::string styleFolder = CurrentDirectory() + "\\" + GetStyleFolder(style) + "\\";
    std::ifstream list;
    OpenDataStream(list, styleFolder + "sounds.txt");
    std::string name;
    std::string file;
    while (ReadListRecord(list, name, file)) {
        const std::string path = styleFolder + "sounds\\" + file;
        std::vector<char> writablePath(path.begin(), path.end());
        writablePath.push_back('\0');
        CSound* sound = nullptr;
        if (m_pSoundManager->CreateSound(&sound, writablePath.data()) != 0) {
            return 1; // includes every sound when the sound system did not start
        }
        CSound*& slot = m_sounds[name];
        if (slot != sound) {
            delete slot; // the same name listed again replaces the older sound
        }
        slot = sound;
    }
    return ListEndResult(list);
}

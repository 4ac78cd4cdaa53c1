#include "style.h"

#include "images/images.h"
#include "meshes/models.h"
#include "sounds/sounds.h"

#include <string>

namespace {

// "sounds/blues.wav" -> "blues.wav"
std::string FileName(const std::string& path) {
    return path.substr(path.rfind('/') + 1);
}

// "sounds/blues.wav" -> "blues"
std::string Stem(const std::string& path) {
    const std::string name = FileName(path);
    return name.substr(0, name.rfind('.'));
}

} // namespace

std::vector<ContentFile> MakeStyle() {
    std::vector<ContentFile> files;
    std::string models;
    for (ModelFile& model : MakeModels()) {
        models += model.name + " " + FileName(model.file.path) + "\n";
        files.push_back(std::move(model.file));
    }
    std::string textures;
    for (ContentFile& texture : MakeTextures()) {
        textures += FileName(texture.path) + "\n";
        files.push_back(std::move(texture));
    }
    std::string sounds;
    for (ContentFile& sound : MakeSounds()) {
        sounds += Stem(sound.path) + " " + FileName(sound.path) + "\n";
        files.push_back(std::move(sound));
    }
    files.push_back({"models.txt", models});
    files.push_back({"textures.txt", textures});
    files.push_back({"sounds.txt", sounds});
    return files;
}

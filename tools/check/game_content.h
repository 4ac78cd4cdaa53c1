// A content folder loaded as the game loads it: the working directory moved into the folder
// (the game's paths are relative to it), a recording device that draws nothing, the sound
// player on OpenAL's silent device, and the catalog. The working directory is restored when
// the content goes.
#pragma once

#include <d3d9.h>

#include <filesystem>
#include <memory>

class CCatalog;
class CSoundPlayer;

class GameContent {
public:
    explicit GameContent(const std::filesystem::path& folder);
    ~GameContent();
    GameContent(const GameContent&) = delete;
    GameContent& operator=(const GameContent&) = delete;

    CCatalog& Catalog() { return *catalog_; }

private:
    std::filesystem::path previous_;
    IDirect3D9* d3d_ = nullptr;
    IDirect3DDevice9* device_ = nullptr;
    std::unique_ptr<CSoundPlayer> player_;
    std::unique_ptr<CCatalog> catalog_;
};

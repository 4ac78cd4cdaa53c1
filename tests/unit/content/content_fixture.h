// The game's own content folder read through the real catalog, on a recording device, with
// sounds loaded through a player on OpenAL's silent device.
#pragma once

#include "catalog/catalog.h"
#include "sound/sound_player.h"

#include <d3d9_recording.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace content_test {

class ContentTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Every level file named by levels.txt, as a path from the content folder.
    std::vector<std::string> LevelPaths() const;
    // The positions of a model's vertices, read from its loaded mesh.
    std::vector<D3DXVECTOR3> Positions(const std::string& model);

    std::filesystem::path previous_;
    IDirect3D9* d3d_ = nullptr;
    IDirect3DDevice9* device_ = nullptr;
    std::unique_ptr<CSoundPlayer> player_;
    std::unique_ptr<CCatalog> catalog_;
};

} // namespace content_test

// Shared by the catalog tests: a working directory of list and content files, small .x,
// BMP and WAV files, a recording device and the release of everything a catalog loaded.
#pragma once

#include "catalog/catalog.h"

#include <d3d9.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace catalog_test {

// Text of a .x file whose mesh is the square (0,0,0)..(2,2,0) in two triangles, with one
// material per entry of `materials` (a Material object each; triangle i uses material i % n).
std::string SquareMesh(const std::string& materials, int materialCount);
// A Material object of the given diffuse colour, texture name ("" for none), power 5,
// specular (0.1, 0.2, 0.3) and emissive (0.4, 0.5, 0.6).
std::string MaterialObject(float r, float g, float b, const std::string& texture);
// Text of a .x file holding one triangle (0,0,0) (6,0,0) (0,6,0) and no material list.
std::string TriangleMesh();
// A 2 x 2 24-bit BMP file.
std::string TinyBmp();
// A PCM WAV file of a few 8-bit mono samples.
std::string TinyWav();

// Each test runs in a fresh, empty working directory, left and removed afterwards.
class CatalogDirTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Writes `content` to the file at `path` (relative to the working directory), making the
    // folders on the way.
    static void Write(const std::filesystem::path& path, const std::string& content);

    std::filesystem::path previous_;
    std::filesystem::path root_;
    IDirect3DDevice9* device_ = nullptr;
};

} // namespace catalog_test

#include "images/images.h"

#include "images/pictures.h"
#include "images/png.h"
#include "images/textures.h"

#include <string>

namespace {

ContentFile TextureFile(const std::string& name, const Canvas& canvas) {
    return {"textures/" + name + ".png", EncodePng(canvas)};
}

} // namespace

std::vector<ContentFile> MakeTextures() {
    return {
        TextureFile("ground", PaintGroundTexture()),
        TextureFile("gravel", PaintGravelTexture()),
        TextureFile("wood", PaintWoodTexture()),
        TextureFile("brick", PaintBrickTexture()),
        TextureFile("roof", PaintRoofTexture()),
        TextureFile("coin50", PaintCoinTexture("50")),
        TextureFile("coin100", PaintCoinTexture("100")),
        TextureFile("title", PaintTitlePicture()),
        TextureFile("introduction", PaintIntroductionPicture()),
        TextureFile("complete", PaintCompletePicture()),
        TextureFile("gameover", PaintGameOverPicture()),
    };
}

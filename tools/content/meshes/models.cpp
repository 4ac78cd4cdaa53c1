#include "meshes/models.h"

#include "meshes/scene_models.h"
#include "meshes/scenery_models.h"
#include "meshes/station_model.h"
#include "meshes/target_models.h"
#include "meshes/track_models.h"
#include "meshes/train_model.h"

namespace {

ModelFile Model(const std::string& name, const std::string& file, const Mesh& mesh) {
    return {name, {"models/" + file + ".x", XFileText(mesh, file)}};
}

} // namespace

std::vector<ModelFile> MakeModels() {
    return {
        Model("menuIntro", "title", PictureMesh("title.png")),
        Model("menuIntroduction", "introduction", PictureMesh("introduction.png")),
        Model("menuComplete", "complete", PictureMesh("complete.png")),
        Model("menuGameover", "gameover", PictureMesh("gameover.png")),
        Model("floor", "floor", FloorMesh()),
        Model("pointer", "pointer", PointerMesh()),
        Model("bullet", "bullet", BulletMesh()),
        Model("train", "train", TrainMesh()),
        Model("rails", "rails", RailsMesh()),
        Model("railscorner", "railscorner", RailsCornerMesh()),
        Model("station", "station", StationMesh()),
        Model("rturn", "rturn", RightTurnMesh()),
        Model("lturn", "lturn", LeftTurnMesh()),
        Model("rrecht", "rrecht", StraightMesh()),
        Model("50pts", "coin50", Coin50Mesh()),
        Model("100pts", "coin100", Coin100Mesh()),
        Model("speed", "speed", SpeedMesh()),
        Model("block", "block", BlockMesh()),
        Model("tree", "tree", TreeMesh()),
        Model("pine", "pine", PineMesh()),
        Model("rock", "rock", RockMesh()),
        Model("house", "house", HouseMesh()),
        Model("watertower", "watertower", WaterTowerMesh()),
        Model("buffers", "buffers", BuffersMesh()),
    };
}

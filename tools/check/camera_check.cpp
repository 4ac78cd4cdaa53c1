#include "camera_check.h"

#include "render/device_setup.h"
#include "world/game_update.h"
#include "world/tile.h"

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

namespace {

struct Clip {
    float x, y, z, w;
};

// The point as a row vector (x, y, z, 1) times the matrix.
Clip Transformed(const D3DXVECTOR3& point, const D3DXMATRIX& m) {
    return {point.x * m._11 + point.y * m._21 + point.z * m._31 + m._41,
            point.x * m._12 + point.y * m._22 + point.z * m._32 + m._42,
            point.x * m._13 + point.y * m._23 + point.z * m._33 + m._43,
            point.x * m._14 + point.y * m._24 + point.z * m._34 + m._44};
}

// Where a point in clip space falls outside the view, "" when inside. Comparisons are written
// so that a NaN (a camera without a direction) counts as outside.
std::string WhereOutside(const Clip& clip) {
    if (!(clip.w > 0.0f)) {
        return "behind the camera";
    }
    std::string where;
    const auto add = [&](const char* side) {
        where += (where.empty() ? "" : " and ") + std::string(side);
    };
    if (!(clip.x >= -clip.w)) {
        add("left of the view");
    }
    if (!(clip.x <= clip.w)) {
        add("right of the view");
    }
    if (!(clip.y <= clip.w)) {
        add("above the view");
    }
    if (!(clip.y >= -clip.w)) {
        add("below the view");
    }
    if (!(clip.z >= 0.0f)) {
        add("nearer than the near plane");
    }
    if (!(clip.z <= clip.w)) {
        add("beyond the far plane");
    }
    return where;
}

// "A is W", "A and B are W", "A, B and C are W".
std::string Sentence(const std::vector<std::string>& labels, const std::string& where) {
    std::string sentence;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        sentence += (i == 0 ? "" : i + 1 == labels.size() ? " and " : ", ") + labels[i];
    }
    return sentence + (labels.size() == 1 ? " is " : " are ") + where;
}

} // namespace

std::string BoardOutOfView(const CCamera& camera, int width, int height) {
    CCamera viewer = camera; // GetViewMatrix makes the axes orthonormal in place
    D3DXMATRIX view;
    viewer.GetViewMatrix(&view);
    D3DXMATRIX projection;
    GameProjection(&projection, kWindowedAspect);
    D3DXMATRIX viewProjection;
    D3DXMatrixMultiply(&viewProjection, &view, &projection);

    // Corners out of view, grouped by where they fall, in the order first met.
    std::vector<std::pair<std::string, std::vector<std::string>>> groups;
    const auto add = [&](const std::string& where, const std::string& label) {
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&](const auto& known) { return known.first == where; });
        if (group == groups.end()) {
            group = groups.insert(groups.end(), {where, {}});
        }
        group->second.push_back(label);
    };
    for (const double y : {0.0, static_cast<double>(TILE_SIZE) * height}) {
        for (const double x : {0.0, static_cast<double>(TILE_SIZE) * width}) {
            const auto whereAt = [&](float z) {
                const D3DXVECTOR3 corner(static_cast<float>(x), static_cast<float>(y), z);
                return WhereOutside(Transformed(corner, viewProjection));
            };
            const std::string ground = whereAt(0.0f);
            const std::string raised = whereAt(SHOT_START_HEIGHT);
            char label[96];
            std::snprintf(label, sizeof label, "(%.0f, %.0f)", x, y);
            if (ground == raised) {
                if (!ground.empty()) {
                    add(ground, label);
                }
                continue;
            }
            if (!ground.empty()) {
                add(ground, label + std::string(" on the ground"));
            }
            if (!raised.empty()) {
                char above[32];
                std::snprintf(above, sizeof above, " %g above the ground",
                              static_cast<double>(SHOT_START_HEIGHT));
                add(raised, label + std::string(above));
            }
        }
    }
    std::string sentences;
    for (const auto& [where, labels] : groups) {
        sentences += (sentences.empty() ? "" : "; ") + Sentence(labels, where);
    }
    return sentences;
}

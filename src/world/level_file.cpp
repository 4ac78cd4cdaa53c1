// Level files: whitespace-separated tokens in a fixed order (style, height, width,
// camera_data, objects and their records, start, finish, speed). Reading stops at the first
// keyword that does not match or token that cannot be read; no count read from the file
// decides how much is allocated.
#include "world/level.h"

#include "platform/datafile/data_file.h"
#include "render/camera.h"
#include "world/angle.h"
#include "world/tile.h"

#include <fstream>

namespace {

// Reads one token and tells whether it is the keyword.
bool ReadKeyword(std::istream& input, const char* keyword) {
    std::string token;
    return static_cast<bool>(input >> token) && token == keyword;
}

// Reads a value of type T into field, leaving field alone when the token does not read.
template <typename T> bool ReadField(std::istream& input, T& field) {
    T value{};
    if (!(input >> value)) {
        return false;
    }
    field = value;
    return true;
}

} // namespace

int CLevel::ReadLevelFile(const std::string& path) {
    std::ifstream file;
    OpenDataStream(file, path);
    if (!file.is_open()) {
        return 1;
    }
    return ReadLevel(file);
}

int CLevel::ReadLevel(std::istream& input) {
    std::string style;
    if (!ReadKeyword(input, "style") || !(input >> style)) {
        return 1;
    }
    if (!ReadKeyword(input, "height") || !ReadField(input, height)) {
        return 1;
    }
    if (!ReadKeyword(input, "width") || !ReadField(input, width)) {
        return 1;
    }
    if (!ReadKeyword(input, "camera_data")) {
        return 1;
    }
    delete camera;
    camera = new CCamera(Free);
    camera->ReadCameraData(input);
    if (!input) {
        return 1;
    }
    if (!ReadKeyword(input, "objects") || !ReadField(input, objectCount)) {
        return 1;
    }
    // The count only bounds the loop: records are appended as they are read, so a count far
    // beyond the records in the file ends at the file's end.
    for (int i = 0; i < objectCount; ++i) {
        const CLevelObject object = ReadLevelObject(input);
        if (!input) {
            return 1;
        }
        objects.push_back(object);
        if (object.kind == "station") {
            BlockAroundStation(object);
        }
    }
    if (!ReadKeyword(input, "start") || !ReadField(input, trainX) || !ReadField(input, trainY) ||
        !ReadField(input, trainDir)) {
        return 1;
    }
    if (!ReadKeyword(input, "finish") || !ReadField(input, finishX) || !ReadField(input, finishY) ||
        !ReadField(input, finishDir)) {
        return 1;
    }
    if (!ReadKeyword(input, "speed") || !ReadField(input, stepInterval)) {
        return 1;
    }
    TraceTrack(trainX, trainY, trainDir);
    return 0;
}

CLevelObject CLevel::ReadLevelObject(std::istream& input) {
    CLevelObject object;
    float degrees = 0.0f;
    input >> object.x >> object.y >> object.kind >> object.scale >> degrees;
    object.angle = DegreesToAngle(degrees);
    return object;
}

void CLevel::BlockAroundStation(CLevelObject station) {
    // The eight neighbours as one or two steps, in the order the blocked records are listed:
    // east, west, south, north, south-east, north-west, north-east, south-west.
    static constexpr const char* routes[8] = {"e", "w", "s", "n", "es", "wn", "en", "ws"};
    station.kind = "blocked";
    for (const char* route : routes) {
        CLevelObject blocked = station;
        for (const char* step = route; *step; ++step) {
            const Tile next = NextTile(blocked.x, blocked.y, *step);
            blocked.x = next.x;
            blocked.y = next.y;
        }
        objects.push_back(blocked);
    }
}

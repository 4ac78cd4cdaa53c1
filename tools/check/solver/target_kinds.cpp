#include "solver/target_kinds.h"

#include <array>

namespace {

constexpr std::array<const char*, 3> kScoreAndSpeed = {"50pts", "100pts", "speed"};

} // namespace

char TurnLetterOf(const std::string& kind) {
    if (kind == "rturn") {
        return 'r';
    }
    if (kind == "lturn") {
        return 'l';
    }
    if (kind == "rrecht") {
        return 's';
    }
    return 0;
}

bool IsTakenByHit(const std::string& kind) {
    if (TurnLetterOf(kind) != 0) {
        return true;
    }
    for (const char* other : kScoreAndSpeed) {
        if (kind == other) {
            return true;
        }
    }
    return false;
}

bool StopsShots(const std::string& kind) {
    return IsTakenByHit(kind) || kind == "block" || kind == "blocked";
}

std::string SphereModelOf(const std::string& kind) {
    return kind == "blocked" ? "rrecht" : kind;
}

std::vector<CLevelObject> LastingObjects(const std::vector<CLevelObject>& objects) {
    std::vector<CLevelObject> lasting;
    for (const CLevelObject& object : objects) {
        if (!IsTakenByHit(object.kind)) {
            lasting.push_back(object);
        }
    }
    return lasting;
}

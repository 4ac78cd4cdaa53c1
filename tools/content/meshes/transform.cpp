#include "meshes/transform.h"

#include <cmath>
#include <numbers>

namespace {

// Cosine and sine of whole quarter turns are exact, so parts turned by them stay on the grid.
void CosSin(double degrees, double& c, double& s) {
    const double turns = degrees / 90.0;
    if (turns == std::round(turns)) {
        const int quarter = ((static_cast<int>(std::lround(turns)) % 4) + 4) % 4;
        const double cosines[] = {1.0, 0.0, -1.0, 0.0};
        const double sines[] = {0.0, 1.0, 0.0, -1.0};
        c = cosines[quarter];
        s = sines[quarter];
        return;
    }
    const double radians = degrees * std::numbers::pi / 180.0;
    c = std::cos(radians);
    s = std::sin(radians);
}

} // namespace

Transform Transform::Translation(const Vec3& offset) {
    Transform t;
    t.offset_ = offset;
    return t;
}

Transform Transform::RotationZ(double degrees) {
    double c, s;
    CosSin(degrees, c, s);
    Transform t;
    t.m_[0][0] = c;
    t.m_[0][1] = -s;
    t.m_[1][0] = s;
    t.m_[1][1] = c;
    return t;
}

Transform Transform::RotationX(double degrees) {
    double c, s;
    CosSin(degrees, c, s);
    Transform t;
    t.m_[1][1] = c;
    t.m_[1][2] = -s;
    t.m_[2][1] = s;
    t.m_[2][2] = c;
    return t;
}

Transform Transform::RotationY(double degrees) {
    double c, s;
    CosSin(degrees, c, s);
    Transform t;
    t.m_[0][0] = c;
    t.m_[0][2] = s;
    t.m_[2][0] = -s;
    t.m_[2][2] = c;
    return t;
}

Transform Transform::operator*(const Transform& first) const {
    Transform result;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            result.m_[row][column] = m_[row][0] * first.m_[0][column] +
                                     m_[row][1] * first.m_[1][column] +
                                     m_[row][2] * first.m_[2][column];
        }
    }
    result.offset_ = Point(first.offset_);
    return result;
}

Vec3 Transform::Point(const Vec3& p) const {
    return Direction(p) + offset_;
}

Vec3 Transform::Direction(const Vec3& d) const {
    return {m_[0][0] * d.x + m_[0][1] * d.y + m_[0][2] * d.z,
            m_[1][0] * d.x + m_[1][1] * d.y + m_[1][2] * d.z,
            m_[2][0] * d.x + m_[2][1] * d.y + m_[2][2] * d.z};
}

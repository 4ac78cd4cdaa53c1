// The value types of the utility library: their layout, the maths functions over ordinary,
// degenerate and extreme inputs, and the C++ operators.
#include "conformance_checks.h"
#include "conformance_output.h"

#include <algorithm>
#include <cstddef>
#include <cmath>
#include <cstdio>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// Written into outputs beforehand, so that an output the library leaves alone shows.
constexpr float kSentinel = 12345.5f;
constexpr float kPi = 3.14159265f;

const std::vector<D3DXVECTOR3>& SampleVectors() {
    static const std::vector<D3DXVECTOR3> vectors = {
        {0.0f, 0.0f, 0.0f},   {1.0f, 0.0f, 0.0f},       {0.0f, 0.0f, -2.0f},
        {3.0f, 4.0f, 0.0f},   {-2.0f, 5.0f, 7.5f},      {0.1f, 0.2f, 0.3f},
        {1e-20f, 0.0f, 0.0f}, {1e-3f, -1e-3f, 2e-3f},   {1e20f, 1e20f, 1e20f},
        {-0.0f, 0.0f, -0.0f}, {123.25f, -456.5f, 0.75f}};
    return vectors;
}

D3DXMATRIX SentinelMatrix() {
    D3DXMATRIX m;
    std::fill_n(&m._11, 16, kSentinel);
    return m;
}

const D3DXMATRIX kGeneral(2.0f, 0.5f, -1.0f, 0.0f, 1.5f, 3.0f, 0.25f, 0.0f, -0.75f, 1.0f, 4.0f,
                          0.0f, 10.0f, -20.0f, 5.0f, 1.0f);

// The matrices most functions are tried with, each with a name for the labels.
struct NamedMatrix {
    std::string name;
    D3DXMATRIX matrix;
};

std::vector<NamedMatrix> SampleMatrices() {
    std::vector<NamedMatrix> list;
    D3DXMATRIX m;
    list.push_back({"identity", *D3DXMatrixIdentity(&m)});
    list.push_back({"translate", *D3DXMatrixTranslation(&m, 1.0f, -2.0f, 3.5f)});
    list.push_back({"scale", *D3DXMatrixScaling(&m, 2.0f, -3.0f, 0.5f)});
    list.push_back({"tinyscale", *D3DXMatrixScaling(&m, 1e-10f, 1e-10f, 1e-10f)});
    list.push_back({"rotz", *D3DXMatrixRotationZ(&m, 0.7f)});
    D3DXVECTOR3 axis(1.0f, 2.0f, 2.0f);
    list.push_back({"rotaxis", *D3DXMatrixRotationAxis(&m, &axis, -1.2f)});
    list.push_back(
        {"proj", *D3DXMatrixPerspectiveFovLH(&m, kPi / 4.0f, 4.0f / 3.0f, 1.0f, 100.0f)});
    list.push_back({"general", kGeneral});
    list.push_back({"full", D3DXMATRIX(1.0f, 2.0f, 3.0f, 4.0f, -5.0f, 6.0f, 7.0f, 8.0f, 9.0f,
                                       -10.0f, 11.0f, 12.0f, 13.0f, 14.0f, -15.0f, 16.0f)});
    list.push_back({"zero", D3DXMATRIX(0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f,
                                       0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f)});
    // Rows 1 and 3 equal: singular, though no row or column is zero.
    list.push_back({"samerows", D3DXMATRIX(1.0f, 2.0f, 3.0f, 0.0f, 4.0f, 5.0f, 6.0f, 0.0f, 1.0f,
                                           2.0f, 3.0f, 0.0f, 7.0f, 8.0f, 9.0f, 1.0f)});
    return list;
}

std::string Number(float value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(value));
    return buffer;
}

std::string VectorName(const D3DXVECTOR3& v) {
    return "(" + Number(v.x) + "," + Number(v.y) + "," + Number(v.z) + ")";
}

void CheckVectorFunctions() {
    const auto& vectors = SampleVectors();
    for (const D3DXVECTOR3& v : vectors) {
        D3DXVECTOR3 out(kSentinel, kSentinel, kSentinel);
        const D3DXVECTOR3* result = D3DXVec3Normalize(&out, &v);
        OutputLine("normalize" + VectorName(v)).Bool(result == &out).Vector(out);
    }
    for (size_t i = 0; i < vectors.size(); ++i) {
        for (size_t j = 0; j < vectors.size(); j += 2) {
            const std::string pair = VectorName(vectors[i]) + VectorName(vectors[j]);
            D3DXVECTOR3 cross;
            const D3DXVECTOR3* result = D3DXVec3Cross(&cross, &vectors[i], &vectors[j]);
            OutputLine("cross" + pair).Bool(result == &cross).Vector(cross);
            OutputLine("dot" + pair).Float(D3DXVec3Dot(&vectors[i], &vectors[j]));
        }
    }
}

void CheckMatrixBuilders() {
    D3DXMATRIX m; // identity, translation and scaling are among the sample matrices
    const float angles[] = {0.0f,       kPi / 6.0f, kPi / 2.0f, kPi,  -kPi,
                            2.0f * kPi, 100.0f,     -1000.0f,   1e6f, 0.7f};
    for (float angle : angles) {
        m = SentinelMatrix();
        const bool same = D3DXMatrixRotationZ(&m, angle) == &m;
        OutputLine("rotationz(" + Number(angle) + ")").Bool(same).Matrix(m);
    }
    const D3DXVECTOR3 axes[] = {{0, 0, 1},      {1, 1, 1},     {0, 0, 0},        {0, 2, 0},
                                {1e-20f, 0, 0}, {-3, 0.5f, 2}, {1e20f, 0, 1e20f}};
    const float axisAngles[] = {0.0f, kPi / 3.0f, -kPi, 10.0f};
    for (const D3DXVECTOR3& axis : axes) {
        for (float angle : axisAngles) {
            m = SentinelMatrix();
            const bool same = D3DXMatrixRotationAxis(&m, &axis, angle) == &m;
            OutputLine("rotationaxis" + VectorName(axis) + "(" + Number(angle) + ")")
                .Bool(same)
                .Matrix(m);
        }
    }
    // fovy, aspect, zn, zf; the last ones are degenerate.
    const float projections[][4] = {
        {kPi / 4, 4.0f / 3, 1, 100}, {kPi / 4, 1016.0f / 741, 0.1f, 1000},
        {1.0f, 1.0f, 5, 2},          {kPi / 2, 1.0f, 0, 10},
        {kPi / 4, 1.0f, 1, 1},       {0.0f, 1.0f, 1, 10},
        {kPi / 4, 0.0f, 1, 10},      {kPi, 1.0f, 1, 10},
        {kPi / 4, -2.0f, -1, -10}};
    for (const auto& p : projections) {
        m = SentinelMatrix();
        const bool same = D3DXMatrixPerspectiveFovLH(&m, p[0], p[1], p[2], p[3]) == &m;
        OutputLine line("perspectivefovlh");
        line.Floats(p, 4).Text("|").Bool(same).Matrix(m);
    }
}

void CheckMultiplyInverseAndTransforms(const std::vector<NamedMatrix>& matrices) {
    for (const NamedMatrix& a : matrices) {
        for (const NamedMatrix& b : matrices) {
            D3DXMATRIX out = SentinelMatrix();
            const bool same = D3DXMatrixMultiply(&out, &a.matrix, &b.matrix) == &out;
            OutputLine("multiply(" + a.name + "," + b.name + ")").Bool(same).Matrix(out);
        }
    }
    // The output may be an input.
    D3DXMATRIX right = kGeneral;
    D3DXMatrixMultiply(&right, &right, &right);
    OutputLine("multiply-square-inplace").Matrix(right);

    for (const NamedMatrix& a : matrices) {
        D3DXMATRIX out = SentinelMatrix();
        float determinant = kSentinel;
        const D3DXMATRIX* result = D3DXMatrixInverse(&out, &determinant, &a.matrix);
        OutputLine("inverse(" + a.name + ")")
            .Text(result == nullptr ? "null" : (result == &out ? "out" : "other"))
            .Float(determinant)
            .Matrix(out);
    }
    std::vector<D3DXVECTOR3> points = SampleVectors();
    points.push_back({0.0f, 0.0f, -1.0f}); // w = 0 through "proj"
    for (const NamedMatrix& m : matrices) {
        for (const D3DXVECTOR3& v : points) {
            D3DXVECTOR3 out(kSentinel, kSentinel, kSentinel);
            bool same = D3DXVec3TransformCoord(&out, &v, &m.matrix) == &out;
            OutputLine("transformcoord(" + m.name + ")" + VectorName(v)).Bool(same).Vector(out);
            out = D3DXVECTOR3(kSentinel, kSentinel, kSentinel);
            same = D3DXVec3TransformNormal(&out, &v, &m.matrix) == &out;
            OutputLine("transformnormal(" + m.name + ")" + VectorName(v)).Bool(same).Vector(out);
        }
    }
}

void CheckPlanes() {
    const std::tuple<const char*, D3DXPLANE, D3DXVECTOR3, D3DXVECTOR3> cases[] = {
        {"ground-down", {0, 0, 1, 0}, {1, 2, 10}, {3, 4, -5}},
        {"ground-beyond-segment", {0, 0, 1, 0}, {1, 2, 10}, {1, 3, 5}},
        {"offset-plane", {0, 0, 1, -4}, {0, 0, 0}, {0, 0, 1}},
        {"unnormalised", {2, 0, 0, -4}, {-1, 1, 1}, {5, 1, 1}},
        {"slanted", {1, 1, 1, -1}, {0, 0, 0}, {2, 1, 0}},
        {"parallel", {0, 0, 1, 0}, {0, 0, 5}, {7, -3, 5}},
        {"same-points", {0, 0, 1, 0}, {1, 1, 1}, {1, 1, 1}},
        {"zero-plane", {0, 0, 0, 1}, {0, 0, 0}, {0, 0, 1}},
        {"camera-ray", {0, 0, 1, 0}, {50, -30, 80}, {50.5f, -29.25f, 79.0f}},
    };
    for (const auto& [name, plane, v1, v2] : cases) {
        D3DXVECTOR3 out(kSentinel, kSentinel, kSentinel);
        const D3DXVECTOR3* result = D3DXPlaneIntersectLine(&out, &plane, &v1, &v2);
        OutputLine(std::string("planeintersectline(") + name + ")")
            .Text(result == nullptr ? "null" : (result == &out ? "out" : "other"))
            .Vector(out);
    }
}

void PrintSphere(const std::string& label, const D3DXVECTOR3* first, DWORD count, DWORD stride) {
    D3DXVECTOR3 center(kSentinel, kSentinel, kSentinel);
    float radius = kSentinel;
    const HRESULT hr = D3DXComputeBoundingSphere(first, count, stride, &center, &radius);
    OutputLine(label).Result(hr).Vector(center).Float(radius);
}

void CheckBoundingSpheres() {

    const D3DXVECTOR3 several[] = {{0, 0, 0},  {10, 0, 0}, {0, 10, 0}, {0, 0, 10},
                                   {10, 0, 0}, {-3, 4, 1}, {2, 2, 2}};
    PrintSphere("boundingsphere-several", several, 7, sizeof(D3DXVECTOR3));

    // Positions inside larger vertices: only the first three floats of each count.
    const float wide[] = {1, 2, 3, 99, 99, 99, -1, -2, -3, 99, 99, 99, 4, 0, 0, 99, 99, 99};
    PrintSphere("boundingsphere-stride24", reinterpret_cast<const D3DXVECTOR3*>(wide), 3, 24);

    PrintSphere("boundingsphere-zero-count", several, 0, sizeof(D3DXVECTOR3));
    PrintSphere("boundingsphere-null-positions", nullptr, 3, sizeof(D3DXVECTOR3));
    float radius;
    OutputLine("boundingsphere-null-center")
        .Result(D3DXComputeBoundingSphere(several, 3, sizeof(D3DXVECTOR3), nullptr, &radius));
}

// The C++ operators: arithmetic is inline in both headers; what may differ is rounding and
// comparison.
void CheckOperators() {
    const D3DXVECTOR3 a(3.0f, -1.0f, 0.5f);
    OutputLine("vec3-div").Vector(a / 3.0f);
    OutputLine("vec3-div-zero").Vector(a / 0.0f);
    const D3DXVECTOR3 zero(0.0f, 0.0f, 0.0f), negativeZero(-0.0f, 0.0f, -0.0f);
    const D3DXVECTOR3 notANumber(std::nanf(""), 0.0f, 0.0f);
    OutputLine("vec3-equal-signed-zero").Bool(zero == negativeZero).Bool(zero != negativeZero);
    OutputLine("vec3-equal-nan").Bool(notANumber == notANumber).Bool(notANumber != notANumber);

    const D3DXMATRIX m(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16);
    const float diagonal[16] = {2, 0, 0, 0, 0, 3, 0, 0, 0, 0, 4, 0, 1, -1, 2, 1};
    OutputLine("mat-times-mat").Matrix(m * D3DXMATRIX(diagonal));
    OutputLine("mat-div").Matrix(m / 3.0f);
    D3DXMATRIX self = m, withZero = m, withNegativeZero = m;
    self *= self;
    OutputLine("mat-mul-assign-self").Matrix(self);
    withZero._44 = 0.0f;
    withNegativeZero._44 = -0.0f;
    OutputLine("mat-equal-signed-zero")
        .Bool(withZero == withNegativeZero)
        .Bool(withZero != withNegativeZero);

    for (DWORD value : {0x00000000u, 0xffffffffu, 0x80ff4000u, 0x12345678u, 0x7f01fe80u}) {
        const D3DXCOLOR color(value);
        OutputLine("color-from-dword").Hex(value).Color(color).Hex(static_cast<DWORD>(color));
    }
    // Packing clamps to 0..1 and rounds to the nearest step of 1/255.
    const std::pair<const char*, D3DXCOLOR> packed[] = {
        {"clamped", {-0.5f, 1.5f, 2.0f, -1.0f}},
        {"half", {0.5f, 0.25f, 0.75f, 0.5f}},
        {"rounding", {0.998f, 0.001f, 0.003f, 1.0f / 510.0f}},
        {"near-one", {0.999999f, 0.99f, 0.995f, 0.9999f}}};
    for (const auto& [name, color] : packed) {
        OutputLine(std::string("color-to-dword-") + name).Hex(static_cast<DWORD>(color));
    }
    OutputLine("color-div").Color(D3DXCOLOR(0.2f, 0.4f, 0.6f, 1.0f) / 3.0f);
}

// sizeof and offsetof of the value types and the material record.
void CheckLayout() {
    OutputLine("sizeof")
        .Unsigned(sizeof(D3DXVECTOR3))
        .Unsigned(sizeof(D3DXMATRIX))
        .Unsigned(sizeof(D3DXPLANE))
        .Unsigned(sizeof(D3DXCOLOR))
        .Unsigned(sizeof(D3DMATERIAL9))
        .Unsigned(sizeof(D3DXMATERIAL))
        .Unsigned(sizeof(D3DXATTRIBUTERANGE));
    OutputLine("offsetof-ptexturefilename").Unsigned(offsetof(D3DXMATERIAL, pTextureFilename));
}

} // namespace

void RunValueChecks() {
    CheckLayout();
    CheckVectorFunctions();
    CheckMatrixBuilders();
    const std::vector<NamedMatrix> matrices = SampleMatrices();
    CheckMultiplyInverseAndTransforms(matrices);
    CheckPlanes();
    CheckBoundingSpheres();
    CheckOperators();
}

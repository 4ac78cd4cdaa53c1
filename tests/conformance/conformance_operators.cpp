// The C++ operators and constructors of the utility library's value types.
#include "conformance_checks.h"
#include "conformance_output.h"

#include <cmath>
#include <cstddef>

namespace {

// Reads a value type through its float pointer cast, as the game's code may.
template <typename T> void PrintThroughFloatCast(const char* label, T& value, size_t count) {
    FLOAT* writable = value;
    const FLOAT* readable = static_cast<const T&>(value);
    OutputLine(label).Bool(writable == readable).Floats(readable, count);
}

void CheckVectorOperators() {
    const float raw[] = {1.5f, -2.0f, 0.25f};
    D3DVECTOR plain;
    plain.x = 7.0f;
    plain.y = 8.0f;
    plain.z = -9.0f;
    const D3DXVECTOR3 a(3.0f, -1.0f, 0.5f);
    const D3DXVECTOR3 b(raw);
    const D3DXVECTOR3 c(plain);
    OutputLine("vec3-from-floats").Vector(b);
    OutputLine("vec3-from-d3dvector").Vector(c);
    D3DXVECTOR3 cast = a;
    PrintThroughFloatCast("vec3-float-cast", cast, 3);

    OutputLine("vec3-add").Vector(a + b);
    OutputLine("vec3-sub").Vector(a - b);
    OutputLine("vec3-mul").Vector(a * 3.0f);
    OutputLine("vec3-mul-left").Vector(-2.5f * a);
    OutputLine("vec3-div").Vector(a / 3.0f);
    OutputLine("vec3-div-zero").Vector(a / 0.0f);
    OutputLine("vec3-plus").Vector(+a);
    OutputLine("vec3-minus").Vector(-a);

    D3DXVECTOR3 compound = a;
    compound += b;
    OutputLine("vec3-add-assign").Vector(compound);
    compound -= c;
    OutputLine("vec3-sub-assign").Vector(compound);
    compound *= 0.1f;
    OutputLine("vec3-mul-assign").Vector(compound);
    compound /= 7.0f;
    OutputLine("vec3-div-assign").Vector(compound);
    D3DXVECTOR3 chained = a;
    (chained += b) *= 2.0f;
    OutputLine("vec3-chained-assign").Vector(chained);

    const D3DXVECTOR3 zero(0.0f, 0.0f, 0.0f);
    const D3DXVECTOR3 negativeZero(-0.0f, 0.0f, -0.0f);
    const D3DXVECTOR3 notANumber(std::nanf(""), 0.0f, 0.0f);
    OutputLine("vec3-equal").Bool(a == D3DXVECTOR3(3.0f, -1.0f, 0.5f)).Bool(a == b);
    OutputLine("vec3-not-equal").Bool(a != D3DXVECTOR3(3.0f, -1.0f, 0.5f)).Bool(a != b);
    OutputLine("vec3-equal-signed-zero").Bool(zero == negativeZero).Bool(zero != negativeZero);
    OutputLine("vec3-equal-nan").Bool(notANumber == notANumber).Bool(notANumber != notANumber);
}

D3DXMATRIX CountingMatrix() {
    return D3DXMATRIX(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16);
}

void CheckMatrixOperators() {
    const D3DXMATRIX a = CountingMatrix();
    const float raw[16] = {2, 0, 0, 0, 0, 3, 0, 0, 0, 0, 4, 0, 1, -1, 2, 1};
    const D3DXMATRIX b(raw);
    D3DMATRIX plain;
    for (int i = 0; i < 16; ++i) {
        plain.m[i / 4][i % 4] = static_cast<float>(i % 5) - 1.5f;
    }
    const D3DXMATRIX c(plain);
    OutputLine("mat-from-16").Matrix(a);
    OutputLine("mat-from-floats").Matrix(b);
    OutputLine("mat-from-d3dmatrix").Matrix(c);
    D3DXMATRIX cast = a;
    PrintThroughFloatCast("mat-float-cast", cast, 16);

    D3DXMATRIX element = a;
    element(2, 1) = -42.0f;
    const D3DXMATRIX& constElement = element;
    OutputLine("mat-call-operator")
        .Float(constElement(0, 0))
        .Float(constElement(2, 1))
        .Float(constElement(3, 2))
        .Float(element._32);

    OutputLine("mat-times-mat").Matrix(a * b);
    OutputLine("mat-times-mat-reversed").Matrix(b * a);
    OutputLine("mat-add").Matrix(a + c);
    OutputLine("mat-sub").Matrix(a - c);
    OutputLine("mat-mul").Matrix(a * 0.5f);
    OutputLine("mat-mul-left").Matrix(-3.0f * a);
    OutputLine("mat-div").Matrix(a / 3.0f);
    OutputLine("mat-plus").Matrix(+a);
    OutputLine("mat-minus").Matrix(-a);

    D3DXMATRIX compound = a;
    compound *= b;
    OutputLine("mat-mul-assign-mat").Matrix(compound);
    compound += c;
    OutputLine("mat-add-assign").Matrix(compound);
    compound -= b;
    OutputLine("mat-sub-assign").Matrix(compound);
    compound *= 0.25f;
    OutputLine("mat-mul-assign").Matrix(compound);
    compound /= 7.0f;
    OutputLine("mat-div-assign").Matrix(compound);
    D3DXMATRIX self = a;
    self *= self;
    OutputLine("mat-mul-assign-self").Matrix(self);

    D3DXMATRIX withZero = a;
    withZero._44 = 0.0f;
    D3DXMATRIX withNegativeZero = a;
    withNegativeZero._44 = -0.0f;
    OutputLine("mat-equal").Bool(a == CountingMatrix()).Bool(a == b);
    OutputLine("mat-not-equal").Bool(a != CountingMatrix()).Bool(a != b);
    OutputLine("mat-equal-signed-zero")
        .Bool(withZero == withNegativeZero)
        .Bool(withZero != withNegativeZero);
}

void CheckPlaneOperators() {
    const float raw[] = {0.0f, 0.6f, 0.8f, -5.0f};
    const D3DXPLANE a(1.0f, -2.0f, 3.0f, 4.5f);
    const D3DXPLANE b(raw);
    OutputLine("plane-from-floats").Plane(b);
    D3DXPLANE cast = a;
    PrintThroughFloatCast("plane-float-cast", cast, 4);
    OutputLine("plane-plus").Plane(+a);
    OutputLine("plane-minus").Plane(-a);
    OutputLine("plane-equal").Bool(a == D3DXPLANE(1.0f, -2.0f, 3.0f, 4.5f)).Bool(a == b);
    OutputLine("plane-not-equal").Bool(a != D3DXPLANE(1.0f, -2.0f, 3.0f, 4.5f)).Bool(a != b);
    OutputLine("plane-equal-signed-zero")
        .Bool(D3DXPLANE(0, 0, 0, 0) == D3DXPLANE(-0.0f, 0, 0, -0.0f));
}

void PrintColorDword(const char* label, const D3DXCOLOR& color) {
    OutputLine(label).Hex(static_cast<DWORD>(color));
}

void CheckColorOperators() {
    const DWORD packed[] = {0x00000000u, 0xffffffffu, 0x80ff4000u, 0x12345678u, 0x7f01fe80u};
    for (DWORD value : packed) {
        const D3DXCOLOR color(value);
        OutputLine line("color-from-dword");
        line.Hex(value).Color(color).Hex(static_cast<DWORD>(color));
    }
    // Packing clamps to 0..1 and rounds to the nearest step of 1/255.
    PrintColorDword("color-to-dword-clamped", D3DXCOLOR(-0.5f, 1.5f, 2.0f, -1.0f));
    PrintColorDword("color-to-dword-half", D3DXCOLOR(0.5f, 0.25f, 0.75f, 0.5f));
    PrintColorDword("color-to-dword-rounding", D3DXCOLOR(0.998f, 0.001f, 0.003f, 1.0f / 510.0f));
    PrintColorDword("color-to-dword-near-one", D3DXCOLOR(0.999999f, 0.99f, 0.995f, 0.9999f));

    const float raw[] = {0.1f, 0.2f, 0.3f, 0.4f};
    D3DCOLORVALUE plain;
    plain.r = 0.5f;
    plain.g = 0.0f;
    plain.b = 1.0f;
    plain.a = 0.25f;
    const D3DXCOLOR a(0.2f, 0.4f, 0.6f, 1.0f);
    const D3DXCOLOR b(raw);
    const D3DXCOLOR c(plain);
    OutputLine("color-from-floats").Color(b);
    OutputLine("color-from-colorvalue").Color(c);
    D3DXCOLOR cast = a;
    PrintThroughFloatCast("color-float-cast", cast, 4);
    D3DCOLORVALUE* pointer = cast;
    const D3DCOLORVALUE& reference = cast;
    OutputLine("color-colorvalue-casts").Color(*pointer).Color(reference);

    OutputLine("color-add").Color(a + b);
    OutputLine("color-sub").Color(a - c);
    OutputLine("color-mul").Color(a * 2.0f);
    OutputLine("color-mul-left").Color(0.5f * a);
    OutputLine("color-div").Color(a / 3.0f);
    OutputLine("color-plus").Color(+a);
    OutputLine("color-minus").Color(-a);
    D3DXCOLOR compound = a;
    compound += b;
    OutputLine("color-add-assign").Color(compound);
    compound -= c;
    OutputLine("color-sub-assign").Color(compound);
    compound *= 3.0f;
    OutputLine("color-mul-assign").Color(compound);
    compound /= 6.0f;
    OutputLine("color-div-assign").Color(compound);
    OutputLine("color-equal").Bool(a == D3DXCOLOR(0.2f, 0.4f, 0.6f, 1.0f)).Bool(a == b);
    OutputLine("color-not-equal").Bool(a != D3DXCOLOR(0.2f, 0.4f, 0.6f, 1.0f)).Bool(a != b);
}

} // namespace

void RunOperatorChecks() {
    CheckVectorOperators();
    CheckMatrixOperators();
    CheckPlaneOperators();
    CheckColorOperators();
}

void RunLayoutChecks() {
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

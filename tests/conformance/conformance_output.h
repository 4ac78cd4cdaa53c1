// Builds the plain-text lines the conformance program prints: "label: token token ...".
// Floats are printed "%.9g" so that each one reads back as exactly the same float.
#pragma once

#include <d3dx9.h>

#include <cstddef>
#include <string>

class OutputLine {
public:
    explicit OutputLine(const std::string& label);
    ~OutputLine();
    OutputLine(const OutputLine&) = delete;
    OutputLine& operator=(const OutputLine&) = delete;

    OutputLine& Float(float value);
    OutputLine& Floats(const float* values, size_t count);
    OutputLine& Vector(const D3DXVECTOR3& v);
    OutputLine& Matrix(const D3DXMATRIX& m);
    OutputLine& Plane(const D3DXPLANE& p);
    OutputLine& Color(const D3DCOLORVALUE& c);
    OutputLine& Unsigned(unsigned long value);
    OutputLine& Hex(unsigned long value);
    OutputLine& Result(HRESULT hr);
    OutputLine& Bool(bool value);
    OutputLine& Text(const std::string& text);

private:
    std::string m_text;
};

// A list of 32-bit values on one line, e.g. an index or adjacency buffer.
void PrintDwords(const std::string& label, const DWORD* values, size_t count);

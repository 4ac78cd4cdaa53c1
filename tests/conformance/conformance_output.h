// Builds the plain-text lines the conformance program prints: "label: token token ...".
// Floats are printed "%.9g" so that each one reads back as exactly the same float.
#pragma once

#include <d3dx9.h>

#include <cstddef>
#include <cstdio>
#include <string>

class OutputLine {
public:
    explicit OutputLine(const std::string& label) : m_text(label + ":") {}
    ~OutputLine() { std::printf("%s\n", m_text.c_str()); }
    OutputLine(const OutputLine&) = delete;
    OutputLine& operator=(const OutputLine&) = delete;

    OutputLine& Float(float value) { return Format(" %.9g", static_cast<double>(value)); }
    OutputLine& Floats(const float* values, size_t count) {
        for (size_t i = 0; i < count; ++i) {
            Float(values[i]);
        }
        return *this;
    }
    OutputLine& Vector(const D3DXVECTOR3& v) { return Floats(&v.x, 3); }
    OutputLine& Matrix(const D3DXMATRIX& m) { return Floats(&m._11, 16); }
    OutputLine& Color(const D3DCOLORVALUE& c) { return Floats(&c.r, 4); }
    OutputLine& Unsigned(unsigned long value) { return Format(" %lu", value); }
    OutputLine& Hex(unsigned long value) { return Format(" 0x%lx", value); }
    OutputLine& Result(HRESULT hr) {
        return Format(" hr=0x%08lx", static_cast<unsigned long>(static_cast<DWORD>(hr)));
    }
    OutputLine& Bool(bool value) { return Text(value ? "true" : "false"); }
    OutputLine& Text(const std::string& text) {
        m_text += ' ' + text;
        return *this;
    }

private:
    template <typename T> OutputLine& Format(const char* format, T value) {
        char buffer[48];
        std::snprintf(buffer, sizeof buffer, format, value);
        m_text += buffer;
        return *this;
    }
    std::string m_text;
};

// A list of 32-bit values on one line, e.g. an index or adjacency buffer: the count, "|", then
// each value (0xffffffff, no neighbour or unused, as -1).
inline void PrintDwords(const std::string& label, const DWORD* values, size_t count) {
    OutputLine line(label);
    line.Unsigned(count).Text("|");
    for (size_t i = 0; i < count; ++i) {
        line.Text(values[i] == 0xffffffffu ? "-1" : std::to_string(values[i]));
    }
}

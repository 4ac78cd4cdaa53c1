// Formatting of the conformance program's output lines.
#include "conformance_output.h"

#include <cstdio>

OutputLine::OutputLine(const std::string& label) : m_text(label + ":") {}

OutputLine::~OutputLine() {
    std::printf("%s\n", m_text.c_str());
}

OutputLine& OutputLine::Float(float value) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, " %.9g", static_cast<double>(value));
    m_text += buffer;
    return *this;
}

OutputLine& OutputLine::Floats(const float* values, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        Float(values[i]);
    }
    return *this;
}

OutputLine& OutputLine::Vector(const D3DXVECTOR3& v) {
    return Float(v.x).Float(v.y).Float(v.z);
}

OutputLine& OutputLine::Matrix(const D3DXMATRIX& m) {
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            Float(m.m[row][col]);
        }
    }
    return *this;
}

OutputLine& OutputLine::Plane(const D3DXPLANE& p) {
    return Float(p.a).Float(p.b).Float(p.c).Float(p.d);
}

OutputLine& OutputLine::Color(const D3DCOLORVALUE& c) {
    return Float(c.r).Float(c.g).Float(c.b).Float(c.a);
}

OutputLine& OutputLine::Unsigned(unsigned long value) {
    return Text(std::to_string(value));
}

OutputLine& OutputLine::Hex(unsigned long value) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "0x%lx", value);
    return Text(buffer);
}

OutputLine& OutputLine::Result(HRESULT hr) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "hr=0x%08lx",
                  static_cast<unsigned long>(static_cast<DWORD>(hr)));
    return Text(buffer);
}

OutputLine& OutputLine::Bool(bool value) {
    return Text(value ? "true" : "false");
}

OutputLine& OutputLine::Text(const std::string& text) {
    m_text += ' ';
    m_text += text;
    return *this;
}

void PrintDwords(const std::string& label, const DWORD* values, size_t count) {
    OutputLine line(label);
    line.Unsigned(count).Text("|");
    for (size_t i = 0; i < count; ++i) {
        // 0xffffffff (no neighbour, unused) reads better as -1.
        if (values[i] == 0xffffffffu) {
            line.Text("-1");
        } else {
            line.Unsigned(values[i]);
        }
    }
}

// Conversion of an object's values into template fields.
#include "xfile/xfile_values.h"

#include <cstdint>

#include "xfile/xfile_lexer.h"

namespace d3dx::xfile {

bool ValueReader::ReadDword(DWORD& out) {
    std::uint32_t value = 0;
    if (next_ >= values_.size() || values_[next_].quoted ||
        !ParseDword(values_[next_].text, value)) {
        return false;
    }
    out = value;
    ++next_;
    return true;
}

bool ValueReader::ReadFloat(float& out) {
    if (next_ >= values_.size() || values_[next_].quoted || !ParseFloat(values_[next_].text, out)) {
        return false;
    }
    ++next_;
    return true;
}

bool ValueReader::ReadFloats(float* out, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        if (!ReadFloat(out[i])) {
            return false;
        }
    }
    return true;
}

bool ValueReader::ReadString(std::string_view& out) {
    if (next_ >= values_.size() || !values_[next_].quoted) {
        return false;
    }
    out = values_[next_++].text;
    return true;
}

} // namespace d3dx::xfile

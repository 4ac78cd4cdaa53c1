// Reads an object's values in order as the fields of its template: DWORDs, FLOATs, strings.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string_view>
#include <vector>

#include "xfile/xfile_document.h"

namespace d3dx::xfile {

class ValueReader {
public:
    explicit ValueReader(const std::vector<Value>& values) : values_(values) {}

    // Each returns false when a value it needs is missing or of another kind.
    bool ReadDword(DWORD& out);
    bool ReadFloat(float& out);
    bool ReadFloats(float* out, std::size_t count);
    bool ReadString(std::string_view& out);

    std::size_t Remaining() const { return values_.size() - next_; }
    // True when `count` more items of `valuesEach` values each can still be read: lets a reader
    // check a count from the file before allocating anything for it.
    bool CanHold(std::size_t count, std::size_t valuesEach) const {
        return valuesEach == 0 || count <= Remaining() / valuesEach;
    }

private:
    const std::vector<Value>& values_;
    std::size_t next_ = 0;
};

} // namespace d3dx::xfile

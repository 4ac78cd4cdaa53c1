#include "data_file.h"

#ifndef _WIN32
#include <algorithm>
#include <string>
#endif

FILE* OpenDataFile(const char* path, const char* mode) {
    if (path == nullptr || mode == nullptr) {
        return nullptr;
    }
#ifdef _WIN32
    return std::fopen(path, mode);
#else
    std::string native = path;
    std::replace(native.begin(), native.end(), '\\', '/');
    return std::fopen(native.c_str(), mode);
#endif
}

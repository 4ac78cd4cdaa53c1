#include "data_file.h"

#include <algorithm>

namespace {

// The path as this platform's file functions take it.
std::string NativePath(const char* path) {
    std::string native = path;
#ifndef _WIN32
    std::replace(native.begin(), native.end(), '\\', '/');
#endif
    return native;
}

} // namespace

FILE* OpenDataFile(const char* path, const char* mode) {
    if (path == nullptr || mode == nullptr) {
        return nullptr;
    }
    return std::fopen(NativePath(path).c_str(), mode);
}

void OpenDataStream(std::ifstream& stream, const std::string& path) {
    stream.open(NativePath(path.c_str()));
}

void OpenDataStream(std::ofstream& stream, const std::string& path) {
    stream.open(NativePath(path.c_str()), std::ios::out | std::ios::trunc);
}

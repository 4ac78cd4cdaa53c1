#include <windows.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

// The working directory, or an empty string when it cannot be read.
std::string WorkingDirectory() {
    std::string path(256, '\0');
    while (getcwd(path.data(), path.size()) == nullptr) {
        if (errno != ERANGE) {
            return {};
        }
        path.resize(path.size() * 2);
    }
    path.resize(std::strlen(path.c_str()));
    return path;
}

} // namespace

DWORD WINAPI GetCurrentDirectoryA(DWORD bufferLength, LPSTR buffer) {
    const std::string path = WorkingDirectory();
    if (path.empty()) {
        return 0;
    }
    const DWORD length = static_cast<DWORD>(path.size());
    if (buffer == nullptr || bufferLength <= length) {
        return length + 1;
    }
    std::memcpy(buffer, path.c_str(), path.size() + 1);
    return length;
}

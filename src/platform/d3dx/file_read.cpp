#include "file_read.h"

#include <d3dx9mesh.h>

#include <data_file.h>

#include <sys/stat.h>

#include <cstdio>
#include <memory>

namespace d3dx {
namespace {

constexpr std::size_t kMaxFileBytes = std::size_t{1} << 30;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

HRESULT ReadWholeFile(const char* path, std::vector<char>& bytes) {
    std::unique_ptr<std::FILE, FileCloser> file(OpenDataFile(path, "rb"));
    struct stat info {};
    if (!file || fstat(fileno(file.get()), &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_size <= 0) {
        return D3DXERR_INVALIDDATA;
    }
    if (static_cast<std::size_t>(info.st_size) > kMaxFileBytes) {
        return E_OUTOFMEMORY;
    }
    bytes.resize(static_cast<std::size_t>(info.st_size));
    if (std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
        return D3DXERR_INVALIDDATA;
    }
    return D3D_OK;
}

} // namespace d3dx

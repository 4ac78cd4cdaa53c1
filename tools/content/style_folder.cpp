#include "style_folder.h"

#include <fstream>
#include <iterator>
#include <set>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool ReadWhole(const fs::path& path, std::string& bytes) {
    std::ifstream input(path, std::ios::binary);
    if (!input) {
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>());
    return !input.bad();
}

} // namespace

bool WriteFolder(const fs::path& folder, const std::vector<ContentFile>& files,
                 std::string& error) {
    std::error_code failure;
    fs::remove_all(folder, failure);
    for (const ContentFile& file : files) {
        const fs::path path = folder / file.path;
        fs::create_directories(path.parent_path(), failure);
        std::ofstream output(path, std::ios::binary);
        output.write(file.bytes.data(), static_cast<std::streamsize>(file.bytes.size()));
        if (!output.flush()) {
            error = "cannot write " + path.string();
            return false;
        }
    }
    return true;
}

std::vector<std::string> CompareFolder(const fs::path& folder,
                                       const std::vector<ContentFile>& files) {
    std::vector<std::string> differences;
    std::set<fs::path> generated;
    for (const ContentFile& file : files) {
        const fs::path path = folder / file.path;
        generated.insert(path.lexically_normal());
        std::string bytes;
        if (!ReadWhole(path, bytes)) {
            differences.push_back(path.string() + ": missing");
        } else if (bytes != file.bytes) {
            differences.push_back(path.string() + ": differs from what the generator writes");
        }
    }
    std::error_code failure;
    for (auto entry = fs::recursive_directory_iterator(folder, failure);
         entry != fs::recursive_directory_iterator(); entry.increment(failure)) {
        if (entry->is_regular_file() && !generated.contains(entry->path().lexically_normal())) {
            differences.push_back(entry->path().string() + ": not made by the generator");
        }
    }
    return differences;
}

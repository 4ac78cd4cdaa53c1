// railwright-content [--check] CONTENT_FOLDER
//
// Writes the style folder of the game's content (models, textures, pictures, sounds and their
// lists) into CONTENT_FOLDER, replacing what was there. With --check it writes nothing and
// reports every file that differs from what it would write; the exit status is then 1.
#include "style.h"
#include "style_folder.h"

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
    const bool check = argc == 3 && std::strcmp(argv[1], "--check") == 0;
    if (argc != 2 + (check ? 1 : 0)) {
        std::fprintf(stderr, "usage: railwright-content [--check] CONTENT_FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder = std::filesystem::path(argv[argc - 1]) / kStyleFolder;
    const std::vector<ContentFile> files = MakeStyle();
    if (check) {
        const std::vector<std::string> differences = CompareFolder(folder, files);
        for (const std::string& difference : differences) {
            std::fprintf(stderr, "%s\n", difference.c_str());
        }
        if (!differences.empty()) {
            std::fprintf(stderr, "%zu files differ: run 'make content' and commit the result\n",
                         differences.size());
            return 1;
        }
        return 0;
    }
    std::string error;
    if (!WriteFolder(folder, files, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    return 0;
}

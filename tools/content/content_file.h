// One file of generated content: its path inside the style folder ('/' between folders) and
// its bytes.
#pragma once

#include <string>

struct ContentFile {
    std::string path;
    std::string bytes;
};

#include "bench_options.h"

#include <cstdlib>
#include <sstream>
#include <vector>

namespace bench {
namespace {

std::optional<double> SecondsIn(const std::string& word, double lowest, double highest) {
    char* end = nullptr;
    double value = std::strtod(word.c_str(), &end);
    if (end == word.c_str() || *end != '\0' || !(value >= lowest && value <= highest)) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<Options> ParseOptions(const std::string& commandLine) {
    std::istringstream stream(commandLine);
    std::vector<std::string> words;
    for (std::string word; stream >> word;) {
        words.push_back(word);
    }
    if (words.empty() || words.size() > 3) {
        return std::nullopt;
    }
    Options options;
    options.mode = words[0];
    if (words.size() > 1) {
        auto seconds = SecondsIn(words[1], 0.1, 600.0);
        if (!seconds) {
            return std::nullopt;
        }
        options.seconds = *seconds;
    }
    if (words.size() > 2) {
        auto warmup = SecondsIn(words[2], 0.0, 60.0);
        if (!warmup) {
            return std::nullopt;
        }
        options.warmup = *warmup;
    }
    return options;
}

} // namespace bench

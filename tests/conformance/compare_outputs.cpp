// compare_outputs EXPECTED ACTUAL: compares two outputs of the conformance program (the real
// library's first). Prints every differing line pair, then "N passed, M failed"; exits 1 on
// any difference, 2 when a file cannot be read.
#include "compare_lines.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>

namespace {

std::optional<std::string> ReadFile(const char* path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: compare_outputs EXPECTED ACTUAL\n";
        return 2;
    }
    const std::optional<std::string> expected = ReadFile(argv[1]);
    const std::optional<std::string> actual = ReadFile(argv[2]);
    if (!expected || !actual) {
        std::cerr << "compare_outputs: cannot read " << (expected ? argv[2] : argv[1]) << "\n";
        return 2;
    }
    const ComparisonReport report = CompareOutputs(SplitLines(*expected), SplitLines(*actual));
    std::cout << report.details << report.passed << " passed, " << report.failed << " failed\n";
    return report.failed == 0 ? 0 : 1;
}

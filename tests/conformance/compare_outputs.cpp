// compare_outputs EXPECTED ACTUAL: compares two outputs of the conformance program (the real
// library's first). Prints every differing line pair, then "N passed, M failed"; exits 1 on
// any difference, 2 when a file cannot be read.
#include "compare_lines.h"

#include <fstream>
#include <iostream>
#include <iterator>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: compare_outputs EXPECTED ACTUAL\n";
        return 2;
    }
    std::vector<std::string> outputs[2];
    for (int i = 0; i < 2; ++i) {
        std::ifstream file(argv[1 + i], std::ios::binary);
        if (!file) {
            std::cerr << "compare_outputs: cannot read " << argv[1 + i] << "\n";
            return 2;
        }
        outputs[i] = SplitLines(std::string(std::istreambuf_iterator<char>(file), {}));
    }
    const ComparisonReport report = CompareOutputs(outputs[0], outputs[1]);
    std::cout << report.details << report.passed << " passed, " << report.failed << " failed\n";
    return report.failed == 0 ? 0 : 1;
}

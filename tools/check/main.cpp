// railwright-check: checks a content folder for level authors. See kUsage in options.cpp.
#include "check.h"
#include "options.h"
#include "report.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    std::string error;
    const Options options = ParseOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!error.empty()) {
        std::fprintf(stderr, "railwright-check: %s\n%s", error.c_str(), kUsage);
        return 2;
    }
    if (options.help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    try {
        const CheckReport report = CheckContent(options.folder, options.check);
        const std::string text = options.json ? JsonReport(report) : TextReport(report);
        std::fwrite(text.data(), 1, text.size(), stdout);
        return report.Passed() ? 0 : 1;
    } catch (const std::exception& failure) {
        // The folder cannot be entered, or memory ran out.
        std::fprintf(stderr, "railwright-check: %s\n", failure.what());
        return 2;
    }
}

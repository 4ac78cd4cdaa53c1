#include "options.h"

#include <cstdlib>

const char* const kUsage =
    "usage: railwright-check [--json] [--no-solve] [--search-seconds SECONDS] [CONTENT_FOLDER]\n"
    "Checks the content folder (default: the working directory) as the game reads it and\n"
    "searches each level for a way to win it. Problems are reported as file:line: error or\n"
    "warning; the exit status is 0 when there are no errors, 1 when there are, 2 on bad usage.\n"
    "  --json                 the report as JSON\n"
    "  --no-solve             read and check only, without searching the levels\n"
    "  --search-seconds S     the most time the search may take per level (default 20)\n";

Options ParseOptions(const std::vector<std::string>& arguments, std::string& error) {
    Options options;
    bool folderGiven = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--json") {
            options.json = true;
        } else if (argument == "--no-solve") {
            options.check.solve = false;
        } else if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--search-seconds") {
            char* end = nullptr;
            const char* value = i + 1 < arguments.size() ? arguments[++i].c_str() : "";
            options.check.limits.maxSeconds = std::strtod(value, &end);
            if (end == value || *end != '\0' || !(options.check.limits.maxSeconds > 0.0)) {
                error = "--search-seconds needs a number of seconds above 0";
            }
        } else if (argument.starts_with("-") || folderGiven) {
            error = "unexpected argument '" + argument + "'";
        } else {
            options.folder = argument;
            folderGiven = true;
        }
    }
    return options;
}

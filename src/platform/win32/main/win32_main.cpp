// The program's entry point: the platform starts a program at WinMain, with the command line
// after the program's name as one string.
#include <windows.h>

#include <string>

namespace {

// Arguments are joined with spaces; one that is empty or holds blanks is put in quotes.
std::string CommandLineOf(int argc, char** argv) {
    std::string line;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (!line.empty()) {
            line += ' ';
        }
        const bool quote = argument.empty() || argument.find_first_of(" \t") != std::string::npos;
        line += quote ? '"' + argument + '"' : argument;
    }
    return line;
}

} // namespace

int main(int argc, char** argv) {
    std::string commandLine = CommandLineOf(argc, argv);
    return WinMain(GetModuleHandleA(nullptr), nullptr, commandLine.data(), SW_SHOWDEFAULT);
}

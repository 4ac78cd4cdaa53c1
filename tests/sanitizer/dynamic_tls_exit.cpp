// Puts the main thread's TLS block of a dlopen'ed library 16 bytes past a page boundary and
// exits. The leak check at exit must end cleanly (exit code 0) rather than die scanning a
// range read from the bytes before the block.
//
// dynamic_tls_exit MODULE
#include <dlfcn.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr std::uintptr_t kPageSize = 4096;
constexpr std::uintptr_t kBlockSize = 16;

// Blocks of the TLS block's size class, kept reachable so that none counts as a leak.
std::array<void*, 65536> kept;

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: dynamic_tls_exit MODULE\n");
        return 2;
    }
    void* module = dlopen(argv[1], RTLD_NOW);
    if (module == nullptr) {
        std::fprintf(stderr, "cannot load %s: %s\n", argv[1], dlerror());
        return 2;
    }
    auto values = reinterpret_cast<long* (*)()>(dlsym(module, "ThreadLocalValues"));
    if (values == nullptr) {
        std::fprintf(stderr, "%s has no ThreadLocalValues\n", argv[1]);
        return 2;
    }
    // The allocator hands out blocks of one size class in rising order: fill the class up to
    // the end of a page, so that the next block, the TLS block, starts 16 bytes past the next.
    for (void*& block : kept) {
        block = std::malloc(kBlockSize);
        if ((reinterpret_cast<std::uintptr_t>(block) + kBlockSize) % kPageSize == 0) {
            break;
        }
    }
    const auto address = reinterpret_cast<std::uintptr_t>(values());
    if (address % kPageSize != 16) {
        std::fprintf(stderr,
                     "the TLS block is at %#lx, not 16 bytes past a page: the case "
                     "this program exists for was not set up\n",
                     static_cast<unsigned long>(address));
        return 2;
    }
    return 0;
}

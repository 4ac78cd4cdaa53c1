// Run-time options built into every program of a sanitizer build (tests, tools and the game
// alike), so that a program behaves the same whether ctest, a script or a person starts it.

// The runtime's __tls_get_addr interceptor takes a dynamic TLS block that starts 16 bytes
// past a page boundary for one made by a pre-2.19 glibc and reads the two words before it
// as the block's start and size. Since glibc 2.25 those blocks come from malloc, so a block
// of a dlopen'ed library (Mesa's, say) lands there by chance, and the leak check at exit then
// scans a made-up range and dies ("Tracer caught signal 11"). Without the interceptor the
// blocks are still found: they are heap blocks reachable from the thread's vector of them.
extern "C" const char* __asan_default_options() {
    return "intercept_tls_get_addr=0";
}

// SDL video opens a D-Bus connection whose buffers libdbus keeps until the process ends; the
// leak checker must not count them against programs that make a window.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libdbus-1.so\n";
}

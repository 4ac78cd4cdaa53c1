// A library with 16 bytes of thread-local storage, loaded with dlopen, so that each thread's
// block of it is allocated when first used.
thread_local long values[2];

extern "C" long* ThreadLocalValues() {
    return values;
}

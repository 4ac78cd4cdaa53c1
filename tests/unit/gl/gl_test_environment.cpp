// Keeps SDL's video and the GL driver loaded for the whole test run. SDL unloads the X and GL
// libraries with its last window; the leak checker could then neither name nor suppress
// what those libraries keep for the life of a process.
#include <gtest/gtest.h>
#include <sdl_video.h>

#include <dlfcn.h>

#include <initializer_list>

namespace {

class KeepVideoLoaded : public ::testing::Environment {
public:
    void SetUp() override {
        win32sdl::EnsureSdlVideo();
        for (const char* library :
             {"libGLX_mesa.so.0", "libGL.so.1", "/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so"}) {
            dlopen(library, RTLD_NOW | RTLD_NODELETE);
        }
    }
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new KeepVideoLoaded);

} // namespace

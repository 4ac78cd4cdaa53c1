#include "gl_context.h"

#include <epoxy/gl.h>

#include <optional>

namespace d3d9gl::detail {

SDL_GLContext CreateCoreContext(SDL_Window* window) {
    SDL_GLContext previous = SDL_GL_GetCurrentContext();
    SDL_Window* previousWindow = SDL_GL_GetCurrentWindow();
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GLContext context = SDL_GL_CreateContext(window);
    if (!context) {
        return nullptr;
    }
    if (SDL_GL_MakeCurrent(window, context) != 0 || epoxy_gl_version() < 33 ||
        !epoxy_is_desktop_gl()) {
        SDL_GL_DeleteContext(context);
        if (previous) {
            SDL_GL_MakeCurrent(previousWindow, previous);
        }
        return nullptr;
    }
    return context;
}

const DriverLimits& QueryDriverLimits() {
    static std::optional<DriverLimits> limits;
    if (limits) {
        return *limits;
    }
    limits.emplace();
    SDL_Window* window = SDL_CreateWindow("", 0, 0, 1, 1, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (!window) {
        return *limits;
    }
    SDL_GLContext previous = SDL_GL_GetCurrentContext();
    SDL_Window* previousWindow = SDL_GL_GetCurrentWindow();
    if (SDL_GLContext context = CreateCoreContext(window)) {
        limits->coreContext = true;
        glGetIntegerv(GL_MAX_SAMPLES, &limits->maxSamples);
        glGetIntegerv(GL_MAX_TEXTURE_SIZE, &limits->maxTextureSize);
        SDL_GL_DeleteContext(context);
    }
    SDL_DestroyWindow(window);
    if (previous) {
        SDL_GL_MakeCurrent(previousWindow, previous);
    }
    return *limits;
}

} // namespace d3d9gl::detail

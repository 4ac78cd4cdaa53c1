// The "gl" mode: the same frame as "device", drawn with plain OpenGL 3.3 calls on a window of
// the same client size, to show what the Direct3D stand-in costs over the driver. The one
// place in the benchmark that uses OpenGL and SDL directly (Linux only).
#include "bench_scene.h"
#include "extra_modes.h"
#include "frame_loop.h"

#include <windows.h>

#include <SDL.h>
#include <SDL_ttf.h>
#include <epoxy/gl.h>
#include <fontconfig/fontconfig.h>

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

namespace bench {
namespace {

// Per-vertex lighting in view space, as the platform's fixed function does it for one
// directional light: ambient + diffuse, modulated by the texture.
constexpr const char* kMeshVertexShader = R"(#version 330 core
layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
layout(location = 2) in vec2 texCoord;
uniform mat4 world, view, projection;
uniform vec3 toLight; // in view space
uniform vec4 materialDiffuse, ambientTerm, lightDiffuse;
out vec4 colour;
out vec2 uv;
void main() {
    mat4 worldView = view * world;
    vec3 n = normalize(mat3(worldView) * normal);
    colour.rgb = clamp(ambientTerm.rgb +
                       materialDiffuse.rgb * lightDiffuse.rgb * max(0.0, dot(n, toLight)), 0.0, 1.0);
    colour.a = materialDiffuse.a;
    uv = texCoord;
    gl_Position = projection * worldView * vec4(position, 1.0);
    gl_Position.z = 2.0 * gl_Position.z - gl_Position.w;
}
)";
constexpr const char* kMeshFragmentShader = R"(#version 330 core
in vec4 colour;
in vec2 uv;
uniform sampler2D image;
out vec4 fragment;
void main() {
    vec4 texel = texture(image, uv);
    fragment = vec4(texel.rgb * colour.rgb, texel.a);
}
)";
// Lit lines without normals under an all-black material: black.
constexpr const char* kLineVertexShader = R"(#version 330 core
layout(location = 0) in vec3 position;
uniform mat4 viewProjection;
void main() {
    gl_Position = viewProjection * vec4(position, 1.0);
    gl_Position.z = 2.0 * gl_Position.z - gl_Position.w;
}
)";
constexpr const char* kLineFragmentShader = R"(#version 330 core
out vec4 fragment;
void main() { fragment = vec4(0.0, 0.0, 0.0, 1.0); }
)";
// Text: pixel positions, the glyphs' coverage in the texture's alpha.
constexpr const char* kTextVertexShader = R"(#version 330 core
layout(location = 0) in vec2 pixel;
layout(location = 1) in vec2 texCoord;
uniform vec2 screenSize;
out vec2 uv;
void main() {
    gl_Position = vec4(pixel.x / screenSize.x * 2.0 - 1.0, 1.0 - pixel.y / screenSize.y * 2.0,
                       0.0, 1.0);
    uv = texCoord;
}
)";
constexpr const char* kTextFragmentShader = R"(#version 330 core
in vec2 uv;
uniform sampler2D image;
uniform vec4 textColour;
out vec4 fragment;
void main() { fragment = vec4(textColour.rgb, textColour.a * texture(image, uv).a); }
)";

GLuint CompileProgram(const char* vertexSource, const char* fragmentSource) {
    GLuint program = glCreateProgram();
    for (auto [type, source] : {std::pair{GL_VERTEX_SHADER, vertexSource},
                                std::pair{GL_FRAGMENT_SHADER, fragmentSource}}) {
        GLuint shader = glCreateShader(type);
        glShaderSource(shader, 1, &source, nullptr);
        glCompileShader(shader);
        glAttachShader(program, shader);
        glDeleteShader(shader);
    }
    glLinkProgram(program);
    GLint linked = GL_FALSE;
    glGetProgramiv(program, GL_LINK_STATUS, &linked);
    if (!linked) {
        char log[1024] = {};
        glGetProgramInfoLog(program, sizeof(log), nullptr, log);
        std::fprintf(stderr, "render_bench: shader: %s\n", log);
        glDeleteProgram(program);
        return 0;
    }
    return program;
}

GLuint MakeBuffer(GLenum target, const void* data, std::size_t bytes) {
    GLuint buffer = 0;
    glGenBuffers(1, &buffer);
    glBindBuffer(target, buffer);
    glBufferData(target, GLsizeiptr(bytes), data, GL_STATIC_DRAW);
    return buffer;
}

void FloatAttribute(GLuint location, GLint size, GLsizei stride, std::size_t offset) {
    glEnableVertexAttribArray(location);
    glVertexAttribPointer(location, size, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<const void*>(offset));
}

GLuint MakeTexture(GLsizei width, GLsizei height, GLenum format, const void* pixels) {
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, format, GL_UNSIGNED_BYTE, pixels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    return texture;
}

// The file of the installed face that best matches the font's family.
std::string FontFile(const char* family) {
    std::string file;
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(family));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    if (FcPattern* match = FcFontMatch(nullptr, pattern, &result)) {
        FcChar8* path = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch) {
            file = reinterpret_cast<const char*>(path);
        }
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return file;
}

// Everything the frame needs, made once.
struct GlScene {
    Scene scene;
    int width = 0, height = 0;
    GLuint meshProgram = 0, lineProgram = 0, textProgram = 0;
    GLuint meshArray = 0, lineArray = 0, textArray = 0;
    GLint worldLocation = -1;
    GLuint checker = 0;
    GLuint textTextures[kTextLineCount] = {};
};

// The lines of text, each rasterised once into a texture of its own, drawn as quads.
bool MakeText(GlScene& gl) {
    std::string file = FontFile(kFontFace);
    if (file.empty() || TTF_Init() != 0) {
        return false;
    }
    // The same cell height as the platform's font of height 25 (see platform-notes).
    TTF_Font* font = TTF_OpenFontDPI(file.c_str(), kFontHeight, 65, 65);
    if (!font) {
        TTF_Quit();
        return false;
    }
    std::vector<float> quads;
    bool ok = true;
    for (int i = 0; i < kTextLineCount && ok; ++i) {
        const TextLine& line = gl.scene.text[i];
        SDL_Surface* rendered = TTF_RenderUTF8_Blended(font, line.text, {255, 255, 255, 255});
        SDL_Surface* rgba =
            rendered ? SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ABGR8888, 0) : nullptr;
        ok = rgba && rgba->pitch == rgba->w * 4;
        if (ok) {
            gl.textTextures[i] = MakeTexture(rgba->w, rgba->h, GL_RGBA, rgba->pixels);
            float l = float(line.left), t = float(line.top), r = l + float(rgba->w),
                  b = t + float(rgba->h);
            quads.insert(quads.end(), {l, t, 0, 0, r, t, 1, 0, l, b, 0, 1, r, b, 1, 1});
        }
        SDL_FreeSurface(rgba);
        SDL_FreeSurface(rendered);
    }
    TTF_CloseFont(font);
    TTF_Quit();
    if (!ok) {
        return false;
    }
    glGenVertexArrays(1, &gl.textArray);
    glBindVertexArray(gl.textArray);
    MakeBuffer(GL_ARRAY_BUFFER, quads.data(), quads.size() * sizeof(float));
    FloatAttribute(0, 2, 4 * sizeof(float), 0);
    FloatAttribute(1, 2, 4 * sizeof(float), 2 * sizeof(float));
    return true;
}

bool MakeGlScene(GlScene& gl) {
    gl.meshProgram = CompileProgram(kMeshVertexShader, kMeshFragmentShader);
    gl.lineProgram = CompileProgram(kLineVertexShader, kLineFragmentShader);
    gl.textProgram = CompileProgram(kTextVertexShader, kTextFragmentShader);
    if (!gl.meshProgram || !gl.lineProgram || !gl.textProgram) {
        return false;
    }
    const Scene& scene = gl.scene;
    glGenVertexArrays(1, &gl.meshArray);
    glBindVertexArray(gl.meshArray);
    MakeBuffer(GL_ARRAY_BUFFER, scene.meshVertices.data(),
               scene.meshVertices.size() * sizeof(MeshVertex));
    MakeBuffer(GL_ELEMENT_ARRAY_BUFFER, scene.meshIndices.data(),
               scene.meshIndices.size() * sizeof(std::uint16_t));
    FloatAttribute(0, 3, sizeof(MeshVertex), offsetof(MeshVertex, x));
    FloatAttribute(1, 3, sizeof(MeshVertex), offsetof(MeshVertex, nx));
    FloatAttribute(2, 2, sizeof(MeshVertex), offsetof(MeshVertex, u));
    glGenVertexArrays(1, &gl.lineArray);
    glBindVertexArray(gl.lineArray);
    MakeBuffer(GL_ARRAY_BUFFER, scene.gridVertices.data(),
               scene.gridVertices.size() * sizeof(LineVertex));
    FloatAttribute(0, 3, sizeof(LineVertex), 0);
    // Texels are 0xAARRGGBB words: bytes B, G, R, A.
    gl.checker = MakeTexture(kTextureSize, kTextureSize, GL_BGRA, scene.texels.data());

    // Uniforms that stay the same for the whole run.
    glUseProgram(gl.meshProgram);
    gl.worldLocation = glGetUniformLocation(gl.meshProgram, "world");
    glUniformMatrix4fv(glGetUniformLocation(gl.meshProgram, "view"), 1, GL_FALSE, scene.view);
    glUniformMatrix4fv(glGetUniformLocation(gl.meshProgram, "projection"), 1, GL_FALSE,
                       scene.projection);
    D3DXVECTOR3 toLight(-scene.light.Direction.x, -scene.light.Direction.y,
                        -scene.light.Direction.z);
    D3DXVec3TransformNormal(&toLight, &toLight, &scene.view);
    D3DXVec3Normalize(&toLight, &toLight);
    glUniform3f(glGetUniformLocation(gl.meshProgram, "toLight"), toLight.x, toLight.y, toLight.z);
    const D3DCOLORVALUE& cd = scene.meshMaterial.Diffuse;
    const D3DCOLORVALUE& ca = scene.meshMaterial.Ambient;
    const D3DCOLORVALUE& la = scene.light.Ambient;
    auto ga = ColourChannels(kAmbient);
    glUniform4f(glGetUniformLocation(gl.meshProgram, "materialDiffuse"), cd.r, cd.g, cd.b, cd.a);
    glUniform4f(glGetUniformLocation(gl.meshProgram, "ambientTerm"), ca.r * (ga[0] + la.r),
                ca.g * (ga[1] + la.g), ca.b * (ga[2] + la.b), 1.0f);
    const D3DCOLORVALUE& ld = scene.light.Diffuse;
    glUniform4f(glGetUniformLocation(gl.meshProgram, "lightDiffuse"), ld.r, ld.g, ld.b, ld.a);
    glUseProgram(gl.lineProgram);
    D3DXMATRIX viewProjection = scene.view * scene.projection;
    glUniformMatrix4fv(glGetUniformLocation(gl.lineProgram, "viewProjection"), 1, GL_FALSE,
                       viewProjection);
    glUseProgram(gl.textProgram);
    glUniform2f(glGetUniformLocation(gl.textProgram, "screenSize"), float(gl.width),
                float(gl.height));
    auto text = ColourChannels(kTextColour);
    glUniform4f(glGetUniformLocation(gl.textProgram, "textColour"), text[0], text[1], text[2],
                text[3]);

    glFrontFace(GL_CW);
    glCullFace(GL_BACK);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glViewport(0, 0, gl.width, gl.height);
    return MakeText(gl);
}

void DrawFrame(const GlScene& gl) {
    auto clear = ColourChannels(kClearColour);
    glClearColor(clear[0], clear[1], clear[2], clear[3]);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glUseProgram(gl.meshProgram);
    glBindVertexArray(gl.meshArray);
    glBindTexture(GL_TEXTURE_2D, gl.checker);
    const GLsizei indices = GLsizei(gl.scene.meshIndices.size());
    for (const D3DXMATRIX& world : gl.scene.worlds) {
        glUniformMatrix4fv(gl.worldLocation, 1, GL_FALSE, world);
        glDrawElements(GL_TRIANGLES, indices, GL_UNSIGNED_SHORT, nullptr);
    }
    glUseProgram(gl.lineProgram);
    glBindVertexArray(gl.lineArray);
    glDrawArrays(GL_LINES, 0, 2 * kGridLineCount);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glEnable(GL_BLEND);
    glUseProgram(gl.textProgram);
    glBindVertexArray(gl.textArray);
    for (int i = 0; i < kTextLineCount; ++i) {
        glBindTexture(GL_TEXTURE_2D, gl.textTextures[i]);
        glDrawArrays(GL_TRIANGLE_STRIP, 4 * i, 4);
    }
    glDisable(GL_BLEND);
}

bool WindowOpen() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_QUIT) {
            return false;
        }
    }
    return true;
}

bool RunGl(const Options& options, SDL_Window* window) {
    SDL_GLContext context = SDL_GL_CreateContext(window);
    if (!context) {
        std::fprintf(stderr, "render_bench: no OpenGL 3.3 context: %s\n", SDL_GetError());
        return false;
    }
    SDL_GL_SetSwapInterval(0);
    GlScene gl;
    SDL_GL_GetDrawableSize(window, &gl.width, &gl.height);
    gl.scene = MakeScene(gl.width, gl.height);
    bool ok = MakeGlScene(gl);
    if (!ok) {
        std::fprintf(stderr, "render_bench: making the scene failed\n");
    } else {
        ok = RunFrames(options, [&] {
            DrawFrame(gl);
            SDL_GL_SwapWindow(window);
            return WindowOpen() && glGetError() == GL_NO_ERROR;
        });
    }
    SDL_GL_DeleteContext(context);
    return ok;
}

} // namespace

ModeResult RunExtraMode(const Options& options) {
    if (options.mode != "gl") {
        return ModeResult::kUnknown;
    }
    // The client area the platform leaves inside a window of the benchmark's outer size.
    RECT frame = {0, 0, 0, 0};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
    int width = kWindowWidth - (frame.right - frame.left);
    int height = kWindowHeight - (frame.bottom - frame.top);
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "render_bench: %s\n", SDL_GetError());
        return ModeResult::kFailed;
    }
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    SDL_Window* window = SDL_CreateWindow("Railwright render benchmark (OpenGL)", 0, 0, width,
                                          height, SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN);
    bool ok = window && RunGl(options, window);
    if (!window) {
        std::fprintf(stderr, "render_bench: %s\n", SDL_GetError());
    }
    if (window) {
        SDL_DestroyWindow(window);
    }
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return ok ? ModeResult::kDone : ModeResult::kFailed;
}

} // namespace bench

#include "core/sound/sdl_mixer_library.h"

#include <dlfcn.h>

namespace trivanto {

namespace {

// The mixer's run-time name (its soname); SDL comes with it as its dependency.
constexpr const char* kMixerLibrary = "libSDL2_mixer-2.0.so.0";

QString dlError() {
    const char* text = dlerror();
    return text != nullptr ? QString::fromLocal8Bit(text) : QStringLiteral("unknown reason");
}

template <typename Function>
bool resolve(void* handle, const char* name, Function& into, QString& missing) {
    // dlsym on the mixer's handle also searches the libraries it depends on: SDL's calls too.
    into = reinterpret_cast<Function>(dlsym(handle, name));
    if (into == nullptr && missing.isEmpty()) {
        missing = QString::fromLatin1(name);
    }
    return into != nullptr;
}

Result<const SdlMixerLibrary*> load() {
    void* handle = dlopen(kMixerLibrary, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        return Result<const SdlMixerLibrary*>::failure(QStringLiteral("no sound library: ") +
                                                       dlError());
    }
    static SdlMixerLibrary library;
    QString missing;
    resolve(handle, "SDL_InitSubSystem", library.InitSubSystem, missing);
    resolve(handle, "SDL_QuitSubSystem", library.QuitSubSystem, missing);
    resolve(handle, "SDL_GetError", library.GetError, missing);
    resolve(handle, "SDL_SetHint", library.SetHint, missing);
    resolve(handle, "SDL_SetHintWithPriority", library.SetHintWithPriority, missing);
    resolve(handle, "SDL_ResetHint", library.ResetHint, missing);
    resolve(handle, "SDL_RWFromFile", library.RWFromFile, missing);
    resolve(handle, "SDL_GetCurrentAudioDriver", library.GetCurrentAudioDriver, missing);
    resolve(handle, "Mix_OpenAudio", library.OpenAudio, missing);
    resolve(handle, "Mix_CloseAudio", library.CloseAudio, missing);
    resolve(handle, "Mix_Quit", library.Quit, missing);
    resolve(handle, "Mix_LoadMUSType_RW", library.LoadMUSType_RW, missing);
    resolve(handle, "Mix_FreeMusic", library.FreeMusic, missing);
    resolve(handle, "Mix_PlayMusic", library.PlayMusic, missing);
    resolve(handle, "Mix_HaltMusic", library.HaltMusic, missing);
    resolve(handle, "Mix_PlayingMusic", library.PlayingMusic, missing);
    if (!missing.isEmpty()) {
        // Kept loaded: the library is in the process now, whatever it lacks.
        return Result<const SdlMixerLibrary*>::failure(
            QStringLiteral("sound library without %1").arg(missing));
    }
    return &library;
}

}  // namespace

Result<const SdlMixerLibrary*> sdlMixerLibrary() {
    static const Result<const SdlMixerLibrary*> loaded = load();
    return loaded;
}

bool sdlMixerLoaded() {
    void* handle = dlopen(kMixerLibrary, RTLD_NOW | RTLD_NOLOAD);
    if (handle == nullptr) {
        return false;
    }
    dlclose(handle);  // RTLD_NOLOAD took a reference of its own
    return true;
}

}  // namespace trivanto

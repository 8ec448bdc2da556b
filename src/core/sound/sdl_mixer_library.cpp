#include "core/sound/sdl_mixer_library.h"

#include <dlfcn.h>

#include "core/common/library_symbols.h"

namespace trivanto {

namespace {

// The mixer's run-time name (its soname); SDL comes with it as its dependency.
constexpr const char* kMixerLibrary = "libSDL2_mixer-2.0.so.0";

QString dlError() {
    const char* text = dlerror();
    return text != nullptr ? QString::fromLocal8Bit(text) : QStringLiteral("unknown reason");
}

Result<const SdlMixerLibrary*> load() {
    void* handle = dlopen(kMixerLibrary, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        return Result<const SdlMixerLibrary*>::failure(QStringLiteral("no sound library: ") +
                                                       dlError());
    }
    static SdlMixerLibrary library;
    // dlsym on the mixer's handle also searches the libraries it depends on: SDL's calls too.
    LibrarySymbols symbols([handle](const char* name) { return dlsym(handle, name); });
    symbols.resolve("SDL_InitSubSystem", library.InitSubSystem);
    symbols.resolve("SDL_QuitSubSystem", library.QuitSubSystem);
    symbols.resolve("SDL_GetError", library.GetError);
    symbols.resolve("SDL_SetHint", library.SetHint);
    symbols.resolve("SDL_SetHintWithPriority", library.SetHintWithPriority);
    symbols.resolve("SDL_ResetHint", library.ResetHint);
    symbols.resolve("SDL_RWFromFile", library.RWFromFile);
    symbols.resolve("SDL_GetCurrentAudioDriver", library.GetCurrentAudioDriver);
    symbols.resolve("Mix_OpenAudio", library.OpenAudio);
    symbols.resolve("Mix_CloseAudio", library.CloseAudio);
    symbols.resolve("Mix_Quit", library.Quit);
    symbols.resolve("Mix_LoadMUSType_RW", library.LoadMUSType_RW);
    symbols.resolve("Mix_FreeMusic", library.FreeMusic);
    symbols.resolve("Mix_PlayMusic", library.PlayMusic);
    symbols.resolve("Mix_HaltMusic", library.HaltMusic);
    symbols.resolve("Mix_PlayingMusic", library.PlayingMusic);
    if (!symbols.missing().isEmpty()) {
        // Kept loaded: the library is in the process now, whatever it lacks.
        return Result<const SdlMixerLibrary*>::failure(
            QStringLiteral("sound library without %1").arg(symbols.missing()));
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

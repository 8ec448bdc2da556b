#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

#include "core/common/result.h"

namespace trivanto {

// The parts of SDL and SDL2_mixer the sound player calls, found in the libraries at run time.
// The mixer brings some fifty libraries of its own (decoders, synthesisers, sound servers);
// loading them only when the first cue is heard keeps them out of every start, and a game with
// the sound off never loads them at all.
struct SdlMixerLibrary {
    decltype(&::SDL_InitSubSystem) InitSubSystem = nullptr;
    decltype(&::SDL_QuitSubSystem) QuitSubSystem = nullptr;
    decltype(&::SDL_GetError) GetError = nullptr;
    decltype(&::SDL_SetHint) SetHint = nullptr;
    decltype(&::SDL_SetHintWithPriority) SetHintWithPriority = nullptr;
    decltype(&::SDL_ResetHint) ResetHint = nullptr;
    decltype(&::SDL_RWFromFile) RWFromFile = nullptr;
    decltype(&::SDL_GetCurrentAudioDriver) GetCurrentAudioDriver = nullptr;
    decltype(&::Mix_OpenAudio) OpenAudio = nullptr;
    decltype(&::Mix_CloseAudio) CloseAudio = nullptr;
    decltype(&::Mix_Quit) Quit = nullptr;
    decltype(&::Mix_LoadMUSType_RW) LoadMUSType_RW = nullptr;
    decltype(&::Mix_FreeMusic) FreeMusic = nullptr;
    decltype(&::Mix_PlayMusic) PlayMusic = nullptr;
    decltype(&::Mix_HaltMusic) HaltMusic = nullptr;
    decltype(&::Mix_PlayingMusic) PlayingMusic = nullptr;
};

// Loads the mixer (and SDL with it) at the first call and keeps it for the life of the
// process; later calls return the same table, or the same reason why it could not be loaded.
Result<const SdlMixerLibrary*> sdlMixerLibrary();

// Whether this process has loaded the mixer so far (by this loader or by linking it).
bool sdlMixerLoaded();

}  // namespace trivanto

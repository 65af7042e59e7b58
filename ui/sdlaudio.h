#pragma once
#include <SDL.h>
#include <optional>

// The SDL functions the sound player uses, found in SDL's shared library when the first sound
// plays: start-up then loads neither SDL nor the many libraries SDL pulls in. SDL's headers
// give only the types.
namespace ui {

struct SdlAudio {
    decltype(&SDL_SetHint) SetHint;
    decltype(&SDL_InitSubSystem) InitSubSystem;
    decltype(&SDL_QuitSubSystem) QuitSubSystem;
    decltype(&SDL_OpenAudioDevice) OpenAudioDevice;
    decltype(&SDL_CloseAudioDevice) CloseAudioDevice;
    decltype(&SDL_PauseAudioDevice) PauseAudioDevice;
    decltype(&SDL_QueueAudio) QueueAudio;
    decltype(&SDL_GetQueuedAudioSize) GetQueuedAudioSize;
    decltype(&SDL_ClearQueuedAudio) ClearQueuedAudio;
    decltype(&SDL_RWFromConstMem) RWFromConstMem;
    decltype(&SDL_LoadWAV_RW) LoadWAV_RW;
    decltype(&SDL_FreeWAV) FreeWAV;
    decltype(&SDL_BuildAudioCVT) BuildAudioCVT;
    decltype(&SDL_ConvertAudio) ConvertAudio;
};

// Loaded on the first call and kept to the end of the program; null when the library or one
// of its functions cannot be found (then there is no sound).
const SdlAudio* sdlAudio();

// The functions from the library of this name (as QLibrary names it), if it has them all.
std::optional<SdlAudio> loadSdlAudio(const char* library);

} // namespace ui

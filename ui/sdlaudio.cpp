#include "ui/sdlaudio.h"
#include <QLibrary>
#include <optional>

namespace ui {

namespace {

template <class Function>
bool resolve(QLibrary& library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(library.resolve(name));
    return function != nullptr;
}

} // namespace

std::optional<SdlAudio> loadSdlAudio(const char* name)
{
    // The library stays loaded when this object goes: SDL may still run threads of its own.
    QLibrary library(QString::fromLatin1(name), 0);
    SdlAudio audio{};
    const bool found =
        resolve(library, "SDL_SetHint", audio.SetHint) && resolve(library, "SDL_InitSubSystem", audio.InitSubSystem) &&
        resolve(library, "SDL_QuitSubSystem", audio.QuitSubSystem) &&
        resolve(library, "SDL_OpenAudioDevice", audio.OpenAudioDevice) &&
        resolve(library, "SDL_CloseAudioDevice", audio.CloseAudioDevice) &&
        resolve(library, "SDL_PauseAudioDevice", audio.PauseAudioDevice) &&
        resolve(library, "SDL_QueueAudio", audio.QueueAudio) &&
        resolve(library, "SDL_GetQueuedAudioSize", audio.GetQueuedAudioSize) &&
        resolve(library, "SDL_ClearQueuedAudio", audio.ClearQueuedAudio) &&
        resolve(library, "SDL_RWFromConstMem", audio.RWFromConstMem) &&
        resolve(library, "SDL_LoadWAV_RW", audio.LoadWAV_RW) && resolve(library, "SDL_FreeWAV", audio.FreeWAV) &&
        resolve(library, "SDL_BuildAudioCVT", audio.BuildAudioCVT) &&
        resolve(library, "SDL_ConvertAudio", audio.ConvertAudio);
    if (!found)
        return std::nullopt;
    return audio;
}

const SdlAudio* sdlAudio()
{
    static const std::optional<SdlAudio> audio = loadSdlAudio("SDL2-2.0");
    return audio ? &*audio : nullptr;
}

} // namespace ui

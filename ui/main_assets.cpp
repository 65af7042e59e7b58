#include "ui/assetfile.h"
#include "ui/boardpictures.h"
#include "ui/boardgrid.h"
#include "ui/main.h"

// Start-up loading of the game window's sounds and pictures; the first failure stops it and
// what was loaded before stays.
namespace ui {

namespace {

// In rules::Sound order.
const char* const SoundFiles[] = {"snd\\put.wav", "snd\\buz.wav", "snd\\change.wav", "snd\\rotate.wav"};

} // namespace

void Tmainform::FormCreate()
{
    loadSounds();
    loadImages();
}

void Tmainform::loadSounds()
{
    for (std::size_t i = 0; i < sounds_.size(); ++i)
        sounds_[i] = readWhole(assetPath(exeDir_, QString::fromLatin1(SoundFiles[i])));
}

void Tmainform::loadImages()
{
    Table->setPictures(&images_, &larger_); // read at each paint: those loaded before a failure show
    loadBoardImages(exeDir_, images_);
    larger_ = largerBoardImages(exeDir_);
    lightOff_ = withTransparentColour(loadBitmap(assetPath(exeDir_, QStringLiteral("img\\light0.bmp"))));
    lightOn_ = withTransparentColour(loadBitmap(assetPath(exeDir_, QStringLiteral("img\\light1.bmp"))));
}

} // namespace ui

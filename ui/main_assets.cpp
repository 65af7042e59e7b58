#include "rules/failure.h"
#include "ui/assetfile.h"
#include "ui/main.h"

// Start-up loading of the game window's sounds and pictures; the first failure stops it and
// what was loaded before stays.
namespace ui {

namespace {

// In rules::Sound order.
const char* const SoundFiles[] = {"snd\\put.wav", "snd\\buz.wav", "snd\\change.wav", "snd\\rotate.wav"};

// Indexed by cell code; 0 is the cursor, 9 the last-move mark.
const char* const ImageFiles[] = {"img\\select.bmp",   "img\\f_red.bmp",    "img\\f_blu.bmp",    "img\\f_grn.bmp",
                                  "img\\f_blk.bmp",    "img\\koma_red.bmp", "img\\koma_blu.bmp", "img\\koma_grn.bmp",
                                  "img\\koma_blk.bmp", "img\\old.bmp"};

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
    for (std::size_t i = 0; i < images_.size(); ++i) {
        const QImage bitmap = loadBitmap(assetPath(exeDir_, QString::fromLatin1(ImageFiles[i])));
        // The cursor alone is drawn opaque; pieces and the mark leave their backdrop colour out.
        images_[i] = i == rules::CursorImage ? QPixmap::fromImage(bitmap) : withTransparentColour(bitmap);
    }
    loadDetails();
    lightOff_ = withTransparentColour(loadBitmap(assetPath(exeDir_, QStringLiteral("img\\light0.bmp"))));
    lightOn_ = withTransparentColour(loadBitmap(assetPath(exeDir_, QStringLiteral("img\\light1.bmp"))));
}

// The pieces and the mark drawn larger, for an enlarged board. They are a refinement: without
// them the board shows the usual pictures enlarged.
void Tmainform::loadDetails()
{
    std::array<QPixmap, std::size(ImageFiles)> larger;
    for (std::size_t i = rules::CursorImage + 1; i < larger.size(); ++i) {
        const QString file =
            QString::fromLatin1(ImageFiles[i]).replace(QStringLiteral("img\\"), QStringLiteral("img\\x4\\"));
        try {
            larger[i] = withTransparentColour(loadBitmap(assetPath(exeDir_, file)));
        } catch (const Failure&) {
        }
    }
    showDetails(larger);
}

} // namespace ui

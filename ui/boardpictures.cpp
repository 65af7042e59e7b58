#include "ui/boardpictures.h"
#include "rules/cell.h"
#include "rules/failure.h"
#include "ui/assetfile.h"

namespace ui {

namespace {

const char* const ImageFiles[] = {"img\\select.bmp",   "img\\f_red.bmp",    "img\\f_blu.bmp",    "img\\f_grn.bmp",
                                  "img\\f_blk.bmp",    "img\\koma_red.bmp", "img\\koma_blu.bmp", "img\\koma_grn.bmp",
                                  "img\\koma_blk.bmp", "img\\old.bmp"};

QPixmap loadImage(const QString& exeDir, std::size_t code, const QString& folder)
{
    const QString file = QString::fromLatin1(ImageFiles[code]).replace(QStringLiteral("img\\"), folder);
    const QImage bitmap = loadBitmap(assetPath(exeDir, file));
    // The cursor alone is drawn opaque; pieces and the mark leave their backdrop colour out.
    return code == rules::CursorImage ? QPixmap::fromImage(bitmap) : withTransparentColour(bitmap);
}

} // namespace

void loadBoardImages(const QString& exeDir, BoardImages& images)
{
    for (std::size_t code = 0; code < images.size(); ++code)
        images[code] = loadImage(exeDir, code, QStringLiteral("img\\"));
}

BoardImages largerBoardImages(const QString& exeDir)
{
    BoardImages larger;
    for (std::size_t code = rules::CursorImage + 1; code < larger.size(); ++code) {
        try {
            larger[code] = loadImage(exeDir, code, QStringLiteral("img\\x4\\"));
        } catch (const Failure&) {
        }
    }
    return larger;
}

} // namespace ui

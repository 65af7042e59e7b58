#include "ui/boardpictures.h"
#include "rules/cell.h"
#include "rules/failure.h"
#include "ui/assetfile.h"
#include "ui/boardgrid.h"
#include <QPainter>

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

int cellKey(int code, bool marked)
{
    return code + (marked ? rules::LastMoveImage + 1 : 0);
}

void giveDetails(BoardGrid& grid, const BoardImages& larger)
{
    const QPixmap& mark = larger[rules::LastMoveImage];
    for (int code = rules::Empty; code < rules::LastMoveImage; ++code)
        for (const bool marked : {false, true}) {
            const QPixmap* piece = code > rules::Empty ? &larger[std::size_t(code)] : nullptr;
            if ((!piece && !marked) || (piece && piece->isNull()) || (marked && mark.isNull()))
                continue;
            QImage picture(piece ? piece->size() : mark.size(), QImage::Format_RGB32);
            picture.fill(BoardGrid::BoardColour);
            QPainter painter(&picture);
            if (marked)
                painter.drawPixmap(picture.rect(), mark);
            if (piece)
                painter.drawPixmap(picture.rect(), *piece);
            painter.end();
            grid.setDetail(cellKey(code, marked), picture);
        }
}

} // namespace ui

#include "net/readingclock.h"
#include "ui/gamelobby.h"
#include "ui/gameresult.h"
#include "ui/main.h"
#include "ui/analysisoffer.h"
#include "ui/boardgrid.h"
#include "ui/boardpictures.h"
#include <QLabel>
#include <QStatusBar>
#include <QThread>

// The game's screen and speaker: board drawing, side panel texts, sounds and pauses.
namespace ui {

constexpr int CellPixels = BoardGrid::Cell;

void Tmainform::Put(int col, int row, int image)
{
    PutAt(col * CellPixels, row * CellPixels, image);
}

void Tmainform::PutOnTheWay(int col, int row, rules::Direction toward, int step, int steps, int image)
{
    PutAt((col * steps + toward.dc * step) * CellPixels / steps, (row * steps + toward.dr * step) * CellPixels / steps,
          image);
}

void Tmainform::PutAt(int x, int y, int image)
{
    if (image >= 0 && image < int(images_.size()))
        Table->drawPixmap(x, y, images_[image]);
}

void Tmainform::Del(int col, int row)
{
    Table->paintOver(col, row, col, row);
}

void Tmainform::DelBlock(int col0, int row0, int col1, int row1)
{
    Table->paintOver(col0, row0, col1, row1);
}

void Tmainform::repaintBoard()
{
    paintBoard(false);
}

void Tmainform::repaintWholeBoard()
{
    paintBoard(true);
}

// whole: every cell is drawn, empty ones painted over; otherwise only those that changed.
void Tmainform::paintBoard(bool whole)
{
    ui::BoardGrid::Batch batch(*Table);
    Table->drawGridLines();
    for (int col = 0; col < game.boardSize(); ++col) {
        const auto& codes = game.board()[col];
        // An unmarked cell's key is its code: a column without the mark is checked at once.
        if (!whole && col != game.lastCol() && Table->showsColumn(col, codes))
            continue;
        for (int row = 0; row < game.boardSize(); ++row) {
            // A cell that still shows this piece and mark would come out the same: pass over it.
            const bool marked = col == game.lastCol() && row == game.lastRow();
            if (whole || Table->shown(col, row) != cellKey(codes[row], marked))
                TableDrawCell(col, row, whole);
        }
    }
}

void Tmainform::TableDrawCell(int col, int row, bool whole)
{
    const int code = game.board()[col][row];
    const bool marked = col == game.lastCol() && row == game.lastRow();
    if (whole && code == rules::Empty)
        Del(col, row);
    if (marked)
        Put(col, row, rules::LastMoveImage);
    if (code > rules::Empty)
        Put(col, row, code);
    Table->setShown(col, row, cellKey(code, marked));
    Table->setContents(col, row, code);
}

void Tmainform::TableMouseMove(int x, int y)
{
    if (x < 0 || y < 0)
        return;
    const int col = x / CellPixels;
    const int row = y / CellPixels;
    if (!game.onBoard(col, row) || (col == hoverCol_ && row == hoverRow_))
        return;
    const int oldCol = hoverCol_;
    const int oldRow = hoverRow_;
    Del(oldCol, oldRow);
    if (game.onBoard(oldCol, oldRow) && game.board()[oldCol][oldRow] > rules::Empty)
        Put(oldCol, oldRow, game.board()[oldCol][oldRow]);
    hoverCol_ = col;
    hoverRow_ = row;
    showStatus(tr("移動中：%1,%2").arg(col).arg(row));
    Put(col, row, rules::CursorImage);
    if (game.board()[col][row] > rules::Empty)
        Put(col, row, game.board()[col][row]);
}

void Tmainform::showName(int seat, const QString& name)
{
    // The label's rectangle is fixed by the panel: a long name is shortened, whole in its tooltip.
    const QString shown = Name[seat]->fontMetrics().elidedText(name, Qt::ElideRight, NameWidth);
    Name[seat]->setText(shown);
    Name[seat]->setToolTip(shown == name ? QString() : name);
    Name[seat]->adjustSize();
    describeSeat(seat);
}

void Tmainform::showLamp(int seat, bool lit)
{
    Light[seat]->setPixmap(lamp(lit));
    lit_[std::size_t(seat)] = lit;
    describeSeat(seat);
}

void Tmainform::showScore(int seat, const QString& text)
{
    scoreLabel(seat)->setText(text);
    describeSeat(seat);
}

// The label grows a point with every three faces one placement takes.
void Tmainform::showGain(const QString& text, int taken)
{
    const int pointSize = 11 + taken / 3;
    LPoint->setText(text);
    QFont font = LPoint->font();
    // Points as a 96-dpi screen measures them: the window does not scale with the screen.
    font.setPixelSize((pointSize * 96 + 36) / 72);
    LPoint->setFont(font);
    LPoint->repaint();
}

void Tmainform::showTimeLeft(const QString& text)
{
    LTL->setText(text);
    LTL->adjustSize();
}

void Tmainform::setCaption(const QString& text)
{
    setWindowTitle(text);
}

void Tmainform::showStatus(const QString& text)
{
    StatusBar->showMessage(text);
}

void Tmainform::showResult(const std::vector<rules::Place>& places)
{
    AnalyzeGame->follow(!places.empty());
    PanelResult->setVisible(!places.empty());
    if (places.empty())
        return;
    PanelResult->setText(resultPanelText(places, game.scoring()));
    PanelResult->setAccessibleDescription(resultChatLine(places, game.scoring()));
    fitResult();
    lobby_.addChat(resultChatLine(places, game.scoring()));
}

void Tmainform::play(rules::Sound sound)
{
    lobby_.SE_Play(sounds_[static_cast<int>(sound)]);
}

void Tmainform::pause(int ms)
{
    if (ms <= 0 || pauseFactor <= 0)
        return;
    const net::BlockedTime blocked; // what arrives meanwhile is not late
    QThread::msleep(static_cast<unsigned long>(ms) * pauseFactor);
}

} // namespace ui

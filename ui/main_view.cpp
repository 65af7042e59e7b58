#include "rules/notation.h"
#include "ui/soundplayer.h"
#include "ui/gameresult.h"
#include "ui/main.h"
#include "ui/analysisoffer.h"
#include "ui/boardgrid.h"
#include <QLabel>
#include <QCoreApplication>
#include <QStatusBar>

// The game's screen and speaker: board drawing, side panel texts and sounds, as a move is shown.
namespace ui {

constexpr int CellPixels = BoardGrid::Cell;

void Tmainform::Put(int col, int row, int image)
{
    Table->Put(col, row, image);
}

void Tmainform::PutOnTheWay(int col, int row, rules::Direction toward, int step, int steps, int image)
{
    Table->PutOnTheWay(col, row, QPoint(toward.dc, toward.dr), step, steps, image);
}

void Tmainform::Del(int col, int row)
{
    Table->Del(col, row);
}

void Tmainform::repaintBoard()
{
    paintBoard(false);
}

void Tmainform::repaintWholeBoard()
{
    paintBoard(true);
}

// whole: empty cells are painted over too.
void Tmainform::paintBoard(bool whole)
{
    Table->settle();
    const int n = animator_.board().size();
    for (int col = 0; col < n; ++col)
        for (int row = 0; row < n; ++row)
            TableDrawCell(col, row, whole);
}

void Tmainform::TableDrawCell(int col, int row, bool whole)
{
    const int code = animator_.board()[col][row];
    if (whole && code == rules::Empty)
        Del(col, row);
    if (rules::Cell{col, row} == animator_.last())
        Put(col, row, rules::LastMoveImage);
    if (code > rules::Empty)
        Put(col, row, code);
    Table->setContents(col, row, code);
}

void Tmainform::TableMouseMove(int x, int y)
{
    if (x < 0 || y < 0)
        return;
    const int col = x / CellPixels;
    const int row = y / CellPixels;
    const rules::Board& board = animator_.board();
    if (!board.contains(col, row) || (col == hoverCol_ && row == hoverRow_))
        return;
    const int oldCol = hoverCol_;
    const int oldRow = hoverRow_;
    Del(oldCol, oldRow);
    if (board.contains(oldCol, oldRow) && board[oldCol][oldRow] > rules::Empty)
        Put(oldCol, oldRow, board[oldCol][oldRow]);
    hoverCol_ = col;
    hoverRow_ = row;
    StatusBar->showMessage(tr("移動中：%1").arg(rules::cellName(col, row)));
    Put(col, row, rules::CursorImage);
    if (board[col][row] > rules::Empty)
        Put(col, row, board[col][row]);
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

void Tmainform::showScore(int seat, int score)
{
    showScoreText(seat, rules::scoreText(game(), score));
}

void Tmainform::showScoreText(int seat, const QString& text)
{
    scoreLabel(seat)->setText(text);
    describeSeat(seat);
}

// The label grows a point with every three faces one placement takes under the points rule.
void Tmainform::showGain(int taken)
{
    showGainText(rules::gainText(game(), taken), game().countMode() ? 0 : taken);
}

void Tmainform::showGainText(const QString& text, int taken)
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

void Tmainform::showTurn(int seat)
{
    // A game stopped while its last move was still being shown stays stopped on screen.
    setWindowTitle(game().abandoned() ? rules::stoppedCaption() : rules::turnCaption(game(), seat, match_.mySeat()));
}

// The board was closed when the last move was made; the places follow the final scores.
void Tmainform::showEnd()
{
    StatusBar->showMessage(QCoreApplication::translate("rules::Game", "終了！"));
    setWindowTitle(rules::gameOverCaption());
    showResult(rules::ranking(game().names(), {game().scores().begin() + 1, game().scores().end()}));
}

void Tmainform::showResult(const std::vector<rules::Place>& places)
{
    AnalyzeGame->follow(!places.empty());
    PanelResult->setVisible(!places.empty());
    if (places.empty())
        return;
    // Long names are shortened to the panel's width, whole in the tooltip: the board keeps its size.
    const auto shown = namesFitted(places, game().scoring(), PanelResult->font(), Panel->width());
    PanelResult->setText(resultPanelText(shown, game().scoring()));
    PanelResult->setToolTip(resultChatLine(places, game().scoring()));
    PanelResult->setAccessibleDescription(resultChatLine(places, game().scoring()));
    fitResult();
    station_.note(resultChatLine(places, game().scoring()));
}

void Tmainform::play(Sound sound)
{
    SoundPlayer::instance().play(sounds_[static_cast<int>(sound)]);
}

} // namespace ui

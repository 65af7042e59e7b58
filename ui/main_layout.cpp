#include "ui/fonts.h"
#include "ui/main.h"
#include "ui/named.h"
#include "ui/boardcoordinates.h"
#include "ui/boardgrid.h"
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

// The side panel and the window figures that follow the board's size.
namespace ui {

namespace {

constexpr int PanelGap = 10;
constexpr int PanelTop = 8;
constexpr QSize PanelSize(145, 313);
constexpr int ExtraWidth = 170;       // panel, gaps and frame beside the grid
constexpr int ExtraHeight = 66;       // status bar, gap and frame under the grid
constexpr int PanelExtraHeight = 60;  // status bar, gaps and frame under the panel
constexpr QSize ResultSize(145, 96);  // a heading and four rows
constexpr int ResultExtraHeight = 31; // status bar and gap under the result
constexpr int ResultExtraWidth = 10;  // gap right of the result
// Until the window has been shown the frame is unknown: a sizable frame of 4-pixel
// borders under a 26-pixel caption stands in.
constexpr QMargins EstimatedFrame(4, 30, 4, 4);
constexpr int EstimatedFrameHeight = EstimatedFrame.top() + EstimatedFrame.bottom();

// The side of the square the board may fill in a window of that client size.
int boardRoom(const QSize& client)
{
    return std::min(client.width() - ExtraWidth, client.height() - (ExtraHeight - EstimatedFrameHeight));
}

struct SeatRow {
    int top;
    int lampTop;
    const char* colour;
    const char* score; // the score label's name
};
constexpr SeatRow SeatRows[5] = {{},
                                 {8, 12, "#FFD0D0", "PRed"},
                                 {64, 67, "#DDDDFF", "PBlu"},
                                 {120, 124, "#D0F0D0", "PGrn"},
                                 {176, 180, "#EEEEEE", "PBlk"}};

QLabel* label(QWidget* parent, const char* name, const QString& text, int x, int y)
{
    auto* l = named(new QLabel(text, parent), name);
    l->move(x, y);
    l->adjustSize();
    return l;
}

} // namespace

void Tmainform::createSidePanel()
{
    frame_ = EstimatedFrame;
    Panel = named(new QFrame(this), "Panel");
    Panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel->setGeometry(QRect(QPoint(384, PanelTop), PanelSize));
    createScoreRow(1, PRed, SeatRows[1].top, QString::fromLatin1(SeatRows[1].colour));
    createScoreRow(2, PBlu, SeatRows[2].top, QString::fromLatin1(SeatRows[2].colour));
    createScoreRow(3, PGrn, SeatRows[3].top, QString::fromLatin1(SeatRows[3].colour));
    createScoreRow(4, PBlk, SeatRows[4].top, QString::fromLatin1(SeatRows[4].colour));
    createMoveArea();
    createResultPanel();
}

void Tmainform::createScoreRow(int seat, QLabel*& score, int top, const QString& colour)
{
    Light[seat] = new QLabel(Panel);
    Light[seat]->setObjectName(QStringLiteral("Light%1").arg(seat));
    Light[seat]->setGeometry(8, SeatRows[seat].lampTop, 17, 17);
    score = named(new QLabel(tr("%1点").arg(0), Panel), SeatRows[seat].score);
    score->setGeometry(30, top, 105, 25);
    score->setAlignment(Qt::AlignCenter);
    score->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    score->setFont(uiFont(16));
    score->setAutoFillBackground(true);
    QPalette palette = score->palette();
    palette.setColor(QPalette::Window, QColor(colour));
    score->setPalette(palette);
    Name[seat] = new QLabel(QStringLiteral("player%1").arg(seat), Panel);
    Name[seat]->setObjectName(QStringLiteral("Name%1").arg(seat));
    Name[seat]->move(32, top + 26);
    Name[seat]->setFont(uiFont(13));
    Name[seat]->adjustSize();
}

void Tmainform::createMoveArea()
{
    Bevel1 = named(new QFrame(Panel), "Bevel1");
    Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    Bevel1->setGeometry(0, 224, PanelSize.width(), 2);
    Label1 = label(Panel, "Label1", tr("累計"), 8, 235);
    LTL = label(Panel, "LTL", tr("時間制限 無し"), 64, 235);
    LPoint = named(new QLabel(Panel), "LPoint");
    LPoint->setGeometry(8, 248, 81, 41);
    LPoint->setAlignment(Qt::AlignCenter);
    LPoint->setFont(uiFont(16, false, true));
    QPalette palette = LPoint->palette();
    palette.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
    LPoint->setPalette(palette);
    BtnPass = named(new QPushButton(tr("パス"), Panel), "BtnPass");
    BtnPass->setGeometry(96, 256, 41, 33);
    BtnPass->setFont(uiFont(15));
    BtnPass->setEnabled(false);
    AutoPass = named(new QCheckBox(tr("自動適当打ち(次から)"), Panel), "AutoPass");
    AutoPass->setGeometry(4, 292, 133, 17);
}

void Tmainform::createResultPanel()
{
    PanelResult = named(new QLabel(this), "PanelResult");
    PanelResult->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    PanelResult->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PanelResult->setTextFormat(Qt::RichText);
    PanelResult->setFont(uiFont(13));
    PanelResult->setMargin(3);
    PanelResult->setAutoFillBackground(true);
    QPalette palette = PanelResult->palette();
    palette.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xE0));
    PanelResult->setPalette(palette);
    PanelResult->setGeometry(QRect(Panel->geometry().bottomLeft() + QPoint(0, PanelGap), ResultSize));
    PanelResult->hide();
}

// The result box takes the room its rows need, at least its usual size; the window grows,
// never shrinks, until it fits beside the board and above the status bar.
void Tmainform::fitResult()
{
    PanelResult->resize(PanelResult->sizeHint().expandedTo(ResultSize));
    fitBoard();
    const QRect box = PanelResult->geometry();
    const QSize needed(box.right() + 1 + ResultExtraWidth, box.bottom() + 1 + ResultExtraHeight);
    if (width() < needed.width() || height() < needed.height())
        resize(size().expandedTo(needed));
}

QLabel* Tmainform::scoreLabel(int seat) const
{
    const std::array<QLabel*, 5> scores{nullptr, PRed, PBlu, PGrn, PBlk};
    return scores[seat];
}

void Tmainform::setBoardSize(int n)
{
    Table->setGridSize(n);
    const int grid = n * BoardGrid::Cell;
    outerMinimum_ = QSize(grid + ExtraWidth, std::max(grid + ExtraHeight, Panel->height() + PanelExtraHeight));
    learnFrame();
    applyMinimumSize();
    fitBoard();
}

// The window's size alone sets the board: it takes all the room that the side panel, the
// status bar and their gaps leave, in whole device pixels per cell and never less than 25
// pixels a cell. Beside the board the room of a frame's width is left too, so that the
// smallest window, whatever its frame, shows the board at exactly 25N; under it, only a gap.
// The frame itself is left out, as a window manager may tell it late.
int Tmainform::shownCellFor(const QSize& client, int n, double ratio)
{
    return std::max(int(BoardGrid::Cell * ratio), int(boardRoom(client) * ratio) / n);
}

// Where the coordinates find room, the board moves right and down by their strip.
void Tmainform::fitBoard()
{
    const int n = Table->gridSize();
    // A result wider than the panel, for long names, takes its extra width from the board.
    const int wider = PanelResult->isVisibleTo(this) ? std::max(0, PanelResult->width() - PanelSize.width()) : 0;
    const QSize client = size() - QSize(wider, 0);
    const int inset = coordinates_->insetFor(boardRoom(client), n);
    Table->setShownCell(shownCellFor(client - QSize(inset, inset), n, devicePixelRatioF()));
    Table->move(inset, inset);
    coordinates_->follow(inset);
    // A board a little smaller than its 25-pixel cells (a fractional scale) leaves the panel in place.
    Panel->move(inset + std::max(Table->width(), n * BoardGrid::Cell) + PanelGap, PanelTop);
    PanelResult->move(Panel->geometry().bottomLeft() + QPoint(0, PanelGap));
}

void Tmainform::learnFrame()
{
    if (!isVisible())
        return; // a hidden window keeps what it learnt when last shown
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    frame_ = QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                      outer.bottom() - inner.bottom());
    frameKnown_ = true;
}

void Tmainform::applyMinimumSize()
{
    if (outerMinimum_.isEmpty())
        return;
    // Qt grows a smaller window to its minimum at once and never shrinks a larger one.
    setMinimumSize((outerMinimum_ - frameExtent()).expandedTo(QSize(0, 0)));
}

QSize Tmainform::frameExtent() const
{
    return QSize(frame_.left() + frame_.right(), frame_.top() + frame_.bottom());
}

} // namespace ui

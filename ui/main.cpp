#include "ui/main.h"
#include "ui/analysisoffer.h"
#include "record/recordstore.h"
#include "ui/gamelobby.h"
#include "ui/errorbox.h"
#include "ui/fonts.h"
#include "ui/programicon.h"
#include "ui/boardgrid.h"
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QScreen>
#include <QWindow>

namespace ui {

namespace {

constexpr QPoint DesignPosition(363, 211);
constexpr int StatusHeight = 25;

} // namespace

Tmainform::Tmainform(GameLobby& lobby, const QString& exeDir, QWidget* parent)
    : QWidget(parent, Qt::Window), game(*this, *this), lobby_(lobby), exeDir_(exeDir)
{
    setWindowTitle(QStringLiteral("Kuralo"));
    setWindowIcon(programIcon());
    setFont(uiFont(12));
    resize(DesignClient);
    move(DesignPosition);

    Table = new ui::BoardGrid(this);
    Table->setFont(uiFont(13, true));
    Table->setEnabled(false);
    createSidePanel();
    StatusBar = new QStatusBar(this);
    StatusBar->setFont(uiFont(16));
    AnalyzeGame = new AnalysisOffer(*StatusBar, images_, larger_, [this] { return recorder_->lastWritten(); });
    Timer = new QTimer(this);
    counter = new QTimer(this);
    counter->setInterval(1000);
    createAids();
    nameControls();
    connectHandlers();

    guarded([&] { FormCreate(); });
    lobby_.setGameWindow(this);
    // Every game this station plays is kept; a folder that cannot be written costs a chat line.
    recorder_ = std::make_unique<record::Recorder>(record::recordsFolder(),
                                                   [this](const QString& why) { lobby_.addChat(why); });
    game.setLog(recorder_.get());
}

Tmainform::~Tmainform()
{
    lobby_.setGameWindow(nullptr);
}

void Tmainform::connectHandlers()
{
    connect(Table, &ui::BoardGrid::cellChosen, this,
            [this](int col, int row) { guarded([&] { game.TableSelectCell(col, row); }); });
    connect(Table, &ui::BoardGrid::pointerMoved, this,
            [this](int x, int y) { guarded([&] { TableMouseMove(x, y); }); });
    connect(Table, &ui::BoardGrid::surfaceCleared, this, [this] { guarded([&] { repaintBoard(); }); });
    connect(BtnPass, &QPushButton::clicked, this, [this] { guarded([&] { game.BtnPassClick(); }); });
    connect(Timer, &QTimer::timeout, this, [this] { guarded([&] { game.TimerTimer(); }); });
    connect(counter, &QTimer::timeout, this, [this] { guarded([&] { game.counterTimer(); }); });
}

void Tmainform::newGame(const rules::Settings& settings, int seat, const QStringList& members)
{
    seat_ = seat;       // before the new game's caption names whose turn it is
    abandoned_ = false; // a new game is the player's own again
    hoverCol_ = hoverRow_ = 0;
    game.Reset(settings, members);
}

void Tmainform::resizeEvent(QResizeEvent* event)
{
    StatusBar->setGeometry(0, height() - StatusHeight, width(), StatusHeight);
    fitBoard();
    QWidget::resizeEvent(event);
}

void Tmainform::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    learnFrame();
    applyMinimumSize();
    fitBoard();
    // Moved to a screen of another scale, the board needs other device pixels.
    connect(windowHandle(), &QWindow::screenChanged, this, &Tmainform::fitBoard, Qt::UniqueConnection);
}

} // namespace ui

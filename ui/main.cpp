#include "ui/main.h"
#include "record/recordstore.h"
#include "ui/boot.h"
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

Tmainform::Tmainform(Tbootform& boot, const QString& exeDir, QWidget* parent)
    : QWidget(parent, Qt::Window), game(*this, *this), boot_(boot), exeDir_(exeDir)
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
    Timer = new QTimer(this);
    counter = new QTimer(this);
    counter->setInterval(1000);
    createAids();
    nameControls();
    connectHandlers();

    guarded([&] { FormCreate(); });
    boot_.mainform = this;
    // Every game this station plays is kept; a folder that cannot be written costs a chat line.
    recorder_ =
        std::make_unique<record::Recorder>(record::recordsFolder(), [this](const QString& why) { boot_.addChat(why); });
    game.setLog(recorder_.get());
}

Tmainform::~Tmainform()
{
    boot_.mainform = nullptr;
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

void Tmainform::newGame()
{
    rules::Settings settings;
    settings.boardSize = boot_.TableSize->Position();
    settings.scoring = boot_.scoring();
    settings.timeLimit = boot_.TimeLimit->Position();
    abandoned_ = false; // a new game is the player's own again
    hoverCol_ = hoverRow_ = 0;
    game.Reset(settings, boot_.members());
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

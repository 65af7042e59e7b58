#include "ui/main.h"
#include "ui/named.h"
#include "ui/analysisoffer.h"
#include "ui/errorbox.h"
#include "ui/fonts.h"
#include "ui/programicon.h"
#include "ui/boardcoordinates.h"
#include "ui/boardgrid.h"
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QScreen>
#include <QShowEvent>
#include <QWindow>
#include <algorithm>

namespace ui {

namespace {

constexpr QPoint DesignPosition(363, 211);
constexpr int StatusHeight = 25;

} // namespace

Tmainform::Tmainform(match::Station& station, const QString& exeDir, const QString& settingsPath, QWidget* parent)
    : QWidget(parent, Qt::Window), station_(station), match_(station.match()), exeDir_(exeDir),
      settingsPath_(settingsPath)
{
    setWindowTitle(QStringLiteral("Kuralo"));
    setWindowIcon(programIcon());
    setFont(uiFont(12));
    resize(DesignClient);
    move(DesignPosition);

    Table = named(new ui::BoardGrid(this), "Table");
    Table->setFont(uiFont(13, true));
    Table->setEnabled(false);
    coordinates_ = new BoardCoordinates(*Table, this);
    createSidePanel();
    StatusBar = named(new QStatusBar(this), "StatusBar");
    StatusBar->setFont(uiFont(16));
    AnalyzeGame = named(
        new AnalysisOffer(*StatusBar, images_, larger_,
                          [this] { return station_.recorder() ? station_.recorder()->lastWritten() : QString(); }),
        "AnalyzeGame");
    createGameActions();
    createAids();
    nameControls();
    connectHandlers();

    guarded([&] { FormCreate(); });
    followMatch();
}

Tmainform::~Tmainform()
{
    match_.setPacer({});
    match_.disconnect(this);
    station_.disconnect(this);
}

void Tmainform::connectHandlers()
{
    connect(Table, &ui::BoardGrid::cellChosen, this,
            [this](int col, int row) { guarded([&] { match_.TableSelectCell(col, row); }); });
    connect(Table, &ui::BoardGrid::pointerMoved, this,
            [this](int x, int y) { guarded([&] { TableMouseMove(x, y); }); });
    connect(Table, &ui::BoardGrid::cleared, this, [this] { guarded([&] { repaintBoard(); }); });
    connect(BtnPass, &QPushButton::clicked, this, [this] { guarded([&] { match_.BtnPassClick(); }); });
    connect(AutoPass, &QCheckBox::toggled, &station_, &match::Station::setAutoPlay);
}

void Tmainform::takeKeyboard()
{
    if (!isVisible())
        return;
    raise();
    activateWindow();
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
    if (!event->spontaneous())
        fitOnScreen(); // before the frame is learnt: the first time, an estimate is all there is
    learnFrame();
    applyMinimumSize();
    fitBoard();
    // Moved to a screen of another scale, the board needs other device pixels.
    connect(windowHandle(), &QWindow::screenChanged, this, &Tmainform::fitBoard, Qt::UniqueConnection);
}

// The whole window, frame and all, inside the screen's free area: a window larger than that
// area shrinks, though never below its smallest size; one still larger shows its top left.
void Tmainform::fitOnScreen()
{
    const QScreen* shownOn = screen();
    if (!shownOn)
        return;
    const QRect area = shownOn->availableGeometry();
    const QSize frame = frameExtent();
    resize(size().boundedTo(area.size() - frame).expandedTo(minimumSize()));
    const QSize outer = size() + frame;
    move(std::max(area.left(), std::min(x(), area.right() + 1 - outer.width())),
         std::max(area.top(), std::min(y(), area.bottom() + 1 - outer.height())));
}

} // namespace ui

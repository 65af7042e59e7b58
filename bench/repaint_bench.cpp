#include "ui/boot.h"
#include "ui/errorbox.h"
#include "ui/extrkbar.h"
#include "ui/main.h"
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtWidgets/qtestsupport_widgets.h>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>

// The whole-board repaint that every capture and every rotation frame ends with, on the
// largest board with every cell occupied and the window on screen.

namespace {

// The shipped pictures and sounds, copied so that the lobby's settings file lands elsewhere.
bool copyAssets(const QString& to)
{
    const QDir from(QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../assets"));
    for (const QString& folder : {QStringLiteral("img"), QStringLiteral("snd")}) {
        QDir(to).mkpath(folder);
        const QDir source(from.filePath(folder));
        for (const QString& name : source.entryList(QDir::Files))
            if (!QFile::copy(source.filePath(name), to + u'/' + folder + u'/' + name))
                return false;
    }
    return true;
}

struct FullBoard {
    QTemporaryDir dir;
    std::unique_ptr<ui::Tbootform> boot;
    std::unique_ptr<ui::Tmainform> form;

    // occupied: every cell holds a piece; otherwise the fresh board of a new game, whose
    // repaint also clears every empty cell.
    bool open(bool occupied)
    {
        if (!dir.isValid() || !copyAssets(dir.path()))
            return false;
        const QString exeDir = dir.path() + u'/';
        boot = std::make_unique<ui::Tbootform>(exeDir);
        form = std::make_unique<ui::Tmainform>(*boot, exeDir);
        boot->Mem->clear();
        boot->Mem->addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")});
        boot->TableSize->setPosition(26);
        form->newGame();
        for (int c = 0; occupied && c < 26; ++c)
            for (int r = 0; r < 26; ++r)
                form->game.board[c][r] = 1 + (c + r) % 8;
        form->game.lastCol = 13;
        form->game.lastRow = 12;
        form->game.repaintAll = !occupied;
        form->show();
        return QTest::qWaitForWindowExposed(form.get());
    }
};

// The benchmark binary's main belongs to Google Benchmark; the application object is made on
// first use and lives to the end of the process.
void ensureApplication()
{
    if (QApplication::instance())
        return;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "taisen_bench";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
    ui::setErrorSink([](const QString& message) { qWarning("%s", qPrintable(message)); });
}

void repaint(benchmark::State& state, bool occupied)
{
    ensureApplication();
    FullBoard board;
    if (!board.open(occupied)) {
        state.SkipWithError("the game window could not be shown");
        return;
    }
    for (auto _ : state)
        board.form->repaintBoard();
}

void BM_RepaintFullBoard(benchmark::State& state) { repaint(state, true); }
void BM_RepaintFullBoardOfANewGame(benchmark::State& state) { repaint(state, false); }

BENCHMARK(BM_RepaintFullBoard)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepaintFullBoardOfANewGame)->Unit(benchmark::kMicrosecond);

} // namespace

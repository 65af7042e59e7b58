#include "bench/benchprogram.h"
#include "tests/support/controls.h"
#include "net/hostserver.h"
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QtCore/qtestsupport_core.h>
#include <benchmark/benchmark.h>
#include <array>

// A move's way through the network: from a guest's sendgameinfo, over the host's relay on
// 127.0.0.1, to the move applied on the other three stations. The animation pauses are cut to
// nothing, so what is left is the network, the rules and the drawing.

namespace {

// One program, with what the benchmark reads of it.
struct Program : BenchProgram {
    explicit Program(const char* name) : BenchProgram(QLatin1String(name)) {}
    const rules::Game& game() const { return form->game(); }
    match::Match& match() { return form->match(); }
    QStringList members() const { return boot->station().members(); }
};

// One host and three guests in this process, joined in seat order.
struct Table4 {
    std::array<Program, 4> st{Program("A"), Program("B"), Program("C"), Program("D")};

    bool shown = true;

    bool open(int size)
    {
        control<QLineEdit>(*st[0].boot, "BoxPort")->setText(QStringLiteral("0"));
        st[0].boot->BtnStartClick();
        for (int i = 1; i < 4; ++i) {
            control<ui::RadioGroup>(*st[i].boot, "Method")->setItemIndex(1);
            control<QComboBox>(*st[i].boot, "BoxIP")->setEditText(QStringLiteral("127.0.0.1"));
            control<QLineEdit>(*st[i].boot, "BoxPort")->setText(QString::number(st[0].boot->station().port()));
            st[i].boot->BtnGoClick();
            if (!QTest::qWaitFor([&] { return st[0].members().size() == i + 1; }, 5000))
                return false;
        }
        for (Program& s : st)
            if (!QTest::qWaitFor([&] { return s.members().size() == 4; }, 5000))
                return false;
        control<ui::TExtTrackBar>(*st[0].boot, "TableSize")->setPosition(size);
        return newGame();
    }

    bool newGame()
    {
        st[0].boot->BtnGameClick();
        const bool met = QTest::qWaitFor([&] { return !over() && everyoneHas(st[0].game()); }, 5000);
        for (Program& s : st)
            s.form->setVisible(shown);
        return met;
    }

    bool everyoneHas(const rules::Game& g)
    {
        return std::all_of(st.begin(), st.end(), [&](Program& s) {
            return s.game().board() == g.board() && s.game().curPlayer() == g.curPlayer() &&
                   s.game().passCount() == g.passCount();
        });
    }

    // Lets the events in: true once every station holds what `mover` holds; false after 5 s.
    bool spread(Program& mover)
    {
        QElapsedTimer clock;
        clock.start();
        while (!everyoneHas(mover.game()) && clock.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        return everyoneHas(mover.game());
    }

    Program& toMove() { return st[st[0].game().curPlayer() - 1]; }

    // The station to move places on its first legal cell, or passes.
    static void move(Program& s)
    {
        const auto cells = s.game().legalCells();
        if (cells.empty())
            s.match().BtnPassClick();
        else
            s.match().TableSelectCell(cells.front().first, cells.front().second);
    }

    bool over() const { return st[0].form->windowTitle() == QStringLiteral("ゲーム終了　"); }
};

void GuestMoveReachesTheOtherThree(benchmark::State& state)
{
    ensureApplication();
    ui::MoveAnimator::pauseFactor = 0;
    Table4 table;
    table.shown = state.range(1) != 0;
    if (!table.open(int(state.range(0)))) {
        state.SkipWithError("the four stations could not meet");
        return;
    }
    QElapsedTimer clock;
    double localApply = 0;
    for (auto _ : state) {
        // The host's own move and a finished game are set aside: only a guest's move is timed.
        while (table.over() || &table.toMove() == &table.st[0]) {
            if (table.over() ? !table.newGame() : (Table4::move(table.st[0]), !table.spread(table.st[0]))) {
                state.SkipWithError("the host's move did not spread");
                return;
            }
        }
        Program& mover = table.toMove();
        clock.start();
        Table4::move(mover);
        const qint64 sent = clock.nsecsElapsed();
        if (!table.spread(mover)) {
            state.SkipWithError("a guest's move did not spread");
            return;
        }
        state.SetIterationTime(double(clock.nsecsElapsed() - sent) * 1e-9);
        localApply += double(sent) * 1e-6;
    }
    // What one station spends applying a move itself: the host and two guests each do it in turn
    // within the timed span, as all four share this one thread.
    state.counters["oneApply_ms"] = benchmark::Counter(localApply, benchmark::Counter::kAvgIterations);
    ui::MoveAnimator::pauseFactor = 1;
}

} // namespace

// shown 0: the game windows hidden, so no station draws and the network and the rules are left.
BENCHMARK(GuestMoveReachesTheOtherThree)
    ->ArgsProduct({{8, 26}, {1, 0}})
    ->ArgNames({"size", "shown"})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

#include "bench/benchprogram.h"
#include "match/computerseat.h"
#include "match/station.h"
#include "tests/support/webdriver.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <QWebSocket>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

// The page for phones: what it costs a phone to load, and how soon a move reaches it.
namespace {

constexpr qint64 PageLimitBytes = 300 * 1024;
constexpr int ThinkMs = 60;

// Every file the host serves a phone: the page and all that it loads.
void PageBytes(benchmark::State& state)
{
    ensureApplication();
    qint64 bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        QDirIterator files(QStringLiteral(":/web"), QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext())
            bytes += QFileInfo(files.next()).size();
    }
    state.counters["page_bytes"] = double(bytes);
    state.counters["limit_bytes"] = double(PageLimitBytes);
    if (bytes > PageLimitBytes)
        state.SkipWithError("the page and what it loads are over 300 kB");
}
BENCHMARK(PageBytes)->Iterations(1);

// A page that plays its seat: the first legal cell on each of its turns, when each state came.
struct Page {
    Page(quint16 port, const QString& name, const QElapsedTimer& clock)
        : socket(QStringLiteral("http://127.0.0.1:%1").arg(port))
    {
        QObject::connect(&socket, &QWebSocket::connected, [this, name] { send({{"t", "join"}, {"name", name}}); });
        QObject::connect(&socket, &QWebSocket::textMessageReceived, [this, &clock](const QString& text) {
            const QJsonObject frame = QJsonDocument::fromJson(text.toUtf8()).object();
            if (frame["t"] != QStringLiteral("state"))
                return;
            arrived.emplace(frame["moves"].toInt(), clock.nsecsElapsed());
            over = frame["over"].toBool();
            if (!frame["yourTurn"].toBool() || over)
                return;
            // A player's pace: the host drops a page that sends more than its share of frames.
            const QJsonArray legal = frame["legal"].toArray();
            QTimer::singleShot(ThinkMs, &socket, [this, legal] {
                if (legal.isEmpty())
                    send({{"t", "pass"}});
                else
                    send({{"t", "move"}, {"col", legal[0].toArray()[0]}, {"row", legal[0].toArray()[1]}});
            });
        });
        socket.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/ws").arg(port)));
    }
    void send(const QJsonObject& frame) { socket.sendTextMessage(QJsonDocument(frame).toJson(QJsonDocument::Compact)); }

    QWebSocket socket;
    std::map<int, qint64> arrived; // moves played -> when the page had the state after them
    bool over = false;
};

template <class Done>
bool pumpUntil(Done done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

// From the host applying a move to each of three pages having the game after it, over an 8 x 8
// game in which the pages play three seats and a computer of the host the first.
void PageMoveLatency(benchmark::State& state)
{
    ensureApplication();
    match::ComputerSeat::movePauseMs = 0;
    std::vector<double> ms;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        match::Station host;
        host.host(QStringLiteral("0"), QStringLiteral("host"));
        host.browsers().listen(0);
        std::map<int, qint64> applied;
        QObject::connect(&host.match(), &match::Match::moved,
                         [&] { applied.emplace(int(host.match().game().moves().size()), clock.nsecsElapsed()); });
        std::vector<std::unique_ptr<Page>> pages;
        for (const char* name : {"P2", "P3", "P4"})
            pages.push_back(std::make_unique<Page>(host.browsers().web().port(), QString::fromLatin1(name), clock));
        if (!pumpUntil([&] { return host.members().size() == 4; }, 5000)) {
            state.SkipWithError("the pages did not join");
            return;
        }
        match::ComputerSeat computer(ai::Level::Random);
        host.setNextSettings({8, rules::Scoring::Points, rules::NoLimit, false});
        host.startGame();
        host.match().setPlayer(1, &computer);
        const auto over = [&] {
            return host.match().game().gameOver() && std::ranges::all_of(pages, [](const auto& p) { return p->over; });
        };
        if (!pumpUntil(over, 60000)) {
            state.SkipWithError("the game did not end within a minute");
            return;
        }
        for (const auto& page : pages)
            for (const auto& [moves, at] : applied)
                if (const auto got = page->arrived.find(moves); got != page->arrived.end())
                    ms.push_back(double(got->second - at) / 1e6);
        host.match().setPlayer(1, nullptr);
    }
    match::ComputerSeat::movePauseMs = 300;
    std::ranges::sort(ms);
    if (ms.empty())
        return;
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["worst_ms"] = ms.back();
    state.counters["samples"] = double(ms.size());
    state.counters["target_median_ms"] = 20;
}
BENCHMARK(PageMoveLatency)->Iterations(3)->Unit(benchmark::kMillisecond);

// From a headless Chromium asking for the page on loopback to its first contentful
// paint, as the browser itself times it; a fresh load each time, with nothing cached.
void PageFirstPaint(benchmark::State& state)
{
    ensureApplication();
    WebDriver page;
    if (!page.ok()) {
        state.SkipWithError("Chromium or chromedriver is not installed");
        return;
    }
    match::Station host;
    host.host(QStringLiteral("0"), QStringLiteral("host"));
    host.browsers().listen(0);
    const QString url = QStringLiteral("http://127.0.0.1:%1/").arg(host.browsers().web().port());
    std::vector<double> ms;
    for (auto _ : state) {
        page.go(QStringLiteral("about:blank"));
        page.go(url + QStringLiteral("?") + QString::number(ms.size()));
        QJsonValue paint;
        pumpUntil(
            [&] {
                paint = page.run(QStringLiteral("const p = performance.getEntriesByName('first-contentful-paint')[0];"
                                                "return p ? p.startTime : null;"));
                return paint.isDouble();
            },
            5000);
        if (!paint.isDouble()) {
            state.SkipWithError("the page never painted");
            return;
        }
        ms.push_back(paint.toDouble());
    }
    std::ranges::sort(ms);
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["worst_ms"] = ms.back();
    state.counters["target_ms"] = 1000;
}
BENCHMARK(PageFirstPaint)->Iterations(9)->Unit(benchmark::kMillisecond);

} // namespace

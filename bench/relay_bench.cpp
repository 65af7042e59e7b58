#include "bench/benchprogram.h"
#include "tests/support/controls.h"
#include "net/hostserver.h"
#include "net/lobbymessages.h"
#include "net/message.h"
#include "net/messagebuffer.h"
#include "rules/position.h"
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <map>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <optional>
#include <poll.h>
#include <random>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

// How late a guest's move reaches the other guests, by the faces it captured, and a chat line
// sent while the host shows a capture. The host is the whole program at its real pace, playing
// seat 1 by itself; three guests of bytes only play seats 2 to 4 on a thread of their own, so
// that they read what arrives even while the host's thread is busy.

namespace {

using Clock = std::chrono::steady_clock;
constexpr int Guests = 3;
constexpr auto Patience = std::chrono::seconds(10); // for one relay

qint64 steadyMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch()).count();
}

double msBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// One delay as one guest saw it, with the faces its move took (0 for a pass or a chat line).
struct Sample {
    int faces = 0;
    double ms = 0;
};

// A move or a chat line on its way: who sent it when, and which guests have read it.
struct Pending {
    int from = 0;
    int faces = 0;
    Clock::time_point sent;
    std::array<bool, Guests> heard{};
};

// One guest of bytes only on a plain socket, with its own replica of the game.
struct RawGuest {
    RawGuest() = default;
    RawGuest(const RawGuest&) = delete;
    RawGuest& operator=(const RawGuest&) = delete;
    ~RawGuest()
    {
        if (fd >= 0)
            ::close(fd);
    }

    bool join(quint16 port, const QString& own)
    {
        name = own;
        fd = ::socket(AF_INET, SOCK_STREAM, 0);
        const int on = 1;
        ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(port);
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&to), sizeof to) != 0)
            return false;
        inbox.setOwnName(name);
        return say({"0", name});
    }

    bool say(const QStringList& lines) const
    {
        const QByteArray bytes = net::encodeMessage(lines);
        return ::send(fd, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL) == bytes.size();
    }

    int fd = -1;
    QString name;
    net::MessageBuffer inbox{net::Sender::Host, steadyMs};
    bool joined = false;
    int seat = 0;
    int game = 0; // starts heard
    int ply = 0;  // moves heard in this game
    std::optional<rules::Position> replica;
};

// The three guests and their bookkeeping. Everything but the atomics belongs to the guests'
// thread while it runs.
class RawTable {
public:
    ~RawTable() { stop(); }

    bool join(quint16 port)
    {
        for (int i = 0; i < Guests; ++i)
            if (!guests_[i].join(port, QString(QChar(char16_t(u'B' + i)))))
                return false;
        thread_ = std::thread([this] { run(); });
        return true;
    }
    void stop()
    {
        stop_ = true;
        if (thread_.joinable())
            thread_.join();
    }

    bool joined() const { return joined_ == Guests; }
    int gamesOver() const { return gamesOver_; }
    bool failed() const { return failed_; }
    // After stop().
    const std::string& error() const { return error_; }
    const std::vector<Sample>& moves() const { return moves_; }
    const std::vector<Sample>& chats() const { return chats_; }

private:
    void run()
    {
        std::array<pollfd, Guests> fds{};
        for (int i = 0; i < Guests; ++i)
            fds[i] = {guests_[i].fd, POLLIN, 0};
        while (!stop_ && !failed_) {
            ::poll(fds.data(), fds.size(), chatDue_ ? 1 : 5);
            for (int i = 0; i < Guests && !failed_; ++i)
                if (fds[i].revents)
                    read(i);
            if (chatDue_ && Clock::now() >= *chatDue_)
                sendChat();
            checkPatience();
        }
    }

    void read(int i)
    {
        char bytes[65536];
        const ssize_t n = ::recv(guests_[i].fd, bytes, sizeof bytes, 0);
        const Clock::time_point at = Clock::now();
        if (n <= 0)
            return fail("the host closed a guest's connection");
        RawGuest& g = guests_[i];
        g.inbox.append(QByteArray(bytes, qsizetype(n)));
        g.inbox.drained();
        while (auto m = g.inbox.next())
            heard(i, *m, at);
    }

    void heard(int i, const QStringList& m, Clock::time_point at)
    {
        RawGuest& g = guests_[i];
        switch (net::lineNumber(m, 0).value_or(-1)) {
        case net::MsgJoin:
            g.joined = true;
            ++joined_;
            break;
        case net::MsgStart:
            if (const auto start = net::parseStart(m)) {
                g.seat = start->seat;
                g.replica = rules::Position::newGame(start->boardSize, start->scoring, start->rotation);
                ++g.game;
                g.ply = 0;
            }
            break;
        case net::MsgMove:
            if (const auto move = net::parseMove(m))
                moved(i, *move, at);
            else
                fail("a move that does not parse");
            break;
        case net::MsgChat:
            if (chat_ && m.value(1).endsWith(chatText_))
                note(*chat_, i, at, chats_);
            break;
        default: break;
        }
    }

    void moved(int i, const net::Move& move, Clock::time_point at)
    {
        RawGuest& g = guests_[i];
        const rules::Cell cell = move.isPass() ? rules::Pass : rules::Cell{move.col, move.row};
        if (!g.replica || g.replica->over() || !(cell.isPass() || g.replica->isLegal(cell)))
            return fail("a relayed move that the guest's own board does not allow");
        const auto key = std::pair(g.game, g.ply++);
        if (const auto it = pending_.find(key); it != pending_.end() && note(it->second, i, at, moves_))
            pending_.erase(it);
        g.replica->play(cell);
        if (g.replica->over())
            return ended(i);
        if (move.turnSeat != g.replica->toMove())
            return fail("the relayed next seat differs from the guest's own board");
        if (g.replica->toMove() == g.seat)
            play(i);
    }

    // Answers whether every guest but the sender has now read it.
    static bool note(Pending& p, int i, Clock::time_point at, std::vector<Sample>& into)
    {
        if (!p.heard[i]) {
            p.heard[i] = true;
            into.push_back({p.faces, msBetween(p.sent, at)});
        }
        return std::all_of(p.heard.begin(), p.heard.end(), [](bool h) { return h; });
    }

    void ended(int i)
    {
        const int game = guests_[i].game;
        if (std::all_of(guests_.begin(), guests_.end(),
                        [&](const RawGuest& g) { return g.game == game && g.replica && g.replica->over(); }))
            gamesOver_ = game;
    }

    // Half the time the cell that takes the most faces, else any legal one, so that both few
    // and many faces come up.
    void play(int i)
    {
        RawGuest& g = guests_[i];
        const rules::Position& p = *g.replica;
        const auto cells = p.legalCells();
        rules::Cell cell = rules::Pass;
        if (!cells.empty())
            cell = cells[std::uniform_int_distribution<size_t>(0, cells.size() - 1)(rng_)];
        const auto faces = [&](rules::Cell c) {
            return p.board().captures(rules::Board::indexOf(c.col, c.row), g.seat);
        };
        if (!cells.empty() && rng_() % 2)
            cell = *std::max_element(cells.begin(), cells.end(), [&](auto a, auto b) { return faces(a) < faces(b); });
        rules::Position after = p;
        after.play(cell);
        Pending sent{i, cell.isPass() ? 0 : faces(cell), Clock::now(), {}};
        sent.heard[i] = true;
        pending_[std::pair(g.game, g.ply)] = sent;
        if (!g.say(net::moveMessage(after.over() ? g.seat : after.toMove(), cell.col, cell.row)))
            return fail("a guest could not send its move");
        // Every third capture draws a chat line from another guest while the host shows it.
        if (sent.faces > 0 && ++captures_ % 3 == 0 && !chat_ && !chatDue_) {
            chatDue_ = sent.sent + std::chrono::milliseconds(10);
            chatFrom_ = (i + 1) % Guests;
        }
    }

    void sendChat()
    {
        chatDue_.reset();
        chatText_ = QStringLiteral("：relay %1").arg(++chatsSent_);
        chat_ = Pending{chatFrom_, 0, Clock::now(), {}};
        chat_->heard[chatFrom_] = true;
        if (!guests_[chatFrom_].say(net::chatMessage(guests_[chatFrom_].name + chatText_)))
            fail("a guest could not send its chat line");
    }

    void checkPatience()
    {
        const auto late = [now = Clock::now()](const Pending& p) { return now - p.sent > Patience; };
        if (chat_ && std::all_of(chat_->heard.begin(), chat_->heard.end(), [](bool h) { return h; }))
            chat_.reset();
        if (chat_ && late(*chat_))
            fail("a chat line was not relayed within 10 s");
        for (const auto& [key, p] : pending_)
            if (late(p))
                return fail("a move was not relayed within 10 s");
    }

    void fail(const char* why)
    {
        if (!failed_)
            error_ = why;
        failed_ = true;
    }

    std::array<RawGuest, Guests> guests_;
    std::map<std::pair<int, int>, Pending> pending_; // by game and move number
    std::optional<Pending> chat_;
    std::optional<Clock::time_point> chatDue_;
    int chatFrom_ = 0;
    int chatsSent_ = 0;
    QString chatText_;
    int captures_ = 0;
    std::mt19937 rng_{32};
    std::vector<Sample> moves_;
    std::vector<Sample> chats_;
    std::string error_;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> failed_{false};
    std::atomic<int> joined_{0};
    std::atomic<int> gamesOver_{0};
};

// The host's event loop runs until done() or the time is up; the tick only lets done() be asked.
template <class Done>
bool pumpUntil(Done done, int timeoutMs)
{
    QTimer tick;
    tick.start(10);
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// Null when the games were played; else what went wrong.
const char* playGames(BenchProgram& host, RawTable& table, int size, int games)
{
    if (!table.join(host.boot->station().port()))
        return "the guests could not connect";
    if (!pumpUntil([&] { return table.failed() || (table.joined() && host.boot->station().members().size() == 4); },
                   5000))
        return "the four members did not meet";
    control<ui::TExtTrackBar>(*host.boot, "TableSize")->setPosition(size);
    control<ui::TExtTrackBar>(*host.boot, "TimeLimit")->setPosition(rules::NoLimit);
    const auto over = [&] { return host.form->windowTitle() == QStringLiteral("ゲーム終了　"); };
    for (int game = 1; game <= games && !table.failed(); ++game) {
        host.boot->BtnGameClick();
        // Automatic play takes the host's turns from its second on: the first it passes here.
        if (!pumpUntil([&] { return table.failed() || control<QPushButton>(*host.form, "BtnPass")->isEnabled(); },
                       5000))
            return "the host's first turn did not open";
        control<QPushButton>(*host.form, "BtnPass")->click();
        if (!pumpUntil([&] { return table.failed() || (table.gamesOver() >= game && over()); }, 600000))
            return "a game did not end within 10 minutes";
    }
    return table.failed() ? "the guests failed" : nullptr;
}

struct Summary {
    size_t n = 0;
    double median = 0;
    double worst = 0;
};

Summary summarise(std::vector<double> ms)
{
    if (ms.empty())
        return {};
    std::sort(ms.begin(), ms.end());
    const size_t mid = ms.size() / 2;
    const double median = ms.size() % 2 ? ms[mid] : (ms[mid - 1] + ms[mid]) / 2;
    return {ms.size(), median, ms.back()};
}

void report(benchmark::State& state, const RawTable& table)
{
    struct Row {
        const char* name;
        int from, to;
    };
    const Row rows[] = {{"0 (pass)", 0, 0}, {"1", 1, 1}, {"2", 2, 2}, {"3", 3, 3}, {"4-6", 4, 6}, {"7+", 7, 1000}};
    std::printf("\nrelay on %d x %d, each sample one guest reading another's move\n", int(state.range(0)),
                int(state.range(0)));
    std::printf("%-9s %6s %10s %10s %12s\n", "faces", "n", "median ms", "worst ms", "> 60+5k ms");
    for (const Row& row : rows) {
        std::vector<double> ms;
        int beyond = 0;
        for (const Sample& s : table.moves())
            if (s.faces >= row.from && s.faces <= row.to) {
                ms.push_back(s.ms);
                beyond += s.ms > 60 + 5 * s.faces;
            }
        const Summary r = summarise(ms);
        std::printf("%-9s %6zu %10.1f %10.1f %12d\n", row.name, r.n, r.median, r.worst, beyond);
    }
    std::vector<double> chat;
    for (const Sample& s : table.chats())
        chat.push_back(s.ms);
    const Summary c = summarise(chat);
    std::printf("%-9s %6zu %10.1f %10.1f\n\n", "chat", c.n, c.median, c.worst);
    state.counters["moves_read"] = double(table.moves().size());
    state.counters["chat_median_ms"] = c.median;
    state.counters["chat_worst_ms"] = c.worst;
}

void GuestMoveRelayByCapturedFaces(benchmark::State& state)
{
    ensureApplication();
    BenchProgram host(QStringLiteral("A"));
    control<QCheckBox>(*host.form, "AutoPass")->setChecked(true);
    control<QLineEdit>(*host.boot, "BoxPort")->setText(QStringLiteral("0"));
    host.boot->BtnStartClick();
    RawTable table;
    for (auto _ : state) {
        const char* failure = playGames(host, table, int(state.range(0)), int(state.range(1)));
        table.stop();
        if (failure) {
            state.SkipWithError((table.failed() ? table.error() : std::string(failure)).c_str());
            return;
        }
    }
    report(state, table);
}

} // namespace

// One run of whole games at the real pace: a game on 13 x 13 takes about a minute.
BENCHMARK(GuestMoveRelayByCapturedFaces)
    ->Args({8, 4})
    ->Args({13, 3})
    ->ArgNames({"size", "games"})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

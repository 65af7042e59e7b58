// The host under load, as a separate process: two members chat while one address churns
// connections, a member stops reading, or hundreds of connections sit idle. Prints a row every
// five seconds. Every connection goes to 127.0.0.1; every loop ends by itself.
//
//   taisen_flood [--seconds 60]      churn from 127.0.0.2 while B and C chat 20 lines a second each
//   taisen_flood --silent 60000      B sends that many 900-byte lines; S never reads
//   taisen_flood --idle 600          that many connections sit idle for 35 s, then B chats
#include "bench/benchprogram.h"
#include "tests/support/controls.h"
#include "net/hostserver.h"
#include <QDir>
#include <QFile>
#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
double secondsSince(Clock::time_point t)
{
    return std::chrono::duration<double>(Clock::now() - t).count();
}
qint64 nowUs()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now().time_since_epoch()).count();
}

// The host in a child process; its port comes back through a pipe.
pid_t startHost(quint16& port)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        ensureApplication();
        ui::setErrorSink([](const QString&) {});
        BenchProgram host(QStringLiteral("Host1"));
        control<QLineEdit>(*host.boot, "BoxPort")->setText(QStringLiteral("0"));
        host.boot->BtnStartClick();
        const quint16 p = host.boot->station().port();
        (void)!::write(fds[1], &p, sizeof p);
        ::close(fds[1]);
        QApplication::exec();
        ::_exit(0);
    }
    ::close(fds[1]);
    const bool got = ::read(fds[0], &port, sizeof port) == sizeof port;
    ::close(fds[0]);
    return got ? pid : -1;
}

int openDescriptors(pid_t pid)
{
    return int(QDir(QStringLiteral("/proc/%1/fd").arg(pid)).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size());
}

long residentKb(pid_t pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// Connections on the host's port waiting for the host to close them (state 08 in /proc/net).
int closeWait(quint16 port)
{
    int count = 0;
    const QByteArray local = QByteArray::number(port, 16).toUpper().rightJustified(4, '0');
    for (const char* table : {"/proc/net/tcp", "/proc/net/tcp6"}) {
        QFile f{QLatin1String(table)};
        if (!f.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& line : f.readAll().split('\n')) {
            const QList<QByteArray> cols = line.simplified().split(' ');
            if (cols.size() > 3 && cols[1].endsWith(":" + local) && cols[3] == "08")
                ++count;
        }
    }
    return count;
}

int connectFrom(const char* source, quint16 port, int timeoutMs)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    sockaddr_in from{};
    from.sin_family = AF_INET;
    ::inet_pton(AF_INET, source, &from.sin_addr);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    ::inet_pton(AF_INET, "127.0.0.1", &to.sin_addr);
    // The port is chosen at connect, so that thousands of closed connections do not use them up.
    const int on = 1;
    ::setsockopt(fd, IPPROTO_IP, IP_BIND_ADDRESS_NO_PORT, &on, sizeof on);
    ::bind(fd, reinterpret_cast<sockaddr*>(&from), sizeof from);
    ::connect(fd, reinterpret_cast<sockaddr*>(&to), sizeof to);
    pollfd p{fd, POLLOUT, 0};
    int error = 0;
    socklen_t length = sizeof error;
    if (::poll(&p, 1, timeoutMs) != 1 || ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// The wire's full-width colon, in Shift_JIS.
const std::string Colon = "\x81\x46";

// Every byte goes, waiting while the system's buffer is full; a closed connection takes nothing.
void say(int fd, const std::string& lines)
{
    for (size_t done = 0; done < lines.size();) {
        const ssize_t n = ::send(fd, lines.data() + done, lines.size() - done, MSG_NOSIGNAL);
        if (n > 0) {
            done += size_t(n);
            continue;
        }
        pollfd p{fd, POLLOUT, 0};
        if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK) || ::poll(&p, 1, 1000) != 1)
            return;
    }
}

// A member: its socket and what it has heard, cut at line ends.
struct Member {
    int fd = -1;
    std::string pending;
    std::vector<std::string> lines;

    bool hear(int waitMs)
    {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, waitMs) != 1)
            return false;
        char buffer[65536];
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, MSG_DONTWAIT);
        if (n <= 0)
            return false;
        pending.append(buffer, size_t(n));
        for (size_t end; (end = pending.find("\r\n")) != std::string::npos; pending.erase(0, end + 2))
            lines.push_back(pending.substr(0, end));
        return true;
    }
};

// Connects and joins; the seconds until the member list that ends with its name, or -1.
double join(Member& m, const char* source, const std::string& name, quint16 port, double within = 10)
{
    const auto start = Clock::now();
    m.fd = connectFrom(source, port, int(within * 1000));
    if (m.fd < 0)
        return -1;
    say(m.fd, "0\r\n" + name + "\r\n");
    while (secondsSince(start) < within) {
        m.hear(50);
        for (const std::string& l : m.lines)
            if (l == name)
                return secondsSince(start);
    }
    return -1;
}

double percentile(std::vector<double> v, double q)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[size_t(q * double(v.size() - 1))];
}

// Chat lines "B：<sequence> <microseconds>" that a member heard from the other one.
struct Delivery {
    std::vector<double> delaysMs;
    long seen = 0;
    void take(Member& m)
    {
        for (const std::string& l : m.lines) {
            const size_t at = l.find(Colon);
            if (at == std::string::npos || l.find(' ', at) == std::string::npos)
                continue;
            const qint64 sent = std::strtoll(l.c_str() + l.find(' ', at) + 1, nullptr, 10);
            delaysMs.push_back(double(nowUs() - sent) / 1000.0);
            ++seen;
        }
        m.lines.clear();
    }
};

void churn(quint16 port, double seconds, std::atomic<long>& made, std::atomic<bool>& stop)
{
    const auto start = Clock::now();
    while (!stop && secondsSince(start) < seconds) {
        const int fd = connectFrom("127.0.0.2", port, 100);
        if (fd < 0)
            continue;
        say(fd, "0\r\nchurn" + std::to_string(made++) + "\r\n");
        ::close(fd);
    }
}

int floodRun(pid_t host, quint16 port, double seconds)
{
    Member b, c;
    if (join(b, "127.0.0.1", "B", port) < 0 || join(c, "127.0.0.1", "C", port) < 0)
        return 1;
    b.lines.clear();
    c.lines.clear();
    std::atomic<long> made{0};
    std::atomic<bool> stop{false};
    std::thread churner(churn, port, seconds, std::ref(made), std::ref(stop));
    Delivery window, all;
    long sent = 0;
    const auto start = Clock::now();
    std::printf("%6s %8s %8s %10s %10s %6s %10s\n", "t/s", "sent", "heard", "median/ms", "worst/ms", "fds",
                "CLOSE-WAIT");
    for (int row = 1; secondsSince(start) < seconds; ++row) {
        // Each member's next line is due every 50 ms from the start.
        while (secondsSince(start) < row * 5.0 && secondsSince(start) < seconds) {
            for (Member* m : {&b, &c})
                say(m->fd, std::string("2\r\n") + (m == &b ? "B" : "C") + Colon + std::to_string(sent++) + " " +
                               std::to_string(nowUs()) + "\r\n");
            while (secondsSince(start) < double(sent / 2) * 0.05)
                for (Member* m : {&b, &c})
                    if (m->hear(2))
                        window.take(*m);
        }
        std::printf("%6.0f %8ld %8ld %10.1f %10.1f %6d %10d\n", secondsSince(start), sent, all.seen + window.seen,
                    percentile(window.delaysMs, 0.5), percentile(window.delaysMs, 1), openDescriptors(host),
                    closeWait(port));
        all.seen += window.seen;
        all.delaysMs.insert(all.delaysMs.end(), window.delaysMs.begin(), window.delaysMs.end());
        window = {};
    }
    stop = true;
    churner.join();
    Member fresh, churnSide;
    const double freshAfter = join(fresh, "127.0.0.1", "D", port);
    const double churnSideAfter = join(churnSide, "127.0.0.2", "E", port);
    for (int i = 0; i < 20; ++i)
        for (Member* m : {&b, &c})
            if (m->hear(50))
                all.take(*m);
    std::printf(
        "churn connections %ld (%.0f a second); chat lines sent %ld, heard %ld, median %.1f ms, worst %.1f ms\n",
        long(made), double(made) / seconds, sent, all.seen, percentile(all.delaysMs, 0.5), percentile(all.delaysMs, 1));
    std::printf("after the flood: a fresh guest from 127.0.0.1 has its member list in %.3f s, then one from the "
                "churning address in %.3f s\n",
                freshAfter, churnSideAfter);
    std::printf("CLOSE-WAIT %d, host descriptors %d\n", closeWait(port), openDescriptors(host));
    return 0;
}

int silentRun(pid_t host, quint16 port, long count)
{
    Member silent, b, c;
    if (join(silent, "127.0.0.1", "S", port) < 0 || join(b, "127.0.0.1", "B", port) < 0 ||
        join(c, "127.0.0.1", "C", port) < 0)
        return 1;
    const int small = 4096;
    ::setsockopt(silent.fd, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
    const std::string text(880, 'x');
    std::printf("%8s %10s %10s\n", "lines", "host RSS/kB", "C heard");
    const long before = residentKb(host);
    const std::string leftS = "\x81\x9fS\x8e\x81\x82\xcc\x91\xde\x8e\xba"; // the notice that S left
    long heard = 0;
    bool sLeft = false;
    for (long i = 1; i <= count; ++i) {
        say(b.fd, "2\r\nB" + Colon + text + "\r\n");
        while (c.hear(0) || b.hear(0))
            ;
        heard += long(c.lines.size());
        sLeft = sLeft || std::count(c.lines.begin(), c.lines.end(), leftS) > 0;
        c.lines.clear();
        b.lines.clear();
        if (i % 5000 == 0)
            std::printf("%8ld %10ld %10ld\n", i, residentKb(host), heard);
    }
    while (c.hear(500))
        sLeft = sLeft || std::count(c.lines.begin(), c.lines.end(), leftS) > 0;
    std::printf("host RSS before %ld kB, after %ld kB; C heard that S left: %s\n", before, residentKb(host),
                sLeft ? "yes" : "no");
    return 0;
}

int idleRun(pid_t host, quint16 port, int count)
{
    std::vector<int> idle;
    for (int i = 0; i < count; ++i) {
        const std::string source = "127.0.1." + std::to_string(1 + i % 200);
        const int fd = connectFrom(source.c_str(), port, 1000);
        if (fd >= 0)
            idle.push_back(fd);
    }
    std::printf("%zu of %d idle connections made; host descriptors %d\n", idle.size(), count, openDescriptors(host));
    Member b, c;
    const double bJoined = join(b, "127.0.0.1", "B", port);
    const double cJoined = join(c, "127.0.0.1", "C", port);
    std::printf("B joined in %.3f s, C in %.3f s while they sit; host descriptors %d\n", bJoined, cJoined,
                openDescriptors(host));
    std::this_thread::sleep_for(std::chrono::seconds(35));
    say(b.fd, "2\r\nB" + Colon + "still there?\r\n");
    c.lines.clear();
    const auto start = Clock::now();
    bool arrived = false;
    while (!arrived && secondsSince(start) < 5) {
        c.hear(50);
        for (const std::string& l : c.lines)
            arrived = arrived || l == "B" + Colon + "still there?";
    }
    int status = 0;
    const bool alive = ::waitpid(host, &status, WNOHANG) == 0;
    std::printf("35 s later: host alive %s, C heard B's line %s, host descriptors %d\n", alive ? "yes" : "no",
                arrived ? "yes" : "no", alive ? openDescriptors(host) : -1);
    for (const int fd : idle)
        ::close(fd);
    return alive && arrived ? 0 : 1;
}

long option(int argc, char** argv, const char* name, long fallback)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0)
            return std::atol(argv[i + 1]);
    return fallback;
}

} // namespace

int main(int argc, char** argv)
{
    quint16 port = 0;
    const pid_t host = startHost(port);
    if (host < 0)
        return 1;
    int result = 0;
    if (const long silent = option(argc, argv, "--silent", 0))
        result = silentRun(host, port, silent);
    else if (const long idle = option(argc, argv, "--idle", 0))
        result = idleRun(host, port, int(idle));
    else
        result = floodRun(host, port, double(option(argc, argv, "--seconds", 60)));
    ::kill(host, SIGTERM);
    ::waitpid(host, nullptr, 0);
    return result;
}

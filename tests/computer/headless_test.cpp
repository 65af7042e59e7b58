#include "match/computerguest.h"
#include "computer/headless.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTextStream>
#include <QTimer>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(ComputerGuest, HostThatCannotBeReachedIsAFailure)
{
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
    const quint16 closed = probe.serverPort();
    probe.close();
    match::ComputerGuest player(QStringLiteral("CPU"), ai::Level::Random);
    QString reason;
    QObject::connect(&player, &match::ComputerGuest::failed, [&](const QString& r) { reason = r; });
    player.connectTo(QStringLiteral("127.0.0.1"), closed);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !reason.isEmpty(); }, 5000));
}

QStringList warnings;

// The host going says so in the program's own words, with no warning of Qt's beside it.
TEST(PlayHeadless, EndsWithZeroWhenTheHostClosesAndOneWhenItCannotConnect)
{
    QTcpServer host;
    ASSERT_TRUE(host.listen(QHostAddress::LocalHost, 0));
    QObject::connect(&host, &QTcpServer::newConnection, [&] {
        QTcpSocket* s = host.nextPendingConnection();
        QTimer::singleShot(100, s, [s] { s->disconnectFromHost(); });
    });
    QString errors;
    QTextStream err(&errors);
    const QtMessageHandler before =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& m) { warnings << m; });
    EXPECT_EQ(computer::playHeadless({QStringLiteral("127.0.0.1"), host.serverPort()}, err), 0);
    qInstallMessageHandler(before);
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join(u'\n').toStdString();
    EXPECT_EQ(errors, computer::hostWentLine() + u'\n');
    errors.clear();
    const quint16 closed = host.serverPort();
    host.close();
    EXPECT_EQ(computer::playHeadless({QStringLiteral("127.0.0.1"), closed}, err), 1);
    EXPECT_TRUE(errors.contains(QStringLiteral("127.0.0.1:%1").arg(closed)));
}

} // namespace

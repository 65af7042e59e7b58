#include <QCoreApplication>
#include <QTcpSocket>
#include <QTextStream>

// A bare Qt program that links Qt Network and tries one connection, to weigh a computer player
// whose host refuses it against: both end when the connection fails.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    QTcpSocket socket;
    QObject::connect(&socket, &QTcpSocket::errorOccurred, [&socket] {
        QTextStream(stderr) << socket.errorString() << '\n';
        QCoreApplication::exit(1);
    });
    QObject::connect(&socket, &QTcpSocket::connected, [] { QCoreApplication::exit(0); });
    socket.connectToHost(arguments.value(1, QStringLiteral("127.0.0.1")), quint16(arguments.value(2).toUInt()));
    return QCoreApplication::exec();
}

#pragma once
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QWebSocket>
#include <vector>

// A browser's page as the host meets it: a WebSocket from the page's origin that keeps every
// frame the host sends.
class PageClient {
public:
    explicit PageClient(quint16 port, const QString& origin = {})
        : socket(origin.isEmpty() ? QStringLiteral("http://127.0.0.1:%1").arg(port) : origin)
    {
        QObject::connect(&socket, &QWebSocket::textMessageReceived, [this](const QString& text) {
            frames.push_back(QJsonDocument::fromJson(text.toUtf8()).object());
        });
        socket.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/ws").arg(port)));
    }
    bool opened()
    {
        (void)QTest::qWaitFor([&] { return socket.state() != QAbstractSocket::ConnectingState; }, 5000);
        return socket.state() == QAbstractSocket::ConnectedState;
    }
    bool closed() { return QTest::qWaitFor([&] { return socket.state() == QAbstractSocket::UnconnectedState; }, 5000); }
    void send(const QJsonObject& frame) { socket.sendTextMessage(QJsonDocument(frame).toJson(QJsonDocument::Compact)); }
    // The last frame of kind t, waiting for one to come.
    QJsonObject last(const QString& t)
    {
        QJsonObject found;
        (void)QTest::qWaitFor([&] {
            for (auto it = frames.rbegin(); it != frames.rend(); ++it)
                if ((*it)["t"] == t)
                    return found = *it, true;
            return false;
        }, 5000);
        return found;
    }

    // The game as the page has it once `moves` moves are played.
    QJsonObject state(int moves)
    {
        (void)QTest::qWaitFor([&] { return last("state")["moves"].toInt() == moves; }, 5000);
        return last("state");
    }

    QWebSocket socket;
    std::vector<QJsonObject> frames;
};

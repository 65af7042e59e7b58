#pragma once
#include <QHostAddress>
#include <QObject>
#include <QTimer>

class QSocketNotifier;

namespace net {

// The host's listening socket. It takes a few new connections per turn of the event loop, so a
// flood of them never holds up the connections already there, and it rests a moment instead of
// spinning when the system has no descriptor to give.
class Listener : public QObject {
    Q_OBJECT
public:
    explicit Listener(QObject* parent = nullptr);
    ~Listener() override;

    // Listens on every local address at `port`; throws Failure as openListeningSocket does.
    void listen(quint16 port);
    void close();
    bool isListening() const { return fd_ >= 0; }
    quint16 port() const;

signals:
    // A connection's descriptor, non-blocking: the receiver owns it from now on.
    void incoming(int descriptor, const QHostAddress& peer);

private:
    void acceptSome();
    void rest();

    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    QTimer resting_;
};

} // namespace net

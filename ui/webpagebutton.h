#pragma once
#include "match/station.h"

#include <QToolButton>
#include <functional>

class QLabel;

namespace ui {

// A small button in the members' heading, so that no other control moves: it turns the page
// for browsers on or off for the next hosting and shows the page's addresses with their QR
// codes while it is served.
class WebPageButton : public QToolButton {
    Q_OBJECT
public:
    // `servedPort` is the port the page is served on now, 0 when it is not.
    WebPageButton(QLabel* heading, std::function<quint16()> servedPort);

    // The port to serve the page on (setting.ini or the command line); 0 serves none.
    void setPort(quint16 port) { port_ = port; }
    // What the next hosting serves, as Station::setWebPort takes it: 0 when turned off.
    int portToServe() const { return on_ ? port_ : 0; }

private:
    void showMenu();
    void showAddresses();

    std::function<quint16()> servedPort_;
    int port_ = match::Station::WebPortBesideGame;
    bool on_ = true;
};

// The page's address at each IPv4 address of this machine's interfaces that are up.
QStringList pageAddresses(quint16 port);

} // namespace ui

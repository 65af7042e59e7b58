#include "ui/webpagebutton.h"

#include "ui/headingbutton.h"
#include "ui/qrimage.h"

#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QNetworkInterface>
#include <QVBoxLayout>

namespace ui {

WebPageButton::WebPageButton(QLabel* heading, std::function<quint16()> servedPort) : servedPort_(std::move(servedPort))
{
    setObjectName(QStringLiteral("BtnWeb"));
    setText(tr("携帯"));
    setAccessibleName(tr("ブラウザーから参加"));
    setToolTip(tr("スマートフォンなどのブラウザーから参加できるページ"));
    putInHeading(heading, this);
    setFixedWidth(sizeHint().width());
    connect(this, &QToolButton::clicked, this, &WebPageButton::showMenu);
}

void WebPageButton::showMenu()
{
    QMenu menu(this);
    QAction* serve = menu.addAction(tr("ブラウザーから参加できるようにする"));
    serve->setCheckable(true);
    serve->setChecked(on_);
    connect(serve, &QAction::toggled, this, [this](bool on) { on_ = on; });
    QAction* show = menu.addAction(tr("ページのアドレスとQRコード..."));
    show->setEnabled(servedPort_() != 0);
    connect(show, &QAction::triggered, this, &WebPageButton::showAddresses);
    menu.exec(mapToGlobal(QPoint(0, height())));
}

void WebPageButton::showAddresses()
{
    QDialog dialog(window());
    dialog.setObjectName(QStringLiteral("WebPageDialog"));
    dialog.setWindowTitle(tr("ブラウザーから参加"));
    auto* column = new QVBoxLayout(&dialog);
    column->addWidget(new QLabel(tr("同じネットワークのスマートフォンでQRコードを読むか、アドレスを開いてください。")));
    for (const QString& address : pageAddresses(servedPort_())) {
        auto* text = new QLabel(address);
        text->setTextInteractionFlags(Qt::TextSelectableByMouse);
        auto* code = new QLabel;
        code->setPixmap(QPixmap::fromImage(qrImage(address, 4)));
        code->setAccessibleName(tr("%1 のQRコード").arg(address));
        column->addWidget(text);
        column->addWidget(code);
    }
    dialog.exec();
}

QStringList pageAddresses(quint16 port)
{
    QStringList addresses;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        if (!interface.flags().testFlag(QNetworkInterface::IsUp) ||
            interface.flags().testFlag(QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& entry : interface.addressEntries())
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol)
                addresses << QStringLiteral("http://%1:%2/").arg(entry.ip().toString()).arg(port);
    }
    return addresses;
}

} // namespace ui
